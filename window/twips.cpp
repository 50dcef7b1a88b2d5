#include "twips.h"

#include <QWidget>

int ToPixels(float twips)
{
    return qRound(twips / TwipsPerPixel);
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

float LeftOf(const QWidget *control)
{
    return float(control->x() * TwipsPerPixel);
}

float WidthOf(const QWidget *control)
{
    return float(control->width() * TwipsPerPixel);
}

void SetLeft(QWidget *control, float twips)
{
    control->move(ToPixels(twips), control->y());
}

void SetWidth(QWidget *control, float twips)
{
    control->resize(ToPixels(twips), control->height());
}
