#include "windowfixture.h"

#include <QApplication>

namespace {

// Slots 0, 1, 2 hold the questions 2, 1, 0 with their choices in content
// order: three, two and five choices; the correct ones are "z", "р" and "а".
Test keyboardContent(QChar navigation = u'1')
{
    Test test;
    test.questions = {
        MakeQuestion(u"Въпрос 0"_s, {u"а"_s, u"б"_s, u"в"_s, u"г"_s, u"д"_s}, 1,
                     {u"Обяснение на 0"_s}),
        MakeQuestion(u"Въпрос 1"_s, {u"п"_s, u"р"_s}, 2, {u"Обяснение на 1"_s}),
        MakeQuestion(u"Въпрос 2"_s, {u"x"_s, u"y"_s, u"z"_s}, 3, {u"Обяснение на 2"_s}),
    };
    test.settings = Switches(u'0', u'0', u'1', navigation);
    return test;
}
const QList<double> KeyboardDraws = {0, 0, 0, 0};

// The window with keyboard focus in the help box, where it starts.
struct KeyboardSession : Session
{
    explicit KeyboardSession(QChar navigation = u'1')
        : Session(keyboardContent(navigation), KeyboardDraws)
    {
        activate();
        QCOMPARE(QApplication::focusWidget(), helpBox());
    }

    // Puts the focus on the first of `places` that can take it, then presses
    // `key` wherever the focus is.
    void press(const QStringList &places, Qt::Key key,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (const QString &name : places) {
            QWidget *place = control(name);
            if (place->isVisible() && place->isEnabled()) {
                place->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // All a key could change.
    QStringList state() const
    {
        QStringList state = {QString::number(slot()), QString::number(checkedOption()),
                             scoreLabel()->text(), helpBox()->text()};
        for (int chosen : chosenOptions())
            state.append(QString::number(chosen));
        return state;
    }
};

} // namespace

class tst_Keyboard : public QObject
{
    Q_OBJECT

private slots:
    void wholeTestAndReview_data();
    void wholeTestAndReview();
    void choosingKeys_data();
    void choosingKeys();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void keysActOnlyWhereAClickCould_data();
    void keysActOnlyWhereAClickCould();
};

// Where the focus is when each key is pressed: the first control of the list
// that can take it.
void tst_Keyboard::wholeTestAndReview_data()
{
    QTest::addColumn<QStringList>("places");
    QTest::newRow("focus in a text box") << QStringList{u"Text1(0)"_s};
    QTest::newRow("focus on an option button") << QStringList{u"Option1(0)"_s, u"Text2(0)"_s};
    QTest::newRow("focus on a push button") << QStringList{u"Command1(1)"_s, u"Command2(2)"_s};
}

void tst_Keyboard::wholeTestAndReview()
{
    QFETCH(QStringList, places);

    KeyboardSession session;
    QCOMPARE(session.shownChoices(), QStringList({u"x"_s, u"y"_s, u"z"_s}));
    session.press(places, Qt::Key_3);
    QCOMPARE(session.checkedOption(), 2);
    QCOMPARE(session.counter(), u"Въведени отговори: 1/3"_s);
    QCOMPARE(session.strip(), fromBgr(Colour::Green));

    session.press(places, Qt::Key_PageDown);
    QCOMPARE(session.slot(), 1);
    QCOMPARE(session.strip(), fromBgr(Colour::Red));
    session.press(places, Qt::Key_B);
    session.press(places, Qt::Key_PageDown);
    session.press(places, Qt::Key_4);
    session.press(places, Qt::Key_PageUp);
    QCOMPARE(session.slot(), 1);
    QCOMPARE(session.checkedOption(), 1);
    session.press(places, Qt::Key_PageDown);
    session.press(places, Qt::Key_PageDown);
    QCOMPARE(session.slot(), 2);
    QCOMPARE(session.chosenOptions(), QList<int>({2, 1, 3}));
    QCOMPARE(session.counter(), u"Въведени отговори: 3/3"_s);

    session.tabTo(session.gradeButton());
    QTest::keyClick(session.gradeButton(), Qt::Key_Return);
    QCOMPARE(session.scoreLabel()->text(), u"Резултат: 2/3 = 66%"_s);
    QCOMPARE(session.slot(), 0);
    QCOMPARE(session.helpBox()->text(), u"Обяснение на 2\n"_s);

    session.press(places, Qt::Key_PageDown);
    session.press(places, Qt::Key_PageDown);
    QCOMPARE(session.slot(), 2);
    QCOMPARE(session.checkedOption(), 3);
    session.press(places, Qt::Key_PageUp);
    QCOMPARE(session.slot(), 1);
    QCOMPARE(session.helpBox()->text(), u"Обяснение на 1\n"_s);
    session.press(places, Qt::Key_1);
    QCOMPARE(session.chosenOptions(), QList<int>({2, 1, 3}));
    QCOMPARE(session.verdicts(), QList<int>({1, 1, 0}));
}

// On slot 0, whose answers are "x", "y", "z": which option a key event
// chooses, -1 for none. Digits come with their key code from every layout.
void tst_Keyboard::choosingKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("option");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("digit") << Qt::Key_2 << none << u"2"_s << 1;
    QTest::newRow("keypad digit") << Qt::Key_3 << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << u"3"_s << 2;
    QTest::newRow("Latin letter") << Qt::Key_C << none << u"c"_s << 2;
    QTest::newRow("capital Latin letter")
        << Qt::Key_A << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"A"_s << 0;
    QTest::newRow("a digit past the answers shown") << Qt::Key_4 << none << u"4"_s << -1;
    QTest::newRow("Cyrillic letter") << Qt::Key(0x0411) << none << u"б"_s << -1;
    QTest::newRow("Ctrl with a digit")
        << Qt::Key_2 << Qt::KeyboardModifiers(Qt::ControlModifier) << QString() << -1;
}

void tst_Keyboard::choosingKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, option);

    KeyboardSession session;
    QTest::sendKeyEvent(QTest::Click, session.helpBox(), key, text, modifiers);
    QCOMPARE(session.checkedOption(), option);
    QCOMPARE(session.slotRecord(0).chosenOption.value_or(-1), option);
    // As under a click, the chosen option takes the focus.
    QCOMPARE(QApplication::focusWidget(),
             option < 0 ? static_cast<QWidget *>(session.helpBox()) : session.option(option));
}

void tst_Keyboard::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("graded");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("Return on Next")
        << u"Command1(0)"_s << 0 << Qt::Key_Return << none << 1 << false;
    QTest::newRow("keypad Enter on Next")
        << u"Command1(0)"_s << 0 << Qt::Key_Enter << keypad << 1 << false;
    QTest::newRow("Return on Back")
        << u"Command1(1)"_s << 2 << Qt::Key_Return << none << 1 << false;
    QTest::newRow("Enter on Grade")
        << u"Command2(0)"_s << 2 << Qt::Key_Enter << keypad << 0 << true;
}

void tst_Keyboard::enterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, from);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, slot);
    QFETCH(bool, graded);

    KeyboardSession session;
    while (session.slot() < from)
        session.next();
    session.tabTo(session.control(button));
    QTest::keyClick(session.control(button), key, modifiers);
    QCOMPARE(session.slot(), slot);
    QCOMPARE(session.run().phase() == TestRun::Phase::Review, graded);
}

// Keys pressed with the focus in the help box where a click could not act: the
// window is left as it was.
void tst_Keyboard::keysActOnlyWhereAClickCould_data()
{
    QTest::addColumn<QChar>("navigation");
    QTest::addColumn<bool>("graded");
    QTest::addColumn<int>("slot");
    QTest::addColumn<Qt::Key>("key");

    QTest::newRow("3 where two answers are shown") << QChar(u'1') << false << 1 << Qt::Key_3;
    QTest::newRow("C where two answers are shown") << QChar(u'1') << false << 1 << Qt::Key_C;
    QTest::newRow("1 after grading") << QChar(u'1') << true << 0 << Qt::Key_1;
    QTest::newRow("A after grading") << QChar(u'1') << true << 0 << Qt::Key_A;
    QTest::newRow("Page Down in a review without Next")
        << QChar(u'0') << true << 0 << Qt::Key_PageDown;
    QTest::newRow("Return away from the buttons does not grade")
        << QChar(u'1') << false << 2 << Qt::Key_Return;
    QTest::newRow("Enter away from the buttons does not grade")
        << QChar(u'1') << false << 2 << Qt::Key_Enter;
}

void tst_Keyboard::keysActOnlyWhereAClickCould()
{
    QFETCH(QChar, navigation);
    QFETCH(bool, graded);
    QFETCH(int, slot);
    QFETCH(Qt::Key, key);

    KeyboardSession session(navigation);
    session.choose(1);
    while (session.slot() < slot)
        session.next();
    if (graded)
        session.grade();
    const QStringList before = session.state();
    session.press({u"Text1(0)"_s}, key);
    QCOMPARE(session.state(), before);
    QCOMPARE(session.run().phase() == TestRun::Phase::Review, graded);
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
