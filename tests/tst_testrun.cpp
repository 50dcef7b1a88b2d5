#include "fixture.h"
#include "testrun.h"

#include <QtTest>

#include <stdexcept>

namespace {
const QList<int> AllPrimes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};

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

// An order written as the digits of the choices, counted from 1 ("2413").
QList<int> order(QStringView digits)
{
    QList<int> order;
    for (QChar digit : digits)
        order.append(digit.digitValue() - 1);
    return order;
}

QList<int> slotQuestions(const TestRun &run)
{
    QList<int> questions;
    for (int s = 0; s < run.questionCount(); ++s)
        questions.append(run.slotAt(s).question);
    return questions;
}
} // namespace

class tst_TestRun : public QObject
{
    Q_OBJECT

private slots:
    void drawStrideEndsOnAPrimeNotDividingN_data();
    void drawStrideEndsOnAPrimeNotDividingN();
    void strideDraws_data();
    void strideDraws();
    void answerOrderDraws_data();
    void answerOrderDraws();
    void answerOrdersAreTheLexicographicTable_data();
    void answerOrdersAreTheLexicographicTable();
    void drawsComeStrideFirstThenByQuestion();
    void slotOrders_data();
    void slotOrders();
    void stateRightAfterStartUp();
    void controlQuestion();
    void noControlQuestion_data();
    void noControlQuestion();
    void limits_data();
    void limits();
};

void tst_TestRun::drawStrideEndsOnAPrimeNotDividingN_data()
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

void tst_TestRun::drawStrideEndsOnAPrimeNotDividingN()
{
    QFETCH(int, N);
    QFETCH(double, firstDraw);

    QList<int> primesBelowN;
    for (int prime : AllPrimes) {
        if (prime < N)
            primesBelowN.append(prime);
    }
    QCOMPARE(strideCandidates(N), primesBelowN);
    const int stride = drawStride(N, Draws(QList<double>{firstDraw} + everyRow(2)));
    QVERIFY(primesBelowN.contains(stride));
    QVERIFY(N % stride != 0);
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

    QCOMPARE(drawStride(N, Draws(draws)), stride);
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

    QCOMPARE(drawAnswerOrder(choices, Draws({r})), ::order(order));
}

void tst_TestRun::answerOrdersAreTheLexicographicTable_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("2") << 2 << 2 << u"12"_s << u"21"_s;
    QTest::newRow("3") << 3 << 6 << u"123"_s << u"321"_s;
    QTest::newRow("4") << 4 << 24 << u"1234"_s << u"4321"_s;
    QTest::newRow("5") << 5 << 120 << u"12345"_s << u"54321"_s;
}

// Draw r = k / 1000 lands on row k of the table of orders: every row is an
// order of all n choices, each row follows the one before it, and the table
// has n! rows, the first and last as given.
void tst_TestRun::answerOrdersAreTheLexicographicTable()
{
    QFETCH(int, n);
    QFETCH(int, rows);
    QFETCH(QString, first);
    QFETCH(QString, last);

    QList<QList<int>> table;
    for (int k = 0; k < rows; ++k)
        table.append(drawAnswerOrder(n, Draws({k / 1000.0})));
    QCOMPARE(table.first(), order(first));
    QCOMPARE(table.last(), order(last));
    for (int k = 1; k < rows; ++k) {
        QVERIFY(table[k - 1] < table[k]);
        QList<int> sorted = table[k];
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, order(first));
    }
    // Row n! is row 0 again.
    QCOMPARE(drawAnswerOrder(n, Draws({rows / 1000.0})), order(first));
    if (n == 3) {
        QList<QList<int>> expected;
        for (QStringView digits : {u"123", u"132", u"213", u"231", u"312", u"321"})
            expected.append(order(digits));
        QCOMPARE(table, expected);
    }
}

void tst_TestRun::drawsComeStrideFirstThenByQuestion()
{
    const TestRun run(Numbered(3, Switches(u'0', u'0')), Draws({0.0, 0.25, 0.5, 0.9999}));

    QCOMPARE(run.stride(), 2);
    QCOMPARE(run.answerOrder(0), order(u"2413"));
    QCOMPARE(run.answerOrder(1), order(u"4213"));
    QCOMPARE(run.answerOrder(2), order(u"3412"));
    // Slot 0 shows question 2, in the order drawn for question 2.
    QCOMPARE(slotQuestions(run), QList<int>({2, 1, 0}));
    QCOMPARE(run.shownChoice(0), u"2.3"_s);
}

void tst_TestRun::slotOrders_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<double>("strideDraw");
    QTest::addColumn<QList<int>>("order");

    QTest::newRow("N=21, Stride 2")
        << 20 << 0.75
        << QList<int>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 0};
    QTest::newRow("N=21, Stride 5")
        << 20 << 0.25
        << QList<int>{5, 10, 15, 20, 4, 9, 14, 19, 3, 8, 13, 18, 2, 7, 12, 17, 1, 6, 11, 16, 0};
    QTest::newRow("N=3") << 2 << 0.5 << QList<int>{2, 1, 0};
    QTest::newRow("N=4") << 3 << 0.1 << QList<int>{3, 2, 1, 0};
}

void tst_TestRun::slotOrders()
{
    QFETCH(int, questions);
    QFETCH(double, strideDraw);
    QFETCH(QList<int>, order);

    const TestRun run(Numbered(questions),
                      Draws(QList<double>{strideDraw} + QList<double>(questions + 1, 0.0)));
    QCOMPARE(slotQuestions(run), order);
}

void tst_TestRun::stateRightAfterStartUp()
{
    const TestRun run(Numbered(20), Draws(QList<double>{0.25} + QList<double>(21, 0.5)));

    const int N = 21;
    QCOMPARE(run.questionCount(), N);
    QCOMPARE(run.currentSlot(), 0);
    QCOMPARE(run.answeredCount(), 0);
    QCOMPARE(run.phase(), TestRun::Phase::Test);
    QCOMPARE(run.lastChoice(), std::nullopt);
    for (int s = 0; s < N; ++s) {
        QCOMPARE(run.slotAt(s).chosenOption, std::nullopt);
        QCOMPARE(run.slotAt(s).verdict, Verdict::None);
        QCOMPARE(run.slotAt(s).correctPosition, std::nullopt);
        QCOMPARE(run.answerOrder(s), order(u"4213"));
    }
    QCOMPARE(run.controlAnswers(), (std::array<QString, 2>{u"Pyrwi"_s, u"Posleden"_s}));
    QCOMPARE(run.consistency(), TestRun::Consistency::Partial);
    const TestRun::Score score = run.score();
    QCOMPARE(score.right, 0);
    QCOMPARE(score.total, N);
    QCOMPARE(score.percent, 0);
}

void tst_TestRun::controlQuestion()
{
    Test test = Numbered(20);
    test.questions[0].picture = u":/first.jpg"_s;
    test.questions[19].picture = u":/last.jpg"_s;
    const TestRun run(test, Draws(QList<double>{0.75} + QList<double>(21, 0.0)));

    QCOMPARE(run.questionCount(), 21);
    const Question &control = run.question(20);
    QCOMPARE(control.text, test.questions[0].text);
    QCOMPARE(control.choices, test.questions[0].choices);
    QCOMPARE(control.correctText, test.questions[0].correctText);
    QCOMPARE(control.picture, u":/first.jpg"_s);
    QCOMPARE(run.question(19).picture, u":/last.jpg"_s);
    QCOMPARE(control.explanation, test.questions[0].explanation);
    // With Stride 2 the control question stands in slot 9.
    QCOMPARE(run.slotAt(9).question, 20);
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

    const Test test = Numbered(20, Switches(u'0', control));
    const TestRun run(test, Draws(QList<double>{0.5} + QList<double>(20, 0.0)));

    QCOMPARE(run.questionCount(), 20);
    QCOMPARE(run.question(19).text, test.questions[19].text);
    QCOMPARE(run.question(19).choices, test.questions[19].choices);
}

void tst_TestRun::limits_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<QChar>("control");
    QTest::addColumn<int>("choices");
    QTest::addColumn<QString>("fault");

    QTest::newRow("2 and the control question") << 2 << QChar(u'1') << 4 << QString();
    QTest::newRow("28 and the control question") << 28 << QChar(u'1') << 4 << QString();
    QTest::newRow("2 choices") << 3 << QChar(u'0') << 2 << QString();
    QTest::newRow("5 choices") << 3 << QChar(u'0') << 5 << QString();
    QTest::newRow("2 questions") << 2 << QChar(u'0') << 4 << u"this one has 2"_s;
    QTest::newRow("29 and the control question") << 29 << QChar(u'1') << 4 << u"this one has 30"_s;
    QTest::newRow("1 choice") << 3 << QChar(u'0') << 1 << u"question 1 has 1 choice(s)"_s;
    QTest::newRow("6 choices") << 3 << QChar(u'0') << 6 << u"question 1 has 6 choice(s)"_s;
}

// A run refuses a test it cannot hold, in every build, before it draws.
void tst_TestRun::limits()
{
    QFETCH(int, questions);
    QFETCH(QChar, control);
    QFETCH(int, choices);
    QFETCH(QString, fault);

    const Test test = Numbered(questions, Switches(u'0', control), choices);
    QVERIFY(TestRun::limitFault(test).contains(fault));
    QCOMPARE(TestRun::limitFault(test).isEmpty(), fault.isEmpty());
    if (fault.isEmpty()) {
        const TestRun run(test, Draws(QList<double>(questions + 2, 0.5)));
        QCOMPARE(run.questionCount(), test.runQuestionCount());
    } else {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 TestRun(test, Draws({}))); // no draw is taken
    }
}

QTEST_APPLESS_MAIN(tst_TestRun)
#include "tst_testrun.moc"
