#include "bank_cli/gift_import.h"

#include "bank/source_encoder.h"

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

// Escapes resolved, line ends as spaces, outer spaces removed; raw starts at base.
GiftText unescape(QStringView raw, qsizetype base)
{
    GiftText shown;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'\\' && i + 1 < raw.size() && EscapedChars.contains(raw.at(i + 1))) {
            ++i;
            shown.append(raw.at(i) == u'n' ? u' ' : raw.at(i), base + i - 1);
        } else {
            shown.append(c == u'\n' ? u' ' : c, base + i);
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
};

// One question: its lines without comments, joined by line ends, and where each line began.
class GiftQuestion
{
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

    void read(ImportResult &result) const
    {
        qsizetype pos = skipSpaces(0);
        if (QStringView(m_raw).mid(pos).startsWith(u"$CATEGORY:"))
            return;
        if (QStringView(m_raw).mid(pos).startsWith(u"::")) {
            const qsizetype close = findUnescaped(m_raw, u"::", pos + 2);
            if (close < 0)
                return fail(result, pos, QStringLiteral("the title has no closing \"::\""));
            pos = skipSpaces(close + 2);
        }
        static const QRegularExpression format(QStringLiteral("\\[(html|moodle|plain|markdown)\\]"));
        if (const auto match = format.match(m_raw, pos, QRegularExpression::NormalMatch,
                                            QRegularExpression::AnchorAtOffsetMatchOption);
            match.hasMatch())
            pos = match.capturedEnd();
        const qsizetype open = findUnescaped(m_raw, u"{", pos);
        if (open < 0)
            return unsupported(result, QStringLiteral("a description without answers"));
        const qsizetype close = findUnescaped(m_raw, u"}", open + 1);
        if (close < 0)
            return fail(result, open, QStringLiteral("the answers have no closing \"}\""));
        GiftText question = unescape(QStringView(m_raw).mid(pos, open - pos), pos);
        const GiftText after = unescape(QStringView(m_raw).mid(close + 1), close + 1);
        if (!after.text.isEmpty()) {
            for (const QChar c : QStringLiteral(" _____ "))
                question.append(c, open);
            question.text += after.text;
            question.offsets += after.offsets;
        }
        bank::SourceRecord record;
        record.positions[0] = at(skipSpaces(pos));
        readAnswers(open + 1, close, question, record, result);
    }

private:
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
            return unsupported(result, QStringLiteral("an essay question"));
        if (trimmed.startsWith(u'#'))
            return unsupported(result, QStringLiteral("a numerical question"));
        if (trueFalse.match(trimmed).hasMatch())
            return unsupported(result, QStringLiteral("a true-false question"));
        QList<GiftAnswer> answers;
        if (!splitAnswers(body, begin, answers))
            return fail(result, begin, QStringLiteral("expected \"=\" or \"~\" before each answer"));
        if (findUnescaped(body, u"->", 0) >= 0)
            return unsupported(result, QStringLiteral("a matching question"));
        const auto rights =
            std::count_if(answers.cbegin(), answers.cend(), [](const GiftAnswer &a) { return a.right; });
        if (rights == answers.size())
            return unsupported(result, QStringLiteral("a short-answer question"));
        if (answers.size() != 4)
            return unsupported(result, QStringLiteral("%1 answers, where a record has four").arg(answers.size()));
        if (rights != 1)
            return unsupported(result,
                               rights ? QStringLiteral("several right answers") : QStringLiteral("no right answer"));
        bool whole = writable(question, result);
        record.texts[0] = question.text;
        for (int k = 0; k < 4; ++k) {
            const GiftAnswer &answer = answers.at(k);
            if (answer.right && answer.weight && *answer.weight != 100) {
                if (whole)
                    unsupported(result, QStringLiteral("partial credit for the only right answer"));
                return;
            }
            whole = writable(answer.text, result) && whole;
            record.texts[k + 1] = answer.text.text;
            record.positions[k + 1] = at(answer.offset);
            if (answer.right)
                record.rightAnswer = k + 1;
        }
        if (!whole)
            return;
        record.number = int(result.source.records.size()) + 1;
        result.source.records.append(record);
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
            qsizetype start = i + 1;
            const QString part = body.mid(start, next - start).toString();
            const auto match = weight.match(part);
            if (match.hasMatch()) {
                answer.weight = match.captured(1).toDouble();
                start += match.capturedLength();
            }
            answer.right = marker == u'=' || answer.weight.value_or(0) > 0;
            QStringView text = body.mid(start, next - start);
            const qsizetype feedback = findUnescaped(text, u"#", 0);
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
        if (!question.isEmpty())
            question.read(result);
        question = GiftQuestion(fileName);
    }
    return result;
}

} // namespace bank_cli
