#include "qttranslation.h"
#include "test.h"
#include "testwindow.h"

#include <QApplication>
#include <QDateTime>
#include <QIcon>
#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installQtTranslation(&app);
    // Fusion draws buttons and option buttons in their own background colours.
    QApplication::setStyle(u"Fusion"_s);
    QApplication::setWindowIcon(QIcon(u":/window/icon/izpit.png"_s));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(u"example.izpit.Izpit"_s);

    // Seeded from the clock, so that every start draws a new arrangement.
    QRandomGenerator generator(quint32(QDateTime::currentMSecsSinceEpoch()));
    TestWindow window(BuiltinTest(), [&generator] { return generator.generateDouble(); });
    window.show();
    return app.exec();
}
