#pragma once

#include "draws.h"
#include "slot.h"
#include "test.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// One run of a test: which question stands in which slot, the display order of
// every question's choices, and what the learner did in every slot.
//
// Questions are numbered 0..N-1 in the author's order, the control question
// (a copy of question 0) last; slots 0..N-1 in the order the test presents
// them. What the learner does is recorded per slot; only the display order of
// the choices is kept per question.
class TestRun
{
public:
    enum class Phase { Test, Review };
    // The consistency verdict: question 0 and the last question answered alike,
    // differently, or some slot has no answer at all.
    enum class Consistency { Alike, Different, Partial };
    struct Score
    {
        int right = 0;
        int total = 0;
        int percent = 0; // rounded down
    };

    // Starts a run: appends the control question when the test asks for it,
    // then draws the stride and every question's answer order, in that order.
    // Throws std::invalid_argument when the test is outside the limits a run
    // relies on (see limitFault).
    TestRun(const Test &test, const RandomSource &random);

    // Why a run of `test` cannot start, or the empty text when it can: the
    // number of questions with the control question, and the number of
    // choices of each question.
    static QString limitFault(const Test &test);

    const Settings &settings() const { return m_settings; }
    int questionCount() const { return int(m_questions.size()); }
    int stride() const { return m_stride; }
    Phase phase() const { return m_phase; }
    int currentSlot() const { return m_currentSlot; }
    int answeredCount() const { return m_answeredCount; }
    std::optional<int> lastChoice() const { return m_lastChoice; }
    const Slot &slotAt(int s) const { return m_slots[s]; }
    const Question &question(int q) const { return m_questions[q]; }
    const QList<int> &answerOrder(int q) const { return m_answerOrder[q]; }
    // The texts last chosen for question 0 and for the last question.
    const std::array<QString, 2> &controlAnswers() const { return m_controlAnswers; }

    // The question of the current slot, and its choice at a display position.
    const Question &shownQuestion() const;
    QString shownChoice(int position) const;
    int shownChoiceCount() const { return int(shownQuestion().choices.size()); }

    // Next (+1) and Back (-1), stopping at the first and the last slot.
    void moveSlot(int step);
    // Notes at which position the current slot shows the correct text; with
    // several copies the last one wins.
    void locateCorrectPosition();
    // Records the choice at option index `option` for the current slot, judged
    // by its text. Returns whether it is the slot's first choice, which counts
    // the slot as answered.
    bool recordChoice(int option);
    // Ends the test: the review starts on slot 0.
    Score grade();

    Score score() const;
    Consistency consistency() const;

private:
    const Slot &current() const { return m_slots[m_currentSlot]; }
    Slot &current() { return m_slots[m_currentSlot]; }

    QList<Question> m_questions;
    Settings m_settings;
    int m_stride = 0;
    QList<Slot> m_slots;
    QList<QList<int>> m_answerOrder; // per question
    Phase m_phase = Phase::Test;
    int m_currentSlot = 0;
    int m_answeredCount = 0; // the slots with a choice
    std::optional<int> m_lastChoice;
    std::array<QString, 2> m_controlAnswers{QStringLiteral("Pyrwi"), QStringLiteral("Posleden")};
};
