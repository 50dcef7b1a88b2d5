#include "buildfiles.h"

#include <QFileInfo>
#include <QXmlStreamWriter>

using namespace Qt::Literals::StringLiterals;

namespace {

// Make's escapes for the characters ninja reads specially in a file name.
QByteArray depfileName(const QString &path)
{
    QByteArray out;
    for (const char c : path.toUtf8()) {
        if (c == ' ' || c == '#')
            out += '\\';
        else if (c == '$')
            out += '$';
        out += c;
    }
    return out;
}

} // namespace

QByteArray BuildFiles::resources(const QStringList &pictures, const QString &standIn)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(u"<!DOCTYPE RCC>"_s);
    xml.writeStartElement(u"RCC"_s);
    xml.writeStartElement(u"qresource"_s);
    xml.writeAttribute(u"prefix"_s, u"/content"_s);
    const auto file = [&xml](const QString &alias, const QString &path) {
        xml.writeStartElement(u"file"_s);
        xml.writeAttribute(u"alias"_s, alias);
        xml.writeCharacters(path);
        xml.writeEndElement();
    };
    for (const QString &picture : pictures)
        file(u"pictures/"_s + QFileInfo(picture).fileName(), picture);
    if (pictures.isEmpty())
        file(u"none"_s, standIn);
    xml.writeEndDocument();
    return out;
}

QByteArray BuildFiles::depfile(const QString &target, const QStringList &inputs)
{
    QByteArray out = depfileName(target) + ':';
    for (const QString &input : inputs)
        out += " \\\n  " + depfileName(input);
    return out + '\n';
}
