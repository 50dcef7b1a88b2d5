#include "testwindow.h"

#include "colours.h"
#include "focusmarkstyle.h"
#include "helptext.h"
#include "layout.h"
#include "ovalbar.h"
#include "phrase.h"
#include "picturebox.h"
#include "textbox.h"
#include "twips.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {

// Names a control by its place in the layout and puts it there.
template <typename Control> Control *place(Control *control, const QString &name)
{
    control->setObjectName(name);
    control->setGeometry(placeOf(name));
    return control;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, quint32 colour)
{
    auto *control = place(new QPushButton(caption, parent), name);
    setBackColour(control, colour);
    return control;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption)
{
    auto *control = place(new QLabel(caption, parent), name);
    // A label shows its text as written: a test's title is the author's text,
    // not markup to interpret.
    control->setTextFormat(Qt::PlainText);
    control->setAutoFillBackground(true);
    setBackColour(control, Colour::LightOrange);
    return control;
}

TextBox *textBox(QWidget *parent, const QString &name, const QString &text)
{
    auto *control = place(new TextBox(parent), name);
    control->setText(text);
    return control;
}

OvalBar *ovalBar(QWidget *parent, const QString &name, quint32 first, quint32 second)
{
    return place(new OvalBar(fromBgr(first), fromBgr(second), parent), name);
}

QString verdictCaption(TestRun::Consistency consistency)
{
    switch (consistency) {
    case TestRun::Consistency::Alike:
        return u"Проверка - Да"_s;
    case TestRun::Consistency::Different:
        return u"Вероятно!"_s;
    case TestRun::Consistency::Partial:
        break;
    }
    return u"Частично!"_s;
}

} // namespace

TestWindow::TestWindow(const Test &test, const RandomSource &random, PictureBook pictures,
                       QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      testRun(test, random), pictures(std::move(pictures))
{
    createControls();
    startUp();
}

void TestWindow::createControls()
{
    setWindowTitle(webAddress() + u" - Изпит: тест с един верен отговор"_s);
    setFont(windowFont());
    // The review disables the option buttons and Grade on red, green and blue
    // backgrounds, where the usual grey of a disabled caption can hardly be read.
    QPalette captions = palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        captions.setColor(QPalette::Disabled, role, fromBgr(Colour::DisabledCaption));
    setPalette(captions);
    exitAction = menuBar()->addAction(u"Изход"_s, this, &TestWindow::exitProgram);
    exitAction->setObjectName(u"izhod"_s);
    authorAction = menuBar()->addAction(u"Автор"_s, this, &TestWindow::showAuthor);
    authorAction->setObjectName(u"autor"_s);

    auto *client = new QWidget(this);
    client->setAutoFillBackground(true);
    setBackColour(client, Colour::LightBlue);
    client->setFixedSize(clientSize());
    setCentralWidget(client);

    nextButton = button(client, u"Command1(0)"_s, u"Напред"_s, Colour::Orange);
    reviewNextButton = button(client, u"Command2(1)"_s, u"Напред"_s, Colour::Blue);
    titleLabel = label(client, u"Label1(0)"_s, u"Заглавие на теста"_s);
    titleLabel->setAlignment(Qt::AlignCenter);
    backButton = button(client, u"Command1(1)"_s, u"Назад"_s, Colour::DarkOrange);
    reviewBackButton = button(client, u"Command2(2)"_s, u"Назад"_s, Colour::Blue);
    questionBox = textBox(client, u"Text2(0)"_s, u"Текст на задавания въпрос\r\n"_s);
    questionBox->setAccessibleName(u"Въпрос"_s);
    for (int i = 0; i < OptionCount; ++i) {
        answerBoxes[i] = textBox(client, u"Text2(%1)"_s.arg(i + 1), u"Отговор %1"_s.arg(i + 1));
        answerBoxes[i]->setAccessibleName(u"Отговор %1"_s.arg(QChar(u'A' + i)));
    }

    optionFrame = place(new QFrame(client), u"Frame1"_s);
    optionFrame->setAutoFillBackground(true);
    setBackColour(optionFrame, Colour::Blue);
    optionGroup = new QButtonGroup(this);
    for (int i = 0; i < OptionCount; ++i) {
        optionButtons[i] =
            place(new QRadioButton(u"Отговор %1"_s.arg(QChar(u'A' + i)), optionFrame),
                  u"Option1(%1)"_s.arg(i));
        optionButtons[i]->setAutoFillBackground(true);
        setBackColour(optionButtons[i], Colour::Green);
        optionGroup->addButton(optionButtons[i], i);
    }

    stripCaption = label(client, u"Label1(4)"_s, u"Въведен отговор: "_s);
    statusStrip = place(new PictureBox(client), u"Picture1"_s);
    statusStrip->setAccessibleRole(QAccessible::StatusBar);
    phraseLine =
        textBox(client, u"Text2(6)"_s, u"При посочен отговор се извежда цялата фраза.\r\n"_s);
    phraseLine->setAccessibleName(u"Фраза"_s);
    positionBar = ovalBar(client, u"Shape1"_s, Colour::Green, Colour::Cyan);
    answeredBar = ovalBar(client, u"Shape2"_s, Colour::Orange, Colour::Yellow);
    gradeButton = button(client, u"Command2(0)"_s, u"Оценяване"_s, Colour::Blue);
    counterLabel = label(client, u"Label1(2)"_s, u"Въведени отговори: "_s);
    verdictLabel = label(client, u"Label1(3)"_s, u"Тото: "_s);
    scoreLabel = label(client, u"Label1(1)"_s, u"Резултат: "_s);
    pictureBox = place(new PictureBox(client), u"Picture2"_s);
    setBackColour(pictureBox, Colour::LightBlue);
    const Settings &settings = testRun.settings();
    helpBox = textBox(client, u"Text1(0)"_s,
                      helpText({settings.phraseMode(), settings.showsConsistencyVerdict(),
                                settings.showsExplanations(), settings.reviewNavigation()}));
    helpBox->setAccessibleName(u"Помощ и обяснения"_s);
    noteBox = textBox(client, u"Text1(1)"_s, u"Бележка: този прозорец не се показва."_s);

    connect(nextButton, &QPushButton::clicked, this, &TestWindow::next);
    connect(backButton, &QPushButton::clicked, this, &TestWindow::back);
    connect(gradeButton, &QPushButton::clicked, this, &TestWindow::grade);
    connect(reviewNextButton, &QPushButton::clicked, this, &TestWindow::reviewNext);
    connect(reviewBackButton, &QPushButton::clicked, this, &TestWindow::reviewBack);
    connect(optionGroup, &QButtonGroup::idToggled, this, [this](int option, bool checked) {
        // Setting a button off records nothing.
        if (checked)
            recordChoice(option);
    });

    for (QWidget *hidden : std::initializer_list<QWidget *>{reviewNextButton, reviewBackButton,
                                                            verdictLabel, noteBox})
        hidden->hide();
    for (int i = 0; i < OptionCount; ++i) {
        answerBoxes[i]->hide();
        optionButtons[i]->hide();
    }

    // The buttons and picture boxes mark the keyboard focus so that it shows on
    // their colours; the text boxes show it by their cursor.
    auto *focusMarks = new FocusMarkStyle(style()->name());
    focusMarks->setParent(this);
    for (QWidget *control : client->findChildren<QAbstractButton *>())
        control->setStyle(focusMarks);
    for (QWidget *control : client->findChildren<PictureBox *>())
        control->setStyle(focusMarks);

    setTabOrder();
    createKeys();
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
}

void TestWindow::setTabOrder()
{
    const QList<QWidget *> order = {
        helpBox,          questionBox, answerBoxes[0],   answerBoxes[1],   answerBoxes[2],
        answerBoxes[3],   phraseLine,  optionButtons[0], optionButtons[1], optionButtons[2],
        optionButtons[3], nextButton,  backButton,       gradeButton,      reviewNextButton,
        reviewBackButton, statusStrip, answerBoxes[4],   pictureBox,       optionButtons[4]};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// Each key belongs to the button it presses, and Qt leaves out the shortcut of
// a hidden or disabled button: a key acts exactly when a click could, so there
// is no choosing after grading and no moving while Next and Back are hidden.
// The keys act wherever the focus is, the read-only text boxes included.
void TestWindow::createKeys()
{
    for (int i = 0; i < OptionCount; ++i) {
        // Every keyboard layout types the digits; the letters need a Latin
        // one, and count in either case.
        const auto letter = Qt::Key(Qt::Key_A + i);
        auto *choose = new QShortcut(optionButtons[i]);
        choose->setKeys({QKeySequence(Qt::Key(Qt::Key_1 + i)), QKeySequence(letter),
                         QKeySequence(Qt::ShiftModifier | letter)});
        connect(choose, &QShortcut::activated, optionButtons[i], [option = optionButtons[i]] {
            // The choice takes the focus as under a click, so that a screen
            // reader reads out what was chosen.
            option->setFocus(Qt::ShortcutFocusReason);
            option->click();
        });
    }
    const std::pair<QPushButton *, Qt::Key> moves[] = {{nextButton, Qt::Key_PageDown},
                                                       {backButton, Qt::Key_PageUp},
                                                       {reviewNextButton, Qt::Key_PageDown},
                                                       {reviewBackButton, Qt::Key_PageUp}};
    for (const auto &[button, key] : moves) {
        auto *move = new QShortcut(QKeySequence(key), button);
        connect(move, &QShortcut::activated, button, &QAbstractButton::click);
    }
    // Outside a dialog a push button ignores Enter and Return. Grade has no
    // key of its own: like any button it takes Enter only when focused.
    for (QPushButton *button :
         {nextButton, backButton, gradeButton, reviewNextButton, reviewBackButton}) {
        auto *press = new QShortcut(button);
        press->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
        press->setContext(Qt::WidgetShortcut);
        connect(press, &QShortcut::activated, button, &QAbstractButton::click);
    }
}

// Runs once, before the window is first shown; the run has drawn its orders.
void TestWindow::startUp()
{
    titleLabel->setText(testRun.settings().testTitle());
    setStrip(Colour::Red, u"Няма отговор"_s);
    phraseLine->setVisible(testRun.settings().phraseMode());
    positionBar->setStart(leftOf(nextButton));
    answeredBar->setStart(leftOf(nextButton));
    showSlot();

    helpBox->setFocus();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

void TestWindow::next()
{
    testRun.moveSlot(+1);
    showSlot();
}

void TestWindow::back()
{
    testRun.moveSlot(-1);
    showSlot();
}

// The option button `option` has become selected, by the learner or by a
// display putting a recorded choice back.
void TestWindow::recordChoice(int option)
{
    if (testRun.recordChoice(option))
        updateProgress();
    setStrip(Colour::Green, u"Има отговор"_s);
    showPhrase();
}

// Locks the answers, writes the score and the consistency verdict, and shows
// slot 0 in review. Only the review-navigation switch at 1 shows the review's
// own Next and Back.
void TestWindow::grade()
{
    const bool navigation = testRun.settings().reviewNavigation();
    gradeButton->setEnabled(false);
    nextButton->hide();
    backButton->hide();
    reviewNextButton->setVisible(navigation);
    reviewBackButton->setVisible(navigation);
    for (QRadioButton *option : optionButtons) {
        option->setEnabled(false);
        setBackColour(option, Colour::LightBlue);
    }
    const TestRun::Score score = testRun.grade();
    scoreLabel->setText(scoreLabel->text() +
                        u"%1/%2 = %3%"_s.arg(score.right).arg(score.total).arg(score.percent));
    showConsistencyVerdict(testRun.consistency());
    showReviewSlot();
}

void TestWindow::reviewNext()
{
    testRun.moveSlot(+1);
    showReviewSlot();
}

void TestWindow::reviewBack()
{
    testRun.moveSlot(-1);
    showReviewSlot();
}

// Everything the program holds dies with the window, so ending needs nothing
// but leaving the event loop; input still queued then meets a whole window.
void TestWindow::exitProgram()
{
    QCoreApplication::exit(0);
}

void TestWindow::showAuthor()
{
    helpBox->setText(u"За повече информация посетете "_s + webAddress() + u'.');
}

// The window has no close button; a close request from the desktop (Alt+F4)
// ends the program as "Изход" does.
void TestWindow::closeEvent(QCloseEvent *event)
{
    exitProgram();
    event->accept();
}

void TestWindow::showSlot()
{
    updateProgress();
    questionBox->setText(testRun.shownQuestion().text);
    showChoices();
    testRun.locateCorrectPosition();
    for (int i = 0; i < OptionCount; ++i)
        deselect(i);
    selectRecordedChoice();
    if (testRun.slotAt(testRun.currentSlot()).verdict != Verdict::None)
        setStrip(Colour::Green, u"Има отговор"_s);
    else
        setStrip(Colour::Red, u"Няма отговор"_s);
    showQuestionPicture();
}

void TestWindow::showReviewSlot()
{
    const Slot &slot = testRun.slotAt(testRun.currentSlot());
    updateProgress();
    questionBox->setText(testRun.shownQuestion().text);
    for (int i = 0; i < OptionCount; ++i) {
        deselect(i);
        setBackColour(optionButtons[i], Colour::LightBlue);
    }
    showChoices();
    phraseLine->setText({});

    if (const std::optional<int> chosen = slot.chosenOption) {
        selectRecordedChoice();
        if (slot.correctPosition)
            markOption(*slot.correctPosition, Colour::Green);
        // Recording the choice again has just judged it by its text.
        markOption(*chosen, slot.verdict == Verdict::Right ? Colour::Green : Colour::Red);
    }
    switch (slot.verdict) {
    case Verdict::Right:
        // Green already, from recording the choice again.
        statusStrip->setAccessibleName(u"Верен"_s);
        break;
    case Verdict::Wrong:
        setStrip(Colour::Red, u"Грешен"_s);
        break;
    case Verdict::None:
        setStrip(Colour::Red, u"Няма въведен отговор"_s);
        break;
    }
    showQuestionPicture();

    helpBox->setText({});
    if (slot.verdict == Verdict::None) {
        helpBox->setText(u"Няма въведен отговор!"_s);
        return;
    }
    if (testRun.settings().showsExplanations()) {
        QString explanation;
        for (const QString &row : testRun.shownQuestion().explanation)
            explanation += row + u"\r\n"_s;
        helpBox->setText(explanation);
    }
}

// The answer boxes and their option buttons show the current question's
// choices in their drawn order; those past its last choice are hidden.
void TestWindow::showChoices()
{
    const int count = testRun.shownChoiceCount();
    for (int i = 0; i < OptionCount; ++i) {
        const bool shown = i < count;
        answerBoxes[i]->setVisible(shown);
        optionButtons[i]->setVisible(shown);
        if (shown) {
            answerBoxes[i]->setText(testRun.shownChoice(i));
            // Moving to an option reads its letter and then its answer.
            optionButtons[i]->setAccessibleDescription(testRun.shownChoice(i));
        }
    }
}

// Checks the recorded choice's option button, which records it again through
// the button group, nested in the display.
void TestWindow::selectRecordedChoice()
{
    if (const std::optional<int> chosen = testRun.slotAt(testRun.currentSlot()).chosenOption)
        optionButtons[*chosen]->setChecked(true);
}

void TestWindow::showQuestionPicture()
{
    const QPixmap picture = pictures.picture(testRun.shownQuestion().picture);
    pictureBox->setPicture(picture);
    pictureBox->setAccessibleName(picture.isNull() ? u"Въпросът няма чертеж"_s
                                                   : u"Чертеж към въпроса"_s);
}

// Both bars run from the left edge of Next to E, 50 twips short of the right
// edge of Back. A first part is E * n / N + 50 long.
void TestWindow::updateProgress()
{
    phraseLine->setText({});
    const float E = leftOf(backButton) + widthOf(backButton) - 50;
    const int N = testRun.questionCount();
    positionBar->setParts(E * testRun.currentSlot() / N + 50, E);
    // One answered slot draws the same bar as none.
    const int A = testRun.answeredCount();
    answeredBar->setParts(E * (A >= 1 ? A - 1 : A) / N + 50, E);
    counterLabel->setText(u"Въведени отговори: %1/%2"_s.arg(A).arg(N));
    positionBar->setAccessibleName(u"Въпрос %1 от %2"_s.arg(testRun.currentSlot() + 1).arg(N));
    answeredBar->setAccessibleName(u"Отговорени: %1 от %2"_s.arg(A).arg(N));
}

void TestWindow::showPhrase()
{
    if (!testRun.settings().phraseMode())
        return;
    phraseLine->setText(
        composePhrase(testRun.shownQuestion().text, testRun.shownChoice(*testRun.lastChoice())));
}

void TestWindow::showConsistencyVerdict(TestRun::Consistency consistency)
{
    verdictLabel->setText(verdictCaption(consistency));
    verdictLabel->setVisible(testRun.settings().showsConsistencyVerdict());
}

// An exclusive group keeps one button checked; it lets go only while it is
// not exclusive.
void TestWindow::deselect(int option)
{
    optionGroup->setExclusive(false);
    optionButtons[option]->setChecked(false);
    optionGroup->setExclusive(true);
}

// The status strip's colour, and what it means in words for a screen reader.
void TestWindow::setStrip(quint32 colour, const QString &meaning)
{
    setBackColour(statusStrip, colour);
    statusStrip->setAccessibleName(meaning);
}

// An option's colour in the review, and what it means in words after the
// option's answer.
void TestWindow::markOption(int option, quint32 colour)
{
    setBackColour(optionButtons[option], colour);
    QString description = testRun.shownChoice(option);
    if (colour == Colour::Green)
        description += u" – верен отговор"_s;
    else if (colour == Colour::Red)
        description += u" – грешен отговор"_s;
    optionButtons[option]->setAccessibleDescription(description);
}
