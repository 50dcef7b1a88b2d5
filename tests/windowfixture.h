#pragma once

#include "colours.h"
#include "fixture.h"
#include "ovalbar.h"
#include "picturebox.h"
#include "testwindow.h"
#include "textbox.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The test window on a given test, its pictures and given random draws, shown
// offscreen. Controls are found by the object names of their places in the
// window.
class Session
{
public:
    Session(const Test &test, const QList<double> &draws, PictureBook pictures = {})
        : Session(test, Draws(draws), std::move(pictures))
    {
    }
    Session(const Test &test, const RandomSource &random, PictureBook pictures = {})
        : window(test, random, std::move(pictures))
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the test window did not appear");
    }

    // Makes the window the active one, where keyboard shortcuts act.
    void activate()
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the test window did not become active");
    }

    // Tabs from the focus on to `target`, as a learner without a mouse does.
    void tabTo(QWidget *target)
    {
        for (int tab = 0; tab < 25 && QApplication::focusWidget() != target; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
    }

    template <typename Control = QWidget> Control *control(const QString &name) const
    {
        auto *found = window.findChild<Control *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QPushButton *nextButton() const { return control<QPushButton>(u"Command1(0)"_s); }
    QPushButton *backButton() const { return control<QPushButton>(u"Command1(1)"_s); }
    QPushButton *gradeButton() const { return control<QPushButton>(u"Command2(0)"_s); }
    QPushButton *reviewNextButton() const { return control<QPushButton>(u"Command2(1)"_s); }
    QPushButton *reviewBackButton() const { return control<QPushButton>(u"Command2(2)"_s); }
    QLabel *titleLabel() const { return control<QLabel>(u"Label1(0)"_s); }
    QLabel *scoreLabel() const { return control<QLabel>(u"Label1(1)"_s); }
    QLabel *counterLabel() const { return control<QLabel>(u"Label1(2)"_s); }
    QLabel *verdictLabel() const { return control<QLabel>(u"Label1(3)"_s); }
    TextBox *helpBox() const { return control<TextBox>(u"Text1(0)"_s); }
    TextBox *questionBox() const { return control<TextBox>(u"Text2(0)"_s); }
    TextBox *answerBox(int option) const
    {
        return control<TextBox>(u"Text2(%1)"_s.arg(option + 1));
    }
    TextBox *phraseLine() const { return control<TextBox>(u"Text2(6)"_s); }
    QRadioButton *option(int i) const { return control<QRadioButton>(u"Option1(%1)"_s.arg(i)); }
    PictureBox *statusStrip() const { return control<PictureBox>(u"Picture1"_s); }
    PictureBox *pictureBox() const { return control<PictureBox>(u"Picture2"_s); }
    OvalBar *positionBar() const { return control<OvalBar>(u"Shape1"_s); }
    OvalBar *answeredBar() const { return control<OvalBar>(u"Shape2"_s); }
    QAction *exitAction() const { return control<QAction>(u"izhod"_s); }
    QAction *authorAction() const { return control<QAction>(u"autor"_s); }

    const TestRun &run() const { return window.run(); }
    int slot() const { return run().currentSlot(); }
    const Slot &slotRecord(int s) const { return run().slotAt(s); }

    // Clicks as the learner does.
    void next() { QTest::mouseClick(nextButton(), Qt::LeftButton); }
    void back() { QTest::mouseClick(backButton(), Qt::LeftButton); }
    void grade() { QTest::mouseClick(gradeButton(), Qt::LeftButton); }
    void reviewNext() { QTest::mouseClick(reviewNextButton(), Qt::LeftButton); }
    void reviewBack() { QTest::mouseClick(reviewBackButton(), Qt::LeftButton); }
    void choose(int i) { QTest::mouseClick(option(i), Qt::LeftButton); }

    // Chooses, on the slot on screen, the option that shows `text`.
    void chooseText(const QString &text)
    {
        for (int i = 0; i < 5; ++i) {
            if (option(i)->isVisible() && answerBox(i)->text() == text)
                return choose(i);
        }
        qFatal("no option shows %s", qPrintable(text));
    }

    // The texts of the visible answer boxes, left to right.
    QStringList shownChoices() const
    {
        QStringList texts;
        for (int i = 0; i < 5; ++i) {
            if (answerBox(i)->isVisible())
                texts.append(answerBox(i)->text());
        }
        return texts;
    }

    // The index of the checked option button, or -1.
    int checkedOption() const
    {
        for (int i = 0; i < 5; ++i) {
            if (option(i)->isChecked())
                return i;
        }
        return -1;
    }

    // Per slot: the chosen option, -1 for none.
    QList<int> chosenOptions() const
    {
        QList<int> chosen;
        for (int s = 0; s < run().questionCount(); ++s)
            chosen.append(run().slotAt(s).chosenOption.value_or(-1));
        return chosen;
    }

    // Per slot: 1 right, 0 wrong, -1 no choice.
    QList<int> verdicts() const
    {
        QList<int> verdicts;
        for (int s = 0; s < run().questionCount(); ++s)
            verdicts.append(verdictNumber(run().slotAt(s).verdict));
        return verdicts;
    }

    static int verdictNumber(Verdict verdict)
    {
        return verdict == Verdict::Right ? 1 : verdict == Verdict::Wrong ? 0 : -1;
    }

    QColor strip() const { return backColour(statusStrip()); }
    QString counter() const { return counterLabel()->text(); }

    TestWindow window;
};
