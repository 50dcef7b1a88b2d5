#pragma once

#include <QAccessible>
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

    // What a screen reader calls the box: a picture unless told otherwise.
    // Takes effect only before the box is first asked about.
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    // Gives picture boxes their role in the accessibility tree.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QAccessible::Role m_role = QAccessible::Graphic;
};
