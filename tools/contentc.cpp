// izpit-contentc <content folder> <output.cpp>
//     [--resources <pictures.qrc> --resource-name <name>] [--depfile <file.d>]
//     [--folder-link <link>]
//
// Checks a content folder and writes it as C++ data; for the build, also the
// resource file that embeds its pictures and the list of files the output
// depends on, so that the build embeds what was checked and nothing else.
// Every error and warning is printed as "file:line: message"; an error stops
// the build, and the outputs are then left as they were.
#include "buildfiles.h"
#include "contentfolder.h"
#include "cppwriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTranslator>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// Writes `data` unless the file holds it already, so that the build does not
// redo what depends on an output that has not changed.
bool writeIfChanged(const QString &path, const QByteArray &data)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.size() == data.size() &&
        current.readAll() == data)
        return true;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write: %s\n", qPrintable(path),
                     qPrintable(out.errorString()));
        return false;
    }
    return true;
}

// What the build depends on: the files read and the folders whose listing
// was read, so that a picture added or taken away is noticed too.
QStringList inputsOf(const ContentFolder &folder)
{
    QStringList inputs;
    for (const QString &name :
         {QString(), u"/questions.gift"_s, u"/settings.txt"_s, u"/pictures"_s}) {
        if (QFileInfo::exists(folder.folder() + name))
            inputs.append(folder.folder() + name);
    }
    return inputs + folder.pictureFiles();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(u"folder"_s, u"The content folder."_s);
    parser.addPositionalArgument(u"output"_s, u"The C++ source to write."_s);
    const QCommandLineOption resources(u"resources"_s, u"The resource file to write."_s, u"file"_s);
    const QCommandLineOption resourceName(
        u"resource-name"_s, u"The name rcc gives the compiled resources."_s, u"name"_s);
    const QCommandLineOption depfile(u"depfile"_s, u"The dependency file to write."_s, u"file"_s);
    // Ninja's dependency files cannot hold every character a folder's path
    // may ([ ; " $ #), so the build reaches the folder through a link of its
    // own, and the files it reads name the folder by that link.
    const QCommandLineOption folderLink(
        u"folder-link"_s, u"A link to the folder, to name it by in the build's files."_s,
        u"link"_s);
    parser.addOptions({resources, resourceName, depfile, folderLink});
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        parser.showHelp(2);

    // The messages read as izpit --check prints them.
    QTranslator translator;
    ContentFolder::installTranslator(translator);

    const ContentFolder folder(args[0]);
    for (const Diagnostic &diagnostic : folder.diagnostics())
        std::fprintf(stderr, "%s\n", qPrintable(diagnostic.toString()));
    if (!folder.test())
        return 1;

    const auto named = [&](const QString &path) {
        return parser.isSet(folderLink)
                   ? parser.value(folderLink) + path.sliced(folder.folder().size())
                   : QFileInfo(path).absoluteFilePath();
    };
    QStringList pictures;
    for (const QString &picture : folder.pictureFiles())
        pictures.append(named(picture));
    QStringList inputs;
    for (const QString &input : inputsOf(folder))
        inputs.append(named(input));

    if (!writeIfChanged(args[1], CppWriter::write(*folder.test(), parser.value(resourceName))))
        return 1;
    if (parser.isSet(resources)) {
        // rcc warns of a resource file that lists no file, which would puzzle
        // the author of a test without pictures: an empty file stands in.
        const QString standIn = parser.value(resources) + u".none"_s;
        if ((pictures.isEmpty() && !writeIfChanged(standIn, {})) ||
            !writeIfChanged(parser.value(resources), BuildFiles::resources(pictures, standIn)))
            return 1;
    }
    if (parser.isSet(depfile) &&
        !writeIfChanged(parser.value(depfile), BuildFiles::depfile(args[1], inputs)))
        return 1;
    return 0;
}
