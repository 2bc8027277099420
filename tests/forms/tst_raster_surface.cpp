#include "forms/raster_surface.h"

#include <QTest>

using forms::RasterSurface;

namespace {

constexpr QRgb White = 0xFFFFFFFF, Black = 0xFF000000, Green = 0xFF00FF00, Blue = 0xFF0000FF;

bool allPixels(const QImage &image, QRgb color)
{
    QImage filled(image.size(), QImage::Format_RGB32);
    filled.fill(color);
    return !image.isNull() && image == filled;
}

// A surface of SIZE on BACK with every row its own colour, so a moved row can be recognised.
void paintRows(RasterSurface &surface, QSize size, QRgb back = White)
{
    surface.resize(size, back, QImage());
    for (int y = 0; y < size.height(); ++y)
        surface.drawLine(QPoint(0, y), QPoint(size.width(), y), qRgb(y * 7 % 256, 255 - y, y * 3 % 256));
}

} // namespace

class TestRasterSurface : public QObject
{
    Q_OBJECT

private slots:
    void scrollUpMovesOnlyPixelsInsideRect()
    {
        // an inner part, the full width (one span in memory), a rectangle reaching outside
        for (const QRect &rect : {QRect(10, 5, 30, 20), QRect(0, 1, 70, 49), QRect(-5, 30, 100, 40)}) {
            RasterSurface surface;
            paintRows(surface, QSize(70, 50));
            const QImage before = surface.copy();
            surface.scrollUp(rect);
            const QImage after = surface.copy();
            const QRect inside = rect & before.rect();
            for (int y = 0; y < 50; ++y)
                for (int x = 0; x < 70; ++x) {
                    const bool moved = inside.contains(x, y) && y < inside.bottom();
                    if (after.pixel(x, y) != before.pixel(x, moved ? y + 1 : y))
                        QFAIL(qPrintable(QStringLiteral("%1,%2 in %3").arg(x).arg(y).arg(rect.top())));
                }
        }
    }

    // Grown, the new room shows the back colour; shrunk (even to nothing) and grown again, the
    // whole drawing comes back. A copy taken earlier is never drawn over.
    void resizeKeepsTheDrawingThroughShrinkingAndGrowing()
    {
        RasterSurface surface;
        paintRows(surface, QSize(40, 30), Blue);
        const QImage before = surface.copy();
        surface.resize(QSize(60, 45), Blue, QImage());
        const QImage grown = surface.copy();
        for (const QSize size : {QSize(30, 20), QSize(0, 0), QSize(50, 10), QSize(60, 45)})
            surface.resize(size, Blue, QImage());
        QCOMPARE(surface.copy(), grown);
        QCOMPARE(grown.copy(0, 0, 40, 30), before);
        QVERIFY(allPixels(grown.copy(40, 0, 20, 45), Blue) && allPixels(grown.copy(0, 30, 60, 15), Blue));
    }

    void boxFramesItsRectangleCornersIncluded()
    {
        RasterSurface surface;
        surface.resize(QSize(88, 12), Green, QImage());
        surface.drawBox(QRect(0, 0, 88, 12), Black);
        QVERIFY(allPixels(surface.image().copy(1, 1, 86, 10), Green));
        for (const QRect &edge : {QRect(0, 0, 88, 1), QRect(0, 11, 88, 1), QRect(0, 0, 1, 12), QRect(87, 0, 1, 12)})
            QVERIFY(allPixels(surface.image().copy(edge), Black));
    }
};

QTEST_MAIN(TestRasterSurface)
#include "tst_raster_surface.moc"
