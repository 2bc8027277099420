#include "pixel_difference.h"

#include <algorithm>
#include <cstdlib>

namespace {

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

PixelDifference::PixelDifference(const QImage &expected, const QImage &actual, int channelTolerance)
    : m_sameSize(!expected.isNull() && expected.size() == actual.size()),
      m_pixels(expected.width() * expected.height())
{
    if (!m_sameSize)
        return;
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int distance = channelDistance(rowA[x], rowB[x]);
            m_largest = std::max(m_largest, distance);
            if (distance > channelTolerance)
                ++m_differing;
        }
    }
}

QString PixelDifference::describe() const
{
    if (!m_sameSize)
        return QStringLiteral("sizes differ");
    return QStringLiteral("%1 of %2 pixels differ, by up to %3")
        .arg(m_differing).arg(m_pixels).arg(m_largest);
}
