#include "textrows.h"

#include "textnumbers.h"

void TextRows::setRow(qsizetype r, const QString &text)
{
    Q_ASSERT(r >= 0 && r < m_rows.size());
    m_rows[r] = text;
}

int TextRows::number(qsizetype r) const
{
    return RoundHalfEven(ParseLeadingNumber(row(r)));
}
