#pragma once

#include <QString>

// A fault in the content, reported as "path:line: message".
struct ContentError
{
    QString path;
    int line = 1;
    QString message;

    QString toString() const
    {
        return QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(message);
    }
};
