#include "windowfixture.h"

#include <QApplication>
#include <QRandomGenerator>

#include <functional>

namespace {

// How many runs each test takes; the random-learner script raises it.
int runCount()
{
    return qEnvironmentVariableIntValue("IZPIT_LEARNER_RUNS") > 0
               ? qEnvironmentVariableIntValue("IZPIT_LEARNER_RUNS")
               : 25;
}

// A learner who does anything the window lets them do, at random, and a check
// after every action that the window and the run agree with what was done.
class Learner
{
public:
    Learner(const Test &test, quint32 seed)
        : random(seed), session(test, RandomSource([this] { return random.generateDouble(); }))
    {
        // Keys reach the window only while it is active.
        session.activate();
    }

    // One action; returns its name for the failure message.
    QString act()
    {
        const int action = random.bounded(10);
        switch (action) {
        case 0:
        case 1:
        case 2: {
            // Any option button the learner can see, enabled or not.
            QList<int> visible;
            for (int i = 0; i < 5; ++i) {
                if (session.option(i)->isVisible())
                    visible.append(i);
            }
            const int i = visible[random.bounded(int(visible.size()))];
            session.choose(i);
            return u"choose %1"_s.arg(i);
        }
        case 3:
            return click(session.nextButton(), u"next"_s);
        case 4:
            return click(session.backButton(), u"back"_s);
        case 5:
            // Grading is rare: most runs should spend a while in the test.
            return random.bounded(6) == 0 ? click(session.gradeButton(), u"grade"_s) : u"wait"_s;
        case 6:
            return random.bounded(2) ? click(session.reviewNextButton(), u"review next"_s)
                                     : click(session.reviewBackButton(), u"review back"_s);
        case 7:
            session.authorAction()->trigger();
            return u"author"_s;
        case 8: {
            // A key pressed wherever the focus is: choosing, moving, pressing
            // the focused button, or moving the focus on.
            static const Qt::Key keys[] = {
                Qt::Key_1,      Qt::Key_3,        Qt::Key_5,        Qt::Key_A,      Qt::Key_E,
                Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Tab};
            const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &session.window, key);
            return QKeySequence(key).toString();
        }
        default:
            QTest::keyClick(&session.window, Qt::Key(Qt::Key_1 + random.bounded(5)));
            return u"digit"_s;
        }
    }

    QString click(QPushButton *button, const QString &name)
    {
        if (!button->isVisible())
            return name + u" (hidden)"_s;
        QTest::mouseClick(button, Qt::LeftButton);
        return name;
    }

    // Everything that must hold after any action; empty when it does.
    QString fault()
    {
        const TestRun &run = session.run();
        const int N = run.questionCount();
        const int A = run.answeredCount();
        int withChoice = 0;
        int right = 0;
        for (int s = 0; s < N; ++s) {
            const Slot &slot = run.slotAt(s);
            withChoice += slot.chosenOption.has_value();
            right += slot.verdict == Verdict::Right;
            if (slot.chosenOption.has_value() != (slot.verdict != Verdict::None))
                return u"slot %1 has a choice but no verdict, or the other way round"_s.arg(s);
        }
        if (A > N || A < lastAnswered)
            return u"the answered count went from %1 to %2 of %3"_s.arg(lastAnswered).arg(A).arg(N);
        lastAnswered = A;
        if (A != withChoice)
            return u"%1 answered, but %2 slots have a choice"_s.arg(A).arg(withChoice);
        if (session.counter() != u"Въведени отговори: %1/%2"_s.arg(A).arg(N))
            return u"the counter reads %1"_s.arg(session.counter());

        const Slot &current = run.slotAt(run.currentSlot());
        const bool review = run.phase() == TestRun::Phase::Review;
        const bool green =
            review ? current.verdict == Verdict::Right : current.chosenOption.has_value();
        if (session.strip() != fromBgr(green ? Colour::Green : Colour::Red))
            return u"the strip is %1 on slot %2"_s.arg(session.strip().name())
                .arg(run.currentSlot());
        if (session.checkedOption() != current.chosenOption.value_or(-1))
            return u"option %1 is checked, the slot holds %2"_s.arg(session.checkedOption())
                .arg(current.chosenOption.value_or(-1));

        if (review) {
            if (!gradedChoices)
                gradedChoices = session.chosenOptions();
            if (session.chosenOptions() != *gradedChoices)
                return u"a choice changed after grading"_s;
            const QString score = u"Резултат: %1/%2 = %3%"_s.arg(right).arg(N).arg(right * 100 / N);
            if (session.scoreLabel()->text() != score)
                return u"the score reads %1, not %2"_s.arg(session.scoreLabel()->text(), score);
        }
        return {};
    }

    QRandomGenerator random;
    Session session;
    int lastAnswered = 0;
    std::optional<QList<int>> gradedChoices;
};

// Tests at the edges of what a run holds.
Test fixture(int questions, QChar control, int choices)
{
    return Numbered(questions, Switches(u'1', control, u'1', u'1'), choices);
}

} // namespace

class tst_RandomLearner : public QObject
{
    Q_OBJECT

private slots:
    void learner_data();
    void learner();
};

void tst_RandomLearner::learner_data()
{
    QTest::addColumn<Test>("test");
    QTest::newRow("the shipped test") << BuiltinTest();
    QTest::newRow("3 questions with the control question, 2 choices") << fixture(2, u'1', 2);
    QTest::newRow("3 questions, 5 choices") << fixture(3, u'0', 5);
    QTest::newRow("29 questions with the control question") << fixture(28, u'1', 5);
    QTest::newRow("29 questions, 2 choices") << fixture(29, u'0', 2);
}

void tst_RandomLearner::learner()
{
    QFETCH(Test, test);

    const quint32 first = qEnvironmentVariableIntValue("IZPIT_LEARNER_SEED");
    for (quint32 seed = first; seed < first + quint32(runCount()); ++seed) {
        Learner learner(test, seed);
        QString actions;
        const int length = 20 + int(seed % 200);
        for (int step = 0; step < length; ++step) {
            actions += learner.act() + u", "_s;
            if (const QString fault = learner.fault(); !fault.isEmpty())
                QFAIL(qPrintable(u"seed %1: %2 after %3"_s.arg(seed).arg(fault, actions)));
        }
    }
}

QTEST_MAIN(tst_RandomLearner)
#include "tst_randomlearner.moc"
