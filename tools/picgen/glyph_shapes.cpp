#include "glyph_shapes.h"

#include <QtMath>

namespace picgen {

const QColor GlyphShapes::Ink(0x00, 0x00, 0x00);
const QColor GlyphShapes::Blue(0x1f, 0x4f, 0xbf);
const QColor GlyphShapes::TextLine(0x00, 0x00, 0x80);

QPen GlyphShapes::outline(qreal width, const QColor &colour)
{
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void GlyphShapes::page(QPainter &painter, const QRectF &r, qreal fold, const QColor &fill)
{
    const QPolygonF sheet(
        {r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold}, r.bottomRight(), r.bottomLeft()});
    painter.setPen(outline());
    painter.setBrush(fill);
    painter.drawPolygon(sheet);
    if (fold > 0) {
        painter.setBrush(QColor(0xc0, 0xc0, 0xc0));
        painter.drawPolygon(
            QPolygonF({{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}}));
    }
}

void GlyphShapes::bar(QPainter &painter, qreal x1, qreal x2, qreal y, qreal thickness, const QColor &colour)
{
    painter.fillRect(QRectF(x1, y, x2 - x1, thickness), colour);
}

QFont GlyphShapes::glyphFont(const QString &family, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QPainterPath GlyphShapes::textPath(const QString &text, const QFont &font, const QRectF &box, Qt::Alignment alignment)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const qreal scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    const qreal w = bounds.width() * scale, h = bounds.height() * scale;
    qreal x = box.left() + (box.width() - w) / 2;
    if (alignment & Qt::AlignLeft)
        x = box.left();
    else if (alignment & Qt::AlignRight)
        x = box.right() - w;
    const qreal y = box.top() + (box.height() - h) / 2;
    transform.translate(x, y);
    transform.scale(scale, scale);
    transform.translate(-bounds.left(), -bounds.top());
    return transform.map(path);
}

void GlyphShapes::pencil(QPainter &painter, const QPointF &tip, qreal angleDegrees, qreal length, qreal width,
                         const QColor &body)
{
    painter.save();
    painter.translate(tip);
    painter.rotate(angleDegrees);
    const qreal half = width / 2;
    const qreal cone = width * 1.1;
    painter.setPen(outline(0.5));
    painter.setBrush(QColor(0xf0, 0xd8, 0xa8));
    painter.drawPolygon(QPolygonF({{0, 0}, {cone, -half}, {cone, half}}));
    painter.setBrush(Ink);
    painter.drawPolygon(QPolygonF({{0, 0}, {cone * 0.35, -half * 0.35}, {cone * 0.35, half * 0.35}}));
    painter.setBrush(body);
    painter.drawRect(QRectF(cone, -half, length - cone - width * 0.8, width));
    painter.setBrush(QColor(0xe0, 0x70, 0x70));
    painter.drawRect(QRectF(length - width * 0.8, -half, width * 0.8, width));
    painter.restore();
}

void GlyphShapes::arrowHead(QPainter &painter, const QPointF &tip, const QPointF &direction, qreal length,
                            qreal halfWidth, const QColor &colour)
{
    const qreal norm = std::hypot(direction.x(), direction.y());
    const QPointF d = direction / norm;
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip - d * length;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({tip, base + n * halfWidth, base - n * halfWidth}));
}

void GlyphShapes::globe(QPainter &painter, const QPointF &c, qreal r)
{
    painter.save();
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3a, 0x80, 0xd8));
    painter.drawPath(disc);
    painter.setClipPath(disc);
    painter.setBrush(QColor(0x3c, 0xa8, 0x3c));
    painter.drawEllipse(QPointF(c.x() - r * 0.45, c.y() - r * 0.35), r * 0.45, r * 0.32);
    painter.drawEllipse(QPointF(c.x() + r * 0.35, c.y() + r * 0.4), r * 0.4, r * 0.45);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xd8, 0xe8, 0xff), r * 0.08));
    painter.drawEllipse(c, r * 0.45, r);
    painter.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    painter.setPen(outline(qMax(r * 0.12, 0.5), QColor(0x10, 0x28, 0x60)));
    painter.drawPath(disc);
    painter.restore();
}

void GlyphShapes::check(QPainter &painter, const QPolygonF &points, qreal width, const QColor &colour)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
}

} // namespace picgen
