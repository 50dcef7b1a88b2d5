#pragma once

#include <QString>
#include <QStringList>

// One question of a test, as its author wrote it.
struct Question
{
    QString text;
    QStringList choices;     // in the author's order; shown in an order drawn per run
    QString correctText;     // a choice is right when its text equals this exactly
    QStringList explanation; // one paragraph a row, shown in the review
    // Names its picture in the window's PictureBook, empty for none: a resource
    // path in the built-in test, the picture file's path in a folder's test.
    QString picture;
};
