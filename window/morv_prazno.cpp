#include "morv_prazno.h"

#include "colours.h"
#include "helptext.h"
#include "ovalshape.h"
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
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ClientWidth = 10905;
constexpr int ClientHeight = 6945;
constexpr int OptionCount = 5;

template <typename Control> Control *place(Control *control, const QString &name, QRect twips)
{
    control->setObjectName(name);
    control->setGeometry(twips);
    return control;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, quint32 colour,
                    QRect twips)
{
    auto *control = place(new QPushButton(caption, parent), name, twips);
    SetBackColour(control, colour);
    return control;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption, QRect twips)
{
    auto *control = place(new QLabel(caption, parent), name, twips);
    control->setAutoFillBackground(true);
    SetBackColour(control, Colour::LightOrange);
    return control;
}

TextBox *textBox(QWidget *parent, const QString &name, const QString &text, QRect twips)
{
    auto *control = place(new TextBox(parent), name, twips);
    control->setText(text);
    return control;
}

OvalShape *oval(QWidget *parent, const QString &name, quint32 colour, QRect twips)
{
    auto *control = place(new OvalShape(parent), name, twips);
    SetBackColour(control, colour);
    return control;
}

} // namespace

MORV_Prazno::MORV_Prazno(const ContentSource &content, RandomSource random, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    createControls();
    Form_Load(content, std::move(random));
}

MORV_Prazno::~MORV_Prazno() = default;

void MORV_Prazno::createControls()
{
    setWindowTitle(WebAddress() + u" - Изпит: тест с един верен отговор"_s);
    setFont(QFont(u"Times New Roman"_s, 12));
    izhod = menuBar()->addAction(u"Изход"_s, this, &MORV_Prazno::izhod_Click);
    autor = menuBar()->addAction(u"Автор"_s, this, &MORV_Prazno::autor_Click);

    auto *client = new QWidget(this);
    client->setAutoFillBackground(true);
    SetBackColour(client, Colour::LightBlue);
    client->setFixedSize(ToPixels(ClientWidth), ToPixels(ClientHeight));
    setCentralWidget(client);

    Command1[0] = button(client, u"Command1(0)"_s, u"Напред"_s, Colour::Orange,
                         TwipsRect(240, 120, 1575, 285));
    Command2[1] =
        button(client, u"Command2(1)"_s, u"Напред"_s, Colour::Blue, TwipsRect(360, 120, 1575, 285));
    Label1[0] =
        label(client, u"Label1(0)"_s, u"Заглавие на теста"_s, TwipsRect(3000, 0, 5655, 375));
    Label1[0]->setAlignment(Qt::AlignCenter);
    Command1[1] = button(client, u"Command1(1)"_s, u"Назад"_s, Colour::DarkOrange,
                         TwipsRect(9000, 120, 1575, 285));
    Command2[2] =
        button(client, u"Command2(2)"_s, u"Назад"_s, Colour::Blue, TwipsRect(9120, 120, 1575, 285));
    Text2[0] = textBox(client, u"Text2(0)"_s, u"Текст на задавания въпрос\r\n"_s,
                       TwipsRect(120, 480, 10635, 765));
    const int answerLefts[OptionCount] = {120, 2640, 5160, 7680, 10320};
    for (int j = 1; j <= OptionCount; ++j) {
        const int width = j < OptionCount ? 2500 : 540;
        Text2[j] = textBox(client, u"Text2(%1)"_s.arg(j), u"Отговор %1"_s.arg(j),
                           TwipsRect(answerLefts[j - 1], 1320, width, 1005));
    }

    Frame1 = place(new QFrame(client), u"Frame1"_s, TwipsRect(120, 2400, 10695, 495));
    Frame1->setAutoFillBackground(true);
    SetBackColour(Frame1, Colour::Blue);
    options = new QButtonGroup(this);
    const int optionLefts[OptionCount] = {360, 2760, 5280, 7800, 9960};
    for (int i = 0; i < OptionCount; ++i) {
        const int width = i < OptionCount - 1 ? 1800 : 600;
        Option1[i] = place(new QRadioButton(u"Отговор %1"_s.arg(QChar(u'A' + i)), Frame1),
                           u"Option1(%1)"_s.arg(i), TwipsRect(optionLefts[i], 120, width, 285));
        Option1[i]->setAutoFillBackground(true);
        SetBackColour(Option1[i], Colour::Green);
        options->addButton(Option1[i], i);
    }
    connect(options, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        // Setting a button off records nothing.
        if (checked)
            Option1_Click(index);
    });

    Label1[4] =
        label(client, u"Label1(4)"_s, u"Въведен отговор: "_s, TwipsRect(240, 2880, 2055, 315));
    Picture1 = place(new PictureBox(client), u"Picture1"_s, TwipsRect(2400, 2880, 6135, 200));
    SetBackColour(Picture1, Colour::Red);
    Text2[6] = textBox(client, u"Text2(6)"_s, u"При посочен отговор се извежда цялата фраза.\r\n"_s,
                       TwipsRect(120, 3120, 10635, 525));
    Shape1[0] = oval(client, u"Shape1(0)"_s, Colour::Green, TwipsRect(120, 3700, 135, 255));
    Shape1[1] = oval(client, u"Shape1(1)"_s, Colour::Cyan, TwipsRect(240, 3700, 9855, 255));
    Shape2[0] = oval(client, u"Shape2(0)"_s, Colour::Orange, TwipsRect(120, 4000, 135, 255));
    Shape2[1] = oval(client, u"Shape2(1)"_s, Colour::Yellow, TwipsRect(240, 4000, 9855, 255));
    Command2[0] = button(client, u"Command2(0)"_s, u"Оценяване"_s, Colour::Blue,
                         TwipsRect(120, 4400, 1575, 285));
    Label1[2] =
        label(client, u"Label1(2)"_s, u"Въведени отговори: "_s, TwipsRect(1800, 4395, 3015, 285));
    Label1[3] = label(client, u"Label1(3)"_s, u"Тото: "_s, TwipsRect(4920, 4395, 1815, 285));
    Label1[1] = label(client, u"Label1(1)"_s, u"Резултат: "_s, TwipsRect(7560, 4395, 3135, 285));
    Picture2 = place(new PictureBox(client), u"Picture2"_s, TwipsRect(120, 4800, 3375, 2055));
    SetBackColour(Picture2, Colour::LightBlue);
    Text1[0] = textBox(client, u"Text1(0)"_s, HelpText(), TwipsRect(3600, 4800, 7215, 2055));
    Text1[1] = textBox(client, u"Text1(1)"_s, u"Бележка: този прозорец не се показва."_s,
                       TwipsRect(4200, 6360, 6735, 1815));

    for (int i = 0; i < 2; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });

    for (int j = 1; j <= OptionCount; ++j)
        Text2[j]->hide();
    for (QWidget *hidden :
         {static_cast<QWidget *>(Command2[1]), static_cast<QWidget *>(Command2[2]),
          static_cast<QWidget *>(Label1[3]), static_cast<QWidget *>(Text1[1])})
        hidden->hide();
    for (QRadioButton *option : Option1)
        option->hide();

    setTabOrder();
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
}

void MORV_Prazno::setTabOrder()
{
    const QList<QWidget *> order = {Text1[0],    Text2[0],    Text2[1],    Text2[2],    Text2[3],
                                    Text2[4],    Text2[6],    Option1[0],  Option1[1],  Option1[2],
                                    Option1[3],  Command1[0], Command1[1], Command2[0], Command2[1],
                                    Command2[2], Picture1,    Text2[5],    Picture2,    Option1[4]};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// Start-up: runs once, before the window is first shown.
void MORV_Prazno::Form_Load(const ContentSource &content, RandomSource random)
{
    m_danni = std::make_unique<MORV_Danni>(content);
    m_run = std::make_unique<TestRun>(*m_danni, std::move(random));

    Label1[0]->setText(m_danni->Settings.row(3));
    SetBackColour(Picture1, Colour::Red);
    Text2[6]->setVisible(m_danni->SettingValue(1) == 1);
    SetLeft(Shape1[0], LeftOf(Command1[0]));
    SetLeft(Shape2[0], LeftOf(Command1[0]));
    m_run->StartUp();
    ShowSlot();

    Text1[0]->setFocus();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

// Next (0) and Back (1) during the test.
void MORV_Prazno::Command1_Click(int index)
{
    m_run->MoveSlot(index == 0 ? 1 : -1);
    ShowSlot();
}

// Grade (0), and Next (1) and Back (2) in the review.
void MORV_Prazno::Command2_Click(int index)
{
    if (index == 0)
        Grade();
    else
        m_run->MoveSlot(index == 1 ? 1 : -1);
    ShowReviewSlot();
}

// Answer recording: the option button `index` has become selected, by the
// learner or by a display putting a recorded choice back.
void MORV_Prazno::Option1_Click(int index)
{
    if (m_run->RecordChosenOption(index))
        UpdateProgress();
    m_run->RecordVerdict(index);
    SetBackColour(Picture1, Colour::Green);
    m_run->LastChoice = index;
    ShowPhrase();
}

void MORV_Prazno::izhod_Click()
{
    m_run.reset();
    m_danni.reset();
    QCoreApplication::exit(0);
}

void MORV_Prazno::autor_Click()
{
    Text1[0]->setText(u"За повече информация посетете "_s + WebAddress() + u'.');
}

// The window has no close button; a close request from the desktop (Alt+F4)
// ends the program as "Изход" does.
void MORV_Prazno::closeEvent(QCloseEvent *event)
{
    if (m_danni)
        izhod_Click();
    event->accept();
}

// Locks the answers, writes the score and the consistency verdict. Only the
// review-navigation value 1 shows the review's Next and Back.
void MORV_Prazno::Grade()
{
    const bool navigation = m_danni->SettingValue(5) == 1;
    Command2[0]->setEnabled(false);
    Command1[0]->hide();
    Command1[1]->hide();
    Command2[1]->setVisible(navigation);
    Command2[2]->setVisible(navigation);
    for (QRadioButton *option : Option1) {
        option->setEnabled(false);
        SetBackColour(option, Colour::LightBlue);
    }
    Label1[1]->setText(Label1[1]->text() + m_run->ScoreText());
    m_run->CurrentSlot = 0;
    ShowConsistencyVerdict();
}

void MORV_Prazno::ShowSlot()
{
    const int s = m_run->CurrentSlot;
    const int q = m_run->QuestionOf(s);
    UpdateProgress();
    const int k = m_run->ChoiceCount();
    Text2[0]->setText(m_run->QuestionText());
    for (int j = 1; j <= OptionCount; ++j) {
        ShowChoice(j, k);
        // The last of several correct copies wins; the review marks that one.
        if (j <= k && m_run->IsCorrect(q, m_run->ShownChoice(j)))
            m_run->CorrectPosition.setRow(s, QString::number(j - 1));
    }
    for (int i = 0; i < OptionCount; ++i)
        Deselect(i);
    if (const int c = m_run->ChosenOption.number(s); c > -1)
        Option1[c]->setChecked(true);
    SetBackColour(Picture1, m_run->SlotVerdict.number(s) == -1 ? Colour::Red : Colour::Green);
    ShowQuestionPicture(q);
}

void MORV_Prazno::ShowReviewSlot()
{
    const int s = m_run->CurrentSlot;
    const int q = m_run->QuestionOf(s);
    UpdateProgress();
    const int n = m_run->ChoiceCount();
    Text2[0]->setText(m_run->QuestionText());
    for (int i = 1; i <= OptionCount; ++i) {
        Deselect(i - 1);
        SetBackColour(Option1[i - 1], Colour::LightBlue);
        ShowChoice(i, n);
    }
    Text2[6]->setText({});

    if (const int c = m_run->ChosenOption.number(s); c > -1) {
        Option1[c]->setChecked(true);
        if (const int p = m_run->CorrectPosition.number(s); p >= 0)
            SetBackColour(Option1[p], Colour::Green);
        SetBackColour(Option1[c],
                      m_run->IsCorrect(q, m_run->ShownChoice(c + 1)) ? Colour::Green : Colour::Red);
    }
    const int verdict = m_run->SlotVerdict.number(s);
    if (verdict < 1)
        SetBackColour(Picture1, Colour::Red);
    ShowQuestionPicture(q);

    Text1[0]->setText({});
    if (verdict < 0) {
        Text1[0]->setText(u"Няма въведен отговор!"_s);
        return;
    }
    if (m_danni->SettingValue(4) > 0) {
        QString explanation;
        for (const QString &row : m_danni->Explanation[q + 1].rows())
            explanation += row + u"\r\n"_s;
        Text1[0]->setText(explanation);
    }
}

// Answer box `position` and its option button show the choice at that
// display position, or are hidden past the question's last choice.
void MORV_Prazno::ShowChoice(int position, int count)
{
    const bool shown = position <= count;
    Text2[position]->setVisible(shown);
    Option1[position - 1]->setVisible(shown);
    if (shown)
        Text2[position]->setText(m_run->ShownChoice(position));
}

void MORV_Prazno::ShowQuestionPicture(int question)
{
    Picture2->setPicture(PictureBox::load(m_danni->QuestionPicture[question + 1]));
}

// Both bars run from the left edge of Next to E, 50 twips short of the right
// edge of Back. A first part is E * n / N + 50 long; its second part starts
// where the first part ends as the control reports it back, so the two stay
// adjacent whatever the rounding to pixels.
void MORV_Prazno::UpdateProgress()
{
    Text2[6]->setText({});
    const float E = LeftOf(Command1[1]) + WidthOf(Command1[1]) - 50;
    const int N = m_run->QuestionCount;
    const auto layOut = [E, N](const std::array<OvalShape *, 2> &bar, int n) {
        SetWidth(bar[0], E * n / N + 50);
        SetLeft(bar[1], LeftOf(bar[0]) + WidthOf(bar[0]));
        SetWidth(bar[1], E - LeftOf(bar[1]));
    };
    layOut(Shape1, m_run->CurrentSlot);
    // One answered slot draws the same bar as none.
    const int A = m_run->AnsweredCount;
    layOut(Shape2, A >= 1 ? A - 1 : A);
    Label1[2]->setText(u"Въведени отговори: %1/%2"_s.arg(A).arg(N));
}

void MORV_Prazno::ShowPhrase()
{
    if (m_danni->SettingValue(1) != 1)
        return;
    Text2[6]->setText(
        ComposePhrase(m_run->QuestionText(), m_run->ShownChoice(m_run->LastChoice + 1)));
}

void MORV_Prazno::ShowConsistencyVerdict()
{
    Label1[3]->setText(m_run->ConsistencyCaption());
    Label1[3]->setVisible(m_danni->SettingValue(2) > 0);
}

// An exclusive group keeps one button checked; it lets go only while it is
// not exclusive.
void MORV_Prazno::Deselect(int option)
{
    options->setExclusive(false);
    Option1[option]->setChecked(false);
    options->setExclusive(true);
}
