#pragma once

#include "contentsource.h"
#include "testrun.h"

#include <QtGlobal>

using namespace Qt::Literals::StringLiterals;

// The six settings rows, with the last digit of each switch given.
inline QStringList Settings(QChar phrase = u'0', QChar control = u'1', QChar explanations = u'1',
                            QChar navigation = u'0')
{
    return {u"Настройки - последната цифра"_s,    u"ЧЕО - фраза от 2 части - "_s + phrase,
            u"Проверка за Тото - "_s + control,   u"Проба - малък тест"_s,
            u"Дава описание - "_s + explanations, u"Дава обяснения - "_s + navigation};
}

// A question whose correct choice is the one at `correctRow`, counted from 1.
inline ContentQuestion Question(const QString &text, const QStringList &choices, int correctRow,
                                const QStringList &explanation = {}, const QString &picture = {})
{
    return {QStringList{text} + choices, choices.value(correctRow - 1), explanation, picture};
}

// n questions: "Въпрос k" with the choices "k.1" to "k.choices", the first correct,
// and the explanation "Обяснение на k".
inline ContentSource Numbered(int n, const QStringList &settings = Settings(), int choices = 4)
{
    ContentSource content;
    for (int k = 0; k < n; ++k) {
        QStringList texts;
        for (int c = 1; c <= choices; ++c)
            texts.append(u"%1.%2"_s.arg(k).arg(c));
        content.questions.append(
            Question(u"Въпрос %1"_s.arg(k), texts, 1, {u"Обяснение на %1"_s.arg(k)}));
    }
    content.settings = settings;
    return content;
}

// Random reals handed out in the order given. Running out is a fault of the
// test, not of the program.
inline RandomSource Draws(const QList<double> &values)
{
    return [values, next = qsizetype(0)]() mutable {
        if (next == values.size())
            qFatal("the test ran out of random draws");
        return values[next++];
    };
}
