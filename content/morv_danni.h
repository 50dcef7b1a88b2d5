#pragma once

#include "contentsource.h"
#include "textrows.h"

#include <array>

// The content store: the whole test as text rows and pictures, addressed the
// way every reader of the content addresses it.
//
// Question q (from 0) is QuestionList[q + 1], QuestionPicture[q + 1] and
// Explanation[q + 1], but row q of CorrectAnswers. Lists past the last question
// hold one placeholder row naming their own index; the first of them receives
// the control question at start-up.
class MORV_Danni
{
public:
    static constexpr int LastQuestionList = 39;
    static constexpr int LastExplanation = 29;
    static constexpr int LastPicture = 29;

    explicit MORV_Danni(const ContentSource &content);

    // The switch value of settings row r, read afresh on every call.
    int SettingValue(qsizetype r) const;

    TextRows CorrectAnswers;
    std::array<TextRows, LastQuestionList + 1>
        QuestionList;                         // 1..39; row 0 the text, then the choices
    std::array<TextRows, 6> PermutationTable; // 2..5: every order of the digits 1..n
    std::array<TextRows, LastExplanation + 1> Explanation; // 1..29; one paragraph a row
    std::array<QString, LastPicture + 1>
        QuestionPicture; // 1..29; a picture's resource path, or empty
    TextRows Settings;
};
