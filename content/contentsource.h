#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One question of a test as the content compiler writes it.
struct ContentQuestion
{
    QStringList rows;        // the question text, then its choices in content order
    QString correctAnswer;   // the exact text of the correct choice
    QStringList explanation; // one paragraph a row, shown after grading
    QString picture;         // resource path of its JPEG picture, empty for none
};

// A whole test: its questions in content order and its six settings rows.
struct ContentSource
{
    QList<ContentQuestion> questions;
    QStringList settings;
};

// The test compiled into the program (generated from the content folder).
ContentSource BuiltinContent();
