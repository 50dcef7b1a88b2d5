#pragma once

#include <QList>

#include <functional>

// A source of random reals in [0, 1).
using RandomSource = std::function<double()>;

// The primes a stride is drawn from: those of 2 to 31 below `questionCount`.
QList<int> strideCandidates(int questionCount);

// Draws the stride of the question order, a prime below N that does not divide
// N, so that stepping by it visits every question once. Each draw takes row
// roundHalfEven(10 r) mod (number of candidates); a divisor of N is drawn again.
int drawStride(int questionCount, const RandomSource &random);

// Draws the display order of a question's n choices: row roundHalfEven(1000 r)
// mod n! of the table of every order of the choices, ascending. Element p is
// the index of the choice shown at display position p.
QList<int> drawAnswerOrder(int choiceCount, const RandomSource &random);
