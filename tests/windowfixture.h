#pragma once

#include "colours.h"
#include "fixture.h"
#include "morv_prazno.h"
#include "ovalshape.h"
#include "picturebox.h"
#include "textbox.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The test window on a given content and given random draws, shown offscreen.
class Session
{
public:
    Session(const ContentSource &content, const QList<double> &draws)
        : window(content, Draws(draws))
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the test window did not appear");
    }

    const TestRun &run() const { return window.run(); }
    int slot() const { return run().CurrentSlot; }

    // Clicks as the learner does.
    void next() { QTest::mouseClick(window.Command1[0], Qt::LeftButton); }
    void back() { QTest::mouseClick(window.Command1[1], Qt::LeftButton); }
    void grade() { QTest::mouseClick(window.Command2[0], Qt::LeftButton); }
    void reviewNext() { QTest::mouseClick(window.Command2[1], Qt::LeftButton); }
    void reviewBack() { QTest::mouseClick(window.Command2[2], Qt::LeftButton); }
    void choose(int option) { QTest::mouseClick(window.Option1[option], Qt::LeftButton); }

    // Chooses, on the slot on screen, the option that shows `text`.
    void chooseText(const QString &text)
    {
        for (int i = 0; i < 5; ++i) {
            if (window.Option1[i]->isVisible() && window.Text2[i + 1]->text() == text)
                return choose(i);
        }
        qFatal("no option shows %s", qPrintable(text));
    }

    // The texts of the visible answer boxes, left to right.
    QStringList shownChoices() const
    {
        QStringList texts;
        for (int j = 1; j <= 5; ++j) {
            if (window.Text2[j]->isVisible())
                texts.append(window.Text2[j]->text());
        }
        return texts;
    }

    // The index of the checked option button, or -1.
    int checkedOption() const
    {
        for (int i = 0; i < 5; ++i) {
            if (window.Option1[i]->isChecked())
                return i;
        }
        return -1;
    }

    QColor strip() const { return BackColour(window.Picture1); }
    QString counter() const { return window.Label1[2]->text(); }

    MORV_Prazno window;
};
