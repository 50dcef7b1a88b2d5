#include "morv_danni.h"

#include "textnumbers.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// Every ordering of the digits 1..n, in ascending lexicographic order.
TextRows permutationsOf(int n)
{
    QString digits = u"12345"_s.left(n);
    TextRows rows;
    do {
        rows.append(digits);
    } while (std::next_permutation(digits.begin(), digits.end()));
    return rows;
}
} // namespace

MORV_Danni::MORV_Danni(const ContentSource &content) : Settings(content.settings)
{
    Q_ASSERT(content.questions.size() <= LastPicture);

    for (int n = 2; n <= 5; ++n)
        PermutationTable[n] = permutationsOf(n);

    for (qsizetype q = 0; q < content.questions.size(); ++q) {
        const ContentQuestion &question = content.questions[q];
        CorrectAnswers.append(question.correctAnswer);
        QuestionList[q + 1] = question.rows;
        Explanation[q + 1] = question.explanation;
        QuestionPicture[q + 1] = question.picture;
    }
    for (qsizetype k = content.questions.size() + 1; k <= LastQuestionList; ++k)
        QuestionList[k] = QStringList{u"List1(%1) - въпрос от теста"_s.arg(k)};
    for (qsizetype k = content.questions.size() + 1; k <= LastExplanation; ++k)
        Explanation[k] = QStringList{u"Обяснение %1"_s.arg(k)};
}

int MORV_Danni::SettingValue(qsizetype r) const
{
    return SwitchValue(Settings.row(r));
}
