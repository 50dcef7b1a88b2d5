#include "contentfolder.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTranslator>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString QuestionsFile = u"questions.gift"_s;

// Qt refuses to allocate more than this for one picture, whatever its header
// said: a 4096 x 4096 picture at four bytes a pixel and no more.
constexpr int PictureAllocationMegabytes = 64;

} // namespace

ContentFolder::ContentFolder(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.isDir())
        read(info.filePath());
    else if (info.fileName() == QuestionsFile && (info.isFile() || info.isSymLink()))
        read(info.path());
    else if (!info.exists() && !info.isSymLink())
        error(info.filePath(), 0, tr("no such test folder"));
    else
        error(info.filePath(), 0,
              tr("not a test folder: give the folder, or the questions.gift inside it"));
}

bool ContentFolder::hasErrors() const
{
    return std::any_of(m_diagnostics.begin(), m_diagnostics.end(),
                       [](const Diagnostic &d) { return d.isError(); });
}

void ContentFolder::installTranslator(QTranslator &translator)
{
    if (translator.load(u":/i18n/izpit_bg.qm"_s))
        QCoreApplication::installTranslator(&translator);
}

void ContentFolder::read(const QString &folder)
{
    const std::optional<QStringList> settings = readSettings(folder + u"/settings.txt"_s);
    const QString giftPath = folder + u'/' + QuestionsFile;
    QList<GiftQuestion> questions;
    const std::optional<QStringList> lines = readLines(giftPath, MaxQuestionsBytes);
    if (lines)
        questions = GiftReader::read(giftPath, *lines, m_diagnostics);
    // Without the settings the control question, and so the count, is unknown.
    if (lines && settings)
        checkQuestionCount(giftPath, questions, Settings(*settings).appendsControlQuestion());
    readPictures(folder, lines ? questions.size() : -1);
    if (hasErrors())
        return;

    Test test;
    test.settings = Settings(*settings);
    for (qsizetype q = 0; q < questions.size(); ++q) {
        const GiftQuestion &gift = questions[q];
        test.questions.append(Question{gift.text, gift.choices, gift.choices[gift.correct],
                                       gift.explanation, m_pictureOf.value(int(q + 1))});
    }
    m_test = test;
}

void ContentFolder::error(const QString &file, int line, const QString &message)
{
    m_diagnostics.append(Diagnostic{file, line, message});
}

// Whether `file` may be opened: a regular file of the folder itself of at
// most `cap` bytes. Anything else is reported and never opened.
bool ContentFolder::isReadable(const QFileInfo &file, qint64 cap)
{
    const QString path = file.filePath();
    if (file.isSymLink()) {
        error(path, 1, tr("a symbolic link: a test folder is read from its own files only"));
        return false;
    }
    if (!file.exists()) {
        error(path, 1, tr("the file is missing"));
        return false;
    }
    if (!file.isFile()) {
        error(path, 1, tr("not a regular file"));
        return false;
    }
    if (file.size() > cap) {
        error(path, 1, tr("the file is larger than the limit of %1 bytes").arg(cap));
        return false;
    }
    return true;
}

// The lines of a UTF-8 text file, without their line ends.
std::optional<QStringList> ContentFolder::readLines(const QString &path, qint64 cap)
{
    QFile file(path);
    if (!isReadable(QFileInfo(path), cap))
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) {
        error(path, 1, tr("cannot read the file: %1").arg(file.errorString()));
        return std::nullopt;
    }
    // The file may have grown since its size was looked at.
    QByteArray data = file.read(cap + 1);
    if (data.size() > cap) {
        error(path, 1, tr("the file is larger than the limit of %1 bytes").arg(cap));
        return std::nullopt;
    }
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
        // The rest of the file is not read: text that is not UTF-8 is most
        // likely not text at all, and would only make more messages.
        if (decode.hasError()) {
            error(path, int(n + 1), tr("the text is not valid UTF-8"));
            return std::nullopt;
        }
        lines.append(line);
    }
    return lines;
}

// The rows stand verbatim: a blank after the last digit turns a switch off.
std::optional<QStringList> ContentFolder::readSettings(const QString &path)
{
    const std::optional<QStringList> rows = readLines(path, MaxSettingsBytes);
    if (!rows)
        return std::nullopt;
    if (rows->size() != Settings::RowCount) {
        error(path, int(qMin(rows->size(), Settings::RowCount) + 1),
              tr("%n row(s): the settings file holds exactly %1 rows, one a line", nullptr,
                 int(rows->size()))
                  .arg(Settings::RowCount));
        return std::nullopt;
    }
    return rows;
}

void ContentFolder::checkQuestionCount(const QString &path, const QList<GiftQuestion> &questions,
                                       bool control)
{
    const int runQuestions = int(questions.size()) + (control ? 1 : 0);
    // Two questions without a blank line between them read as one refused
    // question: with one refused, there may be more questions than counted.
    const bool counted = std::none_of(questions.begin(), questions.end(),
                                      [](const GiftQuestion &q) { return q.refused; });
    if (runQuestions < Test::MinQuestions && counted) {
        const int line = questions.isEmpty() ? 1 : questions.last().line;
        error(path, line,
              control ? tr("a run of this test has %n question(s), the control question "
                           "included; it needs at least %1",
                           nullptr, runQuestions)
                            .arg(Test::MinQuestions)
                      : tr("a run of this test has %n question(s); it needs at least %1", nullptr,
                           runQuestions)
                            .arg(Test::MinQuestions));
    } else if (runQuestions > Test::MaxQuestions) {
        const int line = questions[Test::MaxQuestions - (control ? 1 : 0)].line;
        error(path, line,
              control ? tr("a run of this test has %n question(s), the control question "
                           "included; it holds at most %1",
                           nullptr, runQuestions)
                            .arg(Test::MaxQuestions)
                      : tr("a run of this test has %n question(s); it holds at most %1", nullptr,
                           runQuestions)
                            .arg(Test::MaxQuestions));
    }
}

// The picture of every question that has one. questionCount is -1 when the
// questions could not be read, and the numbers cannot be checked.
void ContentFolder::readPictures(const QString &folder, qsizetype questionCount)
{
    static const QRegularExpression name(u"^(\\d+)\\.jpe?g$"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    const QFileInfo pictures(folder + u"/pictures"_s);
    if (pictures.isSymLink()) {
        error(pictures.filePath(), 0,
              tr("a symbolic link: a test folder is read from its own files only"));
        return;
    }
    if (!pictures.exists())
        return;
    if (!pictures.isDir()) {
        error(pictures.filePath(), 0, tr("not a folder: pictures holds the question pictures"));
        return;
    }

    // Hidden files, such as a file manager's notes, are not pictures. System
    // entries (FIFOs, devices) and links are listed so that they can be
    // refused; a folder inside is not read.
    const QFileInfoList files =
        QDir(pictures.filePath())
            .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &file : files) {
        if (file.isDir() && !file.isSymLink())
            continue;
        const QString path = file.filePath();
        const QRegularExpressionMatch match = name.match(file.fileName());
        if (!match.hasMatch()) {
            error(path, 1,
                  tr("not a picture name: a picture is a JPEG named by its question's number "
                     "counted from 1, as in 03.jpg"));
            continue;
        }
        const int number = match.captured(1).toInt();
        if (number < 1 || (questionCount >= 0 && number > questionCount)) {
            error(path, 1,
                  tr("a picture for question %1, but the test has questions 1 to %2")
                      .arg(number)
                      .arg(qMax(questionCount, 0)));
            continue;
        }
        if (m_pictureOf.contains(number)) {
            error(path, 1,
                  tr("a second picture for question %1, beside %2")
                      .arg(number)
                      .arg(QFileInfo(m_pictureOf[number]).fileName()));
            continue;
        }
        m_pictureOf[number] = path;
        readPicture(file);
    }
}

// Decodes a picture whole, so that no picture can fail once the test is
// showing. The size in its header is checked before anything is decoded.
void ContentFolder::readPicture(const QFileInfo &file)
{
    const QString path = file.filePath();
    if (!isReadable(file, MaxPictureBytes))
        return;
    QFile device(path);
    if (!device.open(QIODevice::ReadOnly)) {
        error(path, 1, tr("cannot read the file: %1").arg(device.errorString()));
        return;
    }
    // Process-wide; nothing else the program decodes comes near it.
    QImageReader::setAllocationLimit(PictureAllocationMegabytes);
    QImageReader reader(&device, "jpeg");
    const QSize size = reader.size();
    if (!size.isValid()) {
        error(path, 1, tr("not a readable JPEG picture"));
        return;
    }
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        error(path, 1,
              tr("%1x%2 pixels: the picture is too large; the limit is %3x%3 pixels")
                  .arg(size.width())
                  .arg(size.height())
                  .arg(MaxPictureSide));
        return;
    }
    QImage image;
    if (!reader.read(&image)) {
        error(path, 1, tr("not a readable JPEG picture"));
        return;
    }
    const QRect box(0, 0, PictureWidth, PictureHeight);
    if (!box.contains(image.rect())) {
        m_diagnostics.append(
            Diagnostic{path, 1,
                       tr("%1x%2 pixels; the picture box shows %3x%4 and clips the rest")
                           .arg(image.width())
                           .arg(image.height())
                           .arg(PictureWidth)
                           .arg(PictureHeight),
                       Diagnostic::Severity::Warning});
    }
    // Only what the box shows is kept, however large the picture.
    m_pictures.insert(path, image.copy(box.intersected(image.rect())));
}
