#include "palette_reducer.h"

#include <QHash>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace picgen {

QImage PaletteReducer::toIndexed8(const QImage &image)
{
    if (image.isNull())
        return {};
    if (image.format() == QImage::Format_Indexed8 && !image.colorTable().isEmpty()
        && image.colorTable().size() <= MaxColours)
        return image;

    const QImage rgb = opaqueRgb32(image);
    const QList<QRgb> palette = choosePalette(rgb);
    QHash<QRgb, int> indexOf;
    for (int i = 0; i < palette.size(); ++i)
        indexOf.insert(palette.at(i), i);

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    indexed.setDotsPerMeterX(rgb.dotsPerMeterX());
    indexed.setDotsPerMeterY(rgb.dotsPerMeterY());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = src[x] | 0xff000000u;
            auto it = indexOf.find(colour);
            if (it == indexOf.end())
                it = indexOf.insert(colour, nearestIndex(palette, colour));
            dst[x] = uchar(it.value());
        }
    }
    return indexed;
}

// Transparent parts are laid on white: a bitmap has no alpha channel.
QImage PaletteReducer::opaqueRgb32(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

QList<QRgb> PaletteReducer::choosePalette(const QImage &rgb)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    QList<std::pair<int, QRgb>> ranked;
    ranked.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ranked.append({it.value(), it.key()});
    // Most frequent first; equal counts in colour order, so the result never depends on hashing.
    std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> colours;
    colours.reserve(ranked.size());
    for (const auto &entry : ranked)
        colours.append(entry.second);
    if (colours.size() <= MaxColours)
        return colours;

    // Too many colours: keep the frequent ones and skip those close to one already kept, with
    // the smallest closeness limit that leaves no more than the palette can hold.
    int low = 0;
    int high = maxDistance() + 1;
    QList<QRgb> best = spreadSelection(colours, high);
    while (low + 1 < high) {
        const int limit = low + (high - low) / 2;
        QList<QRgb> chosen = spreadSelection(colours, limit);
        if (chosen.size() <= MaxColours) {
            high = limit;
            best = std::move(chosen);
        } else {
            low = limit;
        }
    }
    return best;
}

// Colours in rank order that lie farther than limit from every colour taken before them;
// stops early once the palette would overflow.
QList<QRgb> PaletteReducer::spreadSelection(const QList<QRgb> &ranked, int limit)
{
    QList<QRgb> chosen;
    for (QRgb colour : ranked) {
        if (!chosen.isEmpty() && distance(chosen.at(nearestIndex(chosen, colour)), colour) <= limit)
            continue;
        chosen.append(colour);
        if (chosen.size() > MaxColours)
            break;
    }
    return chosen;
}

int PaletteReducer::distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int PaletteReducer::maxDistance()
{
    return distance(qRgb(0, 0, 0), qRgb(255, 255, 255));
}

int PaletteReducer::nearestIndex(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance(palette.at(i), colour);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace picgen
