#include "picturebox.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyleOptionFocusRect>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
    QAccessible::installFactory(accessibleInterface);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// A plain widget would reach a screen reader as an anonymous panel.
QAccessibleInterface *PictureBox::accessibleInterface(const QString &className, QObject *object)
{
    if (className != QLatin1StringView(staticMetaObject.className()))
        return nullptr;
    auto *box = static_cast<PictureBox *>(object);
    return new QAccessibleWidget(box, box->m_role);
}
