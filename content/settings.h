#pragma once

#include <QString>
#include <QStringList>

// The six settings rows of a test. Each switch is read from the last character
// of its row alone (switchValue), so the text before it only describes the
// switch: a row ending in "1" is 1, one ending in a blank or a letter is 0.
class Settings
{
public:
    static constexpr int RowCount = 6;

    Settings() = default;
    explicit Settings(QStringList rows) : m_rows(std::move(rows)) {}

    const QStringList &rows() const { return m_rows; }

    // Row 1 at 1: the phrase line shows the question with the chosen answer.
    bool phraseMode() const { return switchValue(1) == 1; }
    // Row 2 at 1: the first question is asked again as the control question.
    bool appendsControlQuestion() const { return switchValue(2) == 1; }
    // Row 2 above 0: the consistency verdict is shown after grading.
    bool showsConsistencyVerdict() const { return switchValue(2) > 0; }
    // Row 3, whole: the title of the test.
    QString testTitle() const { return m_rows.value(3); }
    // Row 4 above 0: the review shows the explanations.
    bool showsExplanations() const { return switchValue(4) > 0; }
    // Row 5 at 1: the review has Next and Back buttons of its own.
    bool reviewNavigation() const { return switchValue(5) == 1; }

    // The value of the switch in row `row`: its last character read as a number.
    int switchValue(int row) const;

private:
    QStringList m_rows;
};
