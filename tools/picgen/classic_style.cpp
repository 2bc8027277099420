#include "classic_style.h"

#include <QPainterPath>

namespace picgen {

const QColor ClassicStyle::Face(0xd4, 0xd0, 0xc8);
const QColor ClassicStyle::Light(0xff, 0xff, 0xff);
const QColor ClassicStyle::Shadow(0x80, 0x80, 0x80);
const QColor ClassicStyle::DarkShadow(0x40, 0x40, 0x40);
const QColor ClassicStyle::Window(0xff, 0xff, 0xff);
const QColor ClassicStyle::Text(0x00, 0x00, 0x00);
const QColor ClassicStyle::GrayText(0x80, 0x80, 0x80);
const QColor ClassicStyle::Highlight(0x0a, 0x24, 0x6a);
const QColor ClassicStyle::Pressed(0xec, 0xea, 0xe6);

namespace {

void hline(QPainter &painter, int x1, int x2, int y, const QColor &colour)
{
    painter.fillRect(QRect(QPoint(x1, y), QPoint(x2, y)), colour);
}

void vline(QPainter &painter, int x, int y1, int y2, const QColor &colour)
{
    painter.fillRect(QRect(QPoint(x, y1), QPoint(x, y2)), colour);
}

void bevel(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    hline(painter, r.left(), r.right() - 1, r.top(), topLeft);
    vline(painter, r.left(), r.top(), r.bottom() - 1, topLeft);
    hline(painter, r.left(), r.right(), r.bottom(), bottomRight);
    vline(painter, r.right(), r.top(), r.bottom(), bottomRight);
}

} // namespace

QImage ClassicStyle::canvas(int width, int height, const QColor &background)
{
    // Premultiplied ARGB keeps text antialiasing grey (no colour fringes), which keeps the
    // palette small.
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

QFont ClassicStyle::font(int pixelSize, bool bold, const QString &family)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void ClassicStyle::thinRaised(QPainter &painter, const QRect &rect)
{
    bevel(painter, rect, Light, Shadow);
}

void ClassicStyle::thinSunken(QPainter &painter, const QRect &rect)
{
    bevel(painter, rect, Shadow, Light);
}

void ClassicStyle::raised(QPainter &painter, const QRect &rect)
{
    bevel(painter, rect, Light, DarkShadow);
    bevel(painter, rect.adjusted(1, 1, -1, -1), Face, Shadow);
}

void ClassicStyle::sunken(QPainter &painter, const QRect &rect)
{
    bevel(painter, rect, Shadow, Light);
    bevel(painter, rect.adjusted(1, 1, -1, -1), DarkShadow, Face);
}

void ClassicStyle::pushButton(QPainter &painter, const QRect &rect, const QString &text, int pixelSize)
{
    painter.fillRect(rect, Face);
    raised(painter, rect);
    label(painter, rect, text, pixelSize, Qt::AlignCenter);
}

void ClassicStyle::field(QPainter &painter, const QRect &rect, const QString &text, int pixelSize)
{
    painter.fillRect(rect, Window);
    sunken(painter, rect);
    label(painter, rect.adjusted(pixelSize / 3 + 2, 0, -2, 0), text, pixelSize);
}

void ClassicStyle::comboBox(QPainter &painter, const QRect &rect, const QString &text, int pixelSize)
{
    field(painter, rect, text, pixelSize);
    const int side = rect.height() - 4;
    const QRect button(rect.right() - 1 - side, rect.top() + 2, side, side);
    painter.fillRect(button, Face);
    raised(painter, button);
    dropArrow(painter, QRectF(button).center(), side / 5.0);
}

void ClassicStyle::spinBox(QPainter &painter, const QRect &rect, const QString &text, int pixelSize)
{
    field(painter, rect, text, pixelSize);
    const int width = rect.height() * 3 / 4;
    const int inner = rect.height() - 4;
    const QRect up(rect.right() - 1 - width, rect.top() + 2, width, inner / 2);
    const QRect down(up.left(), up.bottom() + 1, width, inner - inner / 2);
    for (const QRect &half : {up, down}) {
        painter.fillRect(half, Face);
        raised(painter, half);
    }
    const qreal w = width / 6.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Text);
    const QPointF cu = QRectF(up).center(), cd = QRectF(down).center();
    painter.drawPolygon(
        QPolygonF({{cu.x() - w, cu.y() + w / 2}, {cu.x() + w, cu.y() + w / 2}, {cu.x(), cu.y() - w / 2}}));
    painter.drawPolygon(
        QPolygonF({{cd.x() - w, cd.y() - w / 2}, {cd.x() + w, cd.y() - w / 2}, {cd.x(), cd.y() + w / 2}}));
}

void ClassicStyle::checkBox(QPainter &painter, const QPoint &topLeft, const QString &text, bool checked, int pixelSize)
{
    const int side = pixelSize + 2;
    const QRect box(topLeft, QSize(side, side));
    painter.fillRect(box, Window);
    sunken(painter, box);
    if (checked) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Text, side / 7.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const qreal s = side;
        painter.drawPolyline(QPolygonF({{box.left() + s * 0.27, box.top() + s * 0.5},
                                        {box.left() + s * 0.43, box.top() + s * 0.68},
                                        {box.left() + s * 0.75, box.top() + s * 0.32}}));
        painter.restore();
    }
    label(painter, QRect(box.right() + 6, box.top() - 2, 400, side + 4), text, pixelSize);
}

void ClassicStyle::groupBox(QPainter &painter, const QRect &rect, const QString &title, int pixelSize)
{
    const QFont f = font(pixelSize);
    const int titleWidth = QFontMetrics(f).horizontalAdvance(title);
    const QRect frame = rect.adjusted(0, pixelSize / 2, 0, 0);
    // Etched frame: a shadow line with a light line beside it.
    for (const auto &[offset, colour] : {std::pair{0, Shadow}, std::pair{1, Light}}) {
        const QRect r = frame.adjusted(offset, offset, offset - 1, offset - 1);
        painter.setPen(colour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
    }
    const QRect titleRect(rect.left() + 7, rect.top(), titleWidth + 6, pixelSize + 2);
    painter.fillRect(titleRect, Face);
    label(painter, titleRect.adjusted(3, 0, 0, 0), title, pixelSize);
}

void ClassicStyle::label(QPainter &painter, const QRect &rect, const QString &text, int pixelSize,
                         Qt::Alignment alignment, bool bold)
{
    painter.save();
    painter.setFont(font(pixelSize, bold));
    painter.setPen(Text);
    painter.drawText(rect, int(alignment) | Qt::TextSingleLine, text);
    painter.restore();
}

QRect ClassicStyle::dialogFrame(QPainter &painter, const QRect &rect, const QString &title, bool help)
{
    painter.fillRect(rect, Face);
    raised(painter, rect);
    const QRect caption(rect.left() + 3, rect.top() + 3, rect.width() - 6, 18);
    painter.fillRect(caption, Highlight);
    painter.save();
    painter.setFont(font(11, true));
    painter.setPen(Light);
    painter.drawText(caption.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
    QRect button(caption.right() - 17, caption.top() + 2, 16, 14);
    captionButton(painter, button, QLatin1Char('x'));
    if (help)
        captionButton(painter, button.translated(-18, 0), QLatin1Char('?'));
    return QRect(rect.left() + 3, caption.bottom() + 1, rect.width() - 6, rect.bottom() - 2 - caption.bottom());
}

void ClassicStyle::captionButton(QPainter &painter, const QRect &rect, QChar kind)
{
    painter.fillRect(rect, Face);
    raised(painter, rect);
    painter.save();
    const QRectF glyph =
        QRectF(rect).adjusted(rect.width() * 0.3, rect.height() * 0.28, -rect.width() * 0.3, -rect.height() * 0.28);
    if (kind == QLatin1Char('x')) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Text, rect.width() / 8.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(glyph.topLeft(), glyph.bottomRight());
        painter.drawLine(glyph.topRight(), glyph.bottomLeft());
    } else {
        painter.setFont(font(rect.height() - 3, true));
        painter.setPen(Text);
        painter.drawText(rect.adjusted(1, 0, 0, 0), Qt::AlignCenter, QString(kind));
    }
    painter.restore();
}

void ClassicStyle::tabs(QPainter &painter, const QRect &pane, const QStringList &names, int active)
{
    const QFont f = font(11);
    const QFontMetrics metrics(f);
    const int height = 18;
    int x = pane.left() + 2;
    QList<QRect> rects;
    for (const QString &name : names) {
        const QRect tab(x, pane.top() - height, metrics.horizontalAdvance(name) + 14, height);
        rects.append(tab);
        x = tab.right() + 1;
    }
    // Pane border first, then the tabs over it; the active tab opens into the pane.
    painter.fillRect(pane, Face);
    raised(painter, pane);
    for (int i = 0; i < rects.size(); ++i) {
        QRect tab = rects.at(i);
        if (i == active)
            tab.adjust(-2, -2, 2, 1);
        painter.fillRect(tab, Face);
        hline(painter, tab.left() + 2, tab.right() - 2, tab.top(), Light);
        vline(painter, tab.left(), tab.top() + 2, tab.bottom() - (i == active ? 0 : 1), Light);
        painter.fillRect(QRect(tab.left() + 1, tab.top() + 1, 1, 1), Light);
        vline(painter, tab.right() - 1, tab.top() + 2, tab.bottom() - (i == active ? 0 : 1), Shadow);
        vline(painter, tab.right(), tab.top() + 2, tab.bottom() - (i == active ? 0 : 1), DarkShadow);
        painter.fillRect(QRect(tab.right() - 1, tab.top() + 1, 1, 1), DarkShadow);
        label(painter, tab.adjusted(0, i == active ? 0 : 1, 0, 0), names.at(i), 11, Qt::AlignCenter);
    }
}

void ClassicStyle::dropArrow(QPainter &painter, const QPointF &centre, qreal halfWidth, const QColor &colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    // Rows of shrinking width, like the pixel arrow of a combo box.
    const int rows = qMax(2, qRound(halfWidth + 1));
    const int x0 = qRound(centre.x() - rows + 0.5);
    const int y0 = qRound(centre.y() - rows / 2.0);
    for (int i = 0; i < rows; ++i)
        painter.drawRect(QRect(x0 + i, y0 + i, 2 * (rows - i) - 1, 1));
    painter.restore();
}

} // namespace picgen
