#pragma once

#include "contenterror.h"

#include <QList>
#include <QStringList>

// A multiple-choice question read from GIFT text.
struct GiftQuestion
{
    int line = 0; // where the question starts
    QString text;
    QStringList choices;     // in the order written
    int correct = -1;        // index into choices of the one "=" choice
    QStringList explanation; // the general feedback after ####, a row per line
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
// Any other kind of GIFT question is refused with a ContentError.
class GiftReader
{
public:
    // lines: the decoded lines of the file, without their line ends.
    static QList<GiftQuestion> read(const QString &path, const QStringList &lines);
};
