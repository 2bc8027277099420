#include "bank/source_decoder.h"

#include "bank/armscii8.h"
#include "bank/line_index.h"

#include <QCoreApplication>

namespace bank {

QString writeBankSource(const QByteArray &testFile, const QList<QuestionRecord> &records, const QString &fileName,
                        SourceError &error)
{
    const LineIndex lines(testFile, fileName);
    QString out;
    out.reserve(testFile.size() + records.size() * 24);
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QuestionRecord &record = records.at(r);
        out += QStringLiteral("[%1]\n").arg(r + 1);
        for (int field = 0; field < 5; ++field) {
            const QuestionRecord::Span span = record.texts[field];
            const QString text = record.text(field);
            const qsizetype bad = text.indexOf(QChar(Armscii8Replacement));
            if (bad >= 0) {
                failAt(error, lines.at(span.offset + bad),
                       QCoreApplication::translate("bank::SourceDecoder", "byte 0x%1 stands for no character")
                           .arg(quint8(testFile.at(span.offset + bad)), 2, 16, QLatin1Char('0')));
                return {};
            }
            if (text.trimmed().isEmpty()) {
                failAt(error, lines.at(span.offset), QCoreApplication::translate("bank::SourceDecoder", "empty text"));
                return {};
            }
            out += SourceFieldPrefixes[field] + text + u'\n';
        }
        if (record.rightAnswer < 1 || record.rightAnswer > 4) {
            failAt(error, lines.at(record.texts[0].offset),
                   QCoreApplication::translate("bank::SourceDecoder", "the right answer %1 is none of 1, 2, 3 and 4")
                       .arg(record.rightAnswer));
            return {};
        }
        out += SourceFieldPrefixes[5] + QString::number(record.rightAnswer) + QStringLiteral("\n\n");
    }
    if (testFile.endsWith("\r\n"))
        out += SourceEndLines[int(FileEnding::LineEnd)] + u'\n';
    else if (!testFile.endsWith('\0'))
        out += SourceEndLines[int(FileEnding::Nothing)] + u'\n';
    return out;
}

} // namespace bank
