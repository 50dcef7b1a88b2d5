// izpit-contentc <content folder> <output.cpp>
//
// Checks a content folder and writes it as C++ data. Every error and warning
// is printed as "file:line: message"; an error stops the build, and the output
// is then left as it was.
#include "contentfolder.h"
#include "cppwriter.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: izpit-contentc <content folder> <output.cpp>\n", stderr);
        return 2;
    }
    // The messages read as izpit --check prints them.
    QTranslator translator;
    ContentFolder::installTranslator(translator);

    const ContentFolder folder(args[1]);
    for (const Diagnostic &diagnostic : folder.diagnostics())
        std::fprintf(stderr, "%s\n", qPrintable(diagnostic.toString()));
    if (!folder.test())
        return 1;

    const QByteArray source = CppWriter::write(*folder.test());
    QSaveFile out(args[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write: %s\n", qPrintable(args[2]),
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
