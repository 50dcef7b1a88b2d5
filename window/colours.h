#pragma once

#include <QColor>

class QWidget;

// Colours are kept as 0x00BBGGRR: blue in the high byte, red in the low one.
namespace Colour {
constexpr quint32 LightBlue = 0x00FFC0C0; // the window; neutral options in review
constexpr quint32 Green = 0x0000FF00;     // answered; right or correct in review
constexpr quint32 Red = 0x000000FF;       // not answered; wrong in review
constexpr quint32 Cyan = 0x00FFFF00;
constexpr quint32 Yellow = 0x0000FFFF;
constexpr quint32 Orange = 0x000080FF;
constexpr quint32 DarkOrange = 0x000040C0;
constexpr quint32 LightOrange = 0x0080C0FF;
constexpr quint32 Blue = 0x00FF8080;
// Captions of disabled buttons: the lightest grey that still reads at 4.5:1 on
// the red of a wrong choice in review.
constexpr quint32 DisabledCaption = 0x00111111;
} // namespace Colour

QColor fromBgr(quint32 bgr);

// The background of a control: what a button, option button, label or picture
// box is filled with.
void setBackColour(QWidget *control, quint32 bgr);
QColor backColour(const QWidget *control);
