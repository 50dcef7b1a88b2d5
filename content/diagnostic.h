#pragma once

#include <QCoreApplication>
#include <QString>

// Something a content check found, at the line of the file it concerns.
// Errors stop the test from running; warnings only tell the author.
struct Diagnostic
{
    Q_DECLARE_TR_FUNCTIONS(Diagnostic)

public:
    enum class Severity { Error, Warning };

    QString file;
    int line = 0; // counted from 1; 0 for the file or folder as a whole
    QString message;
    Severity severity = Severity::Error;

    bool isError() const { return severity == Severity::Error; }

    // "file:line: message", or "file:line: warning: message", the form editors
    // jump to; "file: message" when no line is meant.
    QString toString() const;
};
