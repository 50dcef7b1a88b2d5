// firstpaint [FOLDER | --bare]
//
// Shows the test window as izpit does, for the built-in test or for the test
// in FOLDER, read and checked as izpit reads it, and ends as soon as the window
// has been painted once: the time it runs is the time to the first painted
// window. --bare shows a plain window of the test window's size instead, the
// least any window costs.
#include "contentfolder.h"
#include "test.h"
#include "testwindow.h"

#include <QApplication>
#include <QEvent>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Ends the program once the window it watches has been painted.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // The quit is queued, so that the paint finishes and reaches the screen.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(u"Fusion"_s);

    FirstPaint firstPaint;
    if (app.arguments().value(1) == u"--bare"_s) {
        QWidget bare;
        bare.setFixedSize(727, 486);
        bare.installEventFilter(&firstPaint);
        bare.show();
        return app.exec();
    }

    std::optional<ContentFolder> folder;
    if (argc > 1) {
        folder.emplace(app.arguments().at(1));
        if (!folder->test()) {
            for (const Diagnostic &diagnostic : folder->diagnostics())
                std::fprintf(stderr, "%s\n", qPrintable(diagnostic.toString()));
            return 1;
        }
    }
    // A fixed seed, so that every run paints the same arrangement.
    QRandomGenerator generator(1);
    TestWindow window(
        folder ? *folder->test() : BuiltinTest(),
        [&generator] { return generator.generateDouble(); },
        folder ? PictureBook(folder->pictures()) : PictureBook());
    folder.reset();
    window.installEventFilter(&firstPaint);
    window.show();
    return app.exec();
}
