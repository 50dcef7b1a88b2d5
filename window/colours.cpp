#include "colours.h"

#include <QWidget>

QColor FromBgr(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void SetBackColour(QWidget *control, quint32 bgr)
{
    QPalette palette = control->palette();
    palette.setColor(control->backgroundRole(), FromBgr(bgr));
    control->setPalette(palette);
}

QColor BackColour(const QWidget *control)
{
    return control->palette().color(control->backgroundRole());
}
