#include "windowfixture.h"

namespace {

// Answers the first `count` slots with their first option, then moves to `slot`.
void answerAndGo(Session &session, int count, int slot)
{
    for (int s = 0; s < count; ++s) {
        session.choose(0);
        session.next();
    }
    while (session.slot() > slot)
        session.back();
    while (session.slot() < slot)
        session.next();
}

// Three copies of one question, for phrase lines.
Test phraseContent(const QString &text, const QStringList &choices, QChar phrase = u'1')
{
    Test test;
    for (int q = 0; q < 3; ++q)
        test.questions.append(MakeQuestion(text, choices, 1));
    test.settings = Switches(phrase, u'0');
    return test;
}

} // namespace

class tst_Answering : public QObject
{
    Q_OBJECT

private slots:
    void firstChoiceCountsOnce();
    void verdictByExactText_data();
    void verdictByExactText();
    void controlAnswers();
    void returningToAnAnsweredSlot();
    void bars_data();
    void bars();
    void phrase_data();
    void phrase();
    void phraseSwitchOff_data();
    void phraseSwitchOff();
    void phraseFollowsChoicesAndSlots();
};

void tst_Answering::firstChoiceCountsOnce()
{
    // N = 4, Stride 3: slot 0 shows the control question, correct "0.1" at option 0.
    Session session(Numbered(3), {0.1, 0, 0, 0, 0});
    const TestRun &run = session.run();

    session.choose(1);
    QCOMPARE(session.counter(), u"Въведени отговори: 1/4"_s);
    QCOMPARE(session.strip(), fromBgr(Colour::Green));
    QCOMPARE(run.answeredCount(), 1);
    QCOMPARE(run.slotAt(0).chosenOption, 1);
    QCOMPARE(run.slotAt(0).verdict, Verdict::Wrong);
    QCOMPARE(run.lastChoice(), 1);
    QCOMPARE(session.checkedOption(), 1);

    session.choose(0);
    QCOMPARE(session.counter(), u"Въведени отговори: 1/4"_s);
    QCOMPARE(run.slotAt(0).chosenOption, 0);
    QCOMPARE(run.slotAt(0).verdict, Verdict::Right);
    QCOMPARE(run.lastChoice(), 0);
    QCOMPARE(session.checkedOption(), 0);

    session.choose(0);
    QCOMPARE(run.answeredCount(), 1);
    QCOMPARE(run.slotAt(0).verdict, Verdict::Right);
    QCOMPARE(session.chosenOptions(), QList<int>({0, -1, -1, -1}));
}

void tst_Answering::verdictByExactText_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("differs in case") << 0 << Verdict::Wrong;
    QTest::newRow("one trailing blank") << 1 << Verdict::Wrong;
    QTest::newRow("the exact text") << 2 << Verdict::Right;
    QTest::newRow("another text") << 3 << Verdict::Wrong;
}

void tst_Answering::verdictByExactText()
{
    QFETCH(int, option);
    QFETCH(Verdict, verdict);

    Test test;
    for (int q = 0; q < 3; ++q)
        test.questions.append(MakeQuestion(u"Кое е вярно?"_s,
                                           {u"вярно"_s, u"Вярно "_s, u"Вярно"_s, u"Неверно"_s}, 3));
    test.settings = Switches(u'0', u'0');
    Session session(test, {0, 0, 0, 0});
    session.choose(option);
    QCOMPARE(session.run().slotAt(0).verdict, verdict);
}

void tst_Answering::controlAnswers()
{
    // N = 4, Stride 3: the slots hold the questions 3 (the control question), 2, 1, 0.
    Session session(Numbered(3), {0.1, 0, 0, 0, 0});
    const TestRun &run = session.run();
    using Texts = std::array<QString, 2>;
    QCOMPARE(run.controlAnswers(), (Texts{u"Pyrwi"_s, u"Posleden"_s}));

    session.choose(1);
    QCOMPARE(run.controlAnswers(), (Texts{u"Pyrwi"_s, u"0.2"_s}));
    session.next();
    session.choose(1);
    session.next();
    session.choose(2);
    QCOMPARE(run.controlAnswers(), (Texts{u"Pyrwi"_s, u"0.2"_s}));

    session.next();
    session.choose(0);
    QCOMPARE(run.controlAnswers(), (Texts{u"0.1"_s, u"0.2"_s}));
    session.choose(3);
    QCOMPARE(run.controlAnswers(), (Texts{u"0.4"_s, u"0.2"_s}));
}

void tst_Answering::returningToAnAnsweredSlot()
{
    Session session(Numbered(3), {0.1, 0, 0, 0, 0});
    const TestRun &run = session.run();
    session.choose(2);
    session.next();
    QCOMPARE(session.checkedOption(), -1);
    QCOMPARE(session.strip(), fromBgr(Colour::Red));
    QCOMPARE(run.slotAt(1).chosenOption, std::nullopt);
    session.choose(1);
    QCOMPARE(run.lastChoice(), 1);

    session.back();
    QCOMPARE(session.checkedOption(), 2);
    QCOMPARE(session.strip(), fromBgr(Colour::Green));
    QCOMPARE(session.counter(), u"Въведени отговори: 2/4"_s);
    QCOMPARE(run.slotAt(0).verdict, Verdict::Wrong);
    QCOMPARE(run.lastChoice(), 2);

    session.back();
    QCOMPARE(session.slot(), 0);
    QCOMPARE(session.checkedOption(), 2);
    QCOMPARE(session.chosenOptions(), QList<int>({2, 1, -1, -1}));
}

void tst_Answering::bars_data()
{
    QTest::addColumn<int>("answered");
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("passed");
    QTest::addColumn<double>("answeredPart");

    // N = 21, E = 9000 + 1575 - 50 = 10525; a first part is E * n / N + 50.
    QTest::newRow("start") << 0 << 0 << 50.0 << 50.0;
    QTest::newRow("one answered draws the same bar as none") << 1 << 0 << 50.0 << 50.0;
    QTest::newRow("two answered") << 2 << 0 << 50.0 << 551.19;
    QTest::newRow("slot 5 with three answered") << 3 << 5 << 2555.95 << 1052.38;
    QTest::newRow("last slot, all answered") << 21 << 20 << 10073.81 << 10073.81;
}

void tst_Answering::bars()
{
    QFETCH(int, answered);
    QFETCH(int, slot);
    QFETCH(double, passed);
    QFETCH(double, answeredPart);

    // Stride 5 over 20 questions and the control question.
    Session session(Numbered(20), QList<double>{0.25} + QList<double>(21, 0.0));
    answerAndGo(session, answered, slot);
    QCOMPARE(session.counter(), u"Въведени отговори: %1/21"_s.arg(answered));

    const float halfPixel = TwipsPerPixel / 2.0f;
    const float end = leftOf(session.backButton()) + widthOf(session.backButton()) - 50;
    QCOMPARE(end, 10525.0f);
    for (const auto &[bar, length] : {std::pair{session.positionBar(), passed},
                                      std::pair{session.answeredBar(), answeredPart}}) {
        const auto &[first, second] = bar->parts();
        QCOMPARE(toTwips(first.left()), leftOf(session.nextButton()));
        QVERIFY2(qAbs(toTwips(first.width()) - length) <= halfPixel,
                 qPrintable(QString::number(toTwips(first.width()))));
        QCOMPARE(second.left(), first.left() + first.width());
        QVERIFY(qAbs(toTwips(second.left() + second.width()) - end) <= TwipsPerPixel);
        QCOMPARE(first.top(), second.top());
    }
    QCOMPARE(session.positionBar()->parts()[0].top(), toPixels(3700));
    QCOMPARE(session.answeredBar()->parts()[0].top(), toPixels(4000));

    if (slot == 20) {
        const auto before = session.positionBar()->parts();
        session.next();
        QCOMPARE(session.positionBar()->parts(), before);
    }
}

void tst_Answering::phrase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");

    QTest::newRow("a gap between blanks")
        << u"Ъгълът е ___ градуса."_s << u"Ъгълът е  30 градуса."_s;
    QTest::newRow("no blank before the gap")
        << u"Ъгълът е___ градуса."_s << u"Ъгълът е 30 градуса."_s;
    QTest::newRow("a gap at the start") << u"___ е ъгълът."_s << u" 30 е ъгълът."_s;
    QTest::newRow("one character after the gap") << u"Ъгълът е ___."_s << u"Ъгълът е  30 "_s;
    QTest::newRow("a gap that ends the text") << u"Ъгълът е ___"_s << u"Ъгълът е  30 "_s;
    QTest::newRow("a single _") << u"Ъгълът е _ градуса."_s << u"Ъгълът е  30 градуса."_s;
    QTest::newRow("two gaps: the second stays") << u"x _ y __ z"_s << u"x  30 y __ z"_s;
    QTest::newRow("no gap: the answer follows the text")
        << u"Колко е ъгълът?"_s << u"Колко е ъгълът? 30 "_s;
}

void tst_Answering::phrase()
{
    QFETCH(QString, text);
    QFETCH(QString, line);

    Session session(phraseContent(text, {u"30"_s, u"60"_s}), {0, 0, 0, 0});
    QVERIFY(session.phraseLine()->isVisible());
    session.choose(0);
    QCOMPARE(session.phraseLine()->text(), line);
}

void tst_Answering::phraseSwitchOff_data()
{
    QTest::addColumn<QChar>("phrase");
    QTest::newRow("0") << QChar(u'0');
    QTest::newRow("2") << QChar(u'2');
    QTest::newRow("a letter") << QChar(u'я');
}

void tst_Answering::phraseSwitchOff()
{
    QFETCH(QChar, phrase);

    Session session(phraseContent(u"Ъгълът е ___ градуса."_s, {u"30"_s, u"60"_s}, phrase),
                    {0, 0, 0, 0});
    session.choose(0);
    QCOMPARE(session.phraseLine()->text(), QString());
    QVERIFY(!session.phraseLine()->isVisible());
}

void tst_Answering::phraseFollowsChoicesAndSlots()
{
    Test test = phraseContent(u"Ъгълът е ___ градуса."_s, {u"30"_s, u"60"_s});
    test.questions[1].text = u"Страната е ___ cm."_s;
    Session session(test, {0, 0, 0, 0}); // the slots hold the questions 2, 1, 0
    TextBox *line = session.phraseLine();

    session.choose(0);
    QCOMPARE(line->text(), u"Ъгълът е  30 градуса."_s);
    session.choose(1);
    QCOMPARE(line->text(), u"Ъгълът е  60 градуса."_s);
    session.next();
    QCOMPARE(line->text(), QString());
    session.choose(0);
    QCOMPARE(line->text(), u"Страната е  30 cm."_s);
    session.back();
    QCOMPARE(line->text(), u"Ъгълът е  60 градуса."_s);
}

QTEST_MAIN(tst_Answering)
#include "tst_answering.moc"
