#include "bank_cli/aiken_import.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace bank_cli {

namespace {

const QString Letters = QStringLiteral("A-Z\\x{0531}-\\x{0556}"); // Latin and Armenian capitals

bool isArmenian(QChar letter)
{
    return letter.script() == QChar::Script_Armenian;
}

struct AikenOption
{
    QChar letter;
    QString text;
    bank::SourcePosition where;
};

class AikenReader
{
    Q_DECLARE_TR_FUNCTIONS(AikenImport)

public:
    AikenReader(const QString &fileName) : m_file(fileName) {}

    ImportResult read(const QString &text)
    {
        const QList<QStringView> lines = QStringView(text).split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i)
            readLine(lines.at(i), int(i + 1));
        if (m_started && !m_broken)
            fail(m_question.where, tr("the question has no \"ANSWER:\" line"));
        return m_result;
    }

private:
    void readLine(QStringView line, int number)
    {
        static const QRegularExpression option(QStringLiteral("^([%1])[.)][ \\t]+(.*)$").arg(Letters));
        static const QRegularExpression answer(QStringLiteral("^ANSWER:?[ \\t]*(.*)$"));
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            m_gap = m_started;
            return;
        }
        const bool afterGap = std::exchange(m_gap, false);
        const bank::SourcePosition where{m_file, number, int(line.indexOf(trimmed.front())) + 1};
        const QString content = trimmed.toString();
        if (m_broken) {
            // The rest of a question with a fault, up to its "ANSWER:" line.
            if (answer.match(content).hasMatch())
                m_started = m_broken = false;
            return;
        }
        if (m_started) {
            if (const auto match = answer.match(content); match.hasMatch())
                return finish(match.captured(1).trimmed(), where);
            if (const auto match = option.match(content); match.hasMatch()) {
                const bank::SourcePosition at{m_file, number, where.column + int(match.capturedStart(2))};
                m_options.append({match.captured(1).at(0), match.captured(2).trimmed(), at});
                return;
            }
            if (afterGap && !m_options.isEmpty()) {
                fail(m_question.where, tr("the question has no \"ANSWER:\" line"));
                return start(content, where);
            }
            if (afterGap) {
                m_result.warn(m_question.where,
                              tr("left out: no answers follow this text before the blank line (a question is "
                                 "the text right before its answers)"));
                return start(content, where);
            }
            if (!m_options.isEmpty()) {
                m_broken = true;
                m_options.clear();
                return fail(where, tr("expected an answer like \"C) text\" or the line \"ANSWER: C\""));
            }
            m_question.text += u' ' + content;
            return;
        }
        if (answer.match(content).hasMatch())
            return fail(where, tr("an \"ANSWER:\" line with no question and answers before it"));
        start(content, where);
    }

    void start(const QString &content, const bank::SourcePosition &where)
    {
        m_started = true;
        m_options.clear();
        m_question = {QChar(), content, where};
    }

    // A fault in the letters: answers labelled in both alphabets, or "ANSWER:" in the other one.
    bool mixedLetters(QChar right, const QList<AikenOption> &options, const bank::SourcePosition &where)
    {
        const bool armenian = isArmenian(options.constFirst().letter);
        for (const AikenOption &option : options) {
            if (isArmenian(option.letter) != armenian) {
                fail(option.where, tr("the answers mix Latin and Armenian letters: label them A to D or "
                                      "\u0531 to \u0534"));
                return true;
            }
        }
        if (isArmenian(right) == armenian)
            return false;
        fail(where, armenian ? tr("\"ANSWER:\" names a Latin letter where the answers have Armenian ones")
                             : tr("\"ANSWER:\" names an Armenian letter where the answers have Latin ones"));
        return true;
    }

    void finish(const QString &letters, const bank::SourcePosition &where)
    {
        m_started = false;
        const QList<AikenOption> options = std::exchange(m_options, {});
        if (letters.size() != 1 || !letters.at(0).isUpper()) {
            if (letters.count(QRegularExpression(QStringLiteral("[%1]").arg(Letters))) > 1)
                return unsupported(tr("several right answers"));
            return fail(where, tr("\"ANSWER:\" must name the letter of one answer"));
        }
        if (options.isEmpty())
            return fail(m_question.where, tr("the question has no answers before its \"ANSWER:\" line"));
        if (mixedLetters(letters.at(0), options, where))
            return;
        const auto right = std::find_if(options.cbegin(), options.cend(),
                                        [&](const AikenOption &o) { return o.letter == letters.at(0); });
        if (right == options.cend())
            return fail(where, tr("no answer has the letter %1").arg(letters));
        if (options.size() != 4)
            return unsupported(tr("%1 answers, where a record has four").arg(options.size()));
        bank::SourceRecord record;
        record.number = int(m_result.source.records.size()) + 1;
        record.texts[0] = m_question.text;
        record.positions[0] = m_question.where;
        for (int k = 0; k < 4; ++k) {
            record.texts[k + 1] = options.at(k).text;
            record.positions[k + 1] = options.at(k).where;
        }
        record.rightAnswer = int(right - options.cbegin()) + 1;
        m_result.source.records.append(record);
    }

    void unsupported(const QString &what) { m_result.skip(m_question.where, what); }
    void fail(const bank::SourcePosition &where, const QString &message) { m_result.errors.append({where, message}); }

    QString m_file;
    ImportResult m_result;
    bool m_started = false;
    bool m_broken = false; // the question has a fault: its lines are passed over
    bool m_gap = false;    // a blank line since the last line of the question
    AikenOption m_question;
    QList<AikenOption> m_options;
};

} // namespace

ImportResult importAiken(const QString &text, const QString &fileName)
{
    return AikenReader(fileName).read(text);
}

} // namespace bank_cli
