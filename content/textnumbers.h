#pragma once

#include <QString>

// The numeric value at the start of a text: leading blanks are skipped, then an
// optional sign, digits and one decimal point are read up to the first other
// character. A text without a number reads as 0.
double ParseLeadingNumber(QStringView text);

// Rounds to the nearest integer, ties to the even neighbour (2.5 gives 2).
int RoundHalfEven(double value);

// The value of a switch row: its last character alone read as a number, so a
// row ending in "1" is 1 and one ending in a letter or a blank is 0.
int SwitchValue(QStringView row);
