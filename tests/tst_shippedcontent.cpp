#include "test.h"
#include "textfit.h"

#include <QImage>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

// The test the program ships with: 20 questions on congruent triangles.
class tst_ShippedContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void questionShape_data();
    void questionShape();
    void quotedQuestions();
    void settingsRows();
    void fitMeasure_data();
    void fitMeasure();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();

private:
    Test content;
};

void tst_ShippedContent::initTestCase()
{
    content = BuiltinTest();
    QCOMPARE(content.questions.size(), 20);
}

void tst_ShippedContent::questionShape_data()
{
    QTest::addColumn<int>("q");
    QTest::addColumn<int>("correctRow");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("explanationRows");

    const int shape[20][3] = {{3, 1, 5}, {3, 1, 8}, {3, 1, 5}, {4, 1, 6},  {4, 0, 4},
                              {4, 1, 5}, {2, 1, 8}, {3, 1, 9}, {2, 1, 7},  {1, 0, 6},
                              {2, 1, 8}, {2, 1, 9}, {2, 1, 3}, {3, 1, 17}, {1, 1, 6},
                              {1, 1, 3}, {3, 1, 9}, {4, 0, 1}, {1, 0, 1},  {4, 1, 1}};
    for (int q = 0; q < 20; ++q)
        QTest::addRow("question %d", q) << q << shape[q][0] << bool(shape[q][1]) << shape[q][2];
}

void tst_ShippedContent::questionShape()
{
    QFETCH(int, q);
    QFETCH(int, correctRow);
    QFETCH(bool, picture);
    QFETCH(int, explanationRows);

    const Question &question = content.questions[q];
    QCOMPARE(question.choices.size(), 4);
    QCOMPARE(question.choices[correctRow - 1], question.correctText);
    QCOMPARE(question.choices.count(question.correctText), 1);
    QCOMPARE(question.explanation.size(), explanationRows);
    for (const QString &row : question.explanation)
        QVERIFY(!row.trimmed().isEmpty());

    QCOMPARE(!question.picture.isEmpty(), picture);
    if (picture) {
        const QImage image(question.picture);
        QCOMPARE(image.size(), QSize(225, 137));
    }
}

void tst_ShippedContent::quotedQuestions()
{
    QCOMPARE(content.questions[0].correctText, u"III-ти признак"_s);
    QCOMPARE(content.questions[2].text,
             u"В окръжност с център т.O е вписан правоъгълен триъгълник ABO (AB - хипотенуза), а "
             "OH е височина към нея. Колко са равнобедрените триъгълници?"_s);
    QCOMPARE(content.questions[2].choices, QStringList({u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(content.questions[2].correctText, u"3"_s);
    QCOMPARE(content.questions[15].choices,
             QStringList({u"80°;"_s, u"90°;"_s, u"100°;"_s, u"110°;"_s}));
    QCOMPARE(content.questions[15].correctText, u"80°;"_s);
}

void tst_ShippedContent::settingsRows()
{
    QCOMPARE(content.settings.rows(),
             QStringList({u"Настройки - последната цифра"_s, u"ЧЕО - фраза от 2 части - 0"_s,
                          u"Проверка за Тото - 1"_s, u"МОРВ по Геометрия - Еднакви триъгълници"_s,
                          u"Дава описание - 1"_s, u"Дава обяснения - 0"_s}));
}

// The measure itself: what needs a box's scroll bar does not fit.
void tst_ShippedContent::fitMeasure_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");

    QTest::newRow("two short lines in an answer box") << u"Text2(1)"_s << u"Три\nстрани"_s << true;
    QTest::newRow("three lines in an answer box") << u"Text2(1)"_s << u"а\nб\nв"_s << false;
    QTest::newRow("a long choice wraps past two lines")
        << u"Text2(1)"_s << u"Две страни и ъгълът между тях съответно равни"_s << false;
    QTest::newRow("a word in the narrow fifth box") << u"Text2(5)"_s << u"5"_s << true;
    QTest::newRow("a phrase in the narrow fifth box")
        << u"Text2(5)"_s << u"Не може да се определи"_s << false;
}

void tst_ShippedContent::fitMeasure()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QCOMPARE(fitsInBox(text, box), fits);
}

// Every question text shows whole in the question box and every choice in an
// answer box, in the window's font, with no need to scroll.
void tst_ShippedContent::textsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    for (int q = 0; q < content.questions.size(); ++q) {
        const Question &question = content.questions[q];
        QTest::addRow("question %d", q) << u"Text2(0)"_s << question.text;
        for (int c = 0; c < question.choices.size(); ++c)
            QTest::addRow("question %d, choice %d", q, c + 1)
                << u"Text2(1)"_s << question.choices[c];
    }
}

void tst_ShippedContent::textsFitTheirBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QVERIFY2(fitsInBox(text, box), qPrintable(text));
}

QTEST_MAIN(tst_ShippedContent)
#include "tst_shippedcontent.moc"
