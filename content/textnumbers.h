#pragma once

#include <QString>

// The numeric value at the start of a text: leading blanks are skipped, then an
// optional sign, digits and one decimal point are read up to the first other
// character. A text without a number reads as 0.
double parseLeadingNumber(QStringView text);

// Rounds to the nearest integer, ties to the even neighbour (2.5 gives 2).
int roundHalfEven(double value);
