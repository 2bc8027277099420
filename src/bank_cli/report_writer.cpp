#include "bank_cli/report_writer.h"

#include "app/whole_file.h"
#include "bank_cli/review_sheet.h"
#include "bank_cli/sheet_pages.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace bank_cli {

using results::Attempt;
using results::ClassReport;

namespace {

const QString Style =
    QStringLiteral("body{font-family:sans-serif;margin:2em;color:#222}"
                   "table{border-collapse:collapse;margin:0.5em 0 1.5em}"
                   "th,td{border:1px solid #bbb;padding:3px 8px;text-align:left;vertical-align:top}"
                   "th{background:#eee}td.n{text-align:right}.right{font-weight:bold;color:#070}.note{color:#555}"
                   ".q{font-size:110%}");

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString number(double value, int decimals = 2)
{
    return std::isnan(value) ? QStringLiteral("–") : QString::number(value, 'f', decimals);
}

QString minutes(const Attempt &attempt)
{
    if (!attempt.started.isValid())
        return {};
    return QString::number(attempt.started.secsTo(attempt.ended) / 60.0, 'f', 1);
}

QString pauseText(const Attempt::Pause &pause)
{
    //: A pause of so many seconds, and the question it was taken at.
    return pause.used ? ReportWriter::tr("%1 s at question %2").arg(pause.seconds).arg(pause.atQuestion)
                      : ReportWriter::tr("no");
}

QString when(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString cell(const QString &text, bool numeric = false)
{
    return (numeric ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>")) + text + QStringLiteral("</td>");
}

QString headerRow(const QStringList &names)
{
    return QStringLiteral("<tr><th>") + names.join(QStringLiteral("</th><th>")) + QStringLiteral("</th></tr>");
}

// A field as spreadsheets read it back: quoted when it holds a comma, a quote or a line end.
QString csvField(QString text)
{
    static const QRegularExpression special(QStringLiteral("[\",\r\n]|^\\s|\\s$"));
    if (!text.contains(special))
        return text;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

QStringList attemptColumns()
{
    return {ReportWriter::tr("Name"),    ReportWriter::tr("Machine"), ReportWriter::tr("Date"),
            ReportWriter::tr("Right"),   ReportWriter::tr("Wrong"),   ReportWriter::tr("Time-outs"),
            ReportWriter::tr("Minutes"), ReportWriter::tr("Pause")};
}
const QList<int> AttemptWidths = {200, 140, 130, 60, 60, 80, 70, 212}; // on the printed sheet
constexpr int FirstNumericColumn = 3, LastNumericColumn = 6;

QStringList attemptCells(const Attempt &attempt)
{
    return {attempt.userName,
            attempt.host,
            when(attempt.ended),
            QString::number(attempt.totals.right),
            QString::number(attempt.totals.wrong),
            QString::number(attempt.totals.timeOuts),
            minutes(attempt),
            pauseText(attempt.pause)};
}

QString lookAtNote()
{
    return ReportWriter::tr(
               "A question is judged only once it was shown at least %1 times: with fewer, one answer more "
               "or less moves its share of right answers by ten points or more, and its discrimination is "
               "mostly chance.")
        .arg(ClassReport::MinimumShown);
}

QString questionsNote()
{
    return ReportWriter::tr(
        "Facility: the share answered right. Discrimination: the correlation of a right answer to the "
        "question with the attempt's other right answers (from −1 to 1; higher separates the stronger "
        "students from the weaker better).");
}

QString foreignNote(qsizetype count)
{
    return ReportWriter::tr("%1 attempts were taken with another test file and are left out of every figure above.")
        .arg(count);
}

QStringList reasons(const ClassReport::Question &question)
{
    QStringList reasons;
    for (const ClassReport::Flag &flag : question.flags)
        reasons.append(flag.reason);
    return reasons;
}

QList<std::pair<QString, QString>> glanceRows(const ClassReport::Summary &summary)
{
    return {{ReportWriter::tr("Attempts"), QString::number(summary.attempts)},
            {ReportWriter::tr("Right answers, mean"), number(summary.mean, 1)},
            {ReportWriter::tr("Median"), number(summary.median, 1)},
            {ReportWriter::tr("Standard deviation"), number(summary.standardDeviation, 1)},
            {ReportWriter::tr("Lowest – highest"), QStringLiteral("%1 – %2").arg(summary.lowest).arg(summary.highest)}};
}

// A question's figures in one line, for the printed report.
QString figures(const ClassReport::Question &question)
{
    QStringList chosen;
    for (int answer = 1; answer <= 4; ++answer)
        //: An answer's number and how many chose it, the right answer marked.
        chosen.append((answer == question.right ? ReportWriter::tr("%1: %2 (right)") : QStringLiteral("%1: %2"))
                          .arg(answer)
                          .arg(question.chosen[answer]));
    return ReportWriter::tr("Record %1: shown %2, facility %3, discrimination %4; chosen %5; time-outs %6; median %7 s")
        .arg(question.record)
        .arg(question.shown)
        .arg(number(question.facility), number(question.discrimination), chosen.join(QStringLiteral(", ")))
        .arg(question.timeOuts)
        .arg(number(question.medianSeconds, 1));
}

QString pngUri(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(buffer.data().toBase64());
}

} // namespace

ReportWriter::ReportWriter(const ClassReport &report, const QList<results::AttemptFolder::Problem> &problems,
                           const QList<bank::QuestionRecord> &records)
    : m_report(report), m_problems(problems), m_records(records)
{}

QString ReportWriter::questionText(int record) const
{
    if (record < 1 || record > m_records.size())
        return {};
    return QStringLiteral("<span lang=\"hy\" class=\"q\">%1</span>").arg(escaped(m_records.at(record - 1).questText()));
}

QString ReportWriter::introduction() const
{
    const QList<Attempt> &attempts = m_report.attempts();
    const QString testName = attempts.isEmpty() ? QString() : attempts.first().testFile.name;
    const QString sha256 = m_report.testSha256().left(12);
    QString text = attempts.isEmpty()
                       ? tr("Test file %1 (SHA-256 %2…): %3 attempts.").arg(testName, sha256).arg(attempts.size())
                       : tr("Test file %1 (SHA-256 %2…): %3 attempts, from %4 to %5.")
                             .arg(testName, sha256)
                             .arg(attempts.size())
                             .arg(when(attempts.first().ended), when(attempts.last().ended));
    if (m_records.isEmpty())
        text += u' ' + tr("The questions' texts are not shown: give the test file with --test.");
    if (m_report.duplicates())
        text += u' ' + tr("%1 copies of attempts already read were counted once.").arg(m_report.duplicates());
    if (m_report.earlierLeftOut())
        text += u' ' + tr("%1 earlier attempts were left out.").arg(m_report.earlierLeftOut());
    return text;
}

QString ReportWriter::html() const
{
    //: The language code of the report's own texts, "hy" in Armenian.
    const QString language = tr("en");
    QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                                  "<title>%2</title><style>%3</style></head><body>\n<h1>%2</h1>\n")
                       .arg(language, tr("Class report"), Style);
    page += QStringLiteral("<p>%1</p>\n").arg(escaped(introduction()));
    if (!m_problems.isEmpty()) {
        page += QStringLiteral("<h2>%1</h2><ul>").arg(tr("Files left out"));
        for (const results::AttemptFolder::Problem &problem : m_problems)
            page += QStringLiteral("<li>%1: %2</li>").arg(escaped(problem.path), escaped(problem.reason));
        page += QStringLiteral("</ul>\n");
    }
    page += lookAtSection() + glanceSection() + questionsSection();
    page += QStringLiteral("<h2>%1</h2>\n").arg(tr("Attempts")) + attemptsTable(m_report.attempts());
    if (!m_report.foreignAttempts().isEmpty())
        page += QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
                    .arg(tr("Attempts with another test file"), foreignNote(m_report.foreignAttempts().size()))
                + attemptsTable(m_report.foreignAttempts());
    return page + QStringLiteral("</body></html>\n");
}

QString ReportWriter::lookAtSection() const
{
    QString section =
        QStringLiteral("<h2>%1</h2>\n<p class=\"note\">%2</p>\n").arg(tr("Questions to look at"), lookAtNote());
    const QList<ClassReport::Question> flagged = m_report.questionsToLookAt();
    if (flagged.isEmpty())
        return section + QStringLiteral("<p>%1</p>\n").arg(tr("None."));
    section += QStringLiteral("<table>") + headerRow({tr("Record"), tr("Question"), tr("Why")});
    for (const ClassReport::Question &question : flagged) {
        QStringList why = reasons(question);
        for (QString &reason : why)
            reason = escaped(reason);
        section += QStringLiteral("<tr>") + cell(QString::number(question.record), true)
                   + cell(questionText(question.record)) + cell(why.join(QStringLiteral("<br>")))
                   + QStringLiteral("</tr>\n");
    }
    return section + QStringLiteral("</table>\n");
}

QString ReportWriter::glanceSection() const
{
    QString section = QStringLiteral("<h2>%1</h2>\n<table>").arg(tr("The class at a glance"));
    for (const auto &[name, value] : glanceRows(m_report.summary()))
        section += QStringLiteral("<tr><th>%1</th>").arg(name) + cell(value, true) + QStringLiteral("</tr>");
    return section
           + QStringLiteral("</table>\n<p><img alt=\"%1\" src=\"%2\"></p>\n")
                 .arg(tr("How many attempts had each number of right answers"), pngUri(histogram(m_report.summary())));
}

QString ReportWriter::questionsSection() const
{
    QString section = QStringLiteral("<h2>%1</h2>\n<p class=\"note\">%2 %3</p>\n<table>")
                          .arg(tr("Questions"), questionsNote(), tr("The right answer's count is in bold."));
    section += headerRow({tr("Record"), tr("Question"), tr("Shown"), tr("Facility"), tr("Discrimination"),
                          QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                          tr("Time-outs"), tr("Median seconds")});
    for (const ClassReport::Question &question : m_report.questions()) {
        QString text = questionText(question.record);
        if (!text.isEmpty()) {
            const bank::QuestionRecord &record = m_records.at(question.record - 1);
            for (int answer = 1; answer <= 4; ++answer)
                text += QStringLiteral("<br><span lang=\"hy\"%1>%2. %3</span>")
                            .arg(answer == question.right ? QStringLiteral(" class=\"right\"") : QString())
                            .arg(answer)
                            .arg(escaped(record.answer(answer)));
        }
        section += QStringLiteral("<tr>") + cell(QString::number(question.record), true) + cell(text)
                   + cell(QString::number(question.shown), true) + cell(number(question.facility), true)
                   + cell(number(question.discrimination), true);
        for (int answer = 1; answer <= 4; ++answer) {
            const QString count = QString::number(question.chosen[answer]);
            section += cell(answer == question.right ? QStringLiteral("<b>%1</b>").arg(count) : count, true);
        }
        section += cell(QString::number(question.timeOuts), true) + cell(number(question.medianSeconds, 1), true)
                   + QStringLiteral("</tr>\n");
    }
    return section + QStringLiteral("</table>\n");
}

QString ReportWriter::attemptsTable(const QList<Attempt> &attempts)
{
    QString table = QStringLiteral("<table>") + headerRow(attemptColumns());
    for (const Attempt &attempt : attempts) {
        const QStringList cells = attemptCells(attempt);
        table += QStringLiteral("<tr>");
        for (qsizetype column = 0; column < cells.size(); ++column)
            table += cell(escaped(cells.at(column)), column >= FirstNumericColumn && column <= LastNumericColumn);
        table += QStringLiteral("</tr>\n");
    }
    return table + QStringLiteral("</table>\n");
}

SheetPages ReportWriter::pages() const
{
    SheetPages pages;
    pages.addText(tr("Class report"), 18, true);
    pages.addText(introduction());
    if (!m_problems.isEmpty()) {
        pages.addText(tr("Files left out"), 14, true);
        for (const results::AttemptFolder::Problem &problem : m_problems)
            pages.addText(QStringLiteral("%1: %2").arg(problem.path, problem.reason));
    }
    pages.addText(tr("Questions to look at"), 14, true);
    pages.keepWithNext();
    pages.addText(lookAtNote(), 9);
    const QList<ClassReport::Question> flagged = m_report.questionsToLookAt();
    const QList<int> flaggedWidths = {70, 480, 402};
    if (flagged.isEmpty())
        pages.addText(tr("None."));
    else
        pages.addRow({tr("Record"), tr("Question"), tr("Why")}, flaggedWidths, true);
    for (const ClassReport::Question &question : flagged)
        pages.addRow({QString::number(question.record), m_records.value(question.record - 1).questText(),
                      reasons(question).join(u'\n')},
                     flaggedWidths);

    pages.addText(tr("The class at a glance"), 14, true);
    pages.keepWithNext();
    for (const auto &[name, value] : glanceRows(m_report.summary()))
        pages.addRow({name, value}, {300, 200});
    pages.addImage(histogram(m_report.summary()));

    pages.addText(tr("Questions"), 14, true);
    pages.keepWithNext();
    pages.addText(questionsNote(), 9);
    for (const ClassReport::Question &question : m_report.questions()) {
        pages.addText(figures(question), 10, true);
        if (question.record > m_records.size())
            continue;
        pages.keepWithNext();
        ReviewSheet(m_records, {question.record}).addTo(pages);
    }
    addAttempts(pages, tr("Attempts"), m_report.attempts());
    if (!m_report.foreignAttempts().isEmpty())
        addAttempts(pages, tr("Attempts with another test file"), m_report.foreignAttempts(),
                    foreignNote(m_report.foreignAttempts().size()));
    return pages;
}

void ReportWriter::addAttempts(SheetPages &pages, const QString &heading, const QList<Attempt> &attempts,
                               const QString &note)
{
    pages.addText(heading, 14, true);
    pages.keepWithNext();
    if (!note.isEmpty()) {
        pages.addText(note);
        pages.keepWithNext();
    }
    pages.addRow(attemptColumns(), AttemptWidths, true);
    for (const Attempt &attempt : attempts)
        pages.addRow(attemptCells(attempt), AttemptWidths);
}

QByteArray ReportWriter::csv() const
{
    //: The CSV file's column names: keep the commas between them and put none inside a name.
    QString text = u'\uFEFF'
                   + tr("Name,Machine,Started,Ended,Right,Wrong,Time-outs,Minutes,Pause used,Pause seconds,Test file,"
                        "Counted")
                   + QStringLiteral("\r\n");
    const auto rows = [&text](const QList<Attempt> &attempts, const QString &counted) {
        for (const Attempt &attempt : attempts) {
            const QStringList fields = {attempt.userName,
                                        attempt.host,
                                        when(attempt.started),
                                        when(attempt.ended),
                                        QString::number(attempt.totals.right),
                                        QString::number(attempt.totals.wrong),
                                        QString::number(attempt.totals.timeOuts),
                                        minutes(attempt),
                                        attempt.pause.used ? tr("yes") : tr("no"),
                                        QString::number(attempt.pause.seconds),
                                        attempt.testFile.name,
                                        counted};
            for (const QString &field : fields)
                text += csvField(field) + u',';
            text.back() = u'\r';
            text += u'\n';
        }
    };
    rows(m_report.attempts(), tr("yes"));
    rows(m_report.foreignAttempts(), tr("no, another test file"));
    return text.toUtf8();
}

QByteArray ReportWriter::pdf() const
{
    return pages().pdf(tr("Class report"));
}

bool ReportWriter::write(const QString &path, QString *error) const
{
    const QString ending = path.section(u'.', -1).toLower();
    const QByteArray bytes = ending == QLatin1String("csv")   ? csv()
                             : ending == QLatin1String("pdf") ? pdf()
                                                              : html().toUtf8();
    return app::writeWholeFile(path, bytes, error);
}

QImage ReportWriter::histogram(const ClassReport::Summary &summary)
{
    constexpr int Bars = ClassReport::MostRight + 1, BarWidth = 18, Left = 40, Top = 16, Height = 160;
    QImage image(Left + Bars * BarWidth + 16, Top + Height + 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int most = std::max(1, *std::max_element(summary.histogram.cbegin(), summary.histogram.cend()));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QColor(120, 120, 120));
    painter.drawLine(Left, Top + Height, Left + Bars * BarWidth, Top + Height);
    painter.drawText(QRect(0, Top - 6, Left - 6, 14), Qt::AlignRight, QString::number(most));
    painter.drawText(QRect(0, Top + Height - 8, Left - 6, 14), Qt::AlignRight, QStringLiteral("0"));
    for (int right = 0; right < Bars; ++right) {
        const int count = summary.histogram.value(right);
        const int height = count * Height / most;
        painter.fillRect(Left + right * BarWidth + 2, Top + Height - height, BarWidth - 4, height,
                         QColor(60, 110, 180));
        if (right % 5 == 0)
            painter.drawText(QRect(Left + right * BarWidth - 10, Top + Height + 4, BarWidth + 20, 14), Qt::AlignHCenter,
                             QString::number(right));
    }
    painter.drawText(QRect(Left, Top + Height + 20, Bars * BarWidth, 16), Qt::AlignHCenter,
                     tr("right answers (of 30), attempts per number"));
    return image;
}

} // namespace bank_cli
