#pragma once

#include "bank/bank_reader.h"
#include "results/attempt_folder.h"
#include "results/class_report.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QString>

namespace bank_cli {

class SheetPages;

// The class report as a teacher reads it: one self-contained HTML page (its picture inside it,
// its style inline), the same report printed as a PDF, or one CSV row per attempt for a spreadsheet.
// The questions' texts come from records, the test file's, when they are known.
class ReportWriter
{
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    ReportWriter(const results::ClassReport &report, const QList<results::AttemptFolder::Problem> &problems,
                 const QList<bank::QuestionRecord> &records);

    QString html() const;
    // UTF-8 with a byte order mark, a header row, commas and CR LF: what spreadsheets open as it is.
    QByteArray csv() const;
    // The report on A4 pages, each question laid out as on a review sheet, with its picture and
    // its right answer marked; pdf() prints them. Both need a QGuiApplication, as html()'s picture does.
    SheetPages pages() const;
    QByteArray pdf() const;
    // By the path's ending, .html, .pdf or .csv, through a temporary file; false with a reason.
    bool write(const QString &path, QString *error) const;

    // The right answers of the class as bars, 0 to 30.
    static QImage histogram(const results::ClassReport::Summary &summary);

private:
    QString introduction() const;
    QString questionText(int record) const;
    QString lookAtSection() const;
    QString glanceSection() const;
    QString questionsSection() const;
    static QString attemptsTable(const QList<results::Attempt> &attempts);
    static void addAttempts(SheetPages &pages, const QString &heading, const QList<results::Attempt> &attempts,
                            const QString &note = {});

    const results::ClassReport &m_report;
    const QList<results::AttemptFolder::Problem> &m_problems;
    const QList<bank::QuestionRecord> &m_records;
};

} // namespace bank_cli
