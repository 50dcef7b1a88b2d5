#include "windowfixture.h"

#include <QTimer>

namespace {

// Answers slot after slot: 'R' the first option (right with identity orders),
// 'W' the second, '-' nothing; then grades.
void answerAndGrade(Session &session, const QString &pattern)
{
    for (qsizetype s = 0; s < pattern.size(); ++s) {
        if (pattern[s] == u'R')
            session.choose(0);
        else if (pattern[s] == u'W')
            session.choose(1);
        session.next();
    }
    session.grade();
}

// The background of every visible option: G green, R red, N neutral (the
// window's light blue), ? anything else.
QString optionColours(const Session &session)
{
    QString colours;
    for (int i = 0; i < 5; ++i) {
        if (!session.option(i)->isVisible())
            continue;
        const QColor colour = backColour(session.option(i));
        colours += colour == fromBgr(Colour::Green)       ? u'G'
                   : colour == fromBgr(Colour::Red)       ? u'R'
                   : colour == fromBgr(Colour::LightBlue) ? u'N'
                                                          : u'?';
    }
    return colours;
}

// Slots 0, 1, 2 hold the questions 2, 1, 0, all in content order. Question 2's
// correct text is none of its choices; question 1 shows its correct text "р"
// at positions 2 and 4.
Test reviewContent(QChar explanations = u'1')
{
    Test test;
    test.questions = {
        MakeQuestion(u"Въпрос 0"_s, {u"а"_s, u"б"_s, u"в"_s, u"г"_s}, 1,
                     {u"Първи ред"_s, u"Втори ред"_s}),
        MakeQuestion(u"Въпрос 1"_s, {u"п"_s, u"р"_s, u"с"_s, u"р"_s}, 2, {u"Обяснение на 1"_s}),
        {u"Въпрос 2"_s, {u"x"_s, u"y"_s}, u"z"_s, {}, {}},
    };
    test.settings = Switches(u'1', u'0', explanations, u'1');
    return test;
}
const QList<double> ReviewDraws = {0, 0, 0, 0};

} // namespace

class tst_Review : public QObject
{
    Q_OBJECT

private slots:
    void score_data();
    void score();
    void consistencyVerdict_data();
    void consistencyVerdict();
    void reviewDisplay_data();
    void reviewDisplay();
    void gradingLocksTheTest();
    void reviewNavigation_data();
    void reviewNavigation();
    void explanations_data();
    void explanations();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
    void authorLine();
};

void tst_Review::score_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<QChar>("control");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("label");

    const auto draws = [](double stride, int n) {
        return QList<double>{stride} + QList<double>(n, 0.0);
    };
    QTest::newRow("17 of 20") << 20 << QChar(u'0') << draws(0.5, 20) << u"RRRRRRRRRRRRRRRRRWWW"_s
                              << u"Резултат: 17/20 = 85%"_s;
    QTest::newRow("nothing answered")
        << 20 << QChar(u'0') << draws(0.5, 20) << QString(20, u'-') << u"Резултат: 0/20 = 0%"_s;
    QTest::newRow("2 of 3 rounds down")
        << 3 << QChar(u'0') << draws(0, 3) << u"RRW"_s << u"Резултат: 2/3 = 66%"_s;
    QTest::newRow("1 of 3") << 3 << QChar(u'0') << draws(0, 3) << u"R-W"_s
                            << u"Резултат: 1/3 = 33%"_s;
    QTest::newRow("5 of 6") << 6 << QChar(u'0') << draws(0.2, 6) << u"RRRRR-"_s
                            << u"Резултат: 5/6 = 83%"_s;
    QTest::newRow("18 of 21, the control question scored too")
        << 20 << QChar(u'1') << draws(0.25, 21) << u"RRRRRRRRR-RRRRRRRRRWW"_s
        << u"Резултат: 18/21 = 85%"_s;
    QTest::newRow("0 of 21") << 20 << QChar(u'1') << draws(0.25, 21) << u"WWWWWWWWWWWWWWWWWWWWW"_s
                             << u"Резултат: 0/21 = 0%"_s;
    QTest::newRow("21 of 21") << 20 << QChar(u'1') << draws(0.25, 21) << QString(21, u'R')
                              << u"Резултат: 21/21 = 100%"_s;
}

void tst_Review::score()
{
    QFETCH(int, questions);
    QFETCH(QChar, control);
    QFETCH(QList<double>, draws);
    QFETCH(QString, answers);
    QFETCH(QString, label);

    Session session(Numbered(questions, Switches(u'0', control)), draws);
    answerAndGrade(session, answers);
    QCOMPARE(session.scoreLabel()->text(), label);
    QCOMPARE(session.slot(), 0);
    if (answers[0] == u'-')
        QCOMPARE(session.helpBox()->text(), u"Няма въведен отговор!"_s);
}

void tst_Review::consistencyVerdict_data()
{
    QTest::addColumn<QChar>("control");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("shown");

    // With the check on, the slots hold the control question, 2, 1 and 0;
    // question 0 shows "да", "не", "Да", "Не" and the control question "Да",
    // "да", "Не", "не".
    const QList<double> on = {0.1, 0.25, 0, 0, 0};
    QTest::newRow("alike, at other positions")
        << QChar(u'1') << on << QStringList{"Да", "2.1", "1.1", "Да"} << u"Проверка - Да"_s << true;
    QTest::newRow("different") << QChar(u'1') << on << QStringList{"Да", "2.1", "1.1", "Не"}
                               << u"Вероятно!"_s << true;
    QTest::newRow("differ only in case")
        << QChar(u'1') << on << QStringList{"да", "2.1", "1.1", "Да"} << u"Вероятно!"_s << true;
    QTest::newRow("alike, one slot without a choice")
        << QChar(u'1') << on << QStringList{"Да", "", "1.1", "Да"} << u"Частично!"_s << true;
    QTest::newRow("neither copy answered")
        << QChar(u'1') << on << QStringList{"", "2.1", "1.1", ""} << u"Частично!"_s << true;

    // Without the control question the slots hold the questions 2, 1, 0.
    const QList<double> off = {0, 0.25, 0, 0};
    QTest::newRow("check 0: computed, not shown")
        << QChar(u'0') << off << QStringList{"2.1", "1.1", "Да"} << u"Вероятно!"_s << false;
    QTest::newRow("check 2: no control question, shown")
        << QChar(u'2') << off << QStringList{"2.1", "1.1", "Да"} << u"Вероятно!"_s << true;
}

void tst_Review::consistencyVerdict()
{
    QFETCH(QChar, control);
    QFETCH(QList<double>, draws);
    QFETCH(QStringList, answers);
    QFETCH(QString, caption);
    QFETCH(bool, shown);

    Test test = Numbered(3, Switches(u'0', control));
    test.questions[0] = MakeQuestion(u"Вярно ли е?"_s, {u"Да"_s, u"да"_s, u"Не"_s, u"не"_s}, 1);
    Session session(test, draws);
    QVERIFY(!session.verdictLabel()->isVisible());
    for (const QString &answer : answers) {
        if (!answer.isEmpty())
            session.chooseText(answer);
        session.next();
    }
    session.grade();
    QCOMPARE(session.verdictLabel()->text(), caption);
    QCOMPARE(session.verdictLabel()->isVisible(), shown);
}

void tst_Review::reviewDisplay_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<bool>("visitAll");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<int>("checked");
    QTest::addColumn<quint32>("strip");
    QTest::addColumn<QString>("explanation");

    const QString both = u"Първи ред\nВтори ред\n"_s;
    const QString missing = u"Няма въведен отговор!"_s;
    QTest::newRow("right") << QList<int>{-1, -1, 0} << true << 2 << "GNNN" << 0 << Colour::Green
                           << both;
    QTest::newRow("wrong: the correct one green too")
        << QList<int>{-1, -1, 2} << true << 2 << "GNRN" << 2 << Colour::Red << both;
    QTest::newRow("unanswered: nothing revealed")
        << QList<int>{0, 1, -1} << true << 2 << "NNNN" << -1 << Colour::Red << missing;
    QTest::newRow("correct twice, the copy the test marked")
        << QList<int>{-1, 3, -1} << true << 1 << "NNNG" << 3 << Colour::Green
        << u"Обяснение на 1\n"_s;
    QTest::newRow("correct twice, the other copy: two green")
        << QList<int>{-1, 1, -1} << true << 1 << "NGNG" << 1 << Colour::Green
        << u"Обяснение на 1\n"_s;
    QTest::newRow("no choice is correct: only the chosen one, red")
        << QList<int>{0, -1, -1} << true << 0 << "RN" << 0 << Colour::Red << QString();
    QTest::newRow("never shown before grading")
        << QList<int>{0, -1, -1} << false << 2 << "NNNN" << -1 << Colour::Red << missing;
}

void tst_Review::reviewDisplay()
{
    QFETCH(QList<int>, choices);
    QFETCH(bool, visitAll);
    QFETCH(int, slot);
    QFETCH(QString, colours);
    QFETCH(int, checked);
    QFETCH(quint32, strip);
    QFETCH(QString, explanation);

    Session session(reviewContent(), ReviewDraws);
    for (int s = 0; s < choices.size(); ++s) {
        if (choices[s] >= 0)
            session.choose(choices[s]);
        if (visitAll)
            session.next();
    }
    session.grade();
    while (session.slot() < slot)
        session.reviewNext();

    QCOMPARE(session.questionBox()->text(), u"Въпрос %1"_s.arg(session.slotRecord(slot).question));
    QCOMPARE(optionColours(session), colours);
    QCOMPARE(session.checkedOption(), checked);
    QCOMPARE(session.strip(), fromBgr(strip));
    QCOMPARE(session.helpBox()->text(), explanation);
    QCOMPARE(session.counter(),
             u"Въведени отговори: %1/3"_s.arg(choices.size() - choices.count(-1)));

    // Showing the slot again draws the same.
    if (slot == 2) {
        session.reviewNext();
        QCOMPARE(optionColours(session), colours);
        QCOMPARE(session.checkedOption(), checked);
        QCOMPARE(session.helpBox()->text(), explanation);
    }
}

void tst_Review::gradingLocksTheTest()
{
    Session session(reviewContent(), ReviewDraws);
    session.next();
    session.choose(1);
    session.next();
    session.choose(2);
    session.grade();
    const TestRun &run = session.run();

    QVERIFY(!session.gradeButton()->isEnabled());
    QVERIFY(!session.nextButton()->isVisible());
    QVERIFY(!session.backButton()->isVisible());
    for (int i = 0; i < 5; ++i)
        QVERIFY(!session.option(i)->isEnabled());
    QCOMPARE(session.scoreLabel()->text(), u"Резултат: 1/3 = 33%"_s);

    session.grade();
    QCOMPARE(session.scoreLabel()->text(), u"Резултат: 1/3 = 33%"_s);
    session.reviewNext();
    session.choose(0);
    QCOMPARE(session.chosenOptions(), QList<int>({-1, 1, 2}));

    // The review puts the recorded choice back through answer recording,
    // although the option buttons are disabled: the phrase line follows it.
    QCOMPARE(run.lastChoice(), 1);
    QCOMPARE(session.phraseLine()->text(), u"Въпрос 1 р "_s);
    session.reviewNext();
    QCOMPARE(run.lastChoice(), 2);
    QCOMPARE(run.answeredCount(), 2);
    QCOMPARE(session.verdicts(), QList<int>({-1, 1, 0}));
    session.reviewBack();
    session.reviewBack();
    QCOMPARE(session.phraseLine()->text(), QString());
    QCOMPARE(run.lastChoice(), 1);
}

void tst_Review::reviewNavigation_data()
{
    QTest::addColumn<QChar>("navigation");
    QTest::addColumn<bool>("shown");
    QTest::newRow("0") << QChar(u'0') << false;
    QTest::newRow("1") << QChar(u'1') << true;
    QTest::newRow("2") << QChar(u'2') << false;
}

void tst_Review::reviewNavigation()
{
    QFETCH(QChar, navigation);
    QFETCH(bool, shown);

    Session session(Numbered(3, Switches(u'0', u'0', u'1', navigation)), {0, 0, 0, 0});
    session.next();
    session.grade();
    QCOMPARE(session.reviewNextButton()->isVisible(), shown);
    QCOMPARE(session.reviewBackButton()->isVisible(), shown);
    QVERIFY(!session.nextButton()->isVisible() && !session.backButton()->isVisible());
    QCOMPARE(session.slot(), 0);
    if (!shown)
        return;

    const auto position = [&] { return session.positionBar()->parts()[0]; };
    const QRect first = position();
    session.reviewBack();
    QCOMPARE(session.slot(), 0);
    QCOMPARE(position(), first);
    session.reviewNext();
    session.reviewNext();
    QCOMPARE(session.slot(), 2);
    const QRect last = position();
    QVERIFY(last.width() > first.width());
    session.reviewNext();
    QCOMPARE(session.slot(), 2);
    QCOMPARE(position(), last);
    QCOMPARE(session.questionBox()->text(), u"Въпрос 0"_s);
}

void tst_Review::explanations_data()
{
    QTest::addColumn<QChar>("setting");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1") << QChar(u'1') << u"Първи ред\nВтори ред\n"_s;
    QTest::newRow("9") << QChar(u'9') << u"Първи ред\nВтори ред\n"_s;
    QTest::newRow("0") << QChar(u'0') << QString();
    QTest::newRow("a letter") << QChar(u'д') << QString();
}

void tst_Review::explanations()
{
    QFETCH(QChar, setting);
    QFETCH(QString, shown);

    Session session(reviewContent(setting), ReviewDraws);
    answerAndGrade(session, u"--R"_s);
    QCOMPARE(session.helpBox()->text(), u"Няма въведен отговор!"_s);
    session.reviewNext();
    session.reviewNext();
    QCOMPARE(session.helpBox()->text(), shown);
    QCOMPARE(session.helpBox()->document()->blockCount(), shown.isEmpty() ? 1 : 3);
}

void tst_Review::exitEndsTheProgram_data()
{
    QTest::addColumn<bool>("graded");
    QTest::addColumn<bool>("closeRequest");
    QTest::newRow("Изход during the test") << false << false;
    QTest::newRow("Изход during the review") << true << false;
    QTest::newRow("a close request") << false << true;
}

void tst_Review::exitEndsTheProgram()
{
    QFETCH(bool, graded);
    QFETCH(bool, closeRequest);

    // Slot 0 holds the control question, which explains as question 0 does.
    Session session(Numbered(3, Switches(u'0', u'1', u'1', u'1')), {0.1, 0, 0, 0, 0});
    session.choose(0);
    if (graded) {
        session.grade();
        QCOMPARE(session.helpBox()->text(), u"Обяснение на 0\n"_s);
    }
    // The end of the program, and then a click on Next that was already
    // queued behind it, as when both arrive in one batch of input: the click
    // reaches its handler after the program has been told to end.
    QPushButton *next = graded ? session.reviewNextButton() : session.nextButton();
    QTimer::singleShot(0, &session.window, [&] {
        if (closeRequest) {
            QCloseEvent close;
            QCoreApplication::sendEvent(&session.window, &close);
            QVERIFY(close.isAccepted());
        } else {
            session.exitAction()->trigger();
        }
        QTest::mouseClick(next, Qt::LeftButton);
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void tst_Review::authorLine()
{
    Session session(reviewContent(), ReviewDraws);
    session.authorAction()->trigger();
    const QString line = u"За повече информация посетете www.izpit.example."_s;
    QCOMPARE(session.helpBox()->text(), line);
    QCOMPARE(session.counter(), u"Въведени отговори: 0/3"_s);
    QCOMPARE(session.strip(), fromBgr(Colour::Red));

    session.choose(0);
    session.next();
    QCOMPARE(session.helpBox()->text(), line);
    session.authorAction()->trigger();
    QCOMPARE(session.helpBox()->text(), line);

    session.grade();
    QCOMPARE(session.helpBox()->text(), QString());
    session.authorAction()->trigger();
    QCOMPARE(session.helpBox()->text(), line);
    session.reviewNext();
    QCOMPARE(session.helpBox()->text(), u"Няма въведен отговор!"_s);
}

QTEST_MAIN(tst_Review)
#include "tst_review.moc"
