// izpit-contentc <content folder> <output.cpp>
//
// Checks a content folder and writes it as C++ data. A fault in the content
// is reported as "file:line: message" and stops the build.
#include "contenterror.h"
#include "contentfolder.h"
#include "cppwriter.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: izpit-contentc <content folder> <output.cpp>\n", stderr);
        return 2;
    }
    try {
        const QByteArray source = CppWriter::write(ContentFolder::read(args[1]));
        QSaveFile out(args[2]);
        if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size() ||
            !out.commit()) {
            std::fprintf(stderr, "%s: cannot write: %s\n", qPrintable(args[2]),
                         qPrintable(out.errorString()));
            return 1;
        }
    } catch (const ContentError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
        return 1;
    }
    return 0;
}
