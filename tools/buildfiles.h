#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The files besides the C++ source through which the build embeds what the
// content checks let through, and nothing else.
class BuildFiles
{
public:
    // A Qt resource file that embeds each picture as :/content/pictures/<its
    // name>, the name the C++ source gives it; with no pictures, it embeds
    // `standIn` as :/content/none instead.
    static QByteArray resources(const QStringList &pictures, const QString &standIn);

    // A dependency file in make's syntax, as ninja reads it: `target` is to be
    // made again when any of `inputs` changes.
    static QByteArray depfile(const QString &target, const QStringList &inputs);
};
