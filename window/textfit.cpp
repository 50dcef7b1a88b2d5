#include "textfit.h"

#include "layout.h"
#include "textbox.h"

#include <QScrollBar>

bool fitsInBox(const QString &text, QStringView controlName)
{
    // Measured with a real text box, so that its frame, margins, scroll bar
    // and line breaking are exactly those of the window's boxes.
    TextBox box;
    box.setAttribute(Qt::WA_DontShowOnScreen);
    box.setFont(windowFont());
    box.resize(placeOf(controlName).size());
    box.setText(text);
    box.show();
    return box.verticalScrollBar()->maximum() == 0;
}

bool fitsInContentBox(const QString &text, ContentFolder::Box box)
{
    switch (box) {
    case ContentFolder::Box::Question:
        return fitsInBox(text, u"Text2(0)");
    case ContentFolder::Box::Answer:
        return fitsInBox(text, u"Text2(1)");
    case ContentFolder::Box::FifthAnswer:
        return fitsInBox(text, u"Text2(5)");
    }
    return false;
}
