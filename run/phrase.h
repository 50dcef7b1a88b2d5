#pragma once

#include <QString>

// The question sentence with the chosen text put into its gap, the first run
// of "_": the text before the run, a blank, the chosen text, a blank, and the
// text after the run, less the one character right after it. A sentence
// without a gap is treated as if it ended in one.
QString composePhrase(QStringView question, QStringView chosen);
