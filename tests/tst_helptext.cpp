#include "helptext.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class tst_HelpText : public QObject
{
    Q_OBJECT

private slots:
    void describesOnlyWhatIsOn_data();
    void describesOnlyWhatIsOn();
    void paragraphsAreWholeLines();
};

// Each switchable feature with words that only its description uses.
void tst_HelpText::describesOnlyWhatIsOn_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("phrase line") << 0 << QStringList{u"фраза"_s};
    QTest::newRow("consistency verdict")
        << 1 << QStringList{u"„Проверка - Да“"_s, u"„Вероятно!“"_s, u"„Частично!“"_s};
    QTest::newRow("explanations") << 2 << QStringList{u"обяснение"_s};
    QTest::newRow("review navigation") << 3 << QStringList{u"преглед"_s};
}

void tst_HelpText::describesOnlyWhatIsOn()
{
    QFETCH(int, topic);
    QFETCH(QStringList, words);

    const auto topics = [](int on, bool value) {
        bool flags[4] = {!value, !value, !value, !value};
        flags[on] = value;
        return HelpTopics{flags[0], flags[1], flags[2], flags[3]};
    };
    const QString alone = helpText(topics(topic, true));
    const QString without = helpText(topics(topic, false));
    for (const QString &word : words) {
        QVERIFY2(alone.contains(word), qPrintable(word));
        QVERIFY2(!without.contains(word), qPrintable(word));
    }
}

// The help box wraps the text at its own width; a line broken by hand would be
// broken a second time there.
void tst_HelpText::paragraphsAreWholeLines()
{
    for (int mask = 0; mask < 16; ++mask) {
        const QString text =
            helpText({bool(mask & 1), bool(mask & 2), bool(mask & 4), bool(mask & 8)});
        QVERIFY(text.endsWith(u'\n'));
        const QStringList lines = text.chopped(1).split(u'\n');
        for (const QString &line : lines) {
            QVERIFY2(!line.isEmpty() && !line.front().isSpace(), qPrintable(line));
            QVERIFY2(line.endsWith(u'.') || line.endsWith(u'!') || line.endsWith(u'?'),
                     qPrintable(line));
        }
    }
}

QTEST_MAIN(tst_HelpText)
#include "tst_helptext.moc"
