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
    QString picture;         // where its JPEG picture is found, empty for none
};
