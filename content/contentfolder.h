#pragma once

#include "diagnostic.h"
#include "giftreader.h"
#include "test.h"

#include <QHash>
#include <QImage>
#include <QList>

#include <functional>
#include <optional>

class QFileInfo;
class QTranslator;

// A test folder: questions.gift with the questions, settings.txt with the six
// settings rows, and pictures/NN.jpg, the picture of question NN counted from
// 1. Reading it checks everything a run relies on and notes every error and
// warning found; the test is there only when no error was found.
//
// The folder may come from anywhere, so only those three names are opened,
// only regular files are read (a FIFO or a device could block the reader or
// never end), symbolic links are refused (they could lead out of the folder)
// and every file and picture is read under a cap.
class ContentFolder
{
    Q_DECLARE_TR_FUNCTIONS(ContentFolder)

public:
    // The caps, far above what a test of 29 questions needs.
    static constexpr qint64 MaxQuestionsBytes = 1 << 20;
    static constexpr qint64 MaxSettingsBytes = 64 << 10;
    static constexpr qint64 MaxPictureBytes = 8 << 20;
    static constexpr int MaxPictureSide = 4096;

    // What the window's picture box shows of a picture, from its top-left corner.
    static constexpr int PictureWidth = 225;
    static constexpr int PictureHeight = 137;

    // The boxes of the test window that show a question's texts.
    enum class Box {
        Question,
        Answer,      // an answer box of the first four
        FifthAnswer, // the fifth, narrower than the others
    };
    // Whether `text` shows whole in `box`, without scrolling. Only the window
    // knows, from its font and the box's size.
    using FitsInBox = std::function<bool(const QString &text, Box box)>;

    // Reads the test folder `path`, or the folder of the questions.gift that
    // `path` names. With `fitsInBox`, a question text or a choice that would
    // not show whole is warned about.
    explicit ContentFolder(const QString &path, const FitsInBox &fitsInBox = {});

    const QList<Diagnostic> &diagnostics() const { return m_diagnostics; }
    bool hasErrors() const;

    // The test, when no error was found. Its questions name their pictures by
    // the keys of pictures().
    const std::optional<Test> &test() const { return m_test; }
    // Every picture, decoded whole, and cut to what the picture box shows.
    const QHash<QString, QImage> &pictures() const { return m_pictures; }
    // The test folder read, empty when `path` named none.
    const QString &folder() const { return m_folder; }
    // The picture files the test names, in the order of their questions: what
    // a build of the test embeds.
    QStringList pictureFiles() const;

    // Puts the messages into Bulgarian, the language of the program, through
    // `translator`, which must live as long as messages are made.
    static void installTranslator(QTranslator &translator);

private:
    void read(const QString &folder, const FitsInBox &fitsInBox);
    std::optional<QStringList> readLines(const QString &path, qint64 cap);
    std::optional<QStringList> readSettings(const QString &path);
    void checkQuestionCount(const QString &path, const QList<GiftQuestion> &questions,
                            bool control);
    void checkSettings(const QString &path, const Settings &settings);
    void checkQuestions(const QString &path, const QList<GiftQuestion> &questions,
                        const std::optional<Settings> &settings, const FitsInBox &fitsInBox);
    void readPictures(const QString &folder, qsizetype questionCount);
    void readPicture(const QFileInfo &file);
    bool isReadable(const QFileInfo &file, qint64 cap);
    void error(const QString &file, int line, const QString &message);
    void warning(const QString &file, int line, const QString &message);

    QList<Diagnostic> m_diagnostics;
    std::optional<Test> m_test;
    QHash<QString, QImage> m_pictures;
    QHash<int, QString> m_pictureOf; // by question number from 1
    QString m_folder;
};
