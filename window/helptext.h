#pragma once

#include <QString>

// The help text the window shows at start, and where the program's maker can
// be found.
QString HelpText();
QString WebAddress();
