#pragma once

#include "draws.h"
#include "test.h"

#include <QtGlobal>

#include <memory>

using namespace Qt::Literals::StringLiterals;

// The six settings rows, with the last digit of each switch given.
inline Settings Switches(QChar phrase = u'0', QChar control = u'1', QChar explanations = u'1',
                         QChar navigation = u'0')
{
    return Settings({u"Настройки - последната цифра"_s, u"ЧЕО - фраза от 2 части - "_s + phrase,
                     u"Проверка за Тото - "_s + control, u"Проба - малък тест"_s,
                     u"Дава описание - "_s + explanations, u"Дава обяснения - "_s + navigation});
}

// A question whose correct choice is the one at `correctRow`, counted from 1.
inline Question MakeQuestion(const QString &text, const QStringList &choices, int correctRow,
                             const QStringList &explanation = {}, const QString &picture = {})
{
    return {text, choices, choices.value(correctRow - 1), explanation, picture};
}

// n questions: "Въпрос k" with the choices "k.1" to "k.choices", the first correct,
// and the explanation "Обяснение на k".
inline Test Numbered(int n, const Settings &settings = Switches(), int choices = 4)
{
    Test test;
    for (int k = 0; k < n; ++k) {
        QStringList texts;
        for (int c = 1; c <= choices; ++c)
            texts.append(u"%1.%2"_s.arg(k).arg(c));
        test.questions.append(
            MakeQuestion(u"Въпрос %1"_s.arg(k), texts, 1, {u"Обяснение на %1"_s.arg(k)}));
    }
    test.settings = settings;
    return test;
}

// Random reals handed out in the order given. Running out is a fault of the
// test, not of the program.
inline RandomSource Draws(const QList<double> &values)
{
    return [values, next = std::make_shared<qsizetype>(0)] {
        if (*next == values.size())
            qFatal("the test ran out of random draws");
        return values[(*next)++];
    };
}
