#pragma once

#include "morv_danni.h"
#include "textrows.h"

#include <functional>

// A source of random reals in [0, 1).
using RandomSource = std::function<double()>;

// The state of one run of the test and the operations on it.
//
// Questions are numbered 0..N-1 in content order, slots 0..N-1 in the order
// the test presents them; slot s shows question SlotQuestion[s]. What the
// learner does is recorded per slot; only AnswerOrder, the display order of a
// question's choices, is kept per question.
class TestRun
{
public:
    TestRun(MORV_Danni &danni, RandomSource random);

    // Builds the run: completes the content, fixes N, draws the question order
    // and every question's answer order, and resets every slot record.
    void StartUp();

    // The control question repeats question 0 as an extra last question.
    void AppendControlQuestion();
    // Draws Stride, a prime below N that does not divide N.
    void ChooseStride();
    // One row of PermutationTable n for a question with n choices.
    QString DrawAnswerOrder(int question);

    // Next (+1) and Back (-1), stopping at the first and the last slot.
    void MoveSlot(int step);

    // The question shown in a slot; the current slot's question text, its
    // number of choices and the choice shown at display position j (from 1).
    int QuestionOf(int slot) const;
    QString QuestionText() const;
    int ChoiceCount() const;
    QString ShownChoice(int position) const;
    // Exact comparison with the correct text of question q.
    bool IsCorrect(int question, const QString &text) const;

    // Answer recording, in the order the option handler runs it: keeps the
    // option and tells whether this is the slot's first choice (the count grows
    // then), then judges the chosen text and keeps the control texts.
    bool RecordChosenOption(int option);
    void RecordVerdict(int option);

    int RightCount() const;
    // "17/20 = 85%": the right count, N and the percentage rounded down.
    QString ScoreText() const;
    // The consistency verdict on question 0 and the last question.
    QString ConsistencyCaption() const;

    int CurrentSlot = 0;
    int QuestionCount = 0;
    int Stride = 0;
    int AnsweredCount = 0;
    int LastChoice = -1;

    TextRows ChosenOption;    // per slot: the chosen option 0..4, "-1" for none
    TextRows SlotQuestion;    // per slot: the question shown there
    TextRows AnswerOrder;     // per question: a row of PermutationTable n
    TextRows SlotVerdict;     // per slot: "1" right, "0" wrong, "-1" no choice
    TextRows CorrectPosition; // per slot: the option showing the correct text, "-1" until found
    TextRows StrideCandidates{{"2", "3", "5", "7", "11", "13", "17", "19", "23", "29", "31"}};
    TextRows ControlAnswers{{"Pyrwi", "Posleden"}};

private:
    int currentQuestion() const { return QuestionOf(CurrentSlot); }

    MORV_Danni &danni;
    RandomSource random;
};
