#include "fixture.h"
#include "morv_danni.h"
#include "testrun.h"

#include <QtTest>

namespace {
const QStringList AllPrimes = {"2", "3", "5", "7", "11", "13", "17", "19", "23", "29", "31"};

// One draw for each of the 11 rows a stride draw can land on, over and over.
QList<double> everyRow(int rounds)
{
    QList<double> draws;
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k <= 10; ++k)
            draws.append(k < 10 ? k / 10.0 : 0.99);
    }
    return draws;
}

QStringList slotQuestions(const TestRun &run)
{
    return run.SlotQuestion.rows();
}
} // namespace

class tst_TestRun : public QObject
{
    Q_OBJECT

private slots:
    void chooseStrideEndsOnAPrimeNotDividingN_data();
    void chooseStrideEndsOnAPrimeNotDividingN();
    void strideDraws_data();
    void strideDraws();
    void answerOrderDraws_data();
    void answerOrderDraws();
    void drawsComeStrideFirstThenByQuestion();
    void slotOrders_data();
    void slotOrders();
    void stateRightAfterStartUp();
    void controlQuestion();
    void noControlQuestion_data();
    void noControlQuestion();
};

void tst_TestRun::chooseStrideEndsOnAPrimeNotDividingN_data()
{
    QTest::addColumn<int>("N");
    QTest::addColumn<double>("firstDraw");
    for (int N = 3; N <= 39; ++N) {
        for (int k = 0; k <= 10; ++k) {
            const double r = k < 10 ? k / 10.0 : 0.99;
            QTest::addRow("N=%d r=%.2f", N, r) << N << r;
        }
    }
}

void tst_TestRun::chooseStrideEndsOnAPrimeNotDividingN()
{
    QFETCH(int, N);
    QFETCH(double, firstDraw);

    MORV_Danni danni(Numbered(3));
    TestRun run(danni, Draws(QList<double>{firstDraw} + everyRow(2)));
    run.QuestionCount = N;
    run.ChooseStride();

    QStringList primesBelowN;
    for (const QString &prime : AllPrimes) {
        if (prime.toInt() < N)
            primesBelowN.append(prime);
    }
    QCOMPARE(run.StrideCandidates.rows(), primesBelowN);
    QVERIFY(primesBelowN.contains(QString::number(run.Stride)));
    QVERIFY(N % run.Stride != 0);
}

void tst_TestRun::strideDraws_data()
{
    QTest::addColumn<int>("N");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("stride");

    QTest::newRow("N=21, 2.5 rounds to row 2") << 21 << QList<double>{0.25} << 5;
    QTest::newRow("N=21, 7.5 rounds to 8, 8 mod 8 is row 0") << 21 << QList<double>{0.75} << 2;
    QTest::newRow("N=21, row 3 is 7, which divides 21") << 21 << QList<double>{0.3, 0.5} << 13;
    QTest::newRow("N=21, 9.9 rounds to 10, 10 mod 8 is row 2") << 21 << QList<double>{0.99} << 5;
    QTest::newRow("N=3, only 2 remains") << 3 << QList<double>{0.9} << 2;
    QTest::newRow("N=4, 2 divides 4 and is drawn again") << 4 << QList<double>{0.0, 0.2, 0.1} << 3;
}

void tst_TestRun::strideDraws()
{
    QFETCH(int, N);
    QFETCH(QList<double>, draws);
    QFETCH(int, stride);

    MORV_Danni danni(Numbered(3));
    TestRun run(danni, Draws(draws));
    run.QuestionCount = N;
    run.ChooseStride();
    QCOMPARE(run.Stride, stride);
}

void tst_TestRun::answerOrderDraws_data()
{
    QTest::addColumn<int>("choices");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("order");

    QTest::newRow("4 choices, r=0") << 4 << 0.0 << u"1234"_s;
    QTest::newRow("4 choices, r=0.25: 250 mod 24 = 10") << 4 << 0.25 << u"2413"_s;
    QTest::newRow("4 choices, r=0.5: 500 mod 24 = 20") << 4 << 0.5 << u"4213"_s;
    QTest::newRow("4 choices, r=0.9999: 1000 mod 24 = 16") << 4 << 0.9999 << u"3412"_s;
    QTest::newRow("2 choices, r=0.0625: 62.5 rounds to even 62") << 2 << 0.0625 << u"12"_s;
    QTest::newRow("2 choices, r=0.001") << 2 << 0.001 << u"21"_s;
    QTest::newRow("3 choices, r=0.005: 5 mod 6") << 3 << 0.005 << u"321"_s;
    QTest::newRow("5 choices, r=0.9999: 1000 mod 120 = 40") << 5 << 0.9999 << u"24513"_s;
}

void tst_TestRun::answerOrderDraws()
{
    QFETCH(int, choices);
    QFETCH(double, r);
    QFETCH(QString, order);

    MORV_Danni danni(Numbered(3, Settings(), choices));
    TestRun run(danni, Draws({r}));
    QCOMPARE(run.DrawAnswerOrder(1), order);
}

void tst_TestRun::drawsComeStrideFirstThenByQuestion()
{
    MORV_Danni danni(Numbered(3, Settings(u'0', u'0')));
    TestRun run(danni, Draws({0.0, 0.25, 0.5, 0.9999}));
    run.StartUp();

    QCOMPARE(run.Stride, 2);
    QCOMPARE(run.AnswerOrder.rows(), QStringList({"2413", "4213", "3412"}));
    // Slot 0 shows question 2, in the order drawn for question 2.
    QCOMPARE(slotQuestions(run), QStringList({"2", "1", "0"}));
    QCOMPARE(run.ShownChoice(1), u"2.3"_s);
}

void tst_TestRun::slotOrders_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<double>("strideDraw");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("N=21, Stride 2")
        << 20 << 0.75 << QStringList{"2", "4", "6", "8", "10", "12", "14", "16", "18", "20", "1",
                                     "3", "5", "7", "9", "11", "13", "15", "17", "19", "0"};
    QTest::newRow("N=21, Stride 5")
        << 20 << 0.25 << QStringList{"5",  "10", "15", "20", "4",  "9", "14", "19", "3",  "8", "13",
                                     "18", "2",  "7",  "12", "17", "1", "6",  "11", "16", "0"};
    QTest::newRow("N=3") << 2 << 0.5 << QStringList{"2", "1", "0"};
    QTest::newRow("N=4") << 3 << 0.1 << QStringList{"3", "2", "1", "0"};
}

void tst_TestRun::slotOrders()
{
    QFETCH(int, questions);
    QFETCH(double, strideDraw);
    QFETCH(QStringList, order);

    MORV_Danni danni(Numbered(questions));
    TestRun run(danni, Draws(QList<double>{strideDraw} + QList<double>(questions + 1, 0.0)));
    run.StartUp();
    QCOMPARE(slotQuestions(run), order);
}

void tst_TestRun::stateRightAfterStartUp()
{
    MORV_Danni danni(Numbered(20));
    TestRun run(danni, Draws(QList<double>{0.25} + QList<double>(21, 0.5)));
    run.StartUp();

    const int N = 21;
    QCOMPARE(run.QuestionCount, N);
    QCOMPARE(run.CurrentSlot, 0);
    QCOMPARE(run.AnsweredCount, 0);
    const QStringList unset(N, u"-1"_s);
    QCOMPARE(run.ChosenOption.rows(), unset);
    QCOMPARE(run.SlotVerdict.rows(), unset);
    QCOMPARE(run.CorrectPosition.rows(), unset);
    QCOMPARE(run.AnswerOrder.rows(), QStringList(N, u"4213"_s));
    QCOMPARE(run.SlotQuestion.count(), N);
    QCOMPARE(run.ControlAnswers.rows(), QStringList({"Pyrwi", "Posleden"}));
    QCOMPARE(run.StrideCandidates.rows(),
             QStringList({"2", "3", "5", "7", "11", "13", "17", "19"}));
}

void tst_TestRun::controlQuestion()
{
    ContentSource content = Numbered(20);
    content.questions[0].picture = u":/first.jpg"_s;
    content.questions[19].picture = u":/last.jpg"_s;
    MORV_Danni danni(content);
    TestRun run(danni, Draws(QList<double>{0.75} + QList<double>(21, 0.0)));
    run.StartUp();

    QCOMPARE(run.QuestionCount, 21);
    QCOMPARE(danni.CorrectAnswers.count(), 21);
    QCOMPARE(danni.CorrectAnswers.row(20), danni.CorrectAnswers.row(0));
    QCOMPARE(danni.QuestionList[21].rows(), danni.QuestionList[1].rows());
    QCOMPARE(danni.QuestionList[21].count(), 5);
    QCOMPARE(danni.QuestionPicture[21], u":/first.jpg"_s);
    QCOMPARE(danni.QuestionPicture[20], u":/last.jpg"_s);
    QCOMPARE(danni.Explanation[21].rows(), QStringList{u"Обяснение 21"_s});
    QCOMPARE(danni.QuestionList[22].rows(), QStringList{u"List1(22) - въпрос от теста"_s});
    // With Stride 2 the control question stands in slot 9.
    QCOMPARE(run.SlotQuestion.row(9), u"20"_s);
}

void tst_TestRun::noControlQuestion_data()
{
    QTest::addColumn<QChar>("control");
    QTest::newRow("switch 0") << QChar(u'0');
    QTest::newRow("switch 2") << QChar(u'2');
}

void tst_TestRun::noControlQuestion()
{
    QFETCH(QChar, control);

    const ContentSource content = Numbered(20, Settings(u'0', control));
    MORV_Danni danni(content);
    TestRun run(danni, Draws(QList<double>{0.5} + QList<double>(20, 0.0)));
    run.StartUp();

    QCOMPARE(run.QuestionCount, 20);
    QCOMPARE(danni.CorrectAnswers.count(), 20);
    QCOMPARE(danni.QuestionList[21].rows(), QStringList{u"List1(21) - въпрос от теста"_s});
    QCOMPARE(danni.QuestionList[20].rows(), content.questions[19].rows);
}

QTEST_APPLESS_MAIN(tst_TestRun)
#include "tst_testrun.moc"
