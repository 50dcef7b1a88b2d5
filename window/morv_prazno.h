#pragma once

#include "contentsource.h"
#include "testrun.h"

#include <QMainWindow>

#include <array>
#include <memory>

class OvalShape;
class PictureBox;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class TextBox;

// The test window, the only window the learner sees.
//
// How data flows: the window is built with the test's content and a source of
// random numbers. Its start-up (Form_Load) puts the content into the content
// store MORV_Danni, lets the TestRun draw the question and answer orders and
// shows slot 0. From then on every click runs one handler: Next and Back
// (Command1) move the current slot and redraw it with ShowSlot; an option
// button (Option1) records a choice in the run; Grade (Command2) scores the
// run and switches to the review, drawn by ShowReviewSlot. The run holds all
// state; the controls only show it. Handlers nest: when a display puts a
// recorded choice back on screen it checks that option button, which runs the
// answer recording inside the display, also in the review where the buttons
// are disabled.
class MORV_Prazno : public QMainWindow
{
    Q_OBJECT

public:
    MORV_Prazno(const ContentSource &content, RandomSource random, QWidget *parent = nullptr);
    ~MORV_Prazno() override;

    const TestRun &run() const { return *m_run; }
    const MORV_Danni *danni() const { return m_danni.get(); }

    // The controls, under the names and indexes the program gives them.
    std::array<QPushButton *, 2> Command1{}; // Next, Back during the test
    std::array<QPushButton *, 3> Command2{}; // Grade; Next, Back in the review
    std::array<QLabel *, 5> Label1{};        // title, score, counter, verdict, strip caption
    std::array<TextBox *, 2> Text1{};        // help and explanations; a hidden note
    std::array<TextBox *, 7> Text2{};        // question, answers 1..5, phrase line
    QFrame *Frame1 = nullptr;
    std::array<QRadioButton *, 5> Option1{}; // the option under answer box Text2(i + 1)
    PictureBox *Picture1 = nullptr;          // status strip
    PictureBox *Picture2 = nullptr;          // the question's picture
    std::array<OvalShape *, 2> Shape1{};     // position bar: passed, ahead
    std::array<OvalShape *, 2> Shape2{};     // answered bar: answered, not answered
    QAction *izhod = nullptr;                // "Изход"
    QAction *autor = nullptr;                // "Автор"

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void setTabOrder();

    void Form_Load(const ContentSource &content, RandomSource random);
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Option1_Click(int index);
    void izhod_Click();
    void autor_Click();

    void Grade();
    void ShowSlot();
    void ShowReviewSlot();
    void ShowQuestionPicture(int question);
    void ShowChoice(int position, int count);
    void UpdateProgress();
    void ShowPhrase();
    void ShowConsistencyVerdict();
    void Deselect(int option);

    QButtonGroup *options = nullptr;
    std::unique_ptr<MORV_Danni> m_danni;
    std::unique_ptr<TestRun> m_run;
};
