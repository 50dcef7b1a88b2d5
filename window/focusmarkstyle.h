#pragma once

#include <QProxyStyle>

// The window's style with a keyboard focus mark that can be seen on every
// background the window paints. The base style marks a focused option button
// with a pale, translucent tint of the highlight colour and a push button only
// with a bluish outline, which all but vanish on the window's green, orange and
// light blue.
class FocusMarkStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Draws everything else as the style named `baseStyle` does.
    explicit FocusMarkStyle(const QString &baseStyle);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};
