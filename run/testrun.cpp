#include "testrun.h"

#include "textnumbers.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int factorial(int n)
{
    int f = 1;
    for (int k = 2; k <= n; ++k)
        f *= k;
    return f;
}
} // namespace

TestRun::TestRun(MORV_Danni &danni, RandomSource random) : danni(danni), random(std::move(random))
{
}

void TestRun::StartUp()
{
    if (danni.SettingValue(2) == 1)
        AppendControlQuestion();
    QuestionCount = danni.CorrectAnswers.count();
    ChooseStride();
    AnsweredCount = 0;

    for (TextRows *table :
         {&ChosenOption, &SlotQuestion, &AnswerOrder, &SlotVerdict, &CorrectPosition})
        table->clear();
    for (int i = 1; i <= QuestionCount; ++i) {
        ChosenOption.append(u"-1"_s);
        SlotQuestion.append(QString::number(Stride * i % QuestionCount));
        AnswerOrder.append(DrawAnswerOrder(i - 1));
        SlotVerdict.append(u"-1"_s);
        CorrectPosition.append(u"-1"_s);
    }
    CurrentSlot = 0;
}

void TestRun::AppendControlQuestion()
{
    const qsizetype n0 = danni.CorrectAnswers.count();
    const TextRows &first = danni.QuestionList[1];
    TextRows &control = danni.QuestionList[n0 + 1];

    danni.QuestionPicture[n0 + 1] = danni.QuestionPicture[1];
    danni.CorrectAnswers.append(danni.CorrectAnswers.row(0));
    control.clear();
    for (qsizetype r = 0; r < first.count(); ++r)
        control.append(first.row(r));
}

void TestRun::ChooseStride()
{
    while (StrideCandidates.count() > 0 &&
           StrideCandidates.number(StrideCandidates.count() - 1) >= QuestionCount)
        StrideCandidates.removeLast();
    const int cnt = StrideCandidates.count();

    do {
        const int k = RoundHalfEven(10 * random()) % cnt;
        Stride = StrideCandidates.number(k);
    } while (QuestionCount % Stride == 0);
}

QString TestRun::DrawAnswerOrder(int question)
{
    const int n = danni.QuestionList[question + 1].count() - 1;
    const int idx = RoundHalfEven(1000 * random()) % factorial(n);
    return danni.PermutationTable[n].row(idx);
}

int TestRun::QuestionOf(int slot) const
{
    return SlotQuestion.number(slot);
}

QString TestRun::QuestionText() const
{
    return danni.QuestionList[currentQuestion() + 1].row(0);
}

int TestRun::ChoiceCount() const
{
    return danni.QuestionList[currentQuestion() + 1].count() - 1;
}

void TestRun::MoveSlot(int step)
{
    CurrentSlot = qBound(0, CurrentSlot + step, QuestionCount - 1);
}

QString TestRun::ShownChoice(int position) const
{
    const int q = currentQuestion();
    const QString order = AnswerOrder.row(q);
    const int d = RoundHalfEven(ParseLeadingNumber(QStringView(order).mid(position - 1, 1)));
    return danni.QuestionList[q + 1].row(d);
}

bool TestRun::IsCorrect(int question, const QString &text) const
{
    return text == danni.CorrectAnswers.row(question);
}

bool TestRun::RecordChosenOption(int option)
{
    ChosenOption.setRow(CurrentSlot, QString::number(option));
    if (SlotVerdict.number(CurrentSlot) != -1)
        return false;
    ++AnsweredCount;
    return true;
}

void TestRun::RecordVerdict(int option)
{
    const int q = currentQuestion();
    const QString chosen = ShownChoice(option + 1);
    SlotVerdict.setRow(CurrentSlot, IsCorrect(q, chosen) ? u"1"_s : u"0"_s);
    if (q == QuestionCount - 1)
        ControlAnswers.setRow(1, chosen);
    if (q == 0)
        ControlAnswers.setRow(0, chosen);
}

int TestRun::RightCount() const
{
    return SlotVerdict.rows().mid(0, QuestionCount).count(u"1"_s);
}

QString TestRun::ScoreText() const
{
    const int right = RightCount();
    // Whole percent, rounded down: integer division is exact where real
    // division could land just below a whole number.
    const int score = right * 100 / QuestionCount;
    return u"%1/%2 = %3%"_s.arg(right).arg(QuestionCount).arg(score);
}

QString TestRun::ConsistencyCaption() const
{
    if (AnsweredCount < QuestionCount)
        return u"Частично!"_s;
    return ControlAnswers.row(0) == ControlAnswers.row(1) ? u"Проверка - Да"_s : u"Вероятно!"_s;
}
