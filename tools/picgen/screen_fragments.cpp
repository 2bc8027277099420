#include "screen_fragments.h"

#include "classic_style.h"
#include "glyph_shapes.h"

#include <QFontMetrics>
#include <QPainter>

namespace picgen {

using S = ClassicStyle;
using Glyph = ToolbarGlyphs::Glyph;

namespace {

constexpr int Margin = 6;
constexpr qreal PixelsPerCm = 96 / 2.54;

void keycap(QPainter &p, const QRect &r, const QString &name)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    p.setBrush(QColor(0xb4, 0xb0, 0xa8));
    p.drawRoundedRect(outer, 8, 8);
    const QRectF top = QRectF(r).adjusted(6.5, 3.5, -6.5, -10.5);
    p.setPen(QPen(QColor(0x98, 0x94, 0x8c), 1));
    p.setBrush(QColor(0xf6, 0xf5, 0xf1));
    p.drawRoundedRect(top, 6, 6);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(S::font(name.size() > 2 ? 18 : 22, true));
    p.drawText(top, Qt::AlignCenter, name);
    p.restore();
}

int keyWidth(const QString &name)
{
    if (name == QLatin1String("Ctrl"))
        return 84;
    if (name.size() > 4)
        return 110;
    return 62;
}

void menuArrow(QPainter &p, const QPoint &centre)
{
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(centre.x() - 2 + i, centre.y() - 3 + i, 1, 7 - 2 * i), S::Text);
}

int menuItemHeight(const QList<ScreenFragments::MenuItem> &items, int separatorHeight)
{
    int entries = 0, separators = 0;
    for (const auto &item : items)
        (item.separator ? separators : entries) += 1;
    return qMin(17, (156 - 4 - separators * separatorHeight) / qMax(1, entries));
}

// The white strip of a ruler, 1 cm = 96/2.54 px; drawn at twice the screen size by the caller.
struct Ruler
{
    int width = 240;
    int top = 0;
    int margin = 20;

    int bandTop() const { return top + 3; }
    int bandBottom() const { return top + 15; }
    qreal at(qreal cm) const { return margin + cm * PixelsPerCm; }
};

void drawRuler(QPainter &p, const Ruler &ruler, qreal firstLineCm)
{
    p.fillRect(QRect(0, ruler.top, ruler.width, 22), S::Face);
    const QRect band(0, ruler.bandTop(), ruler.width, ruler.bandBottom() - ruler.bandTop());
    p.fillRect(band, S::Window);
    p.fillRect(QRect(0, band.top(), ruler.margin, band.height()), S::Shadow);
    S::thinSunken(p, band.adjusted(-1, -1, 1, 0));
    p.setFont(S::font(8));
    for (int quarter = 1; ruler.at(quarter / 4.0) < ruler.width; ++quarter) {
        const int x = qRound(ruler.at(quarter / 4.0));
        const int mid = (band.top() + band.bottom()) / 2;
        if (quarter % 4 == 0) {
            p.setPen(S::Text);
            p.drawText(QRect(x - 8, band.top(), 16, band.height()), Qt::AlignCenter, QString::number(quarter / 4));
        } else if (quarter % 2 == 0) {
            p.fillRect(QRect(x, mid - 2, 1, 4), S::Text);
        } else {
            p.fillRect(QRect(x, mid, 1, 1), S::Text);
        }
    }
    const QColor markerPen(0x40, 0x40, 0x40);
    p.setPen(QPen(markerPen, 1));
    p.setBrush(S::Face);
    const qreal first = qRound(ruler.at(firstLineCm)) + 0.5;
    const qreal left = ruler.margin + 0.5;
    const qreal t = ruler.top + 0.5, b = ruler.bandBottom() + 0.5;
    p.drawPolygon(QPolygonF({{first - 4, t}, {first + 4, t}, {first + 4, t + 3}, {first, t + 7}, {first - 4, t + 3}}));
    p.drawPolygon(QPolygonF({{left, b - 7}, {left + 4, b - 3}, {left + 4, b}, {left - 4, b}, {left - 4, b - 3}}));
    p.drawRect(QRectF(left - 4, b, 8, 4));
}

void redArrow(QPainter &p, const QPointF &from, const QPointF &tip)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(0xd0, 0x00, 0x00);
    const QPointF d = tip - from;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF unit = d / length;
    p.setPen(QPen(red, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, tip - unit * 7);
    GlyphShapes::arrowHead(p, tip, d, 9, 4.5, red);
    p.restore();
}

void spinRow(QPainter &p, int x, int y, const QString &name, const QString &value, int labelWidth = 52)
{
    S::label(p, QRect(x, y, labelWidth, 20), name);
    S::spinBox(p, QRect(x + labelWidth, y, 84, 20), value);
}

} // namespace

QImage ScreenFragments::toolbarButton(Glyph glyph, bool withDropDown)
{
    const int glyphSize = ToolbarGlyphs::GridSize * ButtonScale;
    const int padding = 8;
    const int main = glyphSize + 2 * padding;
    const int arrow = withDropDown ? 8 * ButtonScale : 0;
    QImage image = S::canvas(main + arrow + 2 * Margin, main + 2 * Margin, S::Face);
    QPainter p(&image);
    const QRect button(Margin, Margin, main, main);
    S::thinRaised(p, button);
    ToolbarGlyphs::draw(p, glyph, QRectF(button.left() + padding, button.top() + padding, glyphSize, glyphSize));
    if (withDropDown) {
        const QRect part(button.right() + 1, button.top(), arrow, main);
        S::thinRaised(p, part);
        S::dropArrow(p, QRectF(part).center() + QPointF(0, 1), 4.5);
    }
    return image;
}

QImage ScreenFragments::toolbarBox(const QString &text, int width)
{
    const int height = 22 * BoxScale;
    QImage image = S::canvas(width + 2 * Margin, height + 2 * Margin, S::Face);
    QPainter p(&image);
    S::comboBox(p, QRect(Margin, Margin, width, height), text, 11 * BoxScale);
    return image;
}

QImage ScreenFragments::keys(const QStringList &names)
{
    const int height = 62, plus = 40, margin = 10;
    int width = 2 * margin + plus * (names.size() - 1);
    for (const QString &name : names)
        width += keyWidth(name);
    QImage image = S::canvas(width, height + 2 * margin, Qt::white);
    QPainter p(&image);
    int x = margin;
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0) {
            p.setFont(S::font(30, true));
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.drawText(QRect(x, margin, plus, height - 6), Qt::AlignCenter, QStringLiteral("+"));
            x += plus;
        }
        keycap(p, QRect(x, margin, keyWidth(names.at(i)), height), names.at(i));
        x += keyWidth(names.at(i));
    }
    return image;
}

QImage ScreenFragments::menu(const QList<MenuItem> &items)
{
    const int separatorHeight = 4;
    const int itemHeight = menuItemHeight(items, separatorHeight);
    const QFontMetrics metrics(S::font(11));
    int textWidth = 0, height = 4;
    for (const auto &item : items) {
        textWidth = qMax(textWidth, metrics.horizontalAdvance(item.text));
        height += item.separator ? separatorHeight : itemHeight;
    }
    const int gutter = 22;
    const int width = gutter + textWidth + 28 + 18;
    QImage image = S::canvas(width, height, S::Face);
    QPainter p(&image);
    S::raised(p, image.rect());
    int y = 2;
    for (const auto &item : items) {
        if (item.separator) {
            p.fillRect(QRect(3, y + 1, width - 6, 1), S::Shadow);
            p.fillRect(QRect(3, y + 2, width - 6, 1), S::Light);
            y += separatorHeight;
            continue;
        }
        const QRect row(gutter, y, width - gutter - 18, itemHeight);
        S::label(p, row, item.text);
        if (item.submenu)
            menuArrow(p, QPoint(width - 10, y + itemHeight / 2));
        y += itemHeight;
    }
    return image;
}

QImage ScreenFragments::documentIcon(const QString &fileName)
{
    QImage image = S::canvas(124, 100, Qt::white);
    QPainter p(&image);
    ToolbarGlyphs::draw(p, Glyph::WordDocument, QRectF(30, 4, 64, 64));
    S::label(p, QRect(0, 72, image.width(), 22), fileName, 14, Qt::AlignCenter);
    return image;
}

QImage ScreenFragments::closeButton()
{
    QImage image = S::canvas(84, 60, S::Highlight);
    QPainter p(&image);
    S::captionButton(p, QRect(18, 9, 16 * ButtonScale, 14 * ButtonScale), QLatin1Char('x'));
    return image;
}

QImage ScreenFragments::viewButtons(int pressed)
{
    const Glyph glyphs[] = {Glyph::ViewNormal, Glyph::ViewWebLayout, Glyph::ViewPrintLayout, Glyph::ViewOutline};
    const int side = 18 * ButtonScale;
    QImage image = S::canvas(4 * side + 200 + 2 * Margin, side + 2 * Margin, S::Face);
    QPainter p(&image);
    for (int i = 0; i < 4; ++i) {
        const QRect button(Margin + i * side, Margin, side, side);
        if (i == pressed) {
            p.fillRect(button, S::Light);
            S::sunken(p, button);
        }
        const int inset = ButtonScale;
        ToolbarGlyphs::draw(p, glyphs[i],
                            QRectF(button.adjusted(inset, inset, -inset, -inset))
                                .translated(i == pressed ? 1 : 0, i == pressed ? 1 : 0));
    }
    // The start of the horizontal scroll bar beside them.
    const QRect arrow(Margin + 4 * side + 2, Margin, side, side);
    p.fillRect(QRect(arrow.right() + 1, Margin, image.width() - arrow.right() - 1, side), S::Pressed);
    p.fillRect(arrow, S::Face);
    S::raised(p, arrow);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(S::Text);
    const QPointF c = QRectF(arrow).center();
    p.drawPolygon(QPolygonF({{c.x() - 6, c.y()}, {c.x() + 5, c.y() - 11}, {c.x() + 5, c.y() + 11}}));
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect thumb(arrow.right() + 1, Margin, 70, side);
    p.fillRect(thumb, S::Face);
    S::raised(p, thumb);
    return image;
}

QImage ScreenFragments::tableGrid(int rows, int columns)
{
    const int cellWidth = 72, cellHeight = 28, margin = 12;
    QImage image = S::canvas(columns * cellWidth + 2 * margin + 1, rows * cellHeight + 2 * margin + 1, Qt::white);
    QPainter p(&image);
    for (int c = 0; c <= columns; ++c)
        p.fillRect(QRect(margin + c * cellWidth, margin, 1, rows * cellHeight + 1), S::Text);
    for (int r = 0; r <= rows; ++r)
        p.fillRect(QRect(margin, margin + r * cellHeight, columns * cellWidth + 1, 1), S::Text);
    return image;
}

QImage ScreenFragments::statusBar()
{
    const QStringList first = {QStringLiteral("Page 3"), QStringLiteral("Sec 1"), QStringLiteral("3/12")};
    const QStringList second = {QStringLiteral("At 2.5cm"), QStringLiteral("Ln 1"), QStringLiteral("Col 1")};
    const QStringList flags = {QStringLiteral("REC"), QStringLiteral("TRK"), QStringLiteral("EXT"),
                               QStringLiteral("OVR")};
    const QFontMetrics metrics(S::font(11));
    const int gap = 13;
    auto paneWidth = [&](const QStringList &texts) {
        int w = 8;
        for (const QString &t : texts)
            w += metrics.horizontalAdvance(t) + gap;
        return w;
    };
    const int w1 = paneWidth(first) + 8, w2 = paneWidth(second) + 8, w3 = paneWidth(flags);
    QImage image = S::canvas(w1 + w2 + w3 + 10, 26, S::Face);
    QPainter p(&image);
    int x = 2;
    for (const auto &[texts, width, colour] :
         {std::tuple{first, w1, S::Text}, std::tuple{second, w2, S::Text}, std::tuple{flags, w3, S::GrayText}}) {
        S::thinSunken(p, QRect(x, 3, width, 20));
        int tx = x + 8;
        p.setFont(S::font(11));
        p.setPen(colour);
        for (const QString &t : texts) {
            p.drawText(QRect(tx, 3, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, t);
            tx += metrics.horizontalAdvance(t) + gap;
        }
        x += width + 3;
    }
    return image;
}

QImage ScreenFragments::indentRuler()
{
    QImage image = S::canvas(480, 92, Qt::white);
    QPainter p(&image);
    p.scale(2, 2);
    Ruler ruler;
    ruler.top = 22;
    drawRuler(p, ruler, 1.25);
    const qreal first = qRound(ruler.at(1.25)) + 0.5;
    redArrow(p, QPointF(first + 40, 3), QPointF(first + 2, ruler.top - 1));
    return image;
}

QImage ScreenFragments::tabRuler()
{
    QImage image = S::canvas(480, 92, Qt::white);
    QPainter p(&image);
    p.scale(2, 2);
    Ruler ruler;
    ruler.top = 2;
    drawRuler(p, ruler, 0);
    const int x = qRound(ruler.at(4));
    // The stop sits on the lower edge of the band, clear of the digit above it.
    p.fillRect(QRect(x, ruler.bandBottom() - 1, 2, 7), S::Text);
    p.fillRect(QRect(x, ruler.bandBottom() + 4, 6, 2), S::Text);
    redArrow(p, QPointF(x + 40, 44), QPointF(x + 5, ruler.bandBottom() + 7));
    return image;
}

QImage ScreenFragments::pageSetupMargins()
{
    QImage image = S::canvas(400, 156, S::Face);
    QPainter p(&image);
    const QRect client = S::dialogFrame(p, image.rect(), QStringLiteral("Page Setup"), true);
    const QRect pane = client.adjusted(6, 24, -6, -5);
    S::tabs(p, pane,
            {QStringLiteral("Margins"), QStringLiteral("Paper Size"), QStringLiteral("Paper Source"),
             QStringLiteral("Layout")},
            0);
    const QStringList names = {QStringLiteral("Top:"), QStringLiteral("Bottom:"), QStringLiteral("Left:"),
                               QStringLiteral("Right:")};
    const QStringList values = {QStringLiteral("2.5 cm"), QStringLiteral("2.5 cm"), QStringLiteral("3 cm"),
                                QStringLiteral("1.5 cm")};
    for (int i = 0; i < 4; ++i)
        spinRow(p, pane.left() + 12, pane.top() + 8 + i * 24, names.at(i), values.at(i));
    const QRect preview(pane.left() + 190, pane.top() + 4, pane.width() - 200, pane.height() - 10);
    S::groupBox(p, preview, QStringLiteral("Preview"));
    const QRect sheet(preview.center().x() - 26, preview.top() + 16, 52, 72);
    p.fillRect(sheet.translated(3, 3), S::DarkShadow);
    p.fillRect(sheet, S::Window);
    p.setPen(S::Text);
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet);
    const qreal cm = sheet.width() / 21.0;
    const QRectF text = QRectF(sheet).adjusted(3 * cm, 2.5 * cm, -1.5 * cm, -2.5 * cm);
    for (qreal y = text.top() + 1; y < text.bottom(); y += 3)
        p.fillRect(QRectF(text.left(), y, text.width(), 1), S::GrayText);
    return image;
}

QImage ScreenFragments::paragraphSpacing()
{
    QImage image = S::canvas(430, 140, S::Face);
    QPainter p(&image);
    const QRect client = S::dialogFrame(p, image.rect(), QStringLiteral("Paragraph"), true);
    const QRect pane = client.adjusted(6, 24, -6, -5);
    S::tabs(p, pane, {QStringLiteral("Indents and Spacing"), QStringLiteral("Line and Page Breaks")}, 0);
    const QRect group = pane.adjusted(8, 6, -8, -8);
    S::groupBox(p, group, QStringLiteral("Spacing"));
    spinRow(p, group.left() + 12, group.top() + 22, QStringLiteral("Before:"), QStringLiteral("0 pt"));
    spinRow(p, group.left() + 12, group.top() + 48, QStringLiteral("After:"), QStringLiteral("6 pt"));
    const int x = group.left() + 172;
    S::label(p, QRect(x, group.top() + 16, 120, 16), QStringLiteral("Line spacing:"));
    S::comboBox(p, QRect(x, group.top() + 34, 118, 21), QStringLiteral("Double"));
    S::label(p, QRect(x + 130, group.top() + 16, 60, 16), QStringLiteral("At:"));
    S::spinBox(p, QRect(x + 130, group.top() + 34, 66, 20), QString());
    return image;
}

QImage ScreenFragments::wordCount()
{
    QImage image = S::canvas(360, 152, S::Face);
    QPainter p(&image);
    const QRect client = S::dialogFrame(p, image.rect(), QStringLiteral("Word Count"), true);
    S::label(p, QRect(client.left() + 10, client.top() + 6, 200, 16), QStringLiteral("Statistics:"));
    const QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("Pages"), QStringLiteral("4")},
        {QStringLiteral("Words"), QStringLiteral("1 250")},
        {QStringLiteral("Characters (no spaces)"), QStringLiteral("6 480")},
        {QStringLiteral("Characters (with spaces)"), QStringLiteral("7 730")},
        {QStringLiteral("Paragraphs"), QStringLiteral("38")},
        {QStringLiteral("Lines"), QStringLiteral("112")},
    };
    for (int i = 0; i < rows.size(); ++i) {
        const QRect row(client.left() + 22, client.top() + 26 + i * 16, 230, 16);
        S::label(p, row, rows.at(i).first);
        S::label(p, row, rows.at(i).second, 11, Qt::AlignRight | Qt::AlignVCenter);
    }
    S::pushButton(p, QRect(client.right() - 86, client.top() + 26, 76, 23), QStringLiteral("Close"));
    return image;
}

QImage ScreenFragments::pageNumbers()
{
    QImage image = S::canvas(410, 150, S::Face);
    QPainter p(&image);
    const QRect client = S::dialogFrame(p, image.rect(), QStringLiteral("Page Numbers"), true);
    const int x = client.left() + 10, top = client.top();
    S::label(p, QRect(x, top + 6, 180, 16), QStringLiteral("Position:"));
    S::comboBox(p, QRect(x, top + 23, 196, 21), QStringLiteral("Bottom of page (Footer)"));
    S::label(p, QRect(x, top + 50, 180, 16), QStringLiteral("Alignment:"));
    S::comboBox(p, QRect(x, top + 67, 196, 21), QStringLiteral("Right"));
    S::checkBox(p, QPoint(x, top + 100), QStringLiteral("Show number on first page"), true);
    const QRect preview(x + 208, top + 2, 92, client.height() - 10);
    S::groupBox(p, preview, QStringLiteral("Preview"));
    const QRect sheet(preview.center().x() - 27, preview.top() + 18, 54, 74);
    p.fillRect(sheet.translated(3, 3), S::DarkShadow);
    p.fillRect(sheet, S::Window);
    p.setPen(S::Text);
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet);
    for (int y = sheet.top() + 8; y < sheet.bottom() - 16; y += 4)
        p.fillRect(QRect(sheet.left() + 6, y, sheet.width() - 12, 1), S::GrayText);
    p.drawRect(QRect(sheet.right() - 13, sheet.bottom() - 11, 8, 7));
    const int bx = preview.right() + 10;
    S::pushButton(p, QRect(bx, top + 8, client.right() - bx - 8, 23), QStringLiteral("OK"));
    S::pushButton(p, QRect(bx, top + 36, client.right() - bx - 8, 23), QStringLiteral("Cancel"));
    S::pushButton(p, QRect(bx, top + 92, client.right() - bx - 8, 23), QStringLiteral("Format..."));
    return image;
}

} // namespace picgen
