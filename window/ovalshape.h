#pragma once

#include <QWidget>

// A solid oval that fills its rectangle with the control's background colour
// (SetBackColour), smoothly edged.
class OvalShape : public QWidget
{
    Q_OBJECT

public:
    explicit OvalShape(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
