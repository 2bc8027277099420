// Renders questions of the carried test file, with their answers and pictures, onto one sheet for a
// reviewer: the right answer is marked, the record number and picture id are given.
// Usage: questionsheet <output.png> [count] [seed]
#include "app/font_substitution.h"
#include "bank/bank_reader.h"
#include "draw/question_picture_table.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <cstdio>

namespace {

constexpr int SheetWidth = 1400;
constexpr int Margin = 24;

QFont sheetFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Bararan"), pointSize);
    font.setBold(bold);
    return font;
}

// Draws one question block at y and returns the y below it.
int drawQuestion(QPainter &painter, int y, int recordNumber, const bank::QuestionRecord &record)
{
    const std::optional<int> pictureId = mMain::questionPictureId(recordNumber);
    const QImage picture = pictureId
        ? QImage(QStringLiteral(":/pictures/%1.bmp").arg(*pictureId)) : QImage();
    const int textWidth = SheetWidth - 2 * Margin - (picture.isNull() ? 0 : picture.width() + Margin);

    painter.setFont(sheetFont(10));
    painter.setPen(Qt::darkGray);
    const QString heading = pictureId ? QStringLiteral("Record %1, picture %2").arg(recordNumber).arg(*pictureId)
                                      : QStringLiteral("Record %1").arg(recordNumber);
    painter.drawText(Margin, y + 14, heading);
    int top = y + 22;
    painter.setFont(sheetFont(13, true));
    painter.setPen(Qt::black);
    QRect used;
    painter.drawText(QRect(Margin, top, textWidth, 400), Qt::TextWordWrap, record.questText(), &used);
    top = used.bottom() + 8;
    const QString answers[] = {record.answer(1), record.answer(2), record.answer(3), record.answer(4)};
    for (int k = 1; k <= 4; ++k) {
        const bool right = k == record.rightAnswer;
        painter.setFont(sheetFont(12, right));
        painter.setPen(right ? QColor(0, 110, 0) : Qt::black);
        painter.drawText(QRect(Margin + 20, top, textWidth - 20, 200), Qt::TextWordWrap,
                         QStringLiteral("%1%2. %3").arg(right ? QStringLiteral("✔ ") : QString()).arg(k)
                             .arg(answers[k - 1]), &used);
        top = used.bottom() + 4;
    }
    if (!picture.isNull()) {
        painter.drawImage(SheetWidth - Margin - picture.width(), y + 22, picture);
        top = std::max(top, y + 22 + picture.height());
    }
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(Margin, top + 10, SheetWidth - Margin, top + 10);
    return top + 20;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: questionsheet <output.png> [count] [seed]\n");
        return 2;
    }
    mMain::installArmenianFontSubstitutes();
    QFile file(QStringLiteral(":/LVT.lvq"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the carried test file is missing\n");
        return 1;
    }
    const bank::LoadResult bank = bank::loadQuestions(file.readAll());
    if (!bank.ok()) {
        std::fprintf(stderr, "the carried test file does not load: %s\n", bank::loadErrorText(bank.error));
        return 1;
    }
    const int count = std::min(argc > 2 ? std::atoi(argv[2]) : 10, int(bank.records.size()));
    QRandomGenerator random(argc > 3 ? quint32(std::atoi(argv[3])) : QRandomGenerator::global()->generate());
    QList<int> chosen;
    while (chosen.size() < count) {
        const int record = int(random.bounded(1, int(bank.records.size()) + 1));
        if (!chosen.contains(record))
            chosen << record;
    }
    std::sort(chosen.begin(), chosen.end());

    QImage sheet(SheetWidth, 400 * count, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int y = Margin;
    for (const int record : chosen)
        y = drawQuestion(painter, y, record, bank.records[record - 1]);
    painter.end();
    if (!sheet.copy(0, 0, SheetWidth, y + Margin).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: records", argv[1]);
    for (const int record : chosen)
        std::printf(" %d", record);
    std::printf("\n");
    return 0;
}
