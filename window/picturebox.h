#pragma once

#include <QPixmap>
#include <QWidget>

// A box filled with its background colour that shows a picture at the
// picture's own size from its top-left corner, clipped to the box.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
