#pragma once

#include "contentsource.h"

#include <QByteArray>

// Writes a test as a C++ source that defines BuiltinContent(), so that the
// program starts with its content in place and parses nothing.
class CppWriter
{
public:
    static QByteArray write(const ContentSource &content);
};
