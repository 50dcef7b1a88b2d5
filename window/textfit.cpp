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
