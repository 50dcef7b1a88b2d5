#pragma once

#include "question.h"
#include "settings.h"

#include <QList>

// A whole test: its questions in the author's order and its settings.
struct Test
{
    // What a run can hold, the control question included, and what a
    // question can hold: the window has five answer boxes.
    static constexpr int MinQuestions = 3;
    static constexpr int MaxQuestions = 29;
    static constexpr int MinChoices = 2;
    static constexpr int MaxChoices = 5;

    QList<Question> questions;
    Settings settings;

    // How many questions a run of this test has: with the control question,
    // one more than the author wrote.
    qsizetype runQuestionCount() const
    {
        return questions.size() + (settings.appendsControlQuestion() ? 1 : 0);
    }
};

// The test compiled into the program (generated from its content folder).
Test BuiltinTest();
