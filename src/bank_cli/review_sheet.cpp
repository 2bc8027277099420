#include "bank_cli/review_sheet.h"

#include "app/whole_file.h"
#include "bank/question_pictures.h"
#include "bank_cli/sheet_pages.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace bank_cli {

namespace {

constexpr int SheetWidth = SheetPages::Width;
constexpr int Margin = SheetPages::Margin;
constexpr int LargestPngHeight = 16000;
constexpr int KeyColumns = 4;

QFont sheetFont(int pointSize, bool bold = false)
{
    return SheetPages::font(pointSize, bold);
}

} // namespace

// Where each part of one record's entry goes, relative to its top.
struct ReviewSheet::Block
{
    int number = 0;
    QString heading;
    QImage picture;
    QString texts[5];
    QRect rects[5];
    int wrongChoice = 0; // on an attempt's sheet, the wrong answer chosen
    int height = 0;
};

ReviewSheet::ReviewSheet(const QList<bank::QuestionRecord> &records, const QList<int> &numbers, Kind kind)
    : m_records(records), m_numbers(numbers), m_kind(kind)
{}

ReviewSheet::ReviewSheet(const QList<bank::QuestionRecord> &records, const QList<int> &numbers,
                         const QList<int> &chosen)
    : m_records(records), m_numbers(numbers), m_kind(Kind::Attempt), m_chosen(chosen)
{}

QList<ReviewSheet::Block> ReviewSheet::blocks() const
{
    QList<Block> blocks;
    if (m_kind == Kind::Key) {
        for (qsizetype first = 0; first < m_numbers.size(); first += KeyColumns)
            blocks.append(keyRow(first));
        return blocks;
    }
    for (qsizetype index = 0; index < m_numbers.size(); ++index)
        blocks.append(layout(int(index) + 1, m_numbers.at(index)));
    return blocks;
}

ReviewSheet::Block ReviewSheet::layout(int position, int number) const
{
    const bank::QuestionRecord &record = m_records.at(number - 1);
    Block block;
    block.number = number;
    const std::optional<int> pictureId = bank::questionPictureId(number);
    block.heading = m_kind == Kind::Test ? tr("Question %1").arg(position) : tr("Record %1").arg(number);
    if (pictureId) {
        block.picture = QImage(bank::questionPictureResource(*pictureId));
        if (m_kind == Kind::Review)
            block.heading = tr("Record %1, picture %2").arg(number).arg(*pictureId);
    }
    const int chosen = m_chosen.value(position - 1);
    if (m_kind == Kind::Attempt) {
        block.heading = chosen == 0 ? tr("Question %1, record %2: time ran out").arg(position).arg(number)
                                    : tr("Question %1, record %2").arg(position).arg(number);
        if (chosen != record.rightAnswer)
            block.wrongChoice = chosen;
    }
    const int textWidth = SheetWidth - 2 * Margin - (block.picture.isNull() ? 0 : block.picture.width() + Margin);
    int top = 22;
    for (int field = 0; field < 5; ++field) {
        const bool right = (m_kind == Kind::Review || m_kind == Kind::Attempt) && field == record.rightAnswer;
        const bool wrong = field > 0 && field == block.wrongChoice;
        block.texts[field] = field == 0 ? record.questText()
                                        : QStringLiteral("%1%2. %3")
                                              .arg(right   ? QStringLiteral("\u2714 ")
                                                   : wrong ? QStringLiteral("\u2718 ")
                                                           : QString())
                                              .arg(field)
                                              .arg(record.answer(field));
        const int indent = field == 0 ? 0 : 20;
        const QFontMetrics metrics(sheetFont(field == 0 ? 13 : 12, field == 0 || right || wrong));
        block.rects[field] = metrics.boundingRect(QRect(Margin + indent, top, textWidth - indent, 10000),
                                                  Qt::TextWordWrap, block.texts[field]);
        top = block.rects[field].bottom() + (field == 0 ? 8 : 4);
    }
    block.height = std::max(top, 22 + block.picture.height()) + 20;
    return block;
}

// One line of the answer key: the questions from first on, each with its record and right answer.
ReviewSheet::Block ReviewSheet::keyRow(qsizetype first) const
{
    Block block;
    block.heading = first == 0 ? tr("Answer key") : QString();
    const int width = (SheetWidth - 2 * Margin) / KeyColumns;
    for (int column = 0; column < KeyColumns && first + column < m_numbers.size(); ++column) {
        const int number = m_numbers.at(first + column);
        block.texts[column] = tr("%1. answer %2  (record %3)")
                                  .arg(first + column + 1)
                                  .arg(m_records.at(number - 1).rightAnswer)
                                  .arg(number);
        block.rects[column] = QRect(Margin + column * width, first == 0 ? 22 : 0, width, 24);
    }
    block.height = (first == 0 ? 22 : 0) + 28;
    return block;
}

void ReviewSheet::paint(QPainter &painter, const Block &block) const
{
    painter.setFont(sheetFont(10));
    painter.setPen(Qt::darkGray);
    painter.drawText(Margin, 14, block.heading);
    const int right = m_kind == Kind::Review ? m_records.at(block.number - 1).rightAnswer : -1;
    const int marked = m_kind == Kind::Attempt ? m_records.at(block.number - 1).rightAnswer : right;
    for (int field = 0; field < 5; ++field) {
        const bool question = field == 0 && m_kind != Kind::Key;
        const bool wrong = field > 0 && field == block.wrongChoice;
        painter.setFont(sheetFont(question ? 13 : 12, question || field == marked || wrong));
        painter.setPen(field > 0 && field == marked ? QColor(0, 110, 0)
                       : wrong                      ? QColor(190, 0, 0)
                                                    : QColor(Qt::black));
        painter.drawText(block.rects[field], Qt::TextWordWrap, block.texts[field]);
    }
    if (!block.picture.isNull())
        painter.drawImage(SheetWidth - Margin - block.picture.width(), 22, block.picture);
    if (m_kind == Kind::Key)
        return;
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(Margin, block.height - 10, SheetWidth - Margin, block.height - 10);
}

void ReviewSheet::addTo(SheetPages &pages) const
{
    for (const Block &block : blocks())
        pages.add(block.height, [sheet = *this, block](QPainter &painter) { sheet.paint(painter, block); });
}

bool ReviewSheet::write(const QString &path, QString *error) const
{
    SheetPages pages;
    addTo(pages);
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return app::writeWholeFile(path, pages.pdf(tr("Review sheet")), error);
    if (pages.height() > LargestPngHeight) {
        *error = tr("too many records for one image; write a .pdf or take a --sample");
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!pages.image().save(&buffer, "PNG")) {
        *error = tr("the image cannot be encoded");
        return false;
    }
    return app::writeWholeFile(path, buffer.data(), error);
}

} // namespace bank_cli
