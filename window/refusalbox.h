#pragma once

#include <QMessageBox>

// Says that the test in a folder cannot be opened, with its first errors and
// how many more there are; the program prints all of them to standard error.
class RefusalBox : public QMessageBox
{
    Q_OBJECT

public:
    static constexpr int ShownErrors = 10;

    // errors: one "file:line: message" a row.
    RefusalBox(const QString &folder, const QStringList &errors, QWidget *parent = nullptr);
};
