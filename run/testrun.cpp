#include "testrun.h"

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

QString TestRun::limitFault(const Test &test)
{
    const qsizetype count = test.runQuestionCount();
    if (count < Test::MinQuestions || count > Test::MaxQuestions)
        return u"a run holds %1 to %2 questions, the control question included; this one has %3"_s
            .arg(Test::MinQuestions)
            .arg(Test::MaxQuestions)
            .arg(count);
    for (qsizetype q = 0; q < test.questions.size(); ++q) {
        const qsizetype choices = test.questions[q].choices.size();
        if (choices < Test::MinChoices || choices > Test::MaxChoices)
            return u"question %1 has %2 choice(s); a question has %3 to %4"_s.arg(q + 1)
                .arg(choices)
                .arg(Test::MinChoices)
                .arg(Test::MaxChoices);
    }
    return {};
}

TestRun::TestRun(const Test &test, const RandomSource &random)
    : m_questions(test.questions), m_settings(test.settings)
{
    if (const QString fault = limitFault(test); !fault.isEmpty())
        throw std::invalid_argument(fault.toStdString());

    // The control question repeats question 0 whole, its explanation included.
    if (m_settings.appendsControlQuestion())
        m_questions.append(m_questions.first());
    const int N = questionCount();
    m_stride = drawStride(N, random);
    for (int i = 1; i <= N; ++i) {
        m_slots.append(Slot{m_stride * i % N});
        m_answerOrder.append(drawAnswerOrder(int(m_questions[i - 1].choices.size()), random));
    }
}

const Question &TestRun::shownQuestion() const
{
    return m_questions[current().question];
}

QString TestRun::shownChoice(int position) const
{
    return shownQuestion().choices.value(m_answerOrder[current().question].value(position, -1));
}

void TestRun::moveSlot(int step)
{
    m_currentSlot = qBound(0, m_currentSlot + step, questionCount() - 1);
}

void TestRun::locateCorrectPosition()
{
    for (int position = 0; position < shownChoiceCount(); ++position) {
        if (shownChoice(position) == shownQuestion().correctText)
            current().correctPosition = position;
    }
}

bool TestRun::recordChoice(int option)
{
    Slot &slot = current();
    slot.chosenOption = option;
    const bool first = slot.verdict == Verdict::None;
    if (first)
        ++m_answeredCount;

    const QString chosen = shownChoice(option);
    slot.verdict = chosen == shownQuestion().correctText ? Verdict::Right : Verdict::Wrong;
    if (slot.question == questionCount() - 1)
        m_controlAnswers[1] = chosen;
    if (slot.question == 0)
        m_controlAnswers[0] = chosen;
    m_lastChoice = option;
    return first;
}

TestRun::Score TestRun::grade()
{
    m_phase = Phase::Review;
    m_currentSlot = 0;
    return score();
}

TestRun::Score TestRun::score() const
{
    Score score;
    score.total = questionCount();
    score.right = int(std::count_if(m_slots.begin(), m_slots.end(), [](const Slot &slot) {
        return slot.verdict == Verdict::Right;
    }));
    // Whole percent, rounded down: integer division is exact where real
    // division could land just below a whole number.
    score.percent = score.right * 100 / score.total;
    return score;
}

TestRun::Consistency TestRun::consistency() const
{
    if (m_answeredCount < questionCount())
        return Consistency::Partial;
    return m_controlAnswers[0] == m_controlAnswers[1] ? Consistency::Alike : Consistency::Different;
}
