#pragma once

#include "test.h"

#include <QByteArray>

// Writes a test as a C++ source that defines BuiltinTest(), so that the
// program starts with its content in place and parses nothing. The pictures,
// named by their files, are named by the resources the build embeds them as;
// `resourceName`, when given, is the name of the compiled resource file that
// holds them (rcc --name).
class CppWriter
{
public:
    static QByteArray write(const Test &test, const QString &resourceName = {});
};
