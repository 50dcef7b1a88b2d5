#include "focusmarkstyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

FocusMarkStyle::FocusMarkStyle(const QString &baseStyle) : QProxyStyle(baseStyle) {}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                   QPainter *painter, const QWidget *widget) const
{
    // Like the base style, the mark shows only once the keyboard has moved the
    // focus, so the mouse user's window looks as before. It is drawn solid in
    // the control's caption colour, which the window keeps readable on the
    // control's own background.
    if (element != PE_FrameFocusRect || !(option->state & State_KeyboardFocusChange))
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const QPalette::ColorRole caption = widget ? widget->foregroundRole() : QPalette::WindowText;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(option->palette.color(caption), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // The base style only tints the outline of a focused push button. The
    // buttons are a line of text high, so the mark goes over that outline,
    // clear of the caption.
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        QStyleOptionFocusRect mark;
        mark.QStyleOption::operator=(*option);
        drawPrimitive(PE_FrameFocusRect, &mark, painter, widget);
    }
}
