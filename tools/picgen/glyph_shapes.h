#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace picgen {

// Shared building blocks of the glyphs and icons, in the units of whatever transform is set.
class GlyphShapes
{
public:
    static const QColor Ink;
    static const QColor Blue;
    static const QColor TextLine;

    static QPen outline(qreal width = 2.0 / 3.0, const QColor &colour = Ink);
    // A sheet with a folded top-right corner.
    static void page(QPainter &painter, const QRectF &rect, qreal fold, const QColor &fill = Qt::white);
    // Lines of text as thin bars; a negative step counts rows from the bottom.
    static void bar(QPainter &painter, qreal x1, qreal x2, qreal y, qreal thickness, const QColor &colour = TextLine);
    // Text turned into an outline at a large size and fitted, so it stays smooth when enlarged.
    static QPainterPath textPath(const QString &text, const QFont &font, const QRectF &box,
                                 Qt::Alignment alignment = Qt::AlignCenter);
    static QFont glyphFont(const QString &family, bool bold, bool italic = false);
    // A pencil lying along +x from its tip at the origin, length by width.
    static void pencil(QPainter &painter, const QPointF &tip, qreal angleDegrees, qreal length, qreal width,
                       const QColor &body = QColor(0xf4, 0xc4, 0x10));
    static void arrowHead(QPainter &painter, const QPointF &tip, const QPointF &direction, qreal length,
                          qreal halfWidth, const QColor &colour);
    static void globe(QPainter &painter, const QPointF &centre, qreal radius);
    static void check(QPainter &painter, const QPolygonF &points, qreal width, const QColor &colour);
};

} // namespace picgen
