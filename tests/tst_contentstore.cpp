#include "morv_danni.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {
ContentSource threeQuestions()
{
    ContentSource content;
    for (int q = 0; q < 3; ++q)
        content.questions.append({{u"Въпрос %1"_s.arg(q), u"а"_s, u"б"_s},
                                  u"а"_s,
                                  {u"Ред %1"_s.arg(q)},
                                  q == 1 ? u":/p.jpg"_s : QString()});
    content.settings = {u"Настройки"_s, u"Фраза - 0"_s,    u"Тото - 1"_s,
                        u"Заглавие"_s,  u"Описание - 1"_s, u"Обяснения - 0"_s};
    return content;
}
} // namespace

class tst_ContentStore : public QObject
{
    Q_OBJECT

private slots:
    void textRows();
    void permutationTable_data();
    void permutationTable();
    void questionsByIndexRules();
    void placeholdersPastTheLastQuestion_data();
    void placeholdersPastTheLastQuestion();
    void settingsAreReadAfresh();
};

void tst_ContentStore::textRows()
{
    TextRows rows{{u"-1"_s, u"17"_s}};
    QCOMPARE(rows.count(), 2);
    QCOMPARE(rows.row(1), u"17"_s);
    QCOMPARE(rows.number(0), -1);
    QCOMPARE(rows.row(2), QString());
    QCOMPARE(rows.row(-1), QString());
    QCOMPARE(rows.number(5), 0);

    rows.append(u"нов"_s);
    QCOMPARE(rows.row(2), u"нов"_s);
    rows.setRow(0, u"3"_s);
    QCOMPARE(rows.number(0), 3);
    rows.clear();
    QCOMPARE(rows.count(), 0);
    QCOMPARE(rows.row(0), QString());
}

void tst_ContentStore::permutationTable_data()
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

void tst_ContentStore::permutationTable()
{
    QFETCH(int, n);
    QFETCH(int, rows);
    QFETCH(QString, first);
    QFETCH(QString, last);

    const MORV_Danni danni(threeQuestions());
    const TextRows &table = danni.PermutationTable[n];
    QCOMPARE(table.count(), rows);
    QCOMPARE(table.row(0), first);
    QCOMPARE(table.row(rows - 1), last);
    for (int r = 0; r < rows; ++r) {
        QString digits = table.row(r);
        if (r > 0)
            QVERIFY2(table.row(r - 1) < digits, qPrintable(digits));
        std::sort(digits.begin(), digits.end());
        QCOMPARE(digits, first);
    }
    if (n == 3)
        QCOMPARE(table.rows(), QStringList({"123", "132", "213", "231", "312", "321"}));
}

void tst_ContentStore::questionsByIndexRules()
{
    const MORV_Danni danni(threeQuestions());
    QCOMPARE(danni.CorrectAnswers.rows(), QStringList({"а", "а", "а"}));
    QCOMPARE(danni.QuestionList[2].rows(), QStringList({"Въпрос 1", "а", "б"}));
    QCOMPARE(danni.Explanation[3].rows(), QStringList({"Ред 2"}));
    QCOMPARE(danni.QuestionPicture[2], u":/p.jpg"_s);
    QCOMPARE(danni.QuestionPicture[1], QString());
    QCOMPARE(danni.QuestionPicture[0], QString());
}

void tst_ContentStore::placeholdersPastTheLastQuestion_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("explanation");

    QTest::newRow("right after the last")
        << 4 << u"List1(4) - въпрос от теста"_s << u"Обяснение 4"_s;
    QTest::newRow("last explanation")
        << 29 << u"List1(29) - въпрос от теста"_s << u"Обяснение 29"_s;
    QTest::newRow("last question list") << 39 << u"List1(39) - въпрос от теста"_s << QString();
}

void tst_ContentStore::placeholdersPastTheLastQuestion()
{
    QFETCH(int, index);
    QFETCH(QString, question);
    QFETCH(QString, explanation);

    const MORV_Danni danni(threeQuestions());
    QCOMPARE(danni.QuestionList[index].rows(), QStringList{question});
    if (index <= MORV_Danni::LastExplanation)
        QCOMPARE(danni.Explanation[index].rows(), QStringList{explanation});
}

void tst_ContentStore::settingsAreReadAfresh()
{
    MORV_Danni danni(threeQuestions());
    QCOMPARE(danni.SettingValue(2), 1);
    danni.Settings.setRow(2, u"Тото - 1 "_s);
    QCOMPARE(danni.SettingValue(2), 0);
    QCOMPARE(danni.SettingValue(6), 0);
}

QTEST_APPLESS_MAIN(tst_ContentStore)
#include "tst_contentstore.moc"
