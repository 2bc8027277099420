#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace forms {

// The pixels of a picture area, apart from any widget: an RGB32 image that keeps its memory when
// it is resized back and forth, with the pixel operations that must be exact or cheap (lines of
// single pixels, a scroll by one pixel). Everything else is painted onto image().
class RasterSurface
{
public:
    // For painting. Keep a copy() of it, never the image itself: it looks into memory that a
    // resize moves or reuses.
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }
    QImage copy() const { return m_image.copy(); }

    // Gives the surface SIZE. What was drawn stays at the top-left corner and new room shows
    // BACK; a surface that had no pixels starts as the background (see fill). An empty size lets
    // the memory go.
    void resize(QSize size, QRgb back, const QImage &picture);
    // Erases to BACK with PICTURE at the top-left corner.
    void fill(QRgb back, const QImage &picture);
    // Every pixel from FROM towards TO, leaving out TO itself; what lies outside is cut off.
    void drawLine(QPoint from, QPoint to, QRgb color);
    // The outline of RECT, both corners included.
    void drawBox(const QRect &rect, QRgb color);
    // Moves the pixels inside RECT up by one pixel. The top row of RECT is lost, the bottom row
    // keeps its pixels; nothing outside RECT changes. Returns the pixels that may have changed.
    QRect scrollUp(const QRect &rect);

private:
    void reallocateStore(QSize size, QSize kept);

    // The image is a window onto m_store, which is at least as large: resizing back and forth
    // reuses its memory instead of allocating and copying a new image every time.
    QImage m_store;
    QImage m_image;
};

} // namespace forms
