#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// Files and content folders for the tests that read them.

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Copies the files of a content folder and of its pictures folder.
inline bool copyContentFolder(const QString &from, const QString &to)
{
    for (const QString &sub : {QString(), QStringLiteral("/pictures")}) {
        const QDir source(from + sub);
        if (!source.exists())
            continue;
        if (!QDir().mkpath(to + sub))
            return false;
        for (const QString &name : source.entryList(QDir::Files)) {
            if (!QFile::copy(source.filePath(name), to + sub + u'/' + name))
                return false;
        }
    }
    return true;
}
