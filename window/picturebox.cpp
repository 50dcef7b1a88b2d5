#include "picturebox.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
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
