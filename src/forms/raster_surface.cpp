#include "forms/raster_surface.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace forms {

void RasterSurface::resize(QSize size, QRgb back, const QImage &picture)
{
    if (m_image.size() == size)
        return;
    if (size.isEmpty()) {
        m_image = QImage();
        m_store = QImage();
        return;
    }
    const QSize kept = m_image.size().boundedTo(size);
    // Memory is kept for resizing back and forth, not for a surface that became much smaller
    // (every picture area starts at the toolkit's default size before it is first placed).
    const bool muchSmaller = qint64(size.width()) * size.height() * 4 < qint64(m_store.width()) * m_store.height();
    if (muchSmaller)
        reallocateStore(size, kept);
    else if (m_store.width() < size.width() || m_store.height() < size.height())
        reallocateStore(size.expandedTo(m_store.size()), kept);
    m_image = QImage(m_store.bits(), size.width(), size.height(), m_store.bytesPerLine(), QImage::Format_RGB32);
    if (kept.isEmpty()) {
        fill(back, picture);
        return;
    }
    QPainter painter(&m_image);
    const QColor backColor = QColor::fromRgb(back);
    painter.fillRect(kept.width(), 0, size.width() - kept.width(), size.height(), backColor);
    painter.fillRect(0, kept.height(), kept.width(), size.height() - kept.height(), backColor);
}

void RasterSurface::reallocateStore(QSize size, QSize kept)
{
    QImage store(size, QImage::Format_RGB32);
    const qsizetype rowBytes = qsizetype(kept.width()) * 4;
    for (int y = 0; y < kept.height(); ++y)
        std::memcpy(store.scanLine(y), m_store.constScanLine(y), rowBytes);
    m_image = QImage(); // it looked into the old store
    m_store = store;
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
