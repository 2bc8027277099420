#include "bank_cli/gift_import.h"

#include "bank/source_encoder.h"
#include "bank_cli/html_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace bank_cli {

namespace {

const QString EscapedChars = QStringLiteral("~=#{}:\\n");

// The index of the first c at or after from that no backslash escapes, or -1.
qsizetype findUnescaped(QStringView text, QStringView what, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text.at(i) == u'\\')
            ++i;
        else if (text.mid(i).startsWith(what))
            return i;
    }
    return -1;
}

// A text as shown, and where each of its characters stands in the question's lines.
struct GiftText
{
    QString text;
    QList<qsizetype> offsets;

    void append(QChar c, qsizetype offset)
    {
        text += c;
        offsets.append(offset);
    }
};

// Escapes resolved, a line end and the spaces around it as one space, outer spaces removed; raw
// starts at base.
GiftText unescape(QStringView raw, qsizetype base)
{
    GiftText shown;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'\\' && i + 1 < raw.size() && EscapedChars.contains(raw.at(i + 1))) {
            ++i;
            shown.append(raw.at(i) == u'n' ? u' ' : raw.at(i), base + i - 1);
        } else if (c == u'\n') {
            while (!shown.text.isEmpty() && shown.text.back().isSpace()) {
                shown.text.chop(1);
                shown.offsets.removeLast();
            }
            shown.append(u' ', base + i);
            while (i + 1 < raw.size() && raw.at(i + 1).isSpace())
                ++i;
        } else {
            shown.append(c, base + i);
        }
    }
    qsizetype first = 0, last = shown.text.size();
    while (first < last && shown.text.at(first).isSpace())
        ++first;
    while (last > first && shown.text.at(last - 1).isSpace())
        --last;
    return {shown.text.mid(first, last - first), shown.offsets.mid(first, last - first)};
}

struct GiftAnswer
{
    bool right = false;
    std::optional<double> weight; // percent
    GiftText text;
    qsizetype offset = 0;
    bool equals = false; // written with "="
    bool glued = false;  // its "=" or "~" right after a character of text
};

// One question: its lines without comments, joined by line ends, and where each line began.
class GiftQuestion
{
    Q_DECLARE_TR_FUNCTIONS(GiftImport)

public:
    GiftQuestion(const QString &file) : m_file(file) {}

    void addLine(QStringView line, int number)
    {
        if (!m_raw.isEmpty())
            m_raw += u'\n';
        m_starts.append({m_raw.size(), number});
        m_raw += line;
    }

    bool isEmpty() const { return m_raw.trimmed().isEmpty(); }

    bank::SourcePosition at(qsizetype offset) const
    {
        auto line = m_starts.cbegin();
        while (line + 1 != m_starts.cend() && (line + 1)->first <= offset)
            ++line;
        return {m_file, line->second, int(offset - line->first) + 1};
    }

    // Reads the question; the offset of a further question that follows with no blank line before
    // it, or -1.
    qsizetype read(ImportResult &result)
    {
        qsizetype pos = skipSpaces(0);
        if (QStringView(m_raw).mid(pos).startsWith(u"$CATEGORY:"))
            return -1;
        if (QStringView(m_raw).mid(pos).startsWith(u"::")) {
            const qsizetype close = findUnescaped(m_raw, u"::", pos + 2);
            if (close < 0) {
                fail(result, pos, tr("the title has no closing \"::\""));
                return -1;
            }
            pos = skipSpaces(close + 2);
        }
        static const QRegularExpression format(QStringLiteral("\\[(html|moodle|plain|markdown)\\]"));
        if (const auto match = format.match(m_raw, pos, QRegularExpression::NormalMatch,
                                            QRegularExpression::AnchorAtOffsetMatchOption);
            match.hasMatch()) {
            pos = match.capturedEnd();
            m_html = match.capturedView(1) == u"html";
        }
        const qsizetype open = findUnescaped(m_raw, u"{", pos);
        if (open < 0) {
            unsupported(result, tr("a description without answers"));
            return -1;
        }
        const qsizetype close = findUnescaped(m_raw, u"}", open + 1);
        if (close < 0) {
            fail(result, open, tr("the answers have no closing \"}\""));
            return -1;
        }
        const QStringView questionText = QStringView(m_raw).mid(pos, open - pos);
        m_markerInQuestion = findUnescaped(questionText, u"=", 0) >= 0 || findUnescaped(questionText, u"~", 0) >= 0;
        const qsizetype next = nextQuestion(close + 1);
        GiftText question = plain(unescape(questionText, pos), result);
        const qsizetype afterEnd = next < 0 ? m_raw.size() : next;
        const GiftText after =
            plain(unescape(QStringView(m_raw).mid(close + 1, afterEnd - close - 1), close + 1), result);
        if (!after.text.isEmpty()) {
            for (const QChar c : QStringLiteral(" _____ "))
                question.append(c, open);
            question.text += after.text;
            question.offsets += after.offsets;
        }
        bank::SourceRecord record;
        record.positions[0] = at(skipSpaces(pos));
        readAnswers(open + 1, close, question, record, result);
        if (next >= 0)
            result.warn(at(skipSpaces(next)),
                        tr("no blank line before this question: it is read as a question of its own"));
        return next;
    }

    // The question in the lines from offset on.
    GiftQuestion from(qsizetype offset) const
    {
        GiftQuestion rest(m_file);
        for (qsizetype k = 0; k < m_starts.size(); ++k) {
            const qsizetype start = m_starts.at(k).first;
            const qsizetype end = k + 1 < m_starts.size() ? m_starts.at(k + 1).first - 1 : m_raw.size();
            if (start >= offset)
                rest.addLine(QStringView(m_raw).mid(start, end - start), m_starts.at(k).second);
        }
        return rest;
    }

private:
    // The start of the line after a closing brace that begins another question, or -1: text after
    // the answers on the lines below is part of the question only when it has no answers of its own.
    qsizetype nextQuestion(qsizetype afterBrace) const
    {
        const qsizetype text = skipSpaces(afterBrace);
        const qsizetype lineStart = m_raw.lastIndexOf(u'\n', text - 1) + 1;
        if (text >= m_raw.size() || lineStart <= afterBrace || findUnescaped(m_raw, u"{", text) < 0)
            return -1;
        return lineStart;
    }

    // The plain text of an [html] text; a text in another format as it is.
    GiftText plain(const GiftText &shown, ImportResult &result) const
    {
        if (!m_html)
            return shown;
        const HtmlText html(shown.text);
        GiftText plain{html.text(), {}};
        for (const qsizetype source : html.sources())
            plain.offsets.append(shown.offsets.at(source));
        for (const auto &[index, loss] : html.losses())
            result.warn(at(shown.offsets.at(index)), loss);
        return plain;
    }

    qsizetype skipSpaces(qsizetype pos) const
    {
        while (pos < m_raw.size() && m_raw.at(pos).isSpace())
            ++pos;
        return pos;
    }

    void readAnswers(qsizetype begin, qsizetype end, const GiftText &question, bank::SourceRecord &record,
                     ImportResult &result) const
    {
        const qsizetype general = findUnescaped(QStringView(m_raw).first(end), u"####", begin);
        const QStringView body = QStringView(m_raw).mid(begin, (general < 0 ? end : general) - begin);
        static const QRegularExpression trueFalse(QStringLiteral("^(T|F|TRUE|FALSE)\\s*(#.*)?$"),
                                                  QRegularExpression::CaseInsensitiveOption
                                                      | QRegularExpression::DotMatchesEverythingOption);
        const QString trimmed = body.trimmed().toString();
        if (trimmed.isEmpty())
            return unsupported(result, tr("an essay question"));
        if (trimmed.startsWith(u'#'))
            return unsupported(result, tr("a numerical question"));
        if (trueFalse.match(trimmed).hasMatch())
            return unsupported(result, tr("a true-false question"));
        QList<GiftAnswer> answers;
        if (!splitAnswers(body, begin, answers))
            return fail(result, begin, tr("expected \"=\" or \"~\" before each answer"));
        if (findUnescaped(body, u"->", 0) >= 0)
            return unsupported(result, tr("a matching question"));
        const auto rights =
            std::count_if(answers.cbegin(), answers.cend(), [](const GiftAnswer &a) { return a.right; });
        if (rights == answers.size())
            return unsupported(result, tr("a short-answer question"));
        if (answers.size() != 4)
            return unsupported(result, (needsEscapeHint(answers)
                                            ? tr("%1 answers, where a record has four (an \"=\" or \"~\" that "
                                                 "belongs to a text is written \\= or \\~)")
                                            : tr("%1 answers, where a record has four"))
                                           .arg(answers.size()));
        if (rights != 1)
            return unsupported(result, rights ? tr("several right answers") : tr("no right answer"));
        bool whole = writable(question, result);
        record.texts[0] = question.text;
        for (int k = 0; k < 4; ++k) {
            const GiftAnswer &answer = answers.at(k);
            if (answer.right && answer.weight && *answer.weight != 100) {
                if (whole)
                    unsupported(result, tr("partial credit for the only right answer"));
                return;
            }
            const GiftText text = plain(answer.text, result);
            whole = writable(text, result) && whole;
            record.texts[k + 1] = text.text;
            record.positions[k + 1] = at(answer.offset);
            if (answer.right)
                record.rightAnswer = k + 1;
        }
        if (!whole)
            return;
        record.number = int(result.source.records.size()) + 1;
        result.source.records.append(record);
    }

    // Where the feedback of an answer begins, or -1; in [html] the "#" of a character reference
    // like "&#1329;" begins none.
    qsizetype findFeedback(QStringView answer) const
    {
        static const QRegularExpression reference(QStringLiteral("^&#(?:[0-9]+|[xX][0-9A-Fa-f]+);"));
        qsizetype hash = findUnescaped(answer, u"#", 0);
        while (m_html && hash > 0 && reference.match(answer.mid(hash - 1)).hasMatch())
            hash = findUnescaped(answer, u"#", hash + 1);
        return hash;
    }

    // A word on escapes for a wrong count of answers, when an "=" or "~" seems to belong to a text:
    // one inside the question, one right after a character, or "=" before more than one answer.
    bool needsEscapeHint(const QList<GiftAnswer> &answers) const
    {
        const bool glued = std::any_of(answers.cbegin(), answers.cend(), [](const GiftAnswer &a) { return a.glued; });
        const auto equals =
            std::count_if(answers.cbegin(), answers.cend(), [](const GiftAnswer &a) { return a.equals; });
        return glued || equals > 1 || m_markerInQuestion;
    }

    // The answers between the braces, each from its "=" or "~" to the next.
    bool splitAnswers(QStringView body, qsizetype base, QList<GiftAnswer> &answers) const
    {
        static const QRegularExpression weight(QStringLiteral("^%(-?\\d+(?:\\.\\d+)?)%"));
        qsizetype i = 0;
        while (i < body.size() && body.at(i).isSpace())
            ++i;
        while (i < body.size()) {
            const QChar marker = body.at(i);
            if (marker != u'=' && marker != u'~')
                return false;
            qsizetype next = i + 1;
            while (next < body.size() && body.at(next) != u'=' && body.at(next) != u'~')
                next += body.at(next) == u'\\' ? 2 : 1;
            next = std::min(next, body.size());
            GiftAnswer answer;
            answer.glued = i > 0 && !body.at(i - 1).isSpace();
            qsizetype start = i + 1;
            const QString part = body.mid(start, next - start).toString();
            const auto match = weight.match(part);
            if (match.hasMatch()) {
                answer.weight = match.captured(1).toDouble();
                start += match.capturedLength();
            }
            answer.equals = marker == u'=';
            answer.right = answer.equals || answer.weight.value_or(0) > 0;
            QStringView text = body.mid(start, next - start);
            const qsizetype feedback = findFeedback(text);
            if (feedback >= 0)
                text = text.first(feedback);
            while (!text.isEmpty() && text.front().isSpace()) {
                text = text.mid(1);
                ++start;
            }
            answer.text = unescape(text, base + start);
            answer.offset = base + start;
            answers.append(answer);
            i = next;
        }
        return true;
    }

    // A text the test file cannot hold is refused at the place of each such character in the file.
    bool writable(const GiftText &shown, ImportResult &result) const
    {
        const auto unwritable = bank::findUnwritable(shown.text);
        for (const auto &[index, reason] : unwritable)
            fail(result, shown.offsets.at(index), reason);
        return unwritable.isEmpty();
    }

    void unsupported(ImportResult &result, const QString &what) const { result.skip(at(skipSpaces(0)), what); }

    void fail(ImportResult &result, qsizetype offset, const QString &message) const
    {
        result.errors.append({at(offset), message});
    }

    QString m_file;
    bool m_html = false;
    bool m_markerInQuestion = false; // an "=" or "~" without a backslash before the answers
    QString m_raw;
    QList<std::pair<qsizetype, int>> m_starts; // offset in m_raw, line number in the file
};

} // namespace

ImportResult importGift(const QString &text, const QString &fileName)
{
    ImportResult result;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    GiftQuestion question(fileName);
    for (qsizetype i = 0; i <= lines.size(); ++i) {
        QStringView line = i < lines.size() ? lines.at(i) : QStringView();
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().startsWith(u"//"))
            continue;
        if (i < lines.size() && !line.trimmed().isEmpty()) {
            question.addLine(line, int(i + 1));
            continue;
        }
        while (!question.isEmpty()) {
            const qsizetype next = question.read(result);
            question = next < 0 ? GiftQuestion(fileName) : question.from(next);
        }
        question = GiftQuestion(fileName);
    }
    return result;
}

} // namespace bank_cli
