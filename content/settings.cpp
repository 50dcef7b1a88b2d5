#include "settings.h"

#include "textnumbers.h"

int Settings::switchValue(int row) const
{
    return roundHalfEven(parseLeadingNumber(QStringView(m_rows.value(row)).right(1)));
}
