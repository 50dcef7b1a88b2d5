#pragma once

#include <QFont>
#include <QRect>
#include <QStringView>

// Where each control of the test window stands, in pixels, looked up by the
// control's object name ("Command1(0)", "Text2(3)", ...). The window is
// designed in twips (see twips.h); the table holds the design figures.
QRect placeOf(QStringView controlName);

// The size of the window's client area, below the menu bar.
QSize clientSize();

// The font of the window and of every control in it.
QFont windowFont();
