#include "bank_cli/sheet_pages.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace bank_cli {

namespace {

constexpr int Resolution = SheetPages::Width * 254 / 2100; // dots per inch: the sheet's width fills A4's
constexpr int CellPadding = 4;

} // namespace

QFont SheetPages::font(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Bararan"));
    font.setPixelSize(pointSize * 4 / 3);
    font.setBold(bold);
    return font;
}

void SheetPages::add(int height, std::function<void(QPainter &)> paint)
{
    m_pieces.append({height, std::move(paint)});
}

void SheetPages::addText(const QString &text, int pointSize, bool bold)
{
    const QFont font = SheetPages::font(pointSize, bold);
    const QRect rect =
        QFontMetrics(font).boundingRect(QRect(Margin, 0, Width - 2 * Margin, 100000), Qt::TextWordWrap, text);
    add(rect.height() + pointSize / 2, [=](QPainter &painter) {
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::TextWordWrap, text);
    });
}

void SheetPages::addRow(const QStringList &cells, const QList<int> &columns, bool header)
{
    const QFont font = SheetPages::font(9, header);
    const QFontMetrics metrics(font);
    QList<QRect> rects;
    int height = 0, left = Margin;
    for (qsizetype column = 0; column < cells.size() && column < columns.size(); ++column) {
        rects.append(
            metrics.boundingRect(QRect(left + CellPadding, CellPadding, columns.at(column) - 2 * CellPadding, 100000),
                                 Qt::TextWordWrap, cells.at(column)));
        height = std::max(height, rects.last().height() + 2 * CellPadding);
        left += columns.at(column);
    }
    const int right = left;
    add(height, [=](QPainter &painter) {
        if (header)
            painter.fillRect(Margin, 0, right - Margin, height, QColor(235, 235, 235));
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (qsizetype column = 0; column < rects.size(); ++column)
            painter.drawText(rects.at(column), Qt::TextWordWrap, cells.at(column));
        painter.setPen(QColor(190, 190, 190));
        painter.drawLine(Margin, height - 1, right, height - 1);
    });
}

void SheetPages::addImage(const QImage &image)
{
    add(image.height() + 8, [=](QPainter &painter) { painter.drawImage(Margin, 0, image); });
}

void SheetPages::keepWithNext()
{
    if (!m_pieces.isEmpty())
        m_pieces.last().keepWithNext = true;
}

int SheetPages::height() const
{
    int height = 2 * Margin;
    for (const Piece &piece : m_pieces)
        height += piece.height;
    return height;
}

QImage SheetPages::image() const
{
    QImage sheet(Width, height(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QList<qsizetype> all;
    for (qsizetype index = 0; index < m_pieces.size(); ++index)
        all.append(index);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(painter, all);
    return sheet;
}

int SheetPages::pageHeight()
{
    return QPageSize(QPageSize::A4).sizePixels(Resolution).height();
}

// Which pieces go on which page: as many as fit, each kept with those it must be with, and a piece
// taller than a page on a page of its own.
QList<QList<qsizetype>> SheetPages::pages() const
{
    QList<QList<qsizetype>> pages(1);
    const int bottom = pageHeight() - Margin;
    int y = Margin;
    for (qsizetype index = 0; index < m_pieces.size(); ++index) {
        int together = m_pieces.at(index).height;
        for (qsizetype next = index; m_pieces.at(next).keepWithNext && next + 1 < m_pieces.size(); ++next)
            together += m_pieces.at(next + 1).height;
        if (y + together > bottom && !pages.last().isEmpty()) {
            pages.append(QList<qsizetype>());
            y = Margin;
        }
        pages.last().append(index);
        y += m_pieces.at(index).height;
    }
    return pages;
}

void SheetPages::paintPage(QPainter &painter, const QList<qsizetype> &pieces) const
{
    int y = Margin;
    for (const qsizetype index : pieces) {
        painter.save();
        painter.translate(0, y);
        m_pieces.at(index).paint(painter);
        painter.restore();
        y += m_pieces.at(index).height;
    }
}

int SheetPages::pageCount() const
{
    return int(pages().size());
}

QImage SheetPages::page(int index) const
{
    QImage page(Width, pageHeight(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(painter, pages().at(index));
    return page;
}

QByteArray SheetPages::pdf(const QString &title) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(Resolution);
        pdf.setTitle(title);
        QPainter painter(&pdf);
        const QList<QList<qsizetype>> pages = this->pages();
        for (qsizetype page = 0; page < pages.size(); ++page) {
            if (page > 0)
                pdf.newPage();
            paintPage(painter, pages.at(page));
        }
    }
    return buffer.data();
}

} // namespace bank_cli
