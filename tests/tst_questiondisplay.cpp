#include "windowfixture.h"

#include <QMenuBar>

namespace {

// Three questions in slots 0, 1, 2 holding questions 2, 1, 0 (Stride 2):
// question 2 shows its correct text "р" at positions 2 and 4, question 1 has
// two choices and no picture, question 0 is shown in the order "3142".
Test displayContent()
{
    Test test;
    test.questions = {
        MakeQuestion(u"Въпрос с картина"_s, {u"а"_s, u"б"_s, u"в"_s, u"г"_s}, 4, {},
                     u":/test/pictures/01.jpg"_s),
        MakeQuestion(u"Въпрос с два отговора"_s, {u"да"_s, u"не"_s}, 1),
        MakeQuestion(u"Верният текст е два пъти"_s, {u"п"_s, u"р"_s, u"с"_s, u"р"_s}, 2, {},
                     u":/test/pictures/3.jpg"_s),
    };
    test.settings = Switches(u'0', u'0');
    return test;
}
const QList<double> DisplayDraws = {0.0, 0.013, 0.0, 0.0};

} // namespace

class tst_QuestionDisplay : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void controls_data();
    void controls();
    void stateAtStart();
    void phraseLineAtStart_data();
    void phraseLineAtStart();
    void tabOrder();
    void slotsOfTheTest_data();
    void slotsOfTheTest();
    void correctPositionOnlyForShownSlots();
    void controlQuestionSharesThePicture();
    void labelsShowTheirTextAsWritten();
};

void tst_QuestionDisplay::window()
{
    Session session(Numbered(3), {0.1, 0, 0, 0, 0});
    TestWindow &window = session.window;

    QCOMPARE(window.centralWidget()->size(), QSize(727, 463));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(backColour(window.centralWidget()), fromBgr(Colour::LightBlue));

    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType button : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                  Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint})
        QVERIFY(!flags.testFlag(button));

    QVERIFY(window.windowTitle().startsWith(u"www.izpit.example"_s));
    for (QWidget *control : window.centralWidget()->findChildren<QWidget *>()) {
        QCOMPARE(control->font().family(), u"Times New Roman"_s);
        QCOMPARE(control->font().pointSize(), 12);
    }

    const QList<QAction *> menu = window.menuBar()->actions();
    QCOMPARE(menu.size(), 2);
    QCOMPARE(menu[0], session.exitAction());
    QCOMPARE(menu[0]->text(), u"Изход"_s);
    QCOMPARE(menu[1], session.authorAction());
    QCOMPARE(menu[1]->text(), u"Автор"_s);
    QVERIFY(!menu[0]->menu() && !menu[1]->menu());
}

void tst_QuestionDisplay::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("colour");
    QTest::addColumn<bool>("visible");

    const auto row = [](const char *name, QRect twips, const QString &caption, int colour,
                        bool visible) {
        QTest::newRow(name) << QString::fromLatin1(name) << twips << caption << colour << visible;
    };
    row("Command1(0)", {240, 120, 1575, 285}, u"Напред"_s, 0x000080FF, true);
    row("Command2(1)", {360, 120, 1575, 285}, u"Напред"_s, 0x00FF8080, false);
    row("Label1(0)", {3000, 0, 5655, 375}, u"Проба - малък тест"_s, 0x0080C0FF, true);
    row("Command1(1)", {9000, 120, 1575, 285}, u"Назад"_s, 0x000040C0, true);
    row("Command2(2)", {9120, 120, 1575, 285}, u"Назад"_s, 0x00FF8080, false);
    row("Text2(0)", {120, 480, 10635, 765}, u"Въпрос 0"_s, -1, true);
    row("Text2(1)", {120, 1320, 2500, 1005}, u"0.1"_s, -1, true);
    row("Text2(2)", {2640, 1320, 2500, 1005}, u"0.2"_s, -1, true);
    row("Text2(3)", {5160, 1320, 2500, 1005}, u"0.3"_s, -1, true);
    row("Text2(4)", {7680, 1320, 2500, 1005}, u"0.4"_s, -1, true);
    row("Text2(5)", {10320, 1320, 540, 1005}, QString(), -1, false);
    row("Frame1", {120, 2400, 10695, 495}, QString(), 0x00FF8080, true);
    row("Option1(0)", {360, 120, 1800, 285}, u"Отговор A"_s, 0x0000FF00, true);
    row("Option1(1)", {2760, 120, 1800, 285}, u"Отговор B"_s, 0x0000FF00, true);
    row("Option1(2)", {5280, 120, 1800, 285}, u"Отговор C"_s, 0x0000FF00, true);
    row("Option1(3)", {7800, 120, 1800, 285}, u"Отговор D"_s, 0x0000FF00, true);
    row("Option1(4)", {9960, 120, 600, 285}, u"Отговор E"_s, 0x0000FF00, false);
    row("Label1(4)", {240, 2880, 2055, 315}, u"Въведен отговор: "_s, 0x0080C0FF, true);
    row("Picture1", {2400, 2880, 6135, 200}, QString(), 0x000000FF, true);
    row("Text2(6)", {120, 3120, 10635, 525}, QString(), -1, false);
    row("Command2(0)", {120, 4400, 1575, 285}, u"Оценяване"_s, 0x00FF8080, true);
    row("Label1(2)", {1800, 4395, 3015, 285}, u"Въведени отговори: 0/4"_s, 0x0080C0FF, true);
    row("Label1(3)", {4920, 4395, 1815, 285}, u"Тото: "_s, 0x0080C0FF, false);
    row("Label1(1)", {7560, 4395, 3135, 285}, u"Резултат: "_s, 0x0080C0FF, true);
    row("Picture2", {120, 4800, 3375, 2055}, QString(), 0x00FFC0C0, true);
    row("Text1(0)", {3600, 4800, 7215, 2055}, QString(), -1, true);
    row("Text1(1)", {4200, 6360, 6735, 1815}, QString(), -1, false);
}

// Every control in its place, with its caption, colour and visibility at the
// start of a run whose slot 0 shows the control question, a copy of question 0,
// in content order.
void tst_QuestionDisplay::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(int, colour);
    QFETCH(bool, visible);

    Session session(Numbered(3), {0.1, 0, 0, 0, 0});
    QWidget *control = session.window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(control->isVisible(), visible);
    if (colour >= 0)
        QCOMPARE(backColour(control), fromBgr(colour));
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), caption);
    else if (auto *box = qobject_cast<TextBox *>(control); box && !caption.isEmpty())
        QCOMPARE(box->text(), caption);
}

void tst_QuestionDisplay::stateAtStart()
{
    Session session(Numbered(3), {0.1, 0, 0, 0, 0});
    TestWindow &window = session.window;

    QCOMPARE(session.slot(), 0);
    QCOMPARE(session.strip(), fromBgr(Colour::Red));
    QCOMPARE(session.checkedOption(), -1);
    QCOMPARE(session.titleLabel()->alignment(), Qt::AlignCenter);
    QVERIFY(session.helpBox()->text().startsWith(u"Това е тест с избираем отговор"_s));
    QCOMPARE(window.focusWidget(), session.helpBox());
    for (TextBox *box : window.findChildren<TextBox *>()) {
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(session.option(i)->parentWidget(), session.control(u"Frame1"_s));
        QVERIFY(session.option(i)->isEnabled());
    }
}

void tst_QuestionDisplay::phraseLineAtStart_data()
{
    QTest::addColumn<QChar>("phrase");
    QTest::addColumn<bool>("visible");
    QTest::newRow("1: shown") << QChar(u'1') << true;
    QTest::newRow("0: hidden") << QChar(u'0') << false;
    QTest::newRow("2: hidden") << QChar(u'2') << false;
    QTest::newRow("a letter: hidden") << QChar(u'а') << false;
}

void tst_QuestionDisplay::phraseLineAtStart()
{
    QFETCH(QChar, phrase);
    QFETCH(bool, visible);

    Session session(Numbered(3, Switches(phrase)), {0.1, 0, 0, 0, 0});
    QCOMPARE(session.phraseLine()->isVisible(), visible);
    QCOMPARE(session.phraseLine()->text(), QString());
    session.next();
    QCOMPARE(session.phraseLine()->isVisible(), visible);
}

void tst_QuestionDisplay::tabOrder()
{
    Session session(Numbered(3, Switches(), 5), {0.1, 0, 0, 0, 0});
    QList<QWidget *> expected;
    for (const char *name :
         {"Text1(0)",    "Text2(0)",    "Text2(1)",    "Text2(2)",    "Text2(3)",
          "Text2(4)",    "Text2(6)",    "Option1(0)",  "Option1(1)",  "Option1(2)",
          "Option1(3)",  "Command1(0)", "Command1(1)", "Command2(0)", "Command2(1)",
          "Command2(2)", "Picture1",    "Text2(5)",    "Picture2",    "Option1(4)"})
        expected.append(session.control(QString::fromLatin1(name)));
    QList<QWidget *> chain;
    QWidget *widget = session.helpBox();
    do {
        if (expected.contains(widget))
            chain.append(widget);
        widget = widget->nextInFocusChain();
    } while (widget != session.helpBox());
    QCOMPARE(chain, expected);

    for (QWidget *control : expected)
        QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(control->objectName()));
    QTest::keyClick(session.helpBox(), Qt::Key_Tab);
    QCOMPARE(session.window.focusWidget(), session.questionBox());
}

void tst_QuestionDisplay::slotsOfTheTest_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<std::optional<int>>("correctPosition");
    QTest::addColumn<QSize>("picture");

    const QSize none(0, 0);
    QTest::newRow("slot 0: the correct text at positions 2 and 4")
        << "" << 0 << u"Верният текст е два пъти"_s << QStringList{"п", "р", "с", "р"}
        << std::optional<int>(3) << QSize(120, 80);
    QTest::newRow("a 2-choice question after a 4-choice one, without a picture")
        << "N" << 1 << u"Въпрос с два отговора"_s << QStringList{"да", "не"}
        << std::optional<int>(0) << none;
    QTest::newRow("the order 3142")
        << "NN" << 2 << u"Въпрос с картина"_s << QStringList{"в", "а", "г", "б"}
        << std::optional<int>(2) << QSize(225, 137);
    QTest::newRow("Next on the last slot stays")
        << "NNN" << 2 << u"Въпрос с картина"_s << QStringList{"в", "а", "г", "б"}
        << std::optional<int>(2) << QSize(225, 137);
    QTest::newRow("Back") << "NNNB" << 1 << u"Въпрос с два отговора"_s << QStringList{"да", "не"}
                          << std::optional<int>(0) << none;
    QTest::newRow("Back on the first slot stays")
        << "B" << 0 << u"Верният текст е два пъти"_s << QStringList{"п", "р", "с", "р"}
        << std::optional<int>(3) << QSize(120, 80);
}

void tst_QuestionDisplay::slotsOfTheTest()
{
    QFETCH(QString, clicks);
    QFETCH(int, slot);
    QFETCH(QString, question);
    QFETCH(QStringList, choices);
    QFETCH(std::optional<int>, correctPosition);
    QFETCH(QSize, picture);

    Session session(displayContent(), DisplayDraws);
    for (QChar click : clicks)
        click == u'N' ? session.next() : session.back();

    QCOMPARE(session.slot(), slot);
    QCOMPARE(session.questionBox()->text(), question);
    QCOMPARE(session.shownChoices(), choices);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(session.option(i)->isVisible(), i < choices.size());
        QCOMPARE(session.answerBox(i)->isVisible(), i < choices.size());
    }
    QCOMPARE(session.slotRecord(slot).correctPosition, correctPosition);
    QCOMPARE(session.pictureBox()->picture().size(), picture);
    QCOMPARE(session.checkedOption(), -1);
    QCOMPARE(session.strip(), fromBgr(Colour::Red));
    QCOMPARE(session.counter(), u"Въведени отговори: 0/3"_s);
}

void tst_QuestionDisplay::correctPositionOnlyForShownSlots()
{
    Session session(displayContent(), DisplayDraws);
    const auto positions = [&session] {
        QList<std::optional<int>> positions;
        for (int s = 0; s < 3; ++s)
            positions.append(session.slotRecord(s).correctPosition);
        return positions;
    };
    QCOMPARE(positions(), (QList<std::optional<int>>{3, std::nullopt, std::nullopt}));
    session.next();
    QCOMPARE(positions(), (QList<std::optional<int>>{3, 0, std::nullopt}));
}

void tst_QuestionDisplay::controlQuestionSharesThePicture()
{
    // N = 4 and Stride 3: slot 0 shows the control question, slot 3 question 0.
    Test test = Numbered(3);
    test.questions[0].picture = u":/test/pictures/01.jpg"_s;
    Session session(test, {0.1, 0, 0, 0, 0});
    QCOMPARE(session.slotRecord(0).question, 3);
    const QPixmap control = session.pictureBox()->picture();
    QCOMPARE(control.size(), QSize(225, 137));

    session.next();
    QVERIFY(session.pictureBox()->picture().isNull());
    session.next();
    session.next();
    QCOMPARE(session.slotRecord(3).question, 0);
    QCOMPARE(session.pictureBox()->picture().cacheKey(), control.cacheKey());
}

// A title that looks like markup is shown as the author wrote it, as wide
// as its plain text, with no bold run and no decoded entity.
void tst_QuestionDisplay::labelsShowTheirTextAsWritten()
{
    const QString title = u"Тест <b>1</b> &amp; още"_s;
    Test test = Numbered(3);
    QStringList rows = test.settings.rows();
    rows[3] = title;
    test.settings = Settings(rows);
    Session session(test, {0.1, 0, 0, 0, 0});

    QLabel *label = session.titleLabel();
    QCOMPARE(label->text(), title);
    QLabel plain(title);
    plain.setFont(label->font());
    plain.setTextFormat(Qt::PlainText);
    QCOMPARE(label->sizeHint().width(), plain.sizeHint().width());
    for (QLabel *other : session.window.findChildren<QLabel *>())
        QCOMPARE(other->textFormat(), Qt::PlainText);
}

QTEST_MAIN(tst_QuestionDisplay)
#include "tst_questiondisplay.moc"
