#include "contentfolder.h"
#include "files.h"
#include "refusalbox.h"
#include "windowfixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Fixtures = QStringLiteral(FIXTURES);
const QString Shipped = QStringLiteral(SHIPPED);

// izpit with the given arguments and no display of any kind.
struct Ran
{
    bool finished = false;
    int exitCode = -1;
    QString output;
    QString errors;
};

Ran runWithoutDisplay(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(IZPIT), arguments);
    Ran result;
    result.finished =
        process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

// izpit FOLDER and izpit --check FOLDER: the command line, the refusal of a
// folder that cannot run, and the window on a folder's test.
class tst_OpenFolder : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void openRefusesABrokenFolder();
    void textsThatDoNotFitAreWarnedOf();
    void refusalShowsTheFirstErrors_data();
    void refusalShowsTheFirstErrors();
    void changedCopyShowsTheChange();
    void folderPicturesAreTheOnlyOnes();
};

void tst_OpenFolder::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors"); // the start of standard error; empty: nothing

    const QString good = Fixtures + u"/good"_s;
    const QString broken = Fixtures + u"/bad-two-correct"_s;

    // None of these needs a display.
    QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"izpit " IZPIT_VERSION "\n"_s
                             << QString();
    QTest::newRow("help, in Bulgarian")
        << QStringList{u"--help"_s} << 0 << u"Опции:"_s << QString();
    QTest::newRow("unknown option")
        << QStringList{u"--frobnicate"_s} << 2 << QString() << u"izpit: Непозната опция"_s;
    QTest::newRow("two folders") << QStringList{good, good} << 2 << QString() << u"izpit: "_s;
    QTest::newRow("--check without a folder")
        << QStringList{u"--check"_s} << 2 << QString() << u"izpit: --check"_s;
    QTest::newRow("--check of a folder that runs")
        << QStringList{u"--check"_s, good} << 0 << QString() << QString();
    QTest::newRow("--check of the questions.gift of one")
        << QStringList{u"--check"_s, good + u"/questions.gift"_s} << 0 << QString() << QString();
    QTest::newRow("--check of a folder that cannot run")
        << QStringList{u"--check"_s, broken} << 1 << QString() << broken + u"/questions.gift:6: "_s;
    QTest::newRow("--check after the folder")
        << QStringList{broken, u"--check"_s} << 1 << QString() << broken + u"/questions.gift:6: "_s;
    QTest::newRow("--check of no folder") << QStringList{u"--check"_s, u"/nonexistent/test"_s} << 1
                                          << QString() << u"/nonexistent/test: "_s;
}

void tst_OpenFolder::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    const Ran ran = runWithoutDisplay(arguments);
    QVERIFY2(ran.finished, qPrintable(ran.errors));
    QCOMPARE(ran.exitCode, exitCode);
    QVERIFY2(ran.output.contains(output), qPrintable(ran.output));
    if (errors.isEmpty())
        QCOMPARE(ran.errors, QString());
    else
        QVERIFY2(ran.errors.startsWith(errors), qPrintable(ran.errors));
}

void tst_OpenFolder::openRefusesABrokenFolder()
{
    // Every error goes to standard error before the message box shows the
    // first ones; the box then waits for the learner, so the test ends the
    // program itself.
    const QString broken = Fixtures + u"/bad-two-correct"_s;
    QProcess process;
    process.setReadChannel(QProcess::StandardError);
    process.start(QStringLiteral(IZPIT), {broken});
    const QByteArray expected = (u"\n"_s + broken + u"/questions.gift:6: "_s).toUtf8();
    QByteArray errors = "\n";
    QDeadlineTimer deadline(20000);
    while (!errors.contains(expected) && process.waitForReadyRead(int(deadline.remainingTime())))
        errors += process.readAllStandardError();
    QVERIFY2(errors.contains(expected), errors.constData());
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
}

void tst_OpenFolder::textsThatDoNotFitAreWarnedOf()
{
    // Measured in the window's own boxes, with or without a display; the test
    // still runs. Only the check measures: the learner's start does not wait.
    const QString folder = Fixtures + u"/warn-texts-overflow"_s;
    const QString gift = folder + u"/questions.gift:"_s;
    const QStringList expected{
        gift + u"2: предупреждение: текстът на въпроса не се побира в полето за въпроса"_s,
        gift + u"5: предупреждение: отговорът не се побира в полето си"_s,
        gift + u"10: предупреждение: отговорът не се побира в тясното пето поле"_s,
    };
    const Ran checked = runWithoutDisplay({u"--check"_s, folder});
    QCOMPARE(checked.exitCode, 0);
    const QStringList lines = checked.errors.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), expected.size());
    for (qsizetype l = 0; l < lines.size(); ++l)
        QVERIFY2(lines[l].startsWith(expected[l]), qPrintable(lines[l]));
}

void tst_OpenFolder::refusalShowsTheFirstErrors_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("last"); // the last row of the box

    QTest::newRow("one") << 1 << u"f:1: <b>грешка</b> 1"_s;
    QTest::newRow("as many as are shown") << 10 << u"f:10: <b>грешка</b> 10"_s;
    QTest::newRow("one more") << 11 << u"… и още 1 грешка"_s;
    QTest::newRow("many more") << 25 << u"… и още 15 грешки"_s;
}

void tst_OpenFolder::refusalShowsTheFirstErrors()
{
    QFETCH(int, errors);
    QFETCH(QString, last);

    QStringList lines;
    for (int e = 1; e <= errors; ++e)
        lines.append(u"f:%1: <b>грешка</b> %1"_s.arg(e));
    const RefusalBox box(u"/a/test"_s, lines);
    QCOMPARE(box.textFormat(), Qt::PlainText);
    const QStringList rows = box.text().split(u'\n');
    QCOMPARE(rows.first(), u"Тестът в „/a/test“ не може да се отвори:"_s);
    QCOMPARE(rows.mid(2, qMin(errors, int(RefusalBox::ShownErrors))),
             lines.first(qMin(errors, int(RefusalBox::ShownErrors))));
    QCOMPARE(rows.last(), last);
}

void tst_OpenFolder::changedCopyShowsTheChange()
{
    // A teacher changes a question of the shipped test: the program shows the
    // change, with the picture of the folder, and no build in between.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(copyContentFolder(Shipped, dir.path()));
    const QString gift = dir.filePath(u"questions.gift"_s);
    QByteArray changed = readFile(gift);
    QVERIFY(changed.contains("::Q1:: На чертежа"));
    changed.replace("::Q1:: На чертежа", "::Q1:: Променен въпрос: на чертежа");
    QVERIFY(writeFile(gift, changed));

    const ContentFolder folder(dir.path());
    QVERIFY(folder.test());
    // Stride 2 of 21 questions: question 0 stands in the last slot.
    Session session(*folder.test(), QList<double>(22, 0.0), PictureBook(folder.pictures()));
    for (int s = 0; s < 20; ++s)
        session.next();
    QCOMPARE(session.slotRecord(session.slot()).question, 0);
    QVERIFY2(session.questionBox()->text().startsWith(u"Променен въпрос: на чертежа"_s),
             qPrintable(session.questionBox()->text()));
    const QImage shown = session.pictureBox()->picture().toImage();
    const QImage file(dir.filePath(u"pictures/01.jpg"_s));
    QCOMPARE(shown.convertToFormat(file.format()), file);
}

void tst_OpenFolder::folderPicturesAreTheOnlyOnes()
{
    // A folder's test shows its own pictures and nothing else, not even a
    // picture the program holds under the same name.
    const QString embedded = u":/test/pictures/01.jpg"_s;
    QVERIFY(!QPixmap(embedded).isNull());
    PictureBook folder({{u"/t/pictures/01.jpg"_s, QImage(3, 2, QImage::Format_RGB32)}});
    QCOMPARE(folder.picture(u"/t/pictures/01.jpg"_s).size(), QSize(3, 2));
    QVERIFY(folder.picture(embedded).isNull());
    QVERIFY(folder.picture(QString()).isNull());
    PictureBook builtin;
    QCOMPARE(builtin.picture(embedded).size(), QSize(225, 137));
}

QTEST_MAIN(tst_OpenFolder)
#include "tst_openfolder.moc"
