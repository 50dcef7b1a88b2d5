#pragma once

#include "test.h"

#include <QByteArray>

// Writes a test as a C++ source that defines BuiltinTest(), so that the
// program starts with its content in place and parses nothing.
class CppWriter
{
public:
    static QByteArray write(const Test &test);
};
