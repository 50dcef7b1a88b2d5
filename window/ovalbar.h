#pragma once

#include <QColor>
#include <QWidget>

class QAccessibleInterface;

#include <array>

// A bar of two solid ovals side by side on one line: the first part grows
// with a count, the second reaches from its end to the bar's end. Positions
// are given in twips and kept as the whole pixels they round to, so the
// second part starts exactly where the first one ends.
class OvalBar : public QWidget
{
    Q_OBJECT

public:
    OvalBar(QColor first, QColor second, QWidget *parent = nullptr);

    // Where the first part starts, in twips from the left of the parent.
    void setStart(float left);
    // The first part `length` twips long, the second from its end to `end`.
    void setParts(float length, float end);

    // The two parts in the parent's pixels, and their colours.
    const std::array<QRect, 2> &parts() const { return m_parts; }
    const std::array<QColor, 2> &colours() const { return m_colours; }

    // Gives oval bars the role of a progress bar in the accessibility tree;
    // their accessible name says in words what the bar shows.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<QRect, 2> m_parts;
    std::array<QColor, 2> m_colours;
};
