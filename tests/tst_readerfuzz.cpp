#include "contentfolder.h"
#include "files.h"
#include "testrun.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

// A fixed seed, so that a failure comes back on every run.
constexpr quint32 Seed = 20240611;
constexpr int Cases = 4000;

// What the GIFT reader looks for, so that mutations hit its paths often.
const QList<QByteArray> Tokens = {"{",
                                  "}",
                                  "=",
                                  "~",
                                  "#",
                                  "####",
                                  "::",
                                  "\\",
                                  "\\n",
                                  "\n",
                                  "\n\n",
                                  "\r",
                                  "->",
                                  "%50%",
                                  "[html]",
                                  "[plain]",
                                  "$CATEGORY: x",
                                  "// c",
                                  "_",
                                  "T",
                                  "FALSE",
                                  " ",
                                  "\xEF\xBB\xBF",
                                  "\xD0",
                                  "\xFF",
                                  "\0",
                                  "\t"};

class Mutator
{
public:
    explicit Mutator(quint32 seed) : random(seed) {}

    int below(int n) { return n <= 0 ? 0 : int(random.bounded(n)); }

    // A few random edits of `data`, with ranges taken from `other` at times.
    QByteArray mutate(QByteArray data, const QByteArray &other)
    {
        const int edits = 1 + below(8);
        for (int e = 0; e < edits; ++e) {
            const int at = below(int(data.size()) + 1);
            switch (below(6)) {
            case 0:
                if (!data.isEmpty())
                    data[qMin(at, int(data.size()) - 1)] = char(below(256));
                break;
            case 1:
            case 2:
                data.insert(at, Tokens[below(int(Tokens.size()))]);
                break;
            case 3:
                data.remove(at, below(40));
                break;
            case 4:
                data.insert(at, data.mid(below(int(data.size())), below(120)));
                break;
            default:
                data.insert(at, other.mid(below(int(other.size())), below(200)));
                break;
            }
        }
        return data;
    }

    // Text made of tokens and random bytes alone.
    QByteArray noise()
    {
        QByteArray data;
        const int parts = below(200);
        for (int p = 0; p < parts; ++p)
            data += below(3) ? Tokens[below(int(Tokens.size()))] : QByteArray(1, char(below(256)));
        return data;
    }

    QRandomGenerator random;
};

// Six settings rows with random switches.
QByteArray settingsRows(Mutator &m)
{
    QByteArray rows = "Настройки - последната цифра\n";
    for (const char *row : {"ЧЕО - фраза от 2 части - ", "Проверка за Тото - ", "Заглавие ",
                            "Дава описание - ", "Дава обяснения - "})
        rows += QByteArray(row) + char('0' + (m.below(4) ? m.below(2) : m.below(10))) + '\n';
    return rows;
}

// The number of lines the reader finds in a text file, whatever its line ends.
int lineCount(const QByteArray &text)
{
    return int(QByteArray(text).replace("\r\n", "\n").replace('\r', '\n').count('\n')) + 1;
}

} // namespace

// Random and mutated folders: the reader either refuses one with a message at
// a line of its file, or yields a test inside every limit a run relies on,
// with every picture it names decoded whole. Either way, every message names
// a line of its file, and nothing reaches Qt's log.
class tst_ReaderFuzz : public QObject
{
    Q_OBJECT

private slots:
    void refusesOrYieldsARunnableTest();
};

void tst_ReaderFuzz::refusesOrYieldsARunnableTest()
{
    QList<QByteArray> corpus;
    const QDir fixtures(QStringLiteral(FIXTURES));
    for (const QString &folder : fixtures.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        corpus.append(readFile(fixtures.filePath(folder + u"/questions.gift"_s)));
    corpus.append(readFile(QStringLiteral(SHIPPED) + u"/questions.gift"_s));
    corpus.removeAll(QByteArray());
    const QByteArray picture = readFile(fixtures.filePath(u"good/pictures/01.jpg"_s));
    QVERIFY(!corpus.isEmpty() && !picture.isEmpty());

    // A picture's damage is for the reader to report, not for the decoder to log.
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    // Measured as the window would, roughly: long texts do not fit.
    const ContentFolder::FitsInBox fits = [](const QString &text, ContentFolder::Box box) {
        return text.size() <= (box == ContentFolder::Box::FifthAnswer ? 4 : 60);
    };

    Mutator m(Seed);
    int yielded = 0;
    for (int n = 0; n < Cases; ++n) {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray base = corpus[m.below(int(corpus.size()))];
        const QByteArray gift = m.below(10) == 0 ? m.noise()
                                : m.below(4) == 0
                                    ? base
                                    : m.mutate(base, corpus[m.below(int(corpus.size()))]);
        QByteArray settings = settingsRows(m);
        if (m.below(8) == 0)
            settings = m.mutate(settings, gift);
        QVERIFY(writeFile(dir.filePath(u"questions.gift"_s), gift));
        QVERIFY(writeFile(dir.filePath(u"settings.txt"_s), settings));
        // A picture whole, damaged, or cut short; at times beside a file
        // and a folder that are not pictures.
        bool cutShort = false;
        if (m.below(3) == 0) {
            QVERIFY(QDir(dir.path()).mkdir(u"pictures"_s));
            QByteArray jpeg = picture;
            switch (m.below(4)) {
            case 0:
                jpeg = m.mutate(picture, picture);
                break;
            case 1:
                jpeg.truncate(m.below(int(picture.size())));
                cutShort = true;
                break;
            default:
                break;
            }
            QVERIFY(writeFile(dir.filePath(u"pictures/%1.jpg"_s.arg(1 + m.below(4))), jpeg));
            if (m.below(4) == 0) {
                QVERIFY(writeFile(dir.filePath(u"pictures/notes.txt"_s), gift.left(100)));
                QVERIFY(QDir(dir.path()).mkdir(u"pictures/old"_s));
            }
        }

        const ContentFolder read(dir.path(), m.below(2) ? fits : ContentFolder::FitsInBox());
        const QString context = u"case %1:\n%2"_s.arg(n).arg(QString::fromUtf8(gift.left(400)));
        for (const Diagnostic &d : read.diagnostics()) {
            // A line of the file named, or the one after its last line, or
            // line 1 of a picture, or none for a folder.
            const QByteArray &text = d.file.endsWith(u"questions.gift"_s) ? gift
                                     : d.file.endsWith(u"settings.txt"_s) ? settings
                                                                          : QByteArray();
            const QString where = context + u"\n"_s + d.toString();
            QVERIFY2(!d.message.isEmpty() && d.file.startsWith(dir.path()), qPrintable(where));
            QVERIFY2(d.line >= 0 && d.line <= lineCount(text) + 1, qPrintable(where));
        }
        if (!read.test()) {
            QVERIFY2(read.hasErrors(), qPrintable(context));
            continue;
        }
        // A picture that ends early never decodes whole, even where the
        // decoder makes do.
        QVERIFY2(!cutShort, qPrintable(context));

        ++yielded;
        QVERIFY2(!read.hasErrors(), qPrintable(context));
        const Test &test = *read.test();
        QVERIFY2(TestRun::limitFault(test).isEmpty(), qPrintable(context));
        QCOMPARE(test.settings.rows().size(), Settings::RowCount);
        for (const Question &question : test.questions) {
            QVERIFY2(!question.text.isEmpty(), qPrintable(context));
            QVERIFY2(question.choices.contains(question.correctText), qPrintable(context));
            QVERIFY2(!question.choices.contains(QString()), qPrintable(context));
            // Only the correct choice counts as right.
            QVERIFY2(question.choices.count(question.correctText) == 1, qPrintable(context));
            if (!question.picture.isEmpty()) {
                const QImage image = read.pictures().value(question.picture);
                QVERIFY2(!image.isNull(), qPrintable(context));
                QVERIFY(image.width() <= ContentFolder::PictureWidth &&
                        image.height() <= ContentFolder::PictureHeight);
            }
        }
        QRandomGenerator draws(n);
        try {
            const TestRun run(test, [&draws] { return draws.generateDouble(); });
            QVERIFY(run.questionCount() >= Test::MinQuestions);
        } catch (const std::invalid_argument &fault) {
            QFAIL(qPrintable(context + u"\n"_s + QString::fromStdString(fault.what())));
        }
    }
    qInfo("%d of %d folders can run", yielded, Cases);
    // Mutations that keep a folder runnable are rarer than those that break
    // it; both kinds must have been tried.
    QVERIFY2(yielded > Cases / 20, qPrintable(u"%1 runnable of %2"_s.arg(yielded).arg(Cases)));
}

QTEST_MAIN(tst_ReaderFuzz)
#include "tst_readerfuzz.moc"
