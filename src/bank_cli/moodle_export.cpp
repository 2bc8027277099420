#include "bank_cli/moodle_export.h"

#include "bank/armscii8.h"

namespace bank_cli {

namespace {

// GIFT's marks, each written after a backslash when a text holds it.
const QString GiftSpecials = QStringLiteral("~=#{}:\\");

QString escapeGift(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (GiftSpecials.contains(c))
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

} // namespace

MoodleExport::MoodleExport(Format format, const QByteArray &testFile, const QString &fileName)
    : m_format(format), m_testFile(testFile), m_lines(m_testFile, fileName)
{}

QString MoodleExport::write(const QList<bank::QuestionRecord> &records)
{
    QStringList questions;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const bank::QuestionRecord &record = records.at(r);
        if (exportable(record))
            questions.append(m_format == Gift ? gift(int(r + 1), record) : aiken(record));
    }
    m_questions = int(questions.size());
    return questions.join(u'\n');
}

bool MoodleExport::exportable(const bank::QuestionRecord &record)
{
    const auto leftOut = [&](qsizetype offset, const QString &why) {
        m_problems.append({m_lines.at(offset), tr("%1: the record is left out").arg(why), true});
        return false;
    };
    if (record.rightAnswer < 1 || record.rightAnswer > 4)
        return leftOut(record.texts[0].offset, tr("the right answer %1 is none of 1 to 4").arg(record.rightAnswer));
    for (int field = 0; field < 5; ++field) {
        const QString text = record.text(field);
        const qsizetype offset = record.texts[field].offset;
        if (text.trimmed().isEmpty())
            return leftOut(offset, tr("empty text"));
        if (const qsizetype bad = text.indexOf(QChar(bank::Armscii8Replacement)); bad >= 0)
            return leftOut(offset + bad, tr("byte 0x%1 stands for no character")
                                             .arg(quint8(m_testFile.at(offset + bad)), 2, 16, QLatin1Char('0')));
    }
    if (m_format == Aiken && record.questText().trimmed().startsWith(QLatin1String("ANSWER")))
        return leftOut(record.texts[0].offset, tr("Aiken reads a question that begins with \"ANSWER\" as the line of "
                                                  "the right answer"));
    for (int k = 1; m_format == Gift && k <= 4; ++k) {
        if (const qsizetype arrow = record.answer(k).indexOf(QLatin1String("->")); arrow >= 0)
            return leftOut(record.texts[k].offset + arrow,
                           tr("GIFT reads an answer with \"->\" as a pair of a matching question"));
    }
    return true;
}

QString MoodleExport::gift(int number, const bank::QuestionRecord &record) const
{
    const QString question = record.questText().trimmed();
    // A question that begins like a format, "[html]", gets the format of plain text in front.
    const QString format = question.startsWith(u'[') ? QStringLiteral("[plain]") : QString();
    QString text = QStringLiteral("::%1:: %2%3 {").arg(number).arg(format, escapeGift(question));
    for (int k = 1; k <= 4; ++k)
        text += (k > 1 ? QStringLiteral(" ") : QString()) + (k == record.rightAnswer ? u'=' : u'~')
                + escapeGift(record.answer(k).trimmed());
    return text + QStringLiteral("}\n");
}

QString MoodleExport::aiken(const bank::QuestionRecord &record) const
{
    QString text = record.questText().trimmed() + u'\n';
    for (int k = 1; k <= 4; ++k)
        text += QChar(u'A' + k - 1) + QStringLiteral(") ") + record.answer(k).trimmed() + u'\n';
    return text + QStringLiteral("ANSWER: ") + QChar(u'A' + record.rightAnswer - 1) + u'\n';
}

} // namespace bank_cli
