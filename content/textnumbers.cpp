#include "textnumbers.h"

#include <cmath>

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

double parseLeadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            seenDigit = true;
        else if (text[i] == u'.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (!seenDigit)
        return 0;
    return text.sliced(start, i - start).toDouble();
}

int roundHalfEven(double value)
{
    // The default floating-point rounding mode rounds ties to even.
    return static_cast<int>(std::nearbyint(value));
}
