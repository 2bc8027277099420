#include "toolbar_glyphs.h"

#include "glyph_shapes.h"

#include <QPainterPath>

namespace picgen {

using G = GlyphShapes;
using Glyph = ToolbarGlyphs::Glyph;

namespace {

const QColor Yellow(0xff, 0xe6, 0x80);
const QColor DarkYellow(0xd8, 0xa8, 0x20);
const QColor Steel(0xc0, 0xc0, 0xc0);
const QColor Red(0xe0, 0x00, 0x00);
const qreal Thick = 1.0;

void newPage(QPainter &p)
{
    G::page(p, QRectF(3, 1, 10, 14), 3);
}

void openFolder(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(DarkYellow);
    p.drawPolygon(QPolygonF({{1, 3}, {5, 3}, {6, 4}, {12, 4}, {12, 14}, {1, 14}}));
    p.setBrush(Yellow);
    p.drawPolygon(QPolygonF({{4, 7}, {15, 7}, {12, 14}, {1, 14}}));
    G::check(p, QPolygonF({{9, 3}, {11, 1}, {14, 2}}), 2.0 / 3, G::Ink);
    G::arrowHead(p, QPointF(15, 5), QPointF(0.3, 1), 2, 1.3, G::Ink);
}

void floppy(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(QColor(0x2b, 0x4c, 0x9b));
    p.drawPolygon(QPolygonF({{1, 1}, {14, 1}, {15, 2}, {15, 15}, {1, 15}}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 1, 10, 7));
    G::bar(p, 4.5, 11.5, 3, 2.0 / 3, QColor(0x80, 0x80, 0x80));
    G::bar(p, 4.5, 11.5, 5, 2.0 / 3, QColor(0x80, 0x80, 0x80));
    p.setPen(G::outline());
    p.setBrush(Steel);
    p.drawRect(QRectF(4, 10, 8, 5));
    p.setBrush(QColor(0x2b, 0x4c, 0x9b));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(5.33, 11, 2, 3.33));
}

void printer(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1, 8, 6));
    p.setBrush(QColor(0xc8, 0xc8, 0xc8));
    p.drawRoundedRect(QRectF(1, 6, 14, 6), 1, 1);
    G::bar(p, 3, 13, 9, 2.0 / 3, QColor(0x40, 0x40, 0x40));
    p.setPen(G::outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 11, 10, 4));
    G::bar(p, 4.5, 11.5, 12.66, 2.0 / 3, G::TextLine);
    p.fillRect(QRectF(12.33, 7, 1.33, 1), QColor(0x20, 0xc0, 0x20));
}

void textLines(QPainter &p, qreal x1, qreal x2, std::initializer_list<qreal> rows, qreal thickness = 2.0 / 3)
{
    for (qreal y : rows)
        G::bar(p, x1, x2, y, thickness);
}

void printPreview(QPainter &p)
{
    G::page(p, QRectF(1, 1, 10, 13), 3);
    textLines(p, 3, 9, {5, 7, 9, 11});
    p.setPen(G::outline());
    p.setBrush(QColor(0xc8, 0xe4, 0xfc));
    p.drawEllipse(QPointF(10, 9), 3.5, 3.5);
    p.setPen(QPen(QColor(0x30, 0x20, 0x10), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.7, 11.7), QPointF(14.8, 13.8));
}

void spelling(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(G::Ink);
    p.drawPath(
        G::textPath(QStringLiteral("ABC"), G::glyphFont(QStringLiteral("DejaVu Sans"), true), QRectF(1, 1, 14, 5.5)));
    G::check(p, QPolygonF({{3.5, 11}, {6.5, 14}, {13, 7.5}}), 1.7, QColor(0x10, 0x40, 0xd0));
}

void scissors(QPainter &p)
{
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.6, 10.4), QPointF(11.2, 1.2));
    p.drawLine(QPointF(9.4, 10.4), QPointF(4.8, 1.2));
    p.setPen(QPen(Steel, 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.0, 9.0), QPointF(10.8, 1.6));
    p.drawLine(QPointF(9.0, 9.0), QPointF(5.2, 1.6));
    p.setPen(G::outline(1.1, QColor(0x20, 0x20, 0x20)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5, 12.6), 2.1, 2.1);
    p.drawEllipse(QPointF(11, 12.6), 2.1, 2.1);
    p.setPen(Qt::NoPen);
    p.setBrush(G::Ink);
    p.drawEllipse(QPointF(8, 7.2), 0.6, 0.6);
}

void copyPages(QPainter &p)
{
    G::page(p, QRectF(1, 1, 8, 10), 2);
    textLines(p, 2.66, 7, {4, 6, 8});
    G::page(p, QRectF(6, 5, 9, 10), 2);
    textLines(p, 7.66, 13.33, {8, 10, 12});
}

void paste(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(QColor(0xb0, 0x78, 0x30));
    p.drawRoundedRect(QRectF(1, 2, 10, 13), 0.8, 0.8);
    p.setBrush(Steel);
    p.drawRect(QRectF(4, 1, 4, 3));
    G::page(p, QRectF(6, 6, 9, 9), 2);
    textLines(p, 7.66, 13.33, {9, 11, 13});
}

void formatPainter(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(QColor(0xf0, 0xc8, 0x30));
    p.drawRect(QRectF(2, 1, 12, 5));
    G::bar(p, 2.66, 13.33, 3.33, 2.0 / 3, QColor(0xb0, 0x80, 0x10));
    p.setPen(G::outline());
    p.setBrush(Steel);
    p.drawRect(QRectF(6, 6, 4, 3));
    p.setBrush(QColor(0x8b, 0x5a, 0x2b));
    p.drawRect(QRectF(7, 9, 2, 6));
}

void curvedArrow(QPainter &p)
{
    QPainterPath path(QPointF(12.5, 13.5));
    path.cubicTo(QPointF(15, 6), QPointF(8, 2), QPointF(4.3, 6.6));
    p.setPen(QPen(G::Blue, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    G::arrowHead(p, QPointF(1.6, 10.2), QPointF(-0.6, 1), 4.2, 2.6, G::Blue);
}

void hyperlink(QPainter &p)
{
    G::globe(p, QPointF(6.5, 6.5), 5.5);
    p.save();
    for (const QPointF centre : {QPointF(9.6, 13.1), QPointF(13.1, 9.6)}) {
        p.save();
        p.translate(centre);
        p.rotate(-45);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.4));
        p.drawRoundedRect(QRectF(-2.8, -1.3, 5.6, 2.6), 1.3, 1.3);
        p.setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 0.5));
        p.drawRoundedRect(QRectF(-2.8, -1.3, 5.6, 2.6), 1.3, 1.3);
        p.restore();
    }
    p.restore();
}

void grid(QPainter &p, const QRectF &r, int columns, int rows, const QColor &header, const QColor &firstColumn)
{
    const qreal cw = r.width() / columns, rh = r.height() / rows;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(r);
    if (header.isValid())
        p.fillRect(QRectF(r.left(), r.top(), r.width(), rh), header);
    if (firstColumn.isValid())
        p.fillRect(QRectF(r.left(), r.top() + rh, cw, r.height() - rh), firstColumn);
    p.setPen(G::outline(2.0 / 3, QColor(0x20, 0x20, 0x20)));
    for (int c = 0; c <= columns; ++c)
        p.drawLine(QPointF(r.left() + c * cw, r.top()), QPointF(r.left() + c * cw, r.bottom()));
    for (int row = 0; row <= rows; ++row)
        p.drawLine(QPointF(r.left(), r.top() + row * rh), QPointF(r.right(), r.top() + row * rh));
}

void tablesAndBorders(QPainter &p)
{
    grid(p, QRectF(1, 6, 9, 9), 3, 3, QColor(), QColor());
    G::pencil(p, QPointF(6, 10), -45, 12.5, 3);
}

void insertTable(QPainter &p)
{
    grid(p, QRectF(2, 2, 12, 12), 4, 4, QColor(0x3a, 0x6e, 0xc5), QColor());
}

// A spreadsheet with grey row and column headings, and the green badge of the spreadsheet program
// in its corner, so that it does not pass for the table button.
void insertWorksheet(QPainter &p)
{
    const QColor headings(0xc0, 0xc0, 0xc0);
    grid(p, QRectF(1, 1, 13, 12), 4, 4, headings, headings);
    p.setPen(G::outline());
    p.setBrush(QColor(0x20, 0x80, 0x30));
    p.drawRect(QRectF(8.5, 8.5, 6.5, 6.5));
    p.setPen(G::outline(1.2, Qt::white));
    p.drawLine(QPointF(10, 10), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 10), QPointF(10, 13.5));
}

void columns(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1, 1, 14, 14));
    textLines(p, 2.66, 7.33, {3, 5, 7, 9, 11, 13}, 1);
    textLines(p, 8.66, 13.33, {3, 5, 7, 9, 11}, 1);
}

void drawing(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(QColor(0x30, 0x70, 0xe0));
    p.drawRect(QRectF(1, 7, 7, 7));
    p.setBrush(QColor(0xf8, 0xd0, 0x30));
    p.drawEllipse(QPointF(11, 10.5), 3.8, 3.8);
    G::pencil(p, QPointF(3, 5), -25, 12, 2.6);
}

void documentMap(QPainter &p)
{
    p.setPen(G::outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1, 1, 14, 14));
    p.fillRect(QRectF(1.33, 1.33, 5, 13.33), QColor(0xc4, 0xd8, 0xf4));
    p.setPen(G::outline());
    p.drawLine(QPointF(6.33, 1), QPointF(6.33, 15));
    G::bar(p, 2.33, 5.33, 3, 2.0 / 3, G::Blue);
    G::bar(p, 3.33, 5.33, 5, 2.0 / 3, G::Blue);
    G::bar(p, 3.33, 5.33, 7, 2.0 / 3, G::Blue);
    G::bar(p, 2.33, 5.33, 9, 2.0 / 3, G::Blue);
    textLines(p, 7.66, 13.66, {3, 5, 7, 9, 11, 13});
}

void letter(QPainter &p, const QString &text, const QString &family, bool bold, bool italic, const QRectF &box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(G::Ink);
    p.drawPath(G::textPath(text, G::glyphFont(family, bold, italic), box));
}

void alignedLines(QPainter &p, qreal shortLeft, qreal shortRight)
{
    for (int i = 0; i < 7; ++i) {
        const bool isShort = i % 2 == 1;
        G::bar(p, isShort ? shortLeft : 1, isShort ? shortRight : 15, 1.5 + 2 * i, Thick, G::Ink);
    }
}

void numbering(QPainter &p)
{
    const QFont font = G::glyphFont(QStringLiteral("DejaVu Sans"), true);
    const qreal rows[] = {1, 6, 11};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(G::Ink);
        p.drawPath(G::textPath(QString::number(i + 1), font, QRectF(0.5, rows[i], 4, 4)));
        G::bar(p, 6, 15, rows[i] + 1.5, Thick, G::Ink);
    }
}

void bullets(QPainter &p)
{
    for (qreal y : {3.0, 8.0, 13.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(G::Ink);
        p.drawEllipse(QPointF(2.5, y), 1.4, 1.4);
        G::bar(p, 6, 15, y - 0.5, Thick, G::Ink);
    }
}

void indent(QPainter &p, bool increase)
{
    G::bar(p, 1, 15, 1, Thick, G::Ink);
    for (qreal y : {4.5, 7.5, 10.5})
        G::bar(p, 7, 15, y, Thick, G::Ink);
    G::bar(p, 1, 15, 14, Thick, G::Ink);
    const qreal y = 8;
    p.fillRect(increase ? QRectF(1, y - 1, 2.5, 2) : QRectF(3, y - 1, 2.5, 2), G::Blue);
    if (increase)
        G::arrowHead(p, QPointF(6, y), QPointF(1, 0), 3, 3, G::Blue);
    else
        G::arrowHead(p, QPointF(0.5, y), QPointF(-1, 0), 3, 3, G::Blue);
}

void outsideBorder(QPainter &p)
{
    const QColor dots(0x80, 0x80, 0x80);
    for (qreal t = 2.33; t < 14; t += 1.33) {
        p.fillRect(QRectF(t, 7.66, 0.66, 0.66), dots);
        p.fillRect(QRectF(7.66, t, 0.66, 0.66), dots);
    }
    p.setPen(QPen(G::Ink, Thick, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
}

void highlighter(QPainter &p)
{
    p.fillRect(QRectF(1, 12, 14, 3), QColor(0xff, 0xff, 0x00));
    p.save();
    p.translate(4, 10);
    p.rotate(-45);
    p.setPen(G::outline(0.5));
    p.setBrush(QColor(0xff, 0xf0, 0x00));
    p.drawPolygon(QPolygonF({{0, -0.8}, {2.5, -1.8}, {2.5, 1.8}, {0, 0.8}}));
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.drawRect(QRectF(2.5, -1.8, 6.5, 3.6));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRect(QRectF(9, -1.8, 3, 3.6));
    p.restore();
}

void fontColour(QPainter &p)
{
    letter(p, QStringLiteral("A"), QStringLiteral("DejaVu Sans"), true, false, QRectF(3, 1, 10, 9.5));
    p.fillRect(QRectF(1, 12, 14, 3), QColor(0xff, 0x00, 0x00));
}

void viewNormal(QPainter &p)
{
    textLines(p, 2, 14, {2, 4, 6}, 1);
    for (qreal x = 2; x < 14; x += 2)
        G::bar(p, x, x + 1, 8.5, 0.66, G::Ink);
    textLines(p, 2, 14, {11, 13}, 1);
}

void viewWebLayout(QPainter &p)
{
    G::page(p, QRectF(1, 1, 11, 13), 0);
    textLines(p, 2.66, 10, {3, 5, 7});
    G::globe(p, QPointF(11, 11), 4);
}

void viewPrintLayout(QPainter &p)
{
    p.fillRect(QRectF(4, 2, 10, 13), QColor(0x60, 0x60, 0x60));
    G::page(p, QRectF(2, 1, 10, 13), 0);
    textLines(p, 4, 10, {4, 6, 8, 10, 12}, 2.0 / 3);
}

void viewOutline(QPainter &p)
{
    const struct
    {
        qreal indent;
        qreal y;
    } rows[] = {{1, 2}, {4.5, 6}, {4.5, 10}, {1, 14}};

    for (const auto &row : rows) {
        p.fillRect(QRectF(row.indent, row.y - 1, 2, 2), G::Ink);
        G::bar(p, row.indent + 3.5, 15, row.y - 0.5, Thick, G::Ink);
    }
}

void wordDocument(QPainter &p)
{
    G::page(p, QRectF(3, 0.66, 12, 14.66), 3.5);
    textLines(p, 9, 12.5, {6, 8, 10});
    p.setPen(G::outline(0.5, QColor(0x10, 0x20, 0x60)));
    p.setBrush(QColor(0x20, 0x50, 0xc0));
    p.drawRect(QRectF(0.66, 4.5, 7.5, 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(
        G::textPath(QStringLiteral("W"), G::glyphFont(QStringLiteral("DejaVu Sans"), true), QRectF(1.3, 5.8, 6.2, 5)));
}

} // namespace

void ToolbarGlyphs::draw(QPainter &painter, Glyph glyph, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / GridSize, target.height() / GridSize);
    drawInGrid(painter, glyph);
    painter.restore();
}

void ToolbarGlyphs::drawInGrid(QPainter &p, Glyph glyph)
{
    const QString serif = QStringLiteral("DejaVu Serif");
    switch (glyph) {
    case Glyph::New: newPage(p); break;
    case Glyph::Open: openFolder(p); break;
    case Glyph::Save: floppy(p); break;
    case Glyph::Print: printer(p); break;
    case Glyph::PrintPreview: printPreview(p); break;
    case Glyph::Spelling: spelling(p); break;
    case Glyph::Cut: scissors(p); break;
    case Glyph::Copy: copyPages(p); break;
    case Glyph::Paste: paste(p); break;
    case Glyph::FormatPainter: formatPainter(p); break;
    case Glyph::Undo: curvedArrow(p); break;
    case Glyph::Redo:
        p.translate(GridSize, 0);
        p.scale(-1, 1);
        curvedArrow(p);
        break;
    case Glyph::Hyperlink: hyperlink(p); break;
    case Glyph::TablesAndBorders: tablesAndBorders(p); break;
    case Glyph::InsertTable: insertTable(p); break;
    case Glyph::InsertWorksheet: insertWorksheet(p); break;
    case Glyph::Columns: columns(p); break;
    case Glyph::Drawing: drawing(p); break;
    case Glyph::DocumentMap: documentMap(p); break;
    case Glyph::ShowHide:
        letter(p, QString(QChar(0x00b6)), QStringLiteral("DejaVu Sans"), true, false, QRectF(2, 1, 12, 14));
        break;
    case Glyph::Bold: letter(p, QStringLiteral("B"), serif, true, false, QRectF(2, 2, 12, 12)); break;
    case Glyph::Italic: letter(p, QStringLiteral("I"), serif, true, true, QRectF(3, 2, 10, 12)); break;
    case Glyph::Underline:
        letter(p, QStringLiteral("U"), serif, true, false, QRectF(2, 1, 12, 10.5));
        G::bar(p, 2.5, 13.5, 13, 1.33, G::Ink);
        break;
    case Glyph::AlignLeft: alignedLines(p, 1, 10); break;
    case Glyph::Center: alignedLines(p, 4, 12); break;
    case Glyph::AlignRight: alignedLines(p, 6, 15); break;
    case Glyph::Justify: alignedLines(p, 1, 15); break;
    case Glyph::Numbering: numbering(p); break;
    case Glyph::Bullets: bullets(p); break;
    case Glyph::DecreaseIndent: indent(p, false); break;
    case Glyph::IncreaseIndent: indent(p, true); break;
    case Glyph::OutsideBorder: outsideBorder(p); break;
    case Glyph::Highlight: highlighter(p); break;
    case Glyph::FontColor: fontColour(p); break;
    case Glyph::ViewNormal: viewNormal(p); break;
    case Glyph::ViewWebLayout: viewWebLayout(p); break;
    case Glyph::ViewPrintLayout: viewPrintLayout(p); break;
    case Glyph::ViewOutline: viewOutline(p); break;
    case Glyph::WordDocument: wordDocument(p); break;
    }
}

} // namespace picgen
