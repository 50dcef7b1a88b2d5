#include "textnumbers.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class tst_TextNumbers : public QObject
{
    Q_OBJECT

private slots:
    void parseLeadingNumber_data();
    void parseLeadingNumber();
    void roundHalfEven_data();
    void roundHalfEven();
};

void tst_TextNumbers::parseLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << u"17"_s << 17.0;
    QTest::newRow("minus one") << u"-1"_s << -1.0;
    QTest::newRow("plus sign") << u"+5"_s << 5.0;
    QTest::newRow("leading blanks") << u"   42"_s << 42.0;
    QTest::newRow("leading tab") << u"\t7"_s << 7.0;
    QTest::newRow("decimal point") << u"2.5"_s << 2.5;
    QTest::newRow("point first") << u".25"_s << 0.25;
    QTest::newRow("negative fraction") << u"-0.75"_s << -0.75;
    QTest::newRow("stops at a letter") << u"12abc"_s << 12.0;
    QTest::newRow("stops at a blank") << u"3 4"_s << 3.0;
    QTest::newRow("stops at a second point") << u"1.5.3"_s << 1.5;
    QTest::newRow("trailing point") << u"8."_s << 8.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("letters only") << u"Тото"_s << 0.0;
    QTest::newRow("sign only") << u"-"_s << 0.0;
    QTest::newRow("point only") << u"."_s << 0.0;
    QTest::newRow("blank before sign only") << u" -x"_s << 0.0;
    QTest::newRow("blank between sign and digits") << u"- 5"_s << 0.0;
    QTest::newRow("other script digits are not digits") << u"٣"_s << 0.0;
}

void tst_TextNumbers::parseLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::parseLeadingNumber(text), value);
}

void tst_TextNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");

    QTest::newRow("2.5 to even 2") << 2.5 << 2;
    QTest::newRow("7.5 to even 8") << 7.5 << 8;
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("9.5 to 10") << 9.5 << 10;
    QTest::newRow("999.5 to 1000") << 999.5 << 1000;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
    QTest::newRow("just above a tie") << 2.5000001 << 3;
    QTest::newRow("just below a tie") << 2.4999999 << 2;
    QTest::newRow("whole") << -1.0 << -1;
}

void tst_TextNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(::roundHalfEven(value), rounded);
}

QTEST_APPLESS_MAIN(tst_TextNumbers)
#include "tst_textnumbers.moc"
