#pragma once

#include "diagnostic.h"

#include <QList>
#include <QStringList>

// A multiple-choice question read from GIFT text.
struct GiftQuestion
{
    int line = 0; // where the question starts
    QString text;
    QStringList choices;     // in the order written
    QList<int> choiceLines;  // where each choice starts
    int correct = -1;        // index into choices of the one "=" choice
    QStringList explanation; // the general feedback after ####, a row per line
    bool refused = false;    // a fault was reported; the fields above are incomplete
};

// Reads the multiple-choice subset of Moodle's GIFT format:
//
//   // a comment line
//   ::Title:: Question text, over one or more lines {
//   =the correct choice
//   ~a wrong choice
//   ####First explanation row.
//   Every further line up to the closing brace is one more row.
//   }
//
// Questions are separated by blank lines. ~ = # { } : are written \~ \= \# \{
// \} \: where they stand for themselves, \\ is a backslash and \n a line break.
// Any other kind of GIFT question is refused.
class GiftReader
{
    Q_DECLARE_TR_FUNCTIONS(GiftReader)

public:
    // lines: the decoded lines of the file at `path`, without their line ends.
    // Every question is returned, so that questions keep their numbers; a
    // question with a fault is marked refused and its first fault appended to
    // `diagnostics`, and reading goes on with the next question. Warnings about
    // a question that is not refused are appended too.
    static QList<GiftQuestion> read(const QString &path, const QStringList &lines,
                                    QList<Diagnostic> &diagnostics);
};
