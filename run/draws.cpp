#include "draws.h"

#include "textnumbers.h"

#include <algorithm>
#include <numeric>

QList<int> strideCandidates(int questionCount)
{
    static const QList<int> primes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
    QList<int> candidates = primes;
    while (!candidates.isEmpty() && candidates.last() >= questionCount)
        candidates.removeLast();
    return candidates;
}

int drawStride(int questionCount, const RandomSource &random)
{
    const QList<int> candidates = strideCandidates(questionCount);
    int stride = 0;
    do {
        stride = candidates[roundHalfEven(10 * random()) % candidates.size()];
    } while (questionCount % stride == 0);
    return stride;
}

QList<int> drawAnswerOrder(int choiceCount, const RandomSource &random)
{
    int orders = 1;
    for (int k = 2; k <= choiceCount; ++k)
        orders *= k;
    const int row = roundHalfEven(1000 * random()) % orders;

    QList<int> order(choiceCount);
    std::iota(order.begin(), order.end(), 0);
    for (int r = 0; r < row; ++r)
        std::next_permutation(order.begin(), order.end());
    return order;
}
