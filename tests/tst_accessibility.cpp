#include "qttranslation.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QMenu>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using Names = QMap<QString, QString>; // control -> accessible name

// Slots 0, 1, 2 hold the questions 2, 1, 0, their choices in content order.
// Question 2 has a picture, the others none; review Next and Back are shown.
Test accessibilityContent()
{
    Test test;
    test.questions = {
        MakeQuestion(u"Въпрос 0"_s, {u"а"_s, u"б"_s, u"в"_s, u"г"_s}, 1),
        MakeQuestion(u"Въпрос 1"_s, {u"п"_s, u"р"_s}, 2),
        MakeQuestion(u"Въпрос 2"_s, {u"x"_s, u"y"_s, u"z"_s}, 3, {}, u":/test/pictures/01.jpg"_s),
    };
    test.settings = Switches(u'1', u'0', u'1', u'1');
    return test;
}
const QList<double> AccessibilityDraws = {0, 0, 0, 0};

// Acts as the learner: 'A' to 'E' click an option, '>' and '<' Next and Back,
// 'G' grades, 'n' is Next in the review.
void act(Session &session, const QString &steps)
{
    for (const QChar step : steps) {
        if (step >= u'A' && step <= u'E')
            session.choose(step.unicode() - u'A');
        else if (step == u'>')
            session.next();
        else if (step == u'<')
            session.back();
        else if (step == u'G')
            session.grade();
        else if (step == u'n')
            session.reviewNext();
    }
}

QAccessibleInterface *accessible(QWidget *control)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(control);
    if (!interface)
        qFatal("%s has no accessible interface", qPrintable(control->objectName()));
    return interface;
}

// WCAG's contrast ratio of two colours, from their relative luminance.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colour most pixels of `image` have: its background.
QColor commonest(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    return std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                            [](auto a, auto b) { return a.second < b.second; })
        ->first;
}

// How the caption drawn in `area` of `control` stands out from its
// background: the background against the pixel farthest from it.
double captionContrast(QWidget *control, const QRect &area)
{
    const QImage image = control->grab(area).toImage();
    const QColor background = commonest(image);
    double best = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrast(image.pixel(x, y), background));
    }
    return best;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void namesAndRoles_data();
    void namesAndRoles();
    void treeFollowsTheDisplays_data();
    void treeFollowsTheDisplays();
    void qtStringsInBulgarian();
    void disabledCaptionsReadable();
    void focusMarkVisible_data();
    void focusMarkVisible();
};

void tst_Accessibility::namesAndRoles_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    QTest::newRow("question box") << u"Text2(0)"_s << QAccessible::EditableText << u"Въпрос"_s;
    QTest::newRow("first answer box")
        << u"Text2(1)"_s << QAccessible::EditableText << u"Отговор A"_s;
    QTest::newRow("last answer box")
        << u"Text2(5)"_s << QAccessible::EditableText << u"Отговор E"_s;
    QTest::newRow("phrase line") << u"Text2(6)"_s << QAccessible::EditableText << u"Фраза"_s;
    QTest::newRow("help box") << u"Text1(0)"_s << QAccessible::EditableText
                              << u"Помощ и обяснения"_s;
    QTest::newRow("option") << u"Option1(2)"_s << QAccessible::RadioButton << u"Отговор C"_s;
    QTest::newRow("status strip") << u"Picture1"_s << QAccessible::StatusBar << u"Няма отговор"_s;
    QTest::newRow("picture") << u"Picture2"_s << QAccessible::Graphic << u"Чертеж към въпроса"_s;
    QTest::newRow("position bar") << u"Shape1"_s << QAccessible::ProgressBar << u"Въпрос 1 от 3"_s;
    QTest::newRow("answered bar") << u"Shape2"_s << QAccessible::ProgressBar
                                  << u"Отговорени: 0 от 3"_s;
}

void tst_Accessibility::namesAndRoles()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);

    Session session(accessibilityContent(), AccessibilityDraws);
    QAccessibleInterface *interface = accessible(session.control(control));
    QCOMPARE(interface->role(), role);
    QCOMPARE(interface->text(QAccessible::Name), name);
}

// After the learner's steps (see act): the names that say what the strip, the
// bars and the picture show, and the descriptions of the shown options.
void tst_Accessibility::treeFollowsTheDisplays_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<Names>("names");
    QTest::addColumn<QStringList>("descriptions");

    const QString drawing = u"Чертеж към въпроса"_s;
    const QString noDrawing = u"Въпросът няма чертеж"_s;
    QTest::newRow("start") << QString()
                           << Names{{u"Picture1"_s, u"Няма отговор"_s},
                                    {u"Picture2"_s, drawing},
                                    {u"Shape1"_s, u"Въпрос 1 от 3"_s},
                                    {u"Shape2"_s, u"Отговорени: 0 от 3"_s}}
                           << QStringList{u"x"_s, u"y"_s, u"z"_s};
    QTest::newRow("a choice") << u"B"_s
                              << Names{{u"Picture1"_s, u"Има отговор"_s},
                                       {u"Shape1"_s, u"Въпрос 1 от 3"_s},
                                       {u"Shape2"_s, u"Отговорени: 1 от 3"_s}}
                              << QStringList{u"x"_s, u"y"_s, u"z"_s};
    QTest::newRow("the next slot") << u"B>"_s
                                   << Names{{u"Picture1"_s, u"Няма отговор"_s},
                                            {u"Picture2"_s, noDrawing},
                                            {u"Shape1"_s, u"Въпрос 2 от 3"_s},
                                            {u"Shape2"_s, u"Отговорени: 1 от 3"_s}}
                                   << QStringList{u"п"_s, u"р"_s};
    QTest::newRow("back to an answered slot")
        << u"B><"_s << Names{{u"Picture1"_s, u"Има отговор"_s}, {u"Picture2"_s, drawing}}
        << QStringList{u"x"_s, u"y"_s, u"z"_s};
    QTest::newRow("review, wrong: the correct one told too")
        << u"B>B>G"_s
        << Names{{u"Picture1"_s, u"Грешен"_s},
                 {u"Shape1"_s, u"Въпрос 1 от 3"_s},
                 {u"Shape2"_s, u"Отговорени: 2 от 3"_s}}
        << QStringList{u"x"_s, u"y – грешен отговор"_s, u"z – верен отговор"_s};
    QTest::newRow("review, right") << u"B>B>Gn"_s << Names{{u"Picture1"_s, u"Верен"_s}}
                                   << QStringList{u"п"_s, u"р – верен отговор"_s};
    QTest::newRow("review, unanswered: nothing revealed")
        << u"B>B>Gnn"_s << Names{{u"Picture1"_s, u"Няма въведен отговор"_s}}
        << QStringList{u"а"_s, u"б"_s, u"в"_s, u"г"_s};
}

void tst_Accessibility::treeFollowsTheDisplays()
{
    QFETCH(QString, steps);
    QFETCH(Names, names);
    QFETCH(QStringList, descriptions);

    Session session(accessibilityContent(), AccessibilityDraws);
    act(session, steps);
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        QCOMPARE(accessible(session.control(it.key()))->text(QAccessible::Name), it.value());
    QStringList shown;
    for (int i = 0; i < 5; ++i) {
        if (session.option(i)->isVisible())
            shown.append(accessible(session.option(i))->text(QAccessible::Description));
    }
    QCOMPARE(shown, descriptions);
}

// The context menu of a text box, the way to copy a question, speaks the
// window's language.
void tst_Accessibility::qtStringsInBulgarian()
{
    QVERIFY(installQtTranslation(qApp));
    Session session(accessibilityContent(), AccessibilityDraws);
    const std::unique_ptr<QMenu> menu(session.questionBox()->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text().remove(u'&').section(u'\t', 0, 0));
    }
    QCOMPARE(texts, QStringList({u"Копиране"_s, u"Избиране на всичко"_s}));
}

// In the review the option buttons and Grade are disabled on red, green and
// light blue; their captions must still read at 4.5:1.
void tst_Accessibility::disabledCaptionsReadable()
{
    Session session(accessibilityContent(), AccessibilityDraws);
    act(session, u"B>G"_s);
    QCOMPARE(backColour(session.option(1)), fromBgr(Colour::Red));
    QCOMPARE(backColour(session.option(2)), fromBgr(Colour::Green));
    QCOMPARE(backColour(session.option(0)), fromBgr(Colour::LightBlue));

    QStyle *style = session.option(0)->style();
    const int captionLeft = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                            style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    for (int i = 0; i < 3; ++i) {
        QRadioButton *option = session.option(i);
        QVERIFY(!option->isEnabled());
        const QRect caption = option->rect().adjusted(captionLeft, 0, 0, 0);
        const double ratio = captionContrast(option, caption);
        QVERIFY2(ratio >= 4.5, qPrintable(u"%1: %2"_s.arg(option->text()).arg(ratio)));
    }
    QVERIFY(!session.gradeButton()->isEnabled());
    const double ratio = captionContrast(session.gradeButton(), session.gradeButton()->rect());
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
}

// The mark that keyboard focus puts on a control: the pixels it changes to
// colours at least 3:1 from what was there, which must outline a rectangle,
// each of them 3:1 from the background just inside and just outside it. A
// focus given by the mouse changes nothing.
void tst_Accessibility::focusMarkVisible_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("option button, green") << u"Option1(1)"_s;
    QTest::newRow("Next, orange") << u"Command1(0)"_s;
    QTest::newRow("Back, dark orange") << u"Command1(1)"_s;
    QTest::newRow("Grade, blue") << u"Command2(0)"_s;
}

void tst_Accessibility::focusMarkVisible()
{
    QFETCH(QString, control);

    Session session(accessibilityContent(), AccessibilityDraws);
    session.activate();
    QWidget *target = session.control(control);
    QWidget *parent = target->parentWidget();
    const QRect area = target->geometry().adjusted(-2, -2, 2, 2);
    const QImage unfocused = parent->grab(area).toImage();
    target->setFocus(Qt::MouseFocusReason);
    QCOMPARE(parent->grab(area).toImage(), unfocused);

    session.helpBox()->setFocus(Qt::MouseFocusReason);
    session.tabTo(target);
    const QImage focused = parent->grab(area).toImage();
    const auto marked = [&](int x, int y) {
        return contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3;
    };
    QRect mark;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (marked(x, y))
                mark |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(mark.width() > 10 && mark.height() > 10, "no mark");
    // Letters of the caption may touch the mark; they are no background for it.
    const QColor background = commonest(unfocused);
    const auto letter = [&](int x, int y) {
        return contrast(unfocused.pixel(x, y), background) >= 3;
    };
    // The first fault along the outline, with (dx, dy) pointing across it.
    const auto fault = [&](int x, int y, int dx, int dy) -> QString {
        if (!marked(x, y) && !letter(x, y))
            return u"a gap at %1, %2"_s.arg(x).arg(y);
        for (const int side : {-1, 1}) {
            const int nx = x + side * dx;
            const int ny = y + side * dy;
            const double ratio = contrast(focused.pixel(x, y), focused.pixel(nx, ny));
            if (ratio < 3 && !letter(nx, ny))
                return u"%1:1 at %2, %3"_s.arg(ratio).arg(x).arg(y);
        }
        return {};
    };
    QString faults;
    for (int x = mark.left() + 1; x < mark.right(); ++x)
        faults += fault(x, mark.top(), 0, 1) + fault(x, mark.bottom(), 0, 1);
    for (int y = mark.top() + 1; y < mark.bottom(); ++y)
        faults += fault(mark.left(), y, 1, 0) + fault(mark.right(), y, 1, 0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.left(200)));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
