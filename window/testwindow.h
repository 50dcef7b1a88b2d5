#pragma once

#include "picturebook.h"
#include "testrun.h"

#include <QMainWindow>

#include <array>

class OvalBar;
class PictureBox;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class TextBox;

// The test window, the only window the learner sees.
//
// How data flows: the window is built with a test, its pictures and a source
// of random numbers, from which its TestRun draws the question order and every
// question's answer order. The run holds all state: the current slot, the
// choice and verdict of every slot, the phase. Each user action is one slot
// of the window (next, back, recordChoice, grade, reviewNext, reviewBack) that
// asks the run to change and then redraws from the run: showSlot during the
// test, showReviewSlot after grading. The controls only show the run's state.
// Handlers nest: when a display puts a recorded choice back on screen it
// checks that option button, and the button group's notification runs
// recordChoice inside the display, also in the review where the buttons are
// disabled; the display's later steps then override what it set.
//
// Every control carries the name of its place in the window's layout as its
// object name ("Command1(0)", "Option1(3)"), see layout.cpp.
//
// The keyboard reaches every action a click reaches, through shortcuts owned
// by the buttons they press (createKeys). What the controls show in colour
// and length is also in their accessible names and descriptions, set by the
// same display steps that draw it.
class TestWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int OptionCount = 5;

    TestWindow(const Test &test, const RandomSource &random, PictureBook pictures = {},
               QWidget *parent = nullptr);

    const TestRun &run() const { return testRun; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void setTabOrder();
    void createKeys();
    void startUp();

    // User actions.
    void next();
    void back();
    void recordChoice(int option);
    void grade();
    void reviewNext();
    void reviewBack();
    void exitProgram();
    void showAuthor();

    // Displays.
    void showSlot();
    void showReviewSlot();
    void showChoices();
    void showQuestionPicture();
    void updateProgress();
    void showPhrase();
    void showConsistencyVerdict(TestRun::Consistency consistency);
    void selectRecordedChoice();
    void deselect(int option);
    void setStrip(quint32 colour, const QString &meaning);
    void markOption(int option, quint32 colour);

    TestRun testRun;
    PictureBook pictures;

    QPushButton *nextButton = nullptr;
    QPushButton *backButton = nullptr;
    QPushButton *gradeButton = nullptr;
    QPushButton *reviewNextButton = nullptr;
    QPushButton *reviewBackButton = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *scoreLabel = nullptr;
    QLabel *counterLabel = nullptr;
    QLabel *verdictLabel = nullptr;
    QLabel *stripCaption = nullptr;
    TextBox *questionBox = nullptr;
    std::array<TextBox *, OptionCount> answerBoxes{};
    QFrame *optionFrame = nullptr;
    std::array<QRadioButton *, OptionCount> optionButtons{};
    QButtonGroup *optionGroup = nullptr;
    TextBox *phraseLine = nullptr;
    PictureBox *statusStrip = nullptr;
    OvalBar *positionBar = nullptr;
    OvalBar *answeredBar = nullptr;
    PictureBox *pictureBox = nullptr;
    TextBox *helpBox = nullptr;
    TextBox *noteBox = nullptr; // part of the design, never shown
    QAction *exitAction = nullptr;
    QAction *authorAction = nullptr;
};
