#include "textbox.h"

using namespace Qt::Literals::StringLiterals;

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

void TextBox::setText(const QString &text)
{
    // A lone "\r" would show as a box glyph; the texts break lines with "\r\n".
    setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
}
