#pragma once

#include <QPlainTextEdit>

// A read-only, multi-line text box with a vertical scroll bar: the learner can
// select and copy its text but not change it.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    // Sets the whole text; "\r\n" and "\n" both break the line.
    void setText(const QString &text);
    QString text() const { return toPlainText(); }
};
