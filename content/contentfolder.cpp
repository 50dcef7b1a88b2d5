#include "contentfolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
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
static_assert(qint64(ContentFolder::MaxPictureSide) * ContentFolder::MaxPictureSide * 4 <=
                  qint64(PictureAllocationMegabytes) << 20,
              "a picture the reader lets through must not fail for want of memory");

// Whether JPEG data runs whole to its end-of-image marker: marker segments,
// the coded data of every scan after its header, then the end marker. Data
// cut short ends before that marker, and Qt's decoder then greys what is
// missing without failing. What follows the marker is not part of the picture.
bool jpegRunsToItsEnd(const QByteArray &data)
{
    const auto byte = [&data](qsizetype i) { return uchar(data[i]); };
    if (data.size() < 2 || byte(0) != 0xFF || byte(1) != 0xD8)
        return false;
    qsizetype at = 2;
    for (;;) {
        if (at >= data.size() || byte(at) != 0xFF)
            return false;
        while (at < data.size() && byte(at) == 0xFF) // fill bytes before a marker
            ++at;
        if (at >= data.size())
            return false;
        const uchar marker = byte(at++);
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) // no length follows
            continue;
        if (at + 2 > data.size())
            return false;
        const qsizetype length = qsizetype(byte(at)) << 8 | byte(at + 1);
        if (length < 2 || at + length > data.size())
            return false;
        at += length;
        if (marker != 0xDA)
            continue;
        // A scan's coded data runs to the next marker; 0xFF 0x00 stands for
        // 0xFF within it, and restart markers belong to it.
        for (;;) {
            at = data.indexOf(char(0xFF), at);
            if (at < 0 || at + 1 >= data.size())
                return false;
            const uchar next = byte(at + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                at += 2;
            else if (next == 0xFF)
                ++at;
            else
                break;
        }
    }
}

// What Qt's image decoders log while this lives, held back from the log.
// Damage that the JPEG decoder works around is only logged, so this is how
// the reader learns of it; and a teacher's check lists the reader's messages,
// not Qt's. One at a time, on the thread that reads.
class DecoderComplaints
{
public:
    DecoderComplaints()
    {
        current = this;
        previous = qInstallMessageHandler(&DecoderComplaints::handle);
    }
    ~DecoderComplaints()
    {
        qInstallMessageHandler(previous);
        current = nullptr;
    }
    DecoderComplaints(const DecoderComplaints &) = delete;
    DecoderComplaints &operator=(const DecoderComplaints &) = delete;

    const QStringList &messages() const { return m_messages; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (current && context.category &&
            QLatin1StringView(context.category).startsWith(QLatin1StringView("qt.gui.imageio")))
            current->m_messages.append(message);
        else if (previous)
            previous(type, context, message);
    }

    static inline DecoderComplaints *current = nullptr;
    static inline QtMessageHandler previous = nullptr;
    QStringList m_messages;
};

} // namespace

ContentFolder::ContentFolder(const QString &path, const FitsInBox &fitsInBox)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.isDir())
        read(info.filePath(), fitsInBox);
    else if (info.fileName() == QuestionsFile && (info.isFile() || info.isSymLink()))
        read(info.path(), fitsInBox);
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

void ContentFolder::read(const QString &folder, const FitsInBox &fitsInBox)
{
    m_folder = folder;
    const QString settingsPath = folder + u"/settings.txt"_s;
    std::optional<Settings> settings;
    if (const std::optional<QStringList> rows = readSettings(settingsPath)) {
        settings = Settings(*rows);
        checkSettings(settingsPath, *settings);
    }
    const QString giftPath = folder + u'/' + QuestionsFile;
    QList<GiftQuestion> questions;
    const std::optional<QStringList> lines = readLines(giftPath, MaxQuestionsBytes);
    if (lines) {
        questions = GiftReader::read(giftPath, *lines, m_diagnostics);
        checkQuestions(giftPath, questions, settings, fitsInBox);
    }
    // Without the settings the control question, and so the count, is unknown.
    if (lines && settings)
        checkQuestionCount(giftPath, questions, settings->appendsControlQuestion());
    readPictures(folder, lines ? questions.size() : -1);
    if (hasErrors())
        return;

    Test test;
    test.settings = *settings;
    for (qsizetype q = 0; q < questions.size(); ++q) {
        const GiftQuestion &gift = questions[q];
        test.questions.append(Question{gift.text, gift.choices, gift.choices[gift.correct],
                                       gift.explanation, m_pictureOf.value(int(q + 1))});
    }
    m_test = test;
}

QStringList ContentFolder::pictureFiles() const
{
    QList<int> numbers = m_pictureOf.keys();
    std::sort(numbers.begin(), numbers.end());
    QStringList files;
    for (const int number : numbers)
        files.append(m_pictureOf[number]);
    return files;
}

void ContentFolder::error(const QString &file, int line, const QString &message)
{
    m_diagnostics.append(Diagnostic{file, line, message});
}

void ContentFolder::warning(const QString &file, int line, const QString &message)
{
    m_diagnostics.append(Diagnostic{file, line, message, Diagnostic::Severity::Warning});
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
    // Lines end in LF, in CR LF (Windows) or in CR alone (an old Mac).
    data.replace("\r\n", "\n").replace('\r', '\n');
    if (data.endsWith('\n'))
        data.chop(1);

    QStringList lines;
    if (data.isEmpty())
        return lines;
    const QList<QByteArray> rawLines = data.split('\n');
    for (qsizetype n = 0; n < rawLines.size(); ++n) {
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decode(rawLines[n]);
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

void ContentFolder::checkSettings(const QString &path, const Settings &settings)
{
    if (settings.showsConsistencyVerdict() && !settings.appendsControlQuestion()) {
        warning(path, 3,
                tr("the consistency switch is %1: the verdict is shown after grading, but only 1 "
                   "asks the first question again, so it compares nothing; end the row in 1 or 0")
                    .arg(settings.switchValue(2)));
    }
}

// What a question that can run may still do wrong in the window.
void ContentFolder::checkQuestions(const QString &path, const QList<GiftQuestion> &questions,
                                   const std::optional<Settings> &settings,
                                   const FitsInBox &fitsInBox)
{
    for (const GiftQuestion &question : questions) {
        if (question.refused)
            continue;
        if (settings && settings->phraseMode() && !question.text.contains(u'_')) {
            warning(path, question.line,
                    tr("phrase mode is on, but the question has no gap _ for the answer: the "
                       "phrase line puts the chosen answer after the whole question"));
        }
        if (!fitsInBox)
            continue;
        if (!fitsInBox(question.text, Box::Question)) {
            warning(path, question.line,
                    tr("the question text does not fit the question box: the learner has to "
                       "scroll it"));
        }
        // The choices are shown in an order drawn afresh, so with five any of
        // them may land in the fifth box.
        const bool five = question.choices.size() == Test::MaxChoices;
        for (qsizetype c = 0; c < question.choices.size(); ++c) {
            if (fitsInBox(question.choices[c], five ? Box::FifthAnswer : Box::Answer))
                continue;
            warning(path, question.choiceLines[c],
                    five ? tr("the choice does not fit the narrow fifth answer box, where any "
                              "choice of a question with five choices may be shown")
                         : tr("the choice does not fit its answer box: the learner has to "
                              "scroll it"));
        }
    }
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
    // entries (FIFOs, devices) and links are listed so that one with a
    // picture's name can be refused. Nothing else there is read, and the
    // author is told so: it may be meant as a picture.
    const QFileInfoList files =
        QDir(pictures.filePath())
            .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString path = file.filePath();
        if (file.isDir() && !file.isSymLink()) {
            warning(path, 0,
                    tr("a folder among the pictures: it is not read; a question's picture "
                       "stands in pictures itself"));
            continue;
        }
        const QRegularExpressionMatch match = name.match(file.fileName());
        if (!match.hasMatch()) {
            warning(path, 1,
                    tr("not a question picture, and not read: a picture is a JPEG named by its "
                       "question's number counted from 1, as in 03.jpg"));
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
    // The file may have grown since its size was looked at.
    QByteArray data = device.read(MaxPictureBytes + 1);
    if (data.size() > MaxPictureBytes) {
        error(path, 1, tr("the file is larger than the limit of %1 bytes").arg(MaxPictureBytes));
        return;
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // Process-wide; nothing else the program decodes comes near it.
    QImageReader::setAllocationLimit(PictureAllocationMegabytes);
    QImageReader reader(&buffer, "jpeg");
    QImage image;
    QSize size;
    bool decoded = false;
    QStringList complaints;
    {
        const DecoderComplaints listening;
        size = reader.size();
        if (size.isValid() && size.width() <= MaxPictureSide && size.height() <= MaxPictureSide)
            decoded = reader.read(&image);
        complaints = listening.messages();
    }
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
    if (!decoded) {
        error(path, 1, tr("not a readable JPEG picture"));
        return;
    }
    if (!jpegRunsToItsEnd(data)) {
        error(path, 1,
              tr("the picture is cut short: its JPEG data ends before the end of the picture"));
        return;
    }
    if (!complaints.isEmpty()) {
        error(path, 1,
              tr("the picture is damaged and does not decode whole (the decoder says: %1)")
                  .arg(complaints.first()));
        return;
    }
    const QRect box(0, 0, PictureWidth, PictureHeight);
    if (!box.contains(image.rect())) {
        warning(path, 1,
                tr("%1x%2 pixels; the picture box shows %3x%4 and clips the rest")
                    .arg(image.width())
                    .arg(image.height())
                    .arg(PictureWidth)
                    .arg(PictureHeight));
    }
    // Only what the box shows is kept, however large the picture.
    m_pictures.insert(path, image.copy(box.intersected(image.rect())));
}
