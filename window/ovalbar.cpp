#include "ovalbar.h"

#include "twips.h"

#include <QAccessibleWidget>
#include <QPainter>

OvalBar::OvalBar(QColor first, QColor second, QWidget *parent)
    : QWidget(parent), m_colours{first, second}
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QAccessible::installFactory(accessibleInterface);
}

void OvalBar::setStart(float left)
{
    m_parts[0].moveLeft(toPixels(left));
}

void OvalBar::setParts(float length, float end)
{
    const int top = y();
    m_parts[0] = QRect(m_parts[0].left(), top, toPixels(length), height());
    const int secondLeft = m_parts[0].left() + m_parts[0].width();
    m_parts[1] = QRect(secondLeft, top, toPixels(end - toTwips(secondLeft)), height());
    update();
}

void OvalBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int part = 0; part < 2; ++part) {
        painter.setBrush(m_colours[part]);
        painter.drawEllipse(QRectF(m_parts[part].translated(-pos())));
    }
}

QAccessibleInterface *OvalBar::accessibleInterface(const QString &className, QObject *object)
{
    if (className != QLatin1StringView(staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<OvalBar *>(object), QAccessible::ProgressBar);
}
