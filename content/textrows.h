#pragma once

#include <QString>
#include <QStringList>

// An ordered list of text rows addressed by a 0-based row index. Every table
// of the program, content and run state alike, is one. Numbers are kept as
// decimal text ("-1", "0", "17") and read back with ParseLeadingNumber.
class TextRows
{
public:
    TextRows() = default;
    TextRows(QStringList rows) : m_rows(std::move(rows)) {}

    qsizetype count() const { return m_rows.size(); }
    // A row that does not exist reads as the empty text.
    QString row(qsizetype r) const { return m_rows.value(r); }
    // Row r read as a whole number (ParseLeadingNumber, then RoundHalfEven).
    int number(qsizetype r) const;
    void setRow(qsizetype r, const QString &text);
    void append(const QString &text) { m_rows.append(text); }
    void removeLast() { m_rows.removeLast(); }
    void clear() { m_rows.clear(); }

    const QStringList &rows() const { return m_rows; }

private:
    QStringList m_rows;
};
