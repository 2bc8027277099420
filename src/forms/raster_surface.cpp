#include "forms/raster_surface.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace forms {

void RasterSurface::resize(QSize size, QRgb back, const QImage &picture)
{
    m_size = size;
    const QSize old = m_image.size();
    if (size.isEmpty() || (size.width() <= old.width() && size.height() <= old.height()))
        return;
    if (m_image.isNull()) {
        m_image = QImage(size, QImage::Format_RGB32);
        fill(back, picture);
        return;
    }
    QImage grown(size.expandedTo(old), QImage::Format_RGB32);
    QPainter painter(&grown);
    const QColor backColor = QColor::fromRgb(back);
    painter.fillRect(old.width(), 0, grown.width() - old.width(), grown.height(), backColor);
    painter.fillRect(0, old.height(), old.width(), grown.height() - old.height(), backColor);
    painter.end();
    const qsizetype rowBytes = qsizetype(old.width()) * 4;
    for (int y = 0; y < old.height(); ++y)
        std::memcpy(grown.scanLine(y), m_image.constScanLine(y), rowBytes);
    m_image = grown;
}

void RasterSurface::fill(QRgb back, const QImage &picture)
{
    if (m_image.isNull())
        return;
    m_image.fill(back);
    if (!picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, picture);
    }
}

void RasterSurface::drawLine(QPoint from, QPoint to, QRgb color)
{
    const QRect bounds = m_image.rect();
    if (from.y() == to.y()) {
        // The common case, the bottom row of a scrolling area: one span of pixels.
        const int y = from.y();
        int first = from.x() < to.x() ? from.x() : to.x() + 1;
        int last = from.x() < to.x() ? to.x() - 1 : from.x();
        first = std::max(first, bounds.left());
        last = std::min(last, bounds.right());
        if (y < bounds.top() || y > bounds.bottom() || first > last || from.x() == to.x())
            return;
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(row + first, row + last + 1, color);
        return;
    }
    // Bresenham, every point but the last.
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    while (p != to) {
        if (bounds.contains(p))
            reinterpret_cast<QRgb *>(m_image.scanLine(p.y()))[p.x()] = color;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
}

void RasterSurface::drawBox(const QRect &rect, QRgb color)
{
    // Each edge is drawn one pixel past its corner, because a line leaves out its end.
    drawLine(rect.topLeft(), rect.topRight() + QPoint(1, 0), color);
    drawLine(rect.bottomLeft(), rect.bottomRight() + QPoint(1, 0), color);
    drawLine(rect.topLeft(), rect.bottomLeft() + QPoint(0, 1), color);
    drawLine(rect.topRight(), rect.bottomRight() + QPoint(0, 1), color);
}

QRect RasterSurface::scrollUp(const QRect &rect)
{
    const QRect r = rect.normalized() & m_image.rect();
    if (r.height() < 2)
        return QRect();
    const qsizetype stride = m_image.bytesPerLine();
    const qsizetype rowBytes = qsizetype(r.width()) * 4;
    uchar *top = m_image.scanLine(r.top()) + qsizetype(r.left()) * 4;
    if (rowBytes == stride) {
        std::memmove(top, top + stride, stride * (r.height() - 1));
    } else {
        for (int row = 0; row < r.height() - 1; ++row)
            std::memmove(top + row * stride, top + (row + 1) * stride, rowBytes);
    }
    return r;
}

} // namespace forms
