#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace forms {

// The pixels of a picture area, apart from any widget: an RGB32 image with the pixel operations
// that must be exact or cheap (lines of single pixels, a scroll by one pixel). Everything else is
// painted onto image().
//
// The surface shows size() pixels, but its image keeps the largest size the surface has had: a
// drawing survives its area shrinking and growing again, as it survives being covered. Drawing
// and erasing work on the whole image; copy() gives what is shown.
class RasterSurface
{
public:
    // For painting: the whole drawing, at least as large as size().
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }
    QSize size() const { return m_size; }
    QImage copy() const { return m_image.copy(QRect(QPoint(), m_size)); }

    // Shows SIZE pixels. What was ever drawn within it stays; room never had before shows BACK,
    // and a surface that had no pixels starts as the background (see fill).
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
    QImage m_image;
    QSize m_size{0, 0};
};

} // namespace forms
