#include "settings.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void switchValue_data();
    void switchValue();
    void switches_data();
    void switches();
};

void tst_Settings::switchValue_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("value");

    QTest::newRow("ends in 1") << u"Проверка за Тото - 1"_s << 1;
    QTest::newRow("ends in 0") << u"ЧЕО - фраза от 2 части - 0"_s << 0;
    QTest::newRow("ends in 7") << u"Дава описание - 7"_s << 7;
    QTest::newRow("only the last digit counts") << u"Дава обяснения - 21"_s << 1;
    QTest::newRow("a blank after the digit") << u"Проверка за Тото - 1 "_s << 0;
    QTest::newRow("ends in a letter") << u"Проверка 1 - да"_s << 0;
    QTest::newRow("empty row") << QString() << 0;
}

void tst_Settings::switchValue()
{
    QFETCH(QString, row);
    QFETCH(int, value);

    for (int r = 0; r < Settings::RowCount; ++r) {
        QStringList rows(Settings::RowCount, u"Ред - 5"_s);
        rows[r] = row;
        QCOMPARE(Settings(rows).switchValue(r), value);
    }
    QCOMPARE(Settings({row}).switchValue(3), 0); // a row that is not there
}

// Each switch with the last character of its row: which values turn it on.
void tst_Settings::switches_data()
{
    QTest::addColumn<QChar>("last");
    QTest::addColumn<bool>("phraseMode");
    QTest::addColumn<bool>("controlQuestion");
    QTest::addColumn<bool>("verdictShown");
    QTest::addColumn<bool>("explanations");
    QTest::addColumn<bool>("reviewNavigation");

    QTest::newRow("0") << QChar(u'0') << false << false << false << false << false;
    QTest::newRow("1") << QChar(u'1') << true << true << true << true << true;
    QTest::newRow("2") << QChar(u'2') << false << false << true << true << false;
    QTest::newRow("9") << QChar(u'9') << false << false << true << true << false;
    QTest::newRow("a letter") << QChar(u'д') << false << false << false << false << false;
    QTest::newRow("a blank") << QChar(u' ') << false << false << false << false << false;
}

void tst_Settings::switches()
{
    QFETCH(QChar, last);
    QFETCH(bool, phraseMode);
    QFETCH(bool, controlQuestion);
    QFETCH(bool, verdictShown);
    QFETCH(bool, explanations);
    QFETCH(bool, reviewNavigation);

    const QString title = u"МОРВ по Геометрия - Еднакви триъгълници "_s + last;
    const Settings settings({u"Настройки - последната цифра"_s,
                             u"ЧЕО - фраза от 2 части - "_s + last, u"Проверка за Тото - "_s + last,
                             title, u"Дава описание - "_s + last, u"Дава обяснения - "_s + last});
    QCOMPARE(settings.phraseMode(), phraseMode);
    QCOMPARE(settings.appendsControlQuestion(), controlQuestion);
    QCOMPARE(settings.showsConsistencyVerdict(), verdictShown);
    QCOMPARE(settings.showsExplanations(), explanations);
    QCOMPARE(settings.reviewNavigation(), reviewNavigation);
    QCOMPARE(settings.testTitle(), title); // whole, its last character included
}

QTEST_APPLESS_MAIN(tst_Settings)
#include "tst_settings.moc"
