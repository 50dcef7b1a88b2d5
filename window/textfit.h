#pragma once

#include "contentfolder.h"

#include <QString>
#include <QStringView>

// Whether `text` shows whole in the window's text box named `controlName`
// ("Text2(0)", "Text2(5)"), with the window's font and the box's size: a
// text that would need the box's scroll bar does not fit.
bool fitsInBox(const QString &text, QStringView controlName);

// The same for the box a content check names: the measure a test folder's
// texts are checked with (ContentFolder::FitsInBox).
bool fitsInContentBox(const QString &text, ContentFolder::Box box);
