#include "refusalbox.h"

using namespace Qt::Literals::StringLiterals;

RefusalBox::RefusalBox(const QString &folder, const QStringList &errors, QWidget *parent)
    : QMessageBox(QMessageBox::Critical, u"Изпит"_s, {}, QMessageBox::Ok, parent)
{
    QStringList rows = errors.first(qMin(errors.size(), qsizetype(ShownErrors)));
    if (const qsizetype rest = errors.size() - rows.size(); rest > 0)
        rows.append(rest == 1 ? u"… и още 1 грешка"_s : u"… и още %1 грешки"_s.arg(rest));
    rows.prepend(u"Тестът в „%1“ не може да се отвори:\n"_s.arg(folder));
    // File names and messages are shown as written, never as markup.
    setTextFormat(Qt::PlainText);
    setText(rows.join(u'\n'));
}
