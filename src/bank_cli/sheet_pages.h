#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

namespace bank_cli {

// The printed sheets' paper: pieces the width of the sheet laid one under another, in the
// program's question font, broken into A4 pages for a PDF (a piece is never split) or kept as
// one long image. Needs a QGuiApplication (the offscreen platform will do).
class SheetPages
{
public:
    static constexpr int Width = 1000; // pixels at 96 dpi; a PDF page holds the same
    static constexpr int Margin = 24;

    static QFont font(int pointSize, bool bold = false);

    // paint draws the piece with its top at 0.
    void add(int height, std::function<void(QPainter &)> paint);
    // Text wrapped to the sheet's width.
    void addText(const QString &text, int pointSize = 10, bool bold = false);
    // One row of a table; columns holds each cell's width, a header row is bold on grey.
    void addRow(const QStringList &cells, const QList<int> &columns, bool header = false);
    void addImage(const QImage &image);
    // The last piece goes on the same page as the one added after it, as a heading with its text.
    void keepWithNext();

    int height() const;
    QImage image() const;
    // The pages as the PDF has them, drawn at the sheet's resolution.
    int pageCount() const;
    QImage page(int index) const;
    QByteArray pdf(const QString &title) const;

private:
    struct Piece
    {
        int height = 0;
        std::function<void(QPainter &)> paint;
        bool keepWithNext = false;
    };
    static int pageHeight();
    QList<QList<qsizetype>> pages() const;
    void paintPage(QPainter &painter, const QList<qsizetype> &pieces) const;

    QList<Piece> m_pieces;
};

} // namespace bank_cli
