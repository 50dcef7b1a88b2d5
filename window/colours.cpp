#include "colours.h"

#include <QWidget>

QColor fromBgr(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void setBackColour(QWidget *control, quint32 bgr)
{
    QPalette palette = control->palette();
    palette.setColor(control->backgroundRole(), fromBgr(bgr));
    control->setPalette(palette);
}

QColor backColour(const QWidget *control)
{
    return control->palette().color(control->backgroundRole());
}
