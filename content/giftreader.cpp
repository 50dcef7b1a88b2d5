#include "giftreader.h"

#include "test.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

// The text of one question: its lines joined by "\n", and the line number of
// every character, so that a fault can name its line.
struct Block
{
    QString text;
    QList<int> lineNumbers;

    bool isEmpty() const { return text.isEmpty(); }
    int lineAt(qsizetype i) const
    {
        return lineNumbers.value(qBound(0, i, lineNumbers.size() - 1));
    }
    void appendLine(const QString &line, int number)
    {
        if (!text.isEmpty()) {
            text += u'\n';
            lineNumbers.append(number);
        }
        text += line;
        lineNumbers.insert(lineNumbers.size(), line.size(), number);
    }
};

qsizetype findUnescaped(QStringView s, QStringView needle, qsizetype from)
{
    for (qsizetype i = from; i < s.size(); ++i) {
        if (s[i] == u'\\')
            ++i;
        else if (s.sliced(i).startsWith(needle))
            return i;
    }
    return -1;
}

qsizetype skipSpace(QStringView s, qsizetype from)
{
    while (from < s.size() && s[from].isSpace())
        ++from;
    return from;
}

QString unescape(QStringView s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const QChar next = s[++i];
        if (next == u'n') {
            out += u"\r\n";
            continue;
        }
        // An escape of an ordinary character stands as written.
        if (!u"~=#{}:\\"_s.contains(next))
            out += u'\\';
        out += next;
    }
    return out;
}

// Characters that draw nothing and take no room, whatever the font: control
// and format characters (a byte order mark, zero-width spaces and joiners,
// direction marks, soft hyphens) and the fillers of Hangul and Braille.
// Blanks and line breaks take room, and stay.
bool isInvisible(char32_t c)
{
    if (QChar::isSpace(c))
        return false;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
        return true;
    default:
        return c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || c == 0x2800;
    }
}

// A text as the learner sees it: its invisible characters dropped, so that
// texts that look alike compare alike.
QString shownText(const QString &text)
{
    QString shown;
    for (const char32_t c : text.toUcs4()) {
        if (!isInvisible(c))
            shown += QChar::fromUcs4(c);
    }
    return shown;
}

// Whether a text shows nothing at all: a box holding it looks empty.
bool looksEmpty(const QString &text)
{
    return shownText(text).trimmed().isEmpty();
}

// The lines of a text, each trimmed, empty ones dropped, joined with one blank.
QString joinLines(QStringView s)
{
    QStringList parts;
    for (QStringView line : s.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            parts.append(line.trimmed().toString());
    }
    return parts.join(u' ');
}

class QuestionParser
{
public:
    QuestionParser(const QString &path, const Block &block)
        : path(path), block(block), s(block.text)
    {
    }

    GiftQuestion parse()
    {
        GiftQuestion question;
        question.line = block.lineAt(0);
        qsizetype pos = skipTitle(skipSpace(s, 0));
        pos = skipFormat(skipSpace(s, pos));

        const qsizetype open = findUnescaped(s, u"{", pos);
        if (open < 0)
            fail(pos, GiftReader::tr(
                          "no answer block { ... }: only multiple-choice questions are supported"));
        const qsizetype close = findUnescaped(s, u"}", open + 1);
        if (close < 0)
            fail(open, GiftReader::tr("the answer block is not closed with }"));
        const qsizetype after = skipSpace(s, close + 1);
        if (after < s.size())
            fail(after,
                 GiftReader::tr(
                     "text after the answer block: a blank line must separate two questions, and "
                     "missing-word questions are not supported (mark the gap with _ in the "
                     "question text)"));

        question.text = unescape(joinLines(s.sliced(pos, open - pos)));
        if (looksEmpty(question.text))
            fail(open, GiftReader::tr("the question has no text"));

        qsizetype choicesEnd = close;
        const qsizetype feedback = findUnescaped(s.first(close), u"####", open + 1);
        if (feedback >= 0) {
            question.explanation = explanationRows(s.sliced(feedback + 4, close - feedback - 4));
            choicesEnd = feedback;
        }
        readChoices(open, choicesEnd, question);
        checkChoicesDiffer(question);
        return question;
    }

    // Warnings about a question that can run, in the order found.
    QList<Diagnostic> warnings;

private:
    [[noreturn]] void fail(qsizetype at, const QString &message) const
    {
        throw Diagnostic{path, block.lineAt(at), message};
    }

    qsizetype skipTitle(qsizetype pos) const
    {
        if (!s.sliced(pos).startsWith(u"::"))
            return pos;
        const qsizetype close = findUnescaped(s, u"::", pos + 2);
        if (close < 0)
            fail(pos, GiftReader::tr("the title is not closed with ::"));
        return skipSpace(s, close + 2);
    }

    // Plain text is all there is; Moodle's [plain] and [moodle] say as much.
    qsizetype skipFormat(qsizetype pos) const
    {
        static const QRegularExpression format(u"^\\[(\\w+)\\]"_s);
        const QRegularExpressionMatch match = format.match(s.sliced(pos));
        if (!match.hasMatch())
            return pos;
        const QString name = match.captured(1);
        if (name != u"plain" && name != u"moodle")
            fail(pos, GiftReader::tr("[%1] text is not supported: write the question as plain text")
                          .arg(name));
        return pos + match.capturedLength();
    }

    void readChoices(qsizetype open, qsizetype end, GiftQuestion &question) const
    {
        const QStringView inside = s.sliced(open + 1, end - open - 1);
        refuseOtherKinds(open, inside.trimmed());

        qsizetype at = skipSpace(s, open + 1);
        while (at < end) {
            qsizetype next = at + 1;
            while (next < end && s[next] != u'=' && s[next] != u'~')
                next += s[next] == u'\\' ? 2 : 1;
            next = qMin(next, end);
            readChoice(at, s.sliced(at + 1, next - at - 1), question);
            at = next;
        }

        if (question.correct < 0)
            fail(open, GiftReader::tr("no correct choice: mark the one correct choice with ="));
        const int n = int(question.choices.size());
        if (n < Test::MinChoices || n > Test::MaxChoices)
            fail(open, GiftReader::tr("%n choice(s): a question has %1 to %2 choices", nullptr, n)
                           .arg(Test::MinChoices)
                           .arg(Test::MaxChoices));
    }

    // Choices are compared as they are shown: a wrong choice that looks like
    // the correct one is one the learner cannot tell from it, and if its text
    // is the same, the program counts it as right.
    void checkChoicesDiffer(const GiftQuestion &question)
    {
        QStringList shown;
        for (const QString &choice : question.choices)
            shown.append(shownText(choice));
        for (qsizetype c = 0; c < shown.size(); ++c) {
            if (c == question.correct)
                continue;
            const int line = question.choiceLines[c];
            if (shown[c] == shown[question.correct]) {
                throw Diagnostic{path, line,
                                 GiftReader::tr("a wrong choice (~) with the text of the correct "
                                                "choice: the learner cannot tell them apart, and "
                                                "the program would count it as right")};
            }
            const qsizetype first = shown.indexOf(shown[c]);
            if (first < c) {
                warnings.append(Diagnostic{
                    path, line,
                    GiftReader::tr("a wrong choice with the same text as another, on line %1: "
                                   "the learner sees it twice")
                        .arg(question.choiceLines[first]),
                    Diagnostic::Severity::Warning});
            }
        }
    }

    void refuseOtherKinds(qsizetype open, QStringView inside) const
    {
        static const QRegularExpression trueFalse(u"^(T|F|TRUE|FALSE)\\s*(#|$)"_s,
                                                  QRegularExpression::CaseInsensitiveOption);
        if (inside.isEmpty())
            fail(open, GiftReader::tr("an empty answer block makes an essay question; "
                                      "only multiple-choice questions are supported"));
        if (trueFalse.match(inside).hasMatch())
            fail(open,
                 GiftReader::tr(
                     "true/false questions are not supported; write the two choices with = and ~"));
        if (inside.startsWith(u'#'))
            fail(open,
                 GiftReader::tr(
                     "numerical questions are not supported; only multiple-choice questions are"));
        if (inside.front() != u'=' && inside.front() != u'~')
            fail(skipSpace(s, open + 1),
                 GiftReader::tr("a choice starts with = (correct) or ~ (wrong)"));
    }

    void readChoice(qsizetype at, QStringView body, GiftQuestion &question) const
    {
        if (findUnescaped(body, u"->", 0) >= 0)
            fail(at,
                 GiftReader::tr(
                     "matching questions are not supported; only multiple-choice questions are"));
        if (body.trimmed().startsWith(u'%'))
            fail(at, GiftReader::tr("weighted choices (%...%) are not supported: mark the one "
                                    "correct choice with ="));
        if (const qsizetype hash = findUnescaped(body, u"#", 0); hash >= 0)
            fail(at + 1 + hash, GiftReader::tr("feedback on a single choice (#) is not supported: "
                                               "write the explanation after ####"));
        const QString text = unescape(joinLines(body));
        if (looksEmpty(text))
            fail(at, GiftReader::tr("an empty choice"));
        if (s[at] == u'=') {
            if (question.correct >= 0)
                fail(at, GiftReader::tr("a second correct choice (=): a question has exactly one"));
            question.correct = question.choices.size();
        }
        question.choices.append(text);
        question.choiceLines.append(block.lineAt(at));
    }

    // Every line of the general feedback is one explanation row; \n starts a
    // new row within a line.
    static QStringList explanationRows(QStringView feedback)
    {
        QStringList rows;
        for (QStringView line : feedback.split(u'\n')) {
            if (line.trimmed().isEmpty())
                continue;
            for (const QString &row : unescape(line.trimmed()).split(u"\r\n"_s))
                rows.append(row.trimmed());
        }
        return rows;
    }

    const QString &path;
    const Block &block;
    const QStringView s;
};

} // namespace

QList<GiftQuestion> GiftReader::read(const QString &path, const QStringList &lines,
                                     QList<Diagnostic> &diagnostics)
{
    QList<GiftQuestion> questions;
    Block block;
    auto endBlock = [&] {
        if (block.isEmpty())
            return;
        // A fault ends its question only: questions stand apart, so the next
        // one is read as if the faulty one were right.
        try {
            QuestionParser parser(path, block);
            questions.append(parser.parse());
            diagnostics.append(parser.warnings);
        } catch (const Diagnostic &fault) {
            diagnostics.append(fault);
            questions.append(GiftQuestion{block.lineAt(0), {}, {}, {}, -1, {}, true});
        }
        block = Block();
    };
    for (int n = 0; n < lines.size(); ++n) {
        const QString trimmed = lines[n].trimmed();
        if (trimmed.startsWith(u"//") || trimmed.startsWith(u"$CATEGORY:"))
            continue;
        if (trimmed.isEmpty())
            endBlock();
        else
            block.appendLine(lines[n], n + 1);
    }
    endBlock();
    return questions;
}
