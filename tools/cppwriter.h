#pragma once

#include "test.h"

#include <QByteArray>

// Writes a test as a C++ source that defines BuiltinTest(), so that the
// program starts with its content in place and parses nothing. The pictures,
// named by their files, are named by the resources the build embeds them as.
class CppWriter
{
public:
    static QByteArray write(const Test &test);
};
