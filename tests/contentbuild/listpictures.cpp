// Prints each embedded picture with its size, then each question's picture
// as the test names it and whether it loads.
#include "test.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Test test = BuiltinTest();
    for (const QFileInfo &file : QDir(QStringLiteral(":/content/pictures")).entryInfoList()) {
        const QImage image(file.filePath());
        std::printf("%s %dx%d\n", qPrintable(file.fileName()), image.width(), image.height());
    }
    for (const Question &question : test.questions) {
        if (!question.picture.isEmpty())
            std::printf("%s %s\n", qPrintable(question.picture),
                        QImage(question.picture).isNull() ? "missing" : "loads");
    }
    return 0;
}
