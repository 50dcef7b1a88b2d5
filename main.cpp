#include "commandline.h"
#include "contentfolder.h"
#include "qttranslation.h"
#include "refusalbox.h"
#include "test.h"
#include "testwindow.h"
#include "textfit.h"

#include <QApplication>
#include <QDateTime>
#include <QIcon>
#include <QRandomGenerator>
#include <QTranslator>

#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every error and warning, as "file:line: message", for editors to jump to.
void printDiagnostics(const ContentFolder &folder)
{
    for (const Diagnostic &diagnostic : folder.diagnostics())
        std::fprintf(stderr, "%s\n", qPrintable(diagnostic.toString()));
}

// What a check prints is its list of findings, which editors and scripts read:
// Qt's own notes on the platform (XDG_RUNTIME_DIR not set, and the like) would
// read as findings, so only critical messages pass.
QtMessageHandler qtHandler = nullptr;
void passCriticalOnly(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

// The help, the version and a wrong command line print and end.
int runWithoutWindow(const CommandLine &command)
{
    switch (command.action()) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(command.helpText()), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    default:
        std::fprintf(
            stderr, "%s: %s\nВижте %s --help.\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(command.errorText()), qPrintable(QCoreApplication::applicationName()));
        return 2;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(IZPIT_VERSION));
    const CommandLine early(CommandLine::arguments(argc, argv));
    const bool checks = early.action() == CommandLine::Action::Check;
    // The help and the version need no display, so that scripts and machines
    // without one can run them.
    if (!early.showsWindow() && !checks) {
        QCoreApplication app(argc, argv);
        installQtTranslation(&app);
        QTranslator messages;
        ContentFolder::installTranslator(messages);
        return runWithoutWindow(CommandLine(app.arguments()));
    }

    // Checking a folder measures its texts in the window's own text boxes,
    // which need widgets but no display: unless told otherwise, it draws them
    // offscreen, so that scripts and machines without a display can check too.
    if (checks && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (checks)
        qtHandler = qInstallMessageHandler(passCriticalOnly);
    QApplication app(argc, argv);
    installQtTranslation(&app);
    // Fusion draws buttons and option buttons in their own background colours.
    QApplication::setStyle(u"Fusion"_s);
    QApplication::setWindowIcon(QIcon(u":/window/icon/izpit.png"_s));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(u"example.izpit.Izpit"_s);
    QTranslator messages;
    ContentFolder::installTranslator(messages);
    const CommandLine command(app.arguments());

    if (command.action() == CommandLine::Action::Check) {
        const ContentFolder folder(command.path(), fitsInContentBox);
        printDiagnostics(folder);
        return folder.test() ? 0 : 1;
    }

    // The built-in test starts as it is, with nothing to read or check. A
    // folder's test is shown only once all of it has been read and checked.
    std::optional<ContentFolder> folder;
    if (command.action() == CommandLine::Action::Open) {
        // Whether the texts fit their boxes is left to --check: it tells the
        // author, not the learner, and measuring every text in a text box
        // would take about as long as building the window.
        folder.emplace(command.path());
        printDiagnostics(*folder);
        if (!folder->test()) {
            QStringList errors;
            for (const Diagnostic &diagnostic : folder->diagnostics()) {
                if (diagnostic.isError())
                    errors.append(diagnostic.toString());
            }
            RefusalBox(command.path(), errors).exec();
            return 1;
        }
    }

    // Seeded from the clock, so that every start draws a new arrangement.
    QRandomGenerator generator(quint32(QDateTime::currentMSecsSinceEpoch()));
    TestWindow window(
        folder ? *folder->test() : BuiltinTest(),
        [&generator] { return generator.generateDouble(); },
        folder ? PictureBook(folder->pictures()) : PictureBook());
    folder.reset();
    window.show();
    return app.exec();
}
