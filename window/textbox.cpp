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
    // The texts break lines with "\r\n"; the text box breaks them at "\n" alone.
    setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
}
