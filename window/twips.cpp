#include "twips.h"

#include <QWidget>

int toPixels(float twips)
{
    return qRound(twips / TwipsPerPixel);
}

float toTwips(int pixels)
{
    return float(pixels * TwipsPerPixel);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

float leftOf(const QWidget *control)
{
    return toTwips(control->x());
}

float widthOf(const QWidget *control)
{
    return toTwips(control->width());
}
