#include "files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Ran
{
    int exitCode = -1;
    QString output; // standard output and error, as a build log shows them
};

Ran run(const QString &program, const QStringList &arguments, int timeout = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Ran result;
    if (process.waitForFinished(timeout) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

} // namespace

// A program built with a test folder compiled in, as a teacher builds izpit
// with a test of their own: the build embeds exactly the pictures the content
// checks let through, whatever the folder's path holds, and a folder the
// checks refuse stops the build with their message.
class tst_ContentBuild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void embedsThePicturesOfAnyPath();
    void followsChangesOfThePictures();
    void refusesWhatTheChecksRefuse_data();
    void refusesWhatTheChecksRefuse();

private:
    Ran build() { return run(QStringLiteral(CMAKE_COMMAND), {u"--build"_s, buildDir()}); }
    QString buildDir() const { return dir.filePath(u"build"_s); }
    QString picture(const QString &name) const { return content + u"/pictures/"_s + name; }
    QString listPictures() { return run(buildDir() + u"/listpictures"_s, {}, 30000).output; }
    // File times tick coarsely (every few milliseconds), and ninja, as make,
    // takes a change stamped with the same time as the last build for one
    // made before it. A person never edits that fast after a build; a test does.
    static void letTheFileClockTick() { QTest::qSleep(50); }

    QTemporaryDir dir;
    QString content;
};

void tst_ContentBuild::initTestCase()
{
    QVERIFY(dir.isValid());
    // Each of these once broke the build or lost its pictures: a pattern's
    // brackets, a list separator, a quote, and what make and ninja escape.
    content = dir.filePath(u"Тест [7 клас]; \"нов\" $1 #2"_s);
    QVERIFY(copyContentFolder(QStringLiteral(FIXTURES) + u"/good"_s, content));
    // Neither is a picture; the first is also no concern of the author.
    QVERIFY(writeFile(picture(u".directory"_s), "[Dolphin]\n"));
    QVERIFY(writeFile(picture(u"notes.txt"_s), "Draw question 2 too.\n"));

    const Ran configured =
        run(QStringLiteral(CMAKE_COMMAND),
            {u"-S"_s, QStringLiteral(CONSUMER), u"-B"_s, buildDir(), u"-G"_s, u"Ninja"_s,
             u"-DCMAKE_CXX_COMPILER="_s + QStringLiteral(CXX_COMPILER),
             u"-DIZPIT_SOURCE="_s + QStringLiteral(IZPIT_SOURCE),
             u"-DIZPIT_CONTENTC="_s + QStringLiteral(CONTENTC), u"-DCONTENT="_s + content});
    QVERIFY2(configured.exitCode == 0, qPrintable(configured.output));
}

void tst_ContentBuild::embedsThePicturesOfAnyPath()
{
    const Ran built = build();
    QVERIFY2(built.exitCode == 0, qPrintable(built.output));
    // The content compiler's warning, and no other tool's.
    QVERIFY2(built.output.contains(picture(u"notes.txt"_s) + u":1: предупреждение: "_s),
             qPrintable(built.output));
    QVERIFY2(!built.output.contains(u"RCC"_s), qPrintable(built.output));

    QCOMPARE(listPictures(), u"01.jpg 225x137\n"
                             "3.jpg 120x80\n"
                             ":/content/pictures/01.jpg loads\n"
                             ":/content/pictures/3.jpg loads\n"_s);

    const Ran again = build();
    QVERIFY2(again.output.contains(u"no work to do"_s), qPrintable(again.output));
}

void tst_ContentBuild::followsChangesOfThePictures()
{
    // A picture drawn anew in its place, and one added: both reach the program.
    letTheFileClockTick();
    QImage redrawn(100, 50, QImage::Format_RGB32);
    redrawn.fill(Qt::white);
    QVERIFY(redrawn.save(picture(u"3.jpg"_s), "JPEG"));
    QVERIFY(QFile::copy(picture(u"01.jpg"_s), picture(u"2.jpg"_s)));
    const Ran built = build();
    QVERIFY2(built.exitCode == 0, qPrintable(built.output));
    QCOMPARE(listPictures(), u"01.jpg 225x137\n"
                             "2.jpg 225x137\n"
                             "3.jpg 100x50\n"
                             ":/content/pictures/01.jpg loads\n"
                             ":/content/pictures/2.jpg loads\n"
                             ":/content/pictures/3.jpg loads\n"_s);
    QVERIFY(QFile::remove(picture(u"2.jpg"_s)));
}

enum class Fault { DanglingLink, LinkLoop, Fifo, PicturesAFile };

void tst_ContentBuild::refusesWhatTheChecksRefuse_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("file");

    // 04.jpg would be the picture of the fourth question, which has none.
    QTest::newRow("a dangling link") << Fault::DanglingLink << u"pictures/04.jpg"_s;
    QTest::newRow("a link to itself") << Fault::LinkLoop << u"pictures/04.jpg"_s;
    QTest::newRow("a FIFO") << Fault::Fifo << u"pictures/04.jpg"_s;
    QTest::newRow("pictures a plain file") << Fault::PicturesAFile << u"pictures"_s;
}

void tst_ContentBuild::refusesWhatTheChecksRefuse()
{
    QFETCH(Fault, fault);
    QFETCH(QString, file);

    const QString path = content + u'/' + file;
    const QString pictures = content + u"/pictures"_s;
    const QString kept = dir.filePath(u"pictures"_s);
    const auto mend = [&] {
        QFile::remove(path);
        if (fault == Fault::PicturesAFile)
            QDir().rename(kept, pictures);
    };
    auto mendOnFailure = qScopeGuard(mend); // so that the next case starts from a good folder
    letTheFileClockTick();
    switch (fault) {
    case Fault::DanglingLink:
        QVERIFY(QFile::link(u"/nonexistent/04.jpg"_s, path));
        break;
    case Fault::LinkLoop:
        QVERIFY(QFile::link(u"04.jpg"_s, path));
        break;
    case Fault::Fifo:
        QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
        break;
    case Fault::PicturesAFile:
        QVERIFY(QDir().rename(pictures, kept));
        QVERIFY(writeFile(pictures, "not a folder\n"));
        break;
    }

    const Ran built = build();
    QVERIFY2(built.exitCode != 0, qPrintable(built.output));
    const QString where = fault == Fault::PicturesAFile ? path + u": "_s : path + u":1: "_s;
    QVERIFY2(built.output.contains(where), qPrintable(built.output));
    QVERIFY2(!built.output.contains(u"ninja: error"_s) && !built.output.contains(u"RCC"_s),
             qPrintable(built.output));

    mendOnFailure.dismiss();
    mend();
    const Ran mended = build();
    QVERIFY2(mended.exitCode == 0, qPrintable(mended.output));
}

QTEST_GUILESS_MAIN(tst_ContentBuild)
#include "tst_contentbuild.moc"
