#pragma once

#include <QRect>

class QWidget;

// The window is laid out in twips, 1/1440 inch: 15 twips to a pixel at 96
// dots per inch. Pixels here are Qt's device-independent pixels, so Qt scales
// the window on high-DPI screens.
constexpr int TwipsPerPixel = 15;

int ToPixels(float twips);
QRect TwipsRect(int left, int top, int width, int height);

// A control's left edge and width in twips, as the control reports them back
// after the conversion to whole pixels.
float LeftOf(const QWidget *control);
float WidthOf(const QWidget *control);
void SetLeft(QWidget *control, float twips);
void SetWidth(QWidget *control, float twips);
