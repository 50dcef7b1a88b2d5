#include "contenterror.h"
#include "contentfolder.h"
#include "giftreader.h"
#include "test.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// The folder of the content folders the tests compile.
const QString Fixtures = QStringLiteral(BAD_CONTENT);

// What izpit-contentc did with one content folder.
struct Compiled
{
    bool finished = false;
    int exitCode = -1;
    QString errors; // everything it wrote to stderr
};

Compiled compile(const QString &folder, const QString &output)
{
    QProcess process;
    process.start(QStringLiteral(CONTENTC), {folder, output});
    Compiled result;
    result.finished =
        process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Copies the files of a content folder and of its pictures folder.
bool copyContentFolder(const QString &from, const QString &to)
{
    for (const QString &sub : {QString(), u"/pictures"_s}) {
        const QDir source(from + sub);
        if (!source.exists())
            continue;
        if (!QDir().mkpath(to + sub))
            return false;
        for (const QString &name : source.entryList(QDir::Files)) {
            if (!QFile::copy(source.filePath(name), to + sub + u'/' + name))
                return false;
        }
    }
    return true;
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

} // namespace

class tst_ContentCompiler : public QObject
{
    Q_OBJECT

private slots:
    // The tool, on content folders
    void faultStopsTheBuild_data();
    void faultStopsTheBuild();
    void questionLimitsAllowTheirEdges_data();
    void questionLimitsAllowTheirEdges();
    void oversizedPictureWarns_data();
    void oversizedPictureWarns();

    // The compiled good folder
    void builtinQuestions_data();
    void builtinQuestions();
    void builtinSettingsAreVerbatim();
    void builtinPicturesLoad();

    // Reading details
    void giftQuestion_data();
    void giftQuestion();
    void giftQuestionsSplitAtBlankLines();
    void folderReadsWindowsText();
};

void tst_ContentCompiler::faultStopsTheBuild_data()
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
        << u"has 30 questions, the control question included; it holds at most 29"_s;
    QTest::newRow("five settings rows") << u"bad-settings-five-rows"_s << settings << 6
                                        << u"5 row(s): the settings file holds exactly 6 rows"_s;
    QTest::newRow("blank seventh settings row")
        << u"bad-settings-blank-row"_s << settings << 7 << u"7 row(s)"_s;
    QTest::newRow("no questions file")
        << u"bad-no-questions-file"_s << gift << 1 << u"cannot read the file"_s;
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
    QTest::newRow("picture not named by its number")
        << u"bad-picture-name"_s << u"pictures/02.png"_s << 1 << u"not a picture name"_s;
}

void tst_ContentCompiler::faultStopsTheBuild()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, message);

    // The output of an earlier build stays as it was.
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString output = out.filePath(u"content.cpp"_s);
    QVERIFY(writeFile(output, "// from an earlier build\n"));

    const QString path = Fixtures + u'/' + folder;
    const Compiled compiled = compile(path, output);
    QVERIFY2(compiled.finished, qPrintable(compiled.errors));
    QCOMPARE(compiled.exitCode, 1);

    const QString first = compiled.errors.section(u'\n', 0, 0);
    const QString where = u"%1/%2:%3: "_s.arg(path, file).arg(line);
    QCOMPARE(first.left(where.size()), where);
    QVERIFY2(first.sliced(where.size()).contains(message), qPrintable(first));
    QCOMPARE(readFile(output), QByteArray("// from an earlier build\n"));
}

void tst_ContentCompiler::questionLimitsAllowTheirEdges_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<char>("control");

    // The same questions that break a limit with the control question fit without it,
    // and the other way round.
    QTest::newRow("29 questions without the control question")
        << u"bad-too-many-questions"_s << '0';
    QTest::newRow("2 questions and the control question") << u"bad-too-few-questions"_s << '1';
}

void tst_ContentCompiler::questionLimitsAllowTheirEdges()
{
    QFETCH(QString, folder);
    QFETCH(char, control);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString content = dir.filePath(u"content"_s);
    QVERIFY(copyContentFolder(Fixtures + u'/' + folder, content));
    QVERIFY(writeFile(content + u"/settings.txt"_s, settingsWithControl(control)));

    const QString output = dir.filePath(u"content.cpp"_s);
    const Compiled compiled = compile(content, output);
    QVERIFY(compiled.finished);
    QCOMPARE(compiled.errors, QString());
    QCOMPARE(compiled.exitCode, 0);
    QVERIFY(readFile(output).contains("Test BuiltinTest()"));
}

void tst_ContentCompiler::oversizedPictureWarns_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("warning");

    QTest::newRow("exactly the picture box") << QSize(225, 137) << QString();
    QTest::newRow("one pixel too wide") << QSize(226, 137) << u"226x137 pixels"_s;
    QTest::newRow("one pixel too high") << QSize(225, 138) << u"225x138 pixels"_s;
}

void tst_ContentCompiler::oversizedPictureWarns()
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

    // A warning names the picture but does not stop the build.
    const Compiled compiled = compile(content, dir.filePath(u"content.cpp"_s));
    QVERIFY(compiled.finished);
    QCOMPARE(compiled.exitCode, 0);
    if (warning.isEmpty()) {
        QCOMPARE(compiled.errors, QString());
    } else {
        const QString expected = picture + u":1: warning: "_s + warning;
        QCOMPARE(compiled.errors.left(expected.size()), expected);
    }
}

void tst_ContentCompiler::builtinQuestions_data()
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

void tst_ContentCompiler::builtinQuestions()
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

void tst_ContentCompiler::builtinSettingsAreVerbatim()
{
    // The blank after the last row's digit stays: it turns that switch off.
    const QStringList expected{u"Настройки - последната цифра"_s,
                               u"ЧЕО - фраза от 2 части - 1"_s,
                               u"Проверка за Тото - 1"_s,
                               u"Проба - малък тест"_s,
                               u"Дава описание - 1"_s,
                               u"Дава обяснения - 1 "_s};
    QCOMPARE(BuiltinTest().settings.rows(), expected);
}

void tst_ContentCompiler::builtinPicturesLoad()
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

void tst_ContentCompiler::giftQuestion_data()
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

void tst_ContentCompiler::giftQuestion()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QFETCH(QStringList, choices);
    QFETCH(int, correct);
    QFETCH(QStringList, explanation);

    try {
        const QList<GiftQuestion> questions = GiftReader::read(u"q.gift"_s, lines);
        QCOMPARE(questions.size(), 1);
        QCOMPARE(questions[0].text, text);
        QCOMPARE(questions[0].choices, choices);
        QCOMPARE(questions[0].correct, correct);
        QCOMPARE(questions[0].explanation, explanation);
    } catch (const ContentError &error) {
        QFAIL(qPrintable(error.toString()));
    }
}

void tst_ContentCompiler::giftQuestionsSplitAtBlankLines()
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
    try {
        const QList<GiftQuestion> questions = GiftReader::read(u"q.gift"_s, lines);
        QCOMPARE(questions.size(), 3);
        QCOMPARE(questions[0].text, u"one"_s);
        QCOMPARE(questions[0].line, 4);
        QCOMPARE(questions[1].text, u"two"_s);
        QCOMPARE(questions[1].line, 7);
        QCOMPARE(questions[2].text, u"three"_s);
        QCOMPARE(questions[2].line, 13);
    } catch (const ContentError &error) {
        QFAIL(qPrintable(error.toString()));
    }
}

void tst_ContentCompiler::folderReadsWindowsText()
{
    // A file saved on Windows: a byte order mark and CR LF line ends, none of it in the text.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(u"questions.gift"_s),
                      "\xEF\xBB\xBF::Q1:: One {\r\n=a\r\n~b\r\n####Row one\r\nRow two\r\n}\r\n\r\n"
                      "Two {=a ~b}\r\n\r\nThree {=a ~b}\r\n"));
    QVERIFY(writeFile(dir.filePath(u"settings.txt"_s),
                      settingsWithControl('1').replace("\n", "\r\n").prepend("\xEF\xBB\xBF")));
    try {
        const Test test = ContentFolder::read(dir.path());
        QCOMPARE(test.settings.rows(),
                 QString::fromUtf8(settingsWithControl('1')).split(u'\n').first(6));
        QCOMPARE(test.questions.size(), 3);
        QCOMPARE(test.questions[0].text, u"One"_s);
        QCOMPARE(test.questions[0].choices, (QStringList{u"a"_s, u"b"_s}));
        QCOMPARE(test.questions[0].explanation, (QStringList{u"Row one"_s, u"Row two"_s}));
    } catch (const ContentError &error) {
        QFAIL(qPrintable(error.toString()));
    }
}

QTEST_MAIN(tst_ContentCompiler)
#include "tst_contentcompiler.moc"
