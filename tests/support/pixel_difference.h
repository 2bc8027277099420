#pragma once

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>

// What tells two drawings apart, once both are decoded to ARGB: empty when they have the same
// size and no pixel is off by more than the tolerance in any channel. Antialiased drawing is
// not bit-identical from one machine to the next (the blending code differs with the processor),
// so drawn art is compared this way, never by its file's bytes.
inline QString pixelDifference(const QImage &expected, const QImage &actual, int channelTolerance)
{
    if (expected.isNull() || expected.size() != actual.size())
        return QStringLiteral("sizes differ");
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
    int differing = 0, largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int distance = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                           std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            largest = std::max(largest, distance);
            differing += distance > channelTolerance;
        }
    return differing == 0 ? QString() : QStringLiteral("%1 pixels differ, by up to %2").arg(differing).arg(largest);
}
