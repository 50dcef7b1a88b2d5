#include "contentfolder.h"

#include "contenterror.h"
#include "giftreader.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cstdio>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

// The lines of a UTF-8 text file, without their line ends.
QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError{path, 1, u"cannot read the file: %1"_s.arg(file.errorString())};
    QByteArray data = file.readAll();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    if (data.endsWith('\n'))
        data.chop(1);

    QStringList lines;
    if (data.isEmpty())
        return lines;
    const QList<QByteArray> rawLines = data.split('\n');
    for (qsizetype n = 0; n < rawLines.size(); ++n) {
        QByteArray raw = rawLines[n];
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decode(raw);
        if (decode.hasError())
            throw ContentError{path, int(n + 1), u"the text is not valid UTF-8"_s};
        lines.append(line);
    }
    return lines;
}

// The rows stand verbatim: a blank after the last digit turns a switch off.
QStringList readSettings(const QString &path)
{
    const QStringList rows = readLines(path);
    if (rows.size() != Settings::RowCount)
        throw ContentError{
            path, int(qMin(rows.size(), Settings::RowCount) + 1),
            u"%1 row(s): the settings file holds exactly %2 rows, one a line"_s.arg(rows.size())
                .arg(Settings::RowCount)};
    return rows;
}

void checkQuestionCount(const QString &path, const QList<GiftQuestion> &questions, bool control)
{
    const qsizetype runQuestions = questions.size() + (control ? 1 : 0);
    const QString counted = control ? u", the control question included"_s : QString();
    if (runQuestions < Test::MinQuestions)
        throw ContentError{
            path, questions.isEmpty() ? 1 : questions.last().line,
            u"a run of this test has %1 question(s)%2; it needs at least %3"_s.arg(runQuestions)
                .arg(counted)
                .arg(Test::MinQuestions)};
    if (runQuestions > Test::MaxQuestions) {
        const GiftQuestion &first = questions[Test::MaxQuestions - (control ? 1 : 0)];
        throw ContentError{
            path, first.line,
            u"a run of this test has %1 questions%2; it holds at most %3"_s.arg(runQuestions)
                .arg(counted)
                .arg(Test::MaxQuestions)};
    }
}

// The picture of every question that has one, by question number from 1.
std::map<int, QString> readPictures(const QString &folder, qsizetype questionCount)
{
    static const QRegularExpression name(u"^(\\d+)\\.jpe?g$"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    std::map<int, QString> pictures;
    const QDir dir(folder + u"/pictures"_s);
    // Hidden files, such as a file manager's notes, are not pictures.
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString path = file.filePath();
        const QRegularExpressionMatch match = name.match(file.fileName());
        if (!match.hasMatch())
            throw ContentError{path, 1,
                               u"not a picture name: a picture is a JPEG named by its question's "
                               "number counted from 1, as in 03.jpg"_s};
        const int number = match.captured(1).toInt();
        if (number < 1 || number > questionCount)
            throw ContentError{
                path, 1,
                u"a picture for question %1, but the test has questions 1 to %2"_s.arg(number).arg(
                    questionCount)};
        if (pictures.contains(number))
            throw ContentError{
                path, 1,
                u"a second picture for question %1, beside %2"_s.arg(number).arg(pictures[number])};

        QImageReader reader(path, "jpeg");
        const QImage image = reader.read();
        if (image.isNull())
            throw ContentError{path, 1,
                               u"not a readable JPEG picture: %1"_s.arg(reader.errorString())};
        if (image.width() > ContentFolder::PictureWidth ||
            image.height() > ContentFolder::PictureHeight)
            std::fprintf(
                stderr,
                "%s:1: warning: %dx%d pixels; the picture box shows %dx%d and clips the rest\n",
                qPrintable(path), image.width(), image.height(), ContentFolder::PictureWidth,
                ContentFolder::PictureHeight);
        pictures[number] = file.fileName();
    }
    return pictures;
}

} // namespace

Test ContentFolder::read(const QString &folder)
{
    const QString giftPath = folder + u"/questions.gift"_s;
    Test test;
    test.settings = Settings(readSettings(folder + u"/settings.txt"_s));
    const QList<GiftQuestion> questions = GiftReader::read(giftPath, readLines(giftPath));
    checkQuestionCount(giftPath, questions, test.settings.appendsControlQuestion());
    const std::map<int, QString> pictures = readPictures(folder, questions.size());

    for (qsizetype q = 0; q < questions.size(); ++q) {
        const GiftQuestion &gift = questions[q];
        Question question{
            gift.text, gift.choices, gift.choices[gift.correct], gift.explanation, {}};
        if (const auto picture = pictures.find(q + 1); picture != pictures.end())
            question.picture = resourcePrefix() + picture->second;
        test.questions.append(question);
    }
    return test;
}
