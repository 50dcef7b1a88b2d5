#include "qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

bool installQtTranslation(QCoreApplication *application)
{
    auto *translator = new QTranslator(application);
    // The window is Bulgarian whatever the desktop's language.
    if (translator->load(u"qtbase_bg"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
