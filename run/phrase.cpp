#include "phrase.h"

QString composePhrase(QStringView question, QStringView chosen)
{
    qsizetype gap = question.indexOf(u'_');
    if (gap < 0)
        gap = question.size();
    qsizetype after = gap;
    while (after < question.size() && question[after] == u'_')
        ++after;
    // The character right after the run gives way to the joining blank.
    const QStringView tail =
        after + 1 < question.size() ? question.sliced(after + 1) : QStringView();
    return question.first(gap).toString() + u' ' + chosen.toString() + u' ' + tail.toString();
}
