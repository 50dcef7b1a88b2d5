#include "contentfolder.h"
#include "files.h"
#include "giftreader.h"
#include "test.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// The folder of the content folders the tests compile.
const QString Fixtures = QStringLiteral(BAD_CONTENT);

// What a program did: the content compiler or izpit --check.
struct Ran
{
    bool finished = false;
    int exitCode = -1;
    QString errors; // everything it wrote to stderr
};

Ran run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Ran result;
    result.finished =
        process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The build's way to a folder, and the program's.
Ran compile(const QString &folder, const QString &output)
{
    return run(QStringLiteral(CONTENTC), {folder, output});
}

Ran check(const QString &folder)
{
    return run(QStringLiteral(IZPIT), {u"--check"_s, folder});
}

// The errors and warnings of a folder, as "file:line: message" in English.
QStringList diagnosticsOf(const ContentFolder &folder)
{
    QStringList lines;
    for (const Diagnostic &diagnostic : folder.diagnostics())
        lines.append(diagnostic.toString());
    return lines;
}

// Six settings rows whose consistency switch ends in `control`.
QByteArray settingsWithControl(char control)
{
    return QByteArray("Настройки - последната цифра\n"
                      "ЧЕО - фраза от 2 части - 0\n"
                      "Проверка за Тото - ") +
           control +
           QByteArray("\n"
                      "Проба - граници\n"
                      "Дава описание - 1\n"
                      "Дава обяснения - 0\n");
}

// A JPEG of one colour.
QByteArray jpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return buffer.data();
}

// A tiny JPEG whose header claims width x height pixels: decoding it as it
// claims would take width x height x 4 bytes.
QByteArray jpegClaiming(int width, int height)
{
    QByteArray data = jpeg(QSize(8, 8));
    // The baseline frame header: FF C0, its length, the precision, then the
    // height and the width, big-endian.
    const qsizetype frame = data.indexOf("\xFF\xC0");
    data[frame + 5] = char(height >> 8);
    data[frame + 6] = char(height & 0xFF);
    data[frame + 7] = char(width >> 8);
    data[frame + 8] = char(width & 0xFF);
    return data;
}

bool grow(const QString &path, qint64 size)
{
    QFile file(path);
    return file.resize(size);
}

// The ways a folder from anywhere can try to make the reader read what is
// not its own, block, or take memory without bound.
enum class Untrusted {
    QuestionsFifo,
    PictureFifo,
    SettingsLinkOut,
    QuestionsLinkIn,
    PicturesLinkOut,
    PictureDanglingLink,
    PicturesAFile,
    QuestionsTooLarge,
    SettingsTooLarge,
    PictureTooLarge,
    PictureTooWide,
    PictureBomb,
};

// Makes the copy of the good folder in `dir` untrusted in the given way;
// `outside` is a folder beside it.
bool makeUntrusted(Untrusted how, const QDir &dir, const QDir &outside)
{
    const QString questions = dir.filePath(u"questions.gift"_s);
    const QString settings = dir.filePath(u"settings.txt"_s);
    const QString picture = dir.filePath(u"pictures/01.jpg"_s);
    switch (how) {
    case Untrusted::QuestionsFifo:
        return QFile::remove(questions) && mkfifo(qPrintable(questions), 0600) == 0;
    case Untrusted::PictureFifo:
        return QFile::remove(picture) && mkfifo(qPrintable(picture), 0600) == 0;
    case Untrusted::SettingsLinkOut:
        return QFile::rename(settings, outside.filePath(u"settings.txt"_s)) &&
               QFile::link(outside.filePath(u"settings.txt"_s), settings);
    case Untrusted::QuestionsLinkIn:
        return QFile::rename(questions, dir.filePath(u"real.gift"_s)) &&
               QFile::link(u"real.gift"_s, questions);
    case Untrusted::PicturesLinkOut:
        return QDir().rename(dir.filePath(u"pictures"_s), outside.filePath(u"pictures"_s)) &&
               QFile::link(outside.filePath(u"pictures"_s), dir.filePath(u"pictures"_s));
    case Untrusted::PictureDanglingLink:
        return QFile::remove(picture) && QFile::link(u"/nonexistent/01.jpg"_s, picture);
    case Untrusted::PicturesAFile:
        return QDir(dir.filePath(u"pictures"_s)).removeRecursively() &&
               writeFile(dir.filePath(u"pictures"_s), "not a folder\n");
    case Untrusted::QuestionsTooLarge:
        return grow(questions, ContentFolder::MaxQuestionsBytes + 1);
    case Untrusted::SettingsTooLarge:
        return grow(settings, ContentFolder::MaxSettingsBytes + 1);
    case Untrusted::PictureTooLarge:
        return grow(picture, ContentFolder::MaxPictureBytes + 1);
    case Untrusted::PictureTooWide:
        return writeFile(picture, jpeg(QSize(ContentFolder::MaxPictureSide + 1, 1)));
    case Untrusted::PictureBomb:
        return writeFile(picture, jpegClaiming(60000, 60000));
    }
    return false;
}

} // namespace

class tst_ContentReader : public QObject
{
    Q_OBJECT

private slots:
    // Content folders, read in the test, by the build and by izpit --check
    void faultIsRefused_data();
    void faultIsRefused();
    void faultsAreAllReported();
    void warningLetsTheTestRun_data();
    void warningLetsTheTestRun();
    void damagedPictureIsRefused_data();
    void damagedPictureIsRefused();
    void textsThatDoNotFitAreWarnedOf();
    void questionLimitsAllowTheirEdges_data();
    void questionLimitsAllowTheirEdges();
    void oversizedPictureWarns_data();
    void oversizedPictureWarns();

    // A folder from anywhere
    void untrustedInputIsRefused_data();
    void untrustedInputIsRefused();
    void capsAllowTheirEdges_data();
    void capsAllowTheirEdges();

    // The compiled good folder
    void builtinQuestions_data();
    void builtinQuestions();
    void builtinSettingsAreVerbatim();
    void builtinPicturesLoad();
    void folderReadsAsTheBuildCompiles();

    // Reading details
    void giftQuestion_data();
    void giftQuestion();
    void giftQuestionsSplitAtBlankLines();
    void blankTextIsRefused_data();
    void blankTextIsRefused();
    void folderReadsLineEnds_data();
    void folderReadsLineEnds();
    void invalidUtf8NamesItsLine_data();
    void invalidUtf8NamesItsLine();
};

void tst_ContentReader::faultIsRefused_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    const QString gift = u"questions.gift"_s;
    const QString settings = u"settings.txt"_s;

    // The run's size and the settings.
    QTest::newRow("too few questions")
        << u"bad-too-few-questions"_s << gift << 5 << u"has 2 question(s); it needs at least 3"_s;
    QTest::newRow("too many with the control question")
        << u"bad-too-many-questions"_s << gift << 59
        << u"has 30 question(s), the control question included; it holds at most 29"_s;
    QTest::newRow("five settings rows") << u"bad-settings-five-rows"_s << settings << 6
                                        << u"5 row(s): the settings file holds exactly 6 rows"_s;
    QTest::newRow("blank seventh settings row")
        << u"bad-settings-blank-row"_s << settings << 7 << u"7 row(s)"_s;
    QTest::newRow("no questions file")
        << u"bad-no-questions-file"_s << gift << 1 << u"the file is missing"_s;
    QTest::newRow("invalid UTF-8 in the questions")
        << u"bad-utf8"_s << gift << 5 << u"not valid UTF-8"_s;
    QTest::newRow("invalid UTF-8 in the settings")
        << u"bad-utf8-settings"_s << settings << 4 << u"not valid UTF-8"_s;

    // The choices of a question.
    QTest::newRow("one choice") << u"bad-one-choice"_s << gift << 4
                                << u"1 choice(s): a question has 2 to 5 choices"_s;
    QTest::newRow("six choices") << u"bad-six-choices"_s << gift << 4
                                 << u"6 choice(s): a question has 2 to 5 choices"_s;
    QTest::newRow("no correct choice")
        << u"bad-no-correct"_s << gift << 4 << u"no correct choice"_s;
    QTest::newRow("two correct choices")
        << u"bad-two-correct"_s << gift << 6 << u"a second correct choice"_s;
    QTest::newRow("empty choice") << u"bad-empty-choice"_s << gift << 4 << u"an empty choice"_s;
    QTest::newRow("wrong choice with the correct text")
        << u"bad-wrong-is-correct"_s << gift << 5
        << u"a wrong choice (~) with the text of the correct choice"_s;
    QTest::newRow("choice without = or ~")
        << u"bad-choice-marker"_s << gift << 4 << u"a choice starts with = (correct) or ~"_s;

    // Other kinds of GIFT question and GIFT features the program has no use for.
    QTest::newRow("true/false") << u"bad-true-false"_s << gift << 4 << u"true/false questions"_s;
    QTest::newRow("essay") << u"bad-essay"_s << gift << 4 << u"essay question"_s;
    QTest::newRow("numerical") << u"bad-numerical"_s << gift << 4 << u"numerical questions"_s;
    QTest::newRow("matching") << u"bad-matching"_s << gift << 4 << u"matching questions"_s;
    QTest::newRow("missing word") << u"bad-missing-word"_s << gift << 6
                                  << u"text after the answer block"_s;
    QTest::newRow("description without an answer block")
        << u"bad-no-answer-block"_s << gift << 4 << u"no answer block"_s;
    QTest::newRow("feedback on one choice")
        << u"bad-choice-feedback"_s << gift << 5 << u"feedback on a single choice (#)"_s;
    QTest::newRow("weighted choice")
        << u"bad-weight"_s << gift << 5 << u"weighted choices (%...%)"_s;
    QTest::newRow("html text") << u"bad-html"_s << gift << 4 << u"[html] text is not supported"_s;

    // Broken GIFT structure.
    QTest::newRow("no blank line between questions")
        << u"bad-no-blank-line"_s << gift << 2 << u"text after the answer block"_s;
    QTest::newRow("title not closed")
        << u"bad-title-not-closed"_s << gift << 3 << u"the title is not closed with ::"_s;
    QTest::newRow("answer block not closed")
        << u"bad-block-not-closed"_s << gift << 3 << u"the answer block is not closed with }"_s;
    QTest::newRow("no question text")
        << u"bad-no-text"_s << gift << 4 << u"the question has no text"_s;

    // Pictures.
    QTest::newRow("picture past the last question")
        << u"bad-picture-no-question"_s << u"pictures/04.jpg"_s << 1
        << u"a picture for question 4, but the test has questions 1 to 3"_s;
    QTest::newRow("picture numbered 0")
        << u"bad-picture-zero"_s << u"pictures/00.jpg"_s << 1 << u"a picture for question 0"_s;
    QTest::newRow("two pictures for one question")
        << u"bad-picture-twice"_s << u"pictures/1.jpg"_s << 1
        << u"a second picture for question 1, beside 01.jpg"_s;
    QTest::newRow("PNG named .jpg") << u"bad-picture-not-jpeg"_s << u"pictures/02.jpg"_s << 1
                                    << u"not a readable JPEG picture"_s;
}

void tst_ContentReader::faultIsRefused()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, message);

    const QString path = Fixtures + u'/' + folder;
    const QString where = u"%1/%2:%3: "_s.arg(path, file).arg(line);
    const ContentFolder read(path);
    QVERIFY(!read.test());
    const QStringList english = diagnosticsOf(read);
    const auto found = std::find_if(english.begin(), english.end(), [&](const QString &d) {
        return d.startsWith(where) && d.contains(message);
    });
    QVERIFY2(found != english.end(), qPrintable(english.join(u'\n')));

    // The build refuses it and leaves the output of an earlier build as it was.
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString output = out.filePath(u"content.cpp"_s);
    QVERIFY(writeFile(output, "// from an earlier build\n"));
    const Ran compiled = compile(path, output);
    QVERIFY2(compiled.finished, qPrintable(compiled.errors));
    QCOMPARE(compiled.exitCode, 1);
    QCOMPARE(readFile(output), QByteArray("// from an earlier build\n"));

    // izpit --check says the same, word for word, in Bulgarian.
    const Ran checked = check(path);
    QVERIFY(checked.finished);
    QCOMPARE(checked.exitCode, 1);
    QCOMPARE(checked.errors, compiled.errors);
    const QStringList lines = checked.errors.split(u'\n');
    const auto translated = std::find_if(lines.begin(), lines.end(),
                                         [&](const QString &l) { return l.startsWith(where); });
    QVERIFY2(translated != lines.end(), qPrintable(checked.errors));
    QVERIFY2(*translated != *found, qPrintable(*translated));
}

void tst_ContentReader::faultsAreAllReported()
{
    // One fault per question ends that question only; the settings and the
    // pictures are checked all the same.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(copyContentFolder(Fixtures + u"/good"_s, dir.path()));
    QVERIFY(writeFile(dir.filePath(u"questions.gift"_s), "One {=a ~b}\n"
                                                         "\n"
                                                         "Two {=a =b}\n"
                                                         "\n"
                                                         "Three {=a}\n"
                                                         "\n"
                                                         "Four {=a ~b}\n"));
    QVERIFY(writeFile(dir.filePath(u"settings.txt"_s), "only\nfive\nrows\nof\nsettings\n"));
    QVERIFY(
        writeFile(dir.filePath(u"pictures/9.jpg"_s), readFile(dir.filePath(u"pictures/01.jpg"_s))));

    const ContentFolder read(dir.path());
    QVERIFY(!read.test());
    const QStringList expected{
        dir.filePath(u"settings.txt"_s) +
            u":6: 5 row(s): the settings file holds exactly 6 rows, one a line"_s,
        dir.filePath(u"questions.gift"_s) +
            u":3: a second correct choice (=): a question has exactly one"_s,
        dir.filePath(u"questions.gift"_s) + u":5: 1 choice(s): a question has 2 to 5 choices"_s,
        dir.filePath(u"pictures/9.jpg"_s) +
            u":1: a picture for question 9, but the test has questions 1 to 4"_s,
    };
    QCOMPARE(diagnosticsOf(read), expected);
}

void tst_ContentReader::warningLetsTheTestRun_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("where"); // file:line, or the file alone
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("phrase mode and a question with no gap")
        << u"warn-phrase-no-gap"_s << QStringList{u"questions.gift:4"_s}
        << QStringList{u"phrase mode is on, but the question has no gap _"_s};
    QTest::newRow("a verdict with no control question")
        << u"warn-verdict-without-control"_s << QStringList{u"settings.txt:3"_s}
        << QStringList{u"the consistency switch is 2"_s};
    QTest::newRow("two wrong choices alike")
        << u"warn-same-wrong-choices"_s << QStringList{u"questions.gift:7"_s}
        << QStringList{u"a wrong choice with the same text as another"_s};
    QTest::newRow("a picture not named .jpg")
        << u"warn-picture-png"_s << QStringList{u"pictures/02.png:1"_s}
        << QStringList{u"not a question picture"_s};
    // The hidden file is a file manager's, and no concern of the author.
    QTest::newRow("a note and a folder among the pictures")
        << u"warn-pictures-extra"_s << QStringList{u"pictures/notes.txt:1"_s, u"pictures/old"_s}
        << QStringList{u"not a question picture"_s, u"a folder among the pictures"_s};
}

void tst_ContentReader::warningLetsTheTestRun()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, where);
    QFETCH(QStringList, messages);

    const QString path = Fixtures + u'/' + folder;
    const ContentFolder read(path);
    QVERIFY2(read.test(), qPrintable(diagnosticsOf(read).join(u'\n')));
    const QStringList english = diagnosticsOf(read);
    QCOMPARE(english.size(), where.size());
    for (qsizetype w = 0; w < where.size(); ++w) {
        QVERIFY2(english[w].startsWith(path + u'/' + where[w] + u": warning: "_s) &&
                     english[w].contains(messages[w]),
                 qPrintable(english[w]));
    }

    // The build goes on, saying what izpit --check says.
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const Ran compiled = compile(path, out.filePath(u"content.cpp"_s));
    QVERIFY(compiled.finished);
    QCOMPARE(compiled.exitCode, 0);
    QCOMPARE(compiled.errors.count(u'\n'), where.size());
    const Ran checked = check(path);
    QCOMPARE(checked.exitCode, 0);
    QCOMPARE(checked.errors, compiled.errors);
}

// A detailed picture, so that its JPEG data is mostly scan.
QByteArray detailedJpeg()
{
    QImage image(200, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return buffer.data();
}

void tst_ContentReader::damagedPictureIsRefused_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<QString>("message");

    // Qt decodes each of these with no error, greying what is missing.
    const QByteArray whole = detailedJpeg();
    const QString cut = u"the picture is cut short"_s;
    QTest::newRow("cut in the middle") << whole.first(whole.size() / 2) << cut;
    QTest::newRow("cut before its end marker") << whole.first(whole.size() - 2) << cut;
    QTest::newRow("a part of its scan missing")
        << QByteArray(whole).remove(whole.size() / 2, whole.size() / 4)
        << u"the picture is damaged"_s;
}

void tst_ContentReader::damagedPictureIsRefused()
{
    QFETCH(QByteArray, picture);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(copyContentFolder(Fixtures + u"/good"_s, dir.path()));
    const QString file = dir.filePath(u"pictures/01.jpg"_s);
    QVERIFY(writeFile(file, picture));

    // The decoder's own complaint is the reader's to tell, not Qt's log.
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    const ContentFolder read(dir.path());
    QVERIFY(!read.test());
    QCOMPARE(read.diagnostics().size(), 1);
    QVERIFY2(read.diagnostics()[0].toString().startsWith(file + u":1: "_s + message),
             qPrintable(read.diagnostics()[0].toString()));

    const Ran compiled = compile(dir.path(), dir.filePath(u"content.cpp"_s));
    QCOMPARE(compiled.exitCode, 1);
    const Ran checked = check(dir.path());
    QCOMPARE(checked.exitCode, 1);
    QCOMPARE(checked.errors, compiled.errors);
    QCOMPARE(checked.errors.count(u'\n'), 1);
}

void tst_ContentReader::textsThatDoNotFitAreWarnedOf()
{
    // A measure that finds no room anywhere: each text is asked about once,
    // in the box it can be shown in, and warned of at its own line.
    const QString path = Fixtures + u"/warn-texts-overflow"_s;
    const ContentFolder read(path, [](const QString &, ContentFolder::Box) { return false; });
    QVERIFY(read.test());
    QStringList warnings;
    for (const Diagnostic &d : read.diagnostics()) {
        QVERIFY(!d.isError());
        warnings.append(u"%1 %2"_s.arg(d.line).arg(d.message.section(u':', 0, 0)));
    }
    const QString question = u"the question text does not fit the question box"_s;
    const QString answer = u"the choice does not fit its answer box"_s;
    // With five choices any of them may be shown in the narrow fifth box.
    const QString fifth = u"the choice does not fit the narrow fifth answer box, where any choice "
                          "of a question with five choices may be shown"_s;
    const QStringList expected{
        u"2 "_s + question, u"2 "_s + answer, u"2 "_s + answer,   u"4 "_s + question,
        u"5 "_s + answer,   u"6 "_s + answer, u"9 "_s + question, u"9 "_s + fifth,
        u"9 "_s + fifth,    u"9 "_s + fifth,  u"9 "_s + fifth,    u"10 "_s + fifth,
    };
    QCOMPARE(warnings, expected);

    // The build has no window to measure with, and says nothing of it.
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const Ran compiled = compile(path, out.filePath(u"content.cpp"_s));
    QCOMPARE(compiled.exitCode, 0);
    QCOMPARE(compiled.errors, QString());
}

void tst_ContentReader::questionLimitsAllowTheirEdges_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<char>("control");

    // The same questions that break a limit with the control question fit without it,
    // and the other way round.
    QTest::newRow("29 questions without the control question")
        << u"bad-too-many-questions"_s << '0';
    QTest::newRow("2 questions and the control question") << u"bad-too-few-questions"_s << '1';
}

void tst_ContentReader::questionLimitsAllowTheirEdges()
{
    QFETCH(QString, folder);
    QFETCH(char, control);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString content = dir.filePath(u"content"_s);
    QVERIFY(copyContentFolder(Fixtures + u'/' + folder, content));
    QVERIFY(writeFile(content + u"/settings.txt"_s, settingsWithControl(control)));

    const QString output = dir.filePath(u"content.cpp"_s);
    const Ran compiled = compile(content, output);
    QVERIFY(compiled.finished);
    QCOMPARE(compiled.errors, QString());
    QCOMPARE(compiled.exitCode, 0);
    QVERIFY(readFile(output).contains("Test BuiltinTest()"));
    const Ran checked = check(content);
    QCOMPARE(checked.errors, QString());
    QCOMPARE(checked.exitCode, 0);
}

void tst_ContentReader::oversizedPictureWarns_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("warning");

    QTest::newRow("exactly the picture box") << QSize(225, 137) << QString();
    QTest::newRow("one pixel too wide") << QSize(226, 137) << u"226x137 pixels"_s;
    QTest::newRow("one pixel too high") << QSize(225, 138) << u"225x138 pixels"_s;
}

void tst_ContentReader::oversizedPictureWarns()
{
    QFETCH(QSize, size);
    QFETCH(QString, warning);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString content = dir.filePath(u"content"_s);
    QVERIFY(copyContentFolder(Fixtures + u"/good"_s, content));
    const QString picture = content + u"/pictures/01.jpg"_s;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QVERIFY(image.save(picture, "JPEG"));

    // A warning names the picture but lets the test run.
    const ContentFolder read(content);
    QVERIFY(read.test());
    const QString where = picture + u":1: warning: "_s;
    QCOMPARE(diagnosticsOf(read),
             warning.isEmpty()
                 ? QStringList()
                 : QStringList{where + warning +
                               u"; the picture box shows 225x137 and clips the rest"_s});

    const Ran compiled = compile(content, dir.filePath(u"content.cpp"_s));
    QVERIFY(compiled.finished);
    QCOMPARE(compiled.exitCode, 0);
    const Ran checked = check(content);
    QCOMPARE(checked.exitCode, 0);
    QCOMPARE(checked.errors, compiled.errors);
    QCOMPARE(checked.errors.isEmpty(), warning.isEmpty());
}

void tst_ContentReader::untrustedInputIsRefused_data()
{
    QTest::addColumn<Untrusted>("how");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    const QString gift = u"questions.gift"_s;
    const QString picture = u"pictures/01.jpg"_s;
    const QString link = u"a symbolic link"_s;

    // A FIFO would block the reader for ever, were it opened.
    QTest::newRow("questions.gift a FIFO")
        << Untrusted::QuestionsFifo << gift << 1 << u"not a regular file"_s;
    QTest::newRow("a picture a FIFO")
        << Untrusted::PictureFifo << picture << 1 << u"not a regular file"_s;
    QTest::newRow("settings.txt a link out of the folder")
        << Untrusted::SettingsLinkOut << u"settings.txt"_s << 1 << link;
    QTest::newRow("questions.gift a link within the folder")
        << Untrusted::QuestionsLinkIn << gift << 1 << link;
    QTest::newRow("pictures a link out of the folder")
        << Untrusted::PicturesLinkOut << u"pictures"_s << 0 << link;
    QTest::newRow("a picture a dangling link")
        << Untrusted::PictureDanglingLink << picture << 1 << link;
    QTest::newRow("pictures a file")
        << Untrusted::PicturesAFile << u"pictures"_s << 0 << u"not a folder"_s;
    QTest::newRow("questions.gift over its cap")
        << Untrusted::QuestionsTooLarge << gift << 1
        << u"the file is larger than the limit of 1048576 bytes"_s;
    QTest::newRow("settings.txt over its cap")
        << Untrusted::SettingsTooLarge << u"settings.txt"_s << 1
        << u"the file is larger than the limit of 65536 bytes"_s;
    QTest::newRow("a picture over its cap in bytes")
        << Untrusted::PictureTooLarge << picture << 1
        << u"the file is larger than the limit of 8388608 bytes"_s;
    QTest::newRow("a picture over its cap in pixels")
        << Untrusted::PictureTooWide << picture << 1
        << u"4097x1 pixels: the picture is too large; the limit is 4096x4096 pixels"_s;
    QTest::newRow("a decompression bomb")
        << Untrusted::PictureBomb << picture << 1 << u"60000x60000 pixels"_s;
}

void tst_ContentReader::untrustedInputIsRefused()
{
    QFETCH(Untrusted, how);
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QTemporaryDir outside;
    QVERIFY(dir.isValid() && outside.isValid());
    QVERIFY(copyContentFolder(Fixtures + u"/good"_s, dir.path()));
    QVERIFY(makeUntrusted(how, QDir(dir.path()), QDir(outside.path())));

    const ContentFolder read(dir.path());
    QVERIFY(!read.test());
    const QString where =
        line > 0 ? u"%1:%2: "_s.arg(dir.filePath(file)).arg(line) : dir.filePath(file) + u": "_s;
    const QStringList diagnostics = diagnosticsOf(read);
    QVERIFY2(std::any_of(diagnostics.begin(), diagnostics.end(),
                         [&](const QString &d) { return d.startsWith(where + message); }),
             qPrintable(diagnostics.join(u'\n')));
}

void tst_ContentReader::capsAllowTheirEdges_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("warnings");

    QByteArray questions = readFile(Fixtures + u"/good/questions.gift"_s);
    const QByteArray comment = "// " + QByteArray(76, 'x') + "\n";
    while (questions.size() + comment.size() + 3 <= ContentFolder::MaxQuestionsBytes)
        questions.prepend(comment);
    questions.prepend(
        "//" + QByteArray(ContentFolder::MaxQuestionsBytes - questions.size() - 3, 'x') + "\n");
    QTest::newRow("questions.gift at its cap") << u"questions.gift"_s << questions << 0;

    QByteArray picture = readFile(Fixtures + u"/good/pictures/01.jpg"_s);
    picture.append(ContentFolder::MaxPictureBytes - picture.size(), '\0');
    QTest::newRow("a picture at its cap in bytes") << u"pictures/01.jpg"_s << picture << 0;
    // Wider than the picture box: a warning, not an error.
    QTest::newRow("a picture at its cap in pixels")
        << u"pictures/01.jpg"_s << jpeg(QSize(ContentFolder::MaxPictureSide, 1)) << 1;
    // Decoding it takes as much memory as any picture may.
    QTest::newRow("a picture at its cap in pixels both ways")
        << u"pictures/01.jpg"_s
        << jpeg(QSize(ContentFolder::MaxPictureSide, ContentFolder::MaxPictureSide)) << 1;
}

void tst_ContentReader::capsAllowTheirEdges()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, warnings);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(copyContentFolder(Fixtures + u"/good"_s, dir.path()));
    QVERIFY(writeFile(dir.filePath(file), content));
    QCOMPARE(QFileInfo(dir.filePath(file)).size(), content.size());

    const ContentFolder read(dir.path());
    QVERIFY2(read.test(), qPrintable(diagnosticsOf(read).join(u'\n')));
    QCOMPARE(read.diagnostics().size(), warnings);
}

void tst_ContentReader::builtinQuestions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("rows"); // the text, then the choices
    QTest::addColumn<QString>("correct");
    QTest::addColumn<QStringList>("explanation");
    QTest::addColumn<QString>("picture");

    QTest::newRow("1: lines of a choice block, explanation rows trimmed")
        << 0
        << QStringList{u"Двата триъгълника имат три двойки равни страни. Те са еднакви по"_s,
                       u"III-ти признак"_s, u"I-ви признак"_s, u"II-ри признак"_s,
                       u"не са еднакви"_s}
        << u"III-ти признак"_s
        << QStringList{u"Три двойки равни страни дават III-ти признак."_s, u"Втори ред с отстъп."_s}
        << u":/content/pictures/01.jpg"_s;
    QTest::newRow("2: [plain], joined lines, escapes, \\n in the explanation")
        << 1 << QStringList{u"Ъгълът е ___ градуса, защото сборът е 180{°}."_s, u"60"_s, u"90"_s}
        << u"60"_s << QStringList{u"Ред с = и ~ и # и \\ и : знаци."_s, u"Нов ред от \\n."_s}
        << QString();
    QTest::newRow("3: five indented choices, the second correct, a picture named 3.jpg")
        << 2 << QStringList{u"Кое е вярно?"_s, u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s} << u"b"_s
        << QStringList() << u":/content/pictures/3.jpg"_s;
    QTest::newRow("4: no title, \\n in the text, no explanation")
        << 3 << QStringList{u"Въпрос без заглавие\r\nи без обяснение"_s, u"да"_s, u"не"_s}
        << u"да"_s << QStringList() << QString();
}

void tst_ContentReader::builtinQuestions()
{
    QFETCH(int, index);
    QFETCH(QStringList, rows);
    QFETCH(QString, correct);
    QFETCH(QStringList, explanation);
    QFETCH(QString, picture);

    const Test test = BuiltinTest();
    QCOMPARE(test.questions.size(), 4);
    const Question &question = test.questions[index];
    QCOMPARE(QStringList{question.text} + question.choices, rows);
    QCOMPARE(question.correctText, correct);
    QCOMPARE(question.explanation, explanation);
    QCOMPARE(question.picture, picture);
}

void tst_ContentReader::builtinSettingsAreVerbatim()
{
    // The blank after the last row's digit stays: it turns that switch off.
    const QStringList expected{u"Настройки - последната цифра"_s,
                               u"ЧЕО - фраза от 2 части - 0"_s,
                               u"Проверка за Тото - 1"_s,
                               u"Проба - малък тест"_s,
                               u"Дава описание - 1"_s,
                               u"Дава обяснения - 1 "_s};
    QCOMPARE(BuiltinTest().settings.rows(), expected);
}

void tst_ContentReader::builtinPicturesLoad()
{
    // Each resource is the picture from the folder, not just some picture.
    const Test test = BuiltinTest();
    const QString pictures = Fixtures + u"/good/pictures/"_s;
    for (const auto &[index, file] : {std::pair{0, u"01.jpg"_s}, std::pair{2, u"3.jpg"_s}}) {
        const QImage resource(test.questions.value(index).picture);
        QVERIFY2(!resource.isNull(), qPrintable(test.questions.value(index).picture));
        QCOMPARE(resource.size(), QImage(pictures + file).size());
    }
}

void tst_ContentReader::folderReadsAsTheBuildCompiles()
{
    // The program shows a folder's test as it shows the same test built in:
    // the same texts and settings, and pictures of the same pixels.
    const ContentFolder read(Fixtures + u"/good"_s);
    QVERIFY2(read.test(), qPrintable(diagnosticsOf(read).join(u'\n')));
    const Test &loaded = *read.test();
    const Test builtin = BuiltinTest();
    QCOMPARE(loaded.settings.rows(), builtin.settings.rows());
    QCOMPARE(loaded.questions.size(), builtin.questions.size());
    for (qsizetype q = 0; q < loaded.questions.size(); ++q) {
        const Question &a = loaded.questions[q];
        const Question &b = builtin.questions[q];
        QCOMPARE(a.text, b.text);
        QCOMPARE(a.choices, b.choices);
        QCOMPARE(a.correctText, b.correctText);
        QCOMPARE(a.explanation, b.explanation);
        QCOMPARE(a.picture.isEmpty(), b.picture.isEmpty());
        if (!b.picture.isEmpty()) {
            const QImage embedded(b.picture);
            QCOMPARE(read.pictures().value(a.picture).convertToFormat(embedded.format()), embedded);
        }
    }
    QCOMPARE(read.pictures().size(), 2);
}

void tst_ContentReader::giftQuestion_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("correct");
    QTest::addColumn<QStringList>("explanation");

    QTest::newRow("comment line among the choices")
        << QStringList{u"::Q:: Text {"_s, u"=a"_s, u"  // not a choice ~x"_s, u"~b"_s, u"}"_s}
        << u"Text"_s << QStringList{u"a"_s, u"b"_s} << 0 << QStringList();
    QTest::newRow("choice over two lines")
        << QStringList{u"Text {"_s, u"~first half"_s, u"   second half"_s, u"=b }"_s} << u"Text"_s
        << QStringList{u"first half second half"_s, u"b"_s} << 1 << QStringList();
    QTest::newRow("escaped markers inside choices")
        << QStringList{u"Text {=x \\= y ~\\~ 5 ~C\\# ~\\{a\\} ~b\\:c}"_s} << u"Text"_s
        << QStringList{u"x = y"_s, u"~ 5"_s, u"C#"_s, u"{a}"_s, u"b:c"_s} << 0 << QStringList();
    QTest::newRow("backslash before an ordinary character stays")
        << QStringList{u"Text \\a {=\\d ~b}"_s} << u"Text \\a"_s << QStringList{u"\\d"_s, u"b"_s}
        << 0 << QStringList();
    QTest::newRow("slashes and a colon inside a choice")
        << QStringList{u"Text {=see http://example.org ~b}"_s} << u"Text"_s
        << QStringList{u"see http://example.org"_s, u"b"_s} << 0 << QStringList();
    QTest::newRow("escaped colons in the title")
        << QStringList{u"::a\\::b:: Text {=a ~b}"_s} << u"Text"_s << QStringList{u"a"_s, u"b"_s}
        << 0 << QStringList();
    QTest::newRow("title on a line of its own, [moodle] text")
        << QStringList{u"::T::"_s, u"[moodle]Text"_s, u"more {=a ~b}"_s} << u"Text more"_s
        << QStringList{u"a"_s, u"b"_s} << 0 << QStringList();
    QTest::newRow("\\n with blanks around it in the explanation")
        << QStringList{u"Text {=a ~b ####first \\n second}"_s} << u"Text"_s
        << QStringList{u"a"_s, u"b"_s} << 0 << QStringList{u"first"_s, u"second"_s};
    QTest::newRow("#### with nothing after it")
        << QStringList{u"Text {=a ~b"_s, u"####}"_s} << u"Text"_s << QStringList{u"a"_s, u"b"_s}
        << 0 << QStringList();
}

void tst_ContentReader::giftQuestion()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QFETCH(QStringList, choices);
    QFETCH(int, correct);
    QFETCH(QStringList, explanation);

    QList<Diagnostic> diagnostics;
    const QList<GiftQuestion> questions = GiftReader::read(u"q.gift"_s, lines, diagnostics);
    QVERIFY2(diagnostics.isEmpty(), qPrintable(diagnostics.value(0).toString()));
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions[0].text, text);
    QCOMPARE(questions[0].choices, choices);
    QCOMPARE(questions[0].correct, correct);
    QCOMPARE(questions[0].explanation, explanation);
}

void tst_ContentReader::giftQuestionsSplitAtBlankLines()
{
    // Comments and categories neither start nor end a question; a line of blanks ends one.
    const QStringList lines{
        u"// header"_s,
        u"$CATEGORY: a/b"_s,
        u""_s,
        u"::A:: one {=a ~b}"_s,
        u"   \t"_s,
        u"// before the question"_s,
        u"::B:: two"_s,
        u"// between"_s,
        u"{=a ~b}"_s,
        u""_s,
        u""_s,
        u"$CATEGORY: c"_s,
        u"three {=a ~b}"_s,
    };
    QList<Diagnostic> diagnostics;
    const QList<GiftQuestion> questions = GiftReader::read(u"q.gift"_s, lines, diagnostics);
    QVERIFY(diagnostics.isEmpty());
    QCOMPARE(questions.size(), 3);
    QCOMPARE(questions[0].text, u"one"_s);
    QCOMPARE(questions[0].line, 4);
    QCOMPARE(questions[1].text, u"two"_s);
    QCOMPARE(questions[1].line, 7);
    QCOMPARE(questions[2].text, u"three"_s);
    QCOMPARE(questions[2].line, 13);
}

void tst_ContentReader::blankTextIsRefused_data()
{
    QTest::addColumn<QString>("gift");
    QTest::addColumn<QString>("message");

    // Each shows the learner an empty box.
    const QString choice = u"an empty choice"_s;
    QTest::newRow("a choice of a byte order mark") << u"Text {=a ~\uFEFF}"_s << choice;
    QTest::newRow("a choice of zero-width characters")
        << u"Text {=a ~\u200B\u200D\u2060}"_s << choice;
    QTest::newRow("a choice of control characters") << u"Text {=a ~\u0001\u007F}"_s << choice;
    QTest::newRow("a choice of a line break") << u"Text {=a ~\\n}"_s << choice;
    QTest::newRow("a choice of a no-break space and a filler")
        << u"Text {=\u00A0\u3164 ~b}"_s << choice;
    QTest::newRow("a question of a zero-width space")
        << u"\u200B {=a ~b}"_s << u"the question has no text"_s;
    QTest::newRow("a question of line breaks")
        << u"::T:: \\n \\n {=a ~b}"_s << u"the question has no text"_s;
}

void tst_ContentReader::blankTextIsRefused()
{
    QFETCH(QString, gift);
    QFETCH(QString, message);

    QList<Diagnostic> diagnostics;
    const QList<GiftQuestion> questions = GiftReader::read(u"q.gift"_s, {gift}, diagnostics);
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions[0].refused);
    QCOMPARE(diagnostics.size(), 1);
    QCOMPARE(diagnostics[0].line, 1);
    QCOMPARE(diagnostics[0].message, message);
}

void tst_ContentReader::folderReadsLineEnds_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<QByteArray>("start");

    // A file saved on Windows, and one from an old Mac, which ends lines with CR alone.
    QTest::newRow("CR LF after a byte order mark")
        << QByteArray("\r\n") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("CR alone") << QByteArray("\r") << QByteArray();
}

void tst_ContentReader::folderReadsLineEnds()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(QByteArray, start);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray gift = "::Q1:: One {\n=a\n~b\n####Row one\nRow two\n}\n\n"
                            "Two {=a ~b}\n\nThree {=a ~b}\n";
    QVERIFY(writeFile(dir.filePath(u"questions.gift"_s),
                      start + QByteArray(gift).replace("\n", lineEnd)));
    QVERIFY(writeFile(dir.filePath(u"settings.txt"_s),
                      start + settingsWithControl('1').replace("\n", lineEnd)));
    const ContentFolder read(dir.path());
    QVERIFY2(read.test(), qPrintable(diagnosticsOf(read).join(u'\n')));
    const Test &test = *read.test();
    QCOMPARE(test.settings.rows(),
             QString::fromUtf8(settingsWithControl('1')).split(u'\n').first(6));
    QCOMPARE(test.questions.size(), 3);
    QCOMPARE(test.questions[0].text, u"One"_s);
    QCOMPARE(test.questions[0].choices, (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(test.questions[0].explanation, (QStringList{u"Row one"_s, u"Row two"_s}));
}

void tst_ContentReader::invalidUtf8NamesItsLine_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void tst_ContentReader::invalidUtf8NamesItsLine()
{
    QFETCH(QByteArray, lineEnd);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(copyContentFolder(Fixtures + u"/good"_s, dir.path()));
    const QString gift = dir.filePath(u"questions.gift"_s);
    QVERIFY(writeFile(gift, QByteArray("// a\n// b\nT\xFF {=a ~b}\n").replace("\n", lineEnd)));
    const ContentFolder read(dir.path());
    QCOMPARE(diagnosticsOf(read), QStringList{gift + u":3: the text is not valid UTF-8"_s});
}

QTEST_MAIN(tst_ContentReader)
#include "tst_contentreader.moc"
