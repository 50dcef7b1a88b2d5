#pragma once

#include <QRect>

class QWidget;

// The window is laid out in twips, 1/1440 inch: 15 twips to a pixel at 96
// dots per inch. Pixels here are Qt's device-independent pixels, so Qt scales
// the window on high-DPI screens.
constexpr int TwipsPerPixel = 15;

int toPixels(float twips);
float toTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);

// A control's left edge and width in twips, as the control reports them back
// after the conversion to whole pixels.
float leftOf(const QWidget *control);
float widthOf(const QWidget *control);
