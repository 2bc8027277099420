#pragma once

#include "bank/bank_reader.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QPainter;

namespace bank_cli {

class SheetPages;

// A review sheet of records: each with its number, its picture from the picture table, the
// question and the four answers, the right one marked, in the program's question font. A path
// ending in ".pdf" gets A4 pages, one ending in ".png" one long image. Needs a QGuiApplication
// (the offscreen platform will do). A test to print leaves the right answers unmarked and numbers
// the questions in the order of the sheet; a key lists those numbers with their right answers.
// A student's attempt shows the questions in the order they were asked, the right answer marked
// and a wrong choice in red, or that the time ran out.
class ReviewSheet
{
    Q_DECLARE_TR_FUNCTIONS(ReviewSheet)

public:
    enum class Kind { Review, Test, Key, Attempt };

    // numbers are 1-based record numbers into records.
    ReviewSheet(const QList<bank::QuestionRecord> &records, const QList<int> &numbers, Kind kind = Kind::Review);
    // An attempt's sheet: chosen holds the answer chosen for each of numbers, 0 when the time ran out.
    ReviewSheet(const QList<bank::QuestionRecord> &records, const QList<int> &numbers, const QList<int> &chosen);

    // Written through a temporary file; false with a reason when it cannot be.
    bool write(const QString &path, QString *error) const;
    // The sheet's entries as pieces of a longer sheet.
    void addTo(SheetPages &pages) const;

private:
    struct Block;
    QList<Block> blocks() const;
    Block layout(int position, int number) const;
    Block keyRow(qsizetype first) const;
    void paint(QPainter &painter, const Block &block) const;

    QList<bank::QuestionRecord> m_records; // shared, not copied, as QList is
    QList<int> m_numbers;
    Kind m_kind;
    QList<int> m_chosen;
};

} // namespace bank_cli
