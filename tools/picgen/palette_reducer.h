#pragma once

#include <QImage>

namespace picgen {

// Turns any picture into an 8-bit indexed image with at most 256 colours, the same way every
// run: a picture with few colours keeps them exactly; a richer one keeps its most frequent
// colours, spread so that close shades do not crowd out distinct ones, and maps every other
// pixel to the nearest of them (no dithering).
class PaletteReducer
{
public:
    static constexpr int MaxColours = 256;

    static QImage toIndexed8(const QImage &image);

private:
    static QImage opaqueRgb32(const QImage &image);
    static QList<QRgb> choosePalette(const QImage &rgb);
    static QList<QRgb> spreadSelection(const QList<QRgb> &ranked, int limit);
    static int nearestIndex(const QList<QRgb> &palette, QRgb colour);
    static int distance(QRgb a, QRgb b);
    static int maxDistance();
};

} // namespace picgen
