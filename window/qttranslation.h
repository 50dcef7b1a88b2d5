#pragma once

class QCoreApplication;

// Puts Qt's own texts into Bulgarian, like the rest of the window: the context
// menus of the text boxes and scroll bars and any standard dialog. They come
// from Debian's qt6-translations-l10n, in Qt's translations folder. Returns
// false, and Qt's texts stay in English, when they are not installed.
bool installQtTranslation(QCoreApplication *application);
