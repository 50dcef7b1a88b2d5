#include "diagnostic.h"

using namespace Qt::Literals::StringLiterals;

QString Diagnostic::toString() const
{
    QString where = line > 0 ? u"%1:%2: "_s.arg(file).arg(line) : file + u": "_s;
    if (severity == Severity::Warning)
        where += tr("warning: ");
    return where + message;
}
