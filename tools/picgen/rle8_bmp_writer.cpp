#include "rle8_bmp_writer.h"

#include "app/whole_file.h"
#include "palette_reducer.h"

#include <algorithm>

namespace picgen {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int MaxRun = 255;
constexpr int MinAbsolute = 3;
constexpr int DefaultDotsPerMeter = 3780; // 96 dpi

void putU16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void putU32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

void putEncodedRun(QByteArray &out, int count, uchar index)
{
    out.append(char(count));
    out.append(char(index));
}

} // namespace

QByteArray Rle8BmpWriter::encode(const QImage &image)
{
    const QImage indexed = PaletteReducer::toIndexed8(image);
    if (indexed.isNull())
        return {};

    const QList<QRgb> palette = indexed.colorTable();
    const QByteArray pixels = encodePixels(indexed);
    const quint32 offBits = FileHeaderSize + InfoHeaderSize + 4 * palette.size();
    const auto dpm = [](int value) { return quint32(value > 0 ? value : DefaultDotsPerMeter); };

    QByteArray out;
    out.reserve(int(offBits) + pixels.size());
    out.append("BM", 2);
    putU32(out, offBits + quint32(pixels.size()));
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, offBits);

    putU32(out, InfoHeaderSize);
    putU32(out, quint32(indexed.width()));
    putU32(out, quint32(indexed.height())); // positive: rows stored bottom-up
    putU16(out, 1);                         // planes
    putU16(out, 8);                         // bits per pixel
    putU32(out, BiRle8);
    putU32(out, quint32(pixels.size()));
    putU32(out, dpm(indexed.dotsPerMeterX()));
    putU32(out, dpm(indexed.dotsPerMeterY()));
    putU32(out, quint32(palette.size()));
    putU32(out, 0); // all colours are important

    for (QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    out.append(pixels);
    return out;
}

bool Rle8BmpWriter::write(const QImage &image, const QString &path, QString *errorString)
{
    const QByteArray bytes = encode(image);
    auto fail = [errorString](const QString &message) {
        if (errorString)
            *errorString = message;
        return false;
    };
    if (bytes.isEmpty())
        return fail(QStringLiteral("%1: empty picture").arg(path));
    QString error;
    if (!app::writeWholeFile(path, bytes, &error))
        return fail(QStringLiteral("%1: %2").arg(path, error));
    return true;
}

QByteArray Rle8BmpWriter::encodePixels(const QImage &indexed)
{
    QByteArray out;
    for (int y = indexed.height() - 1; y >= 0; --y) {
        encodeRow(out, indexed.constScanLine(y), indexed.width());
        if (y > 0) {
            out.append('\0'); // end of line
            out.append('\0');
        }
    }
    out.append('\0'); // end of bitmap
    out.append('\1');
    return out;
}

// Runs of three or more equal pixels are stored as count + index; stretches between them as
// absolute runs, which must be at least three pixels long and are padded to an even length.
// Shorter stretches fall back to runs of one or two.
void Rle8BmpWriter::encodeRow(QByteArray &out, const uchar *row, int width)
{
    int x = 0;
    while (x < width) {
        const int run = runLength(row, x, width);
        if (run >= MinAbsolute) {
            putEncodedRun(out, run, row[x]);
            x += run;
            continue;
        }
        int end = x;
        while (end < width && end - x < MaxRun) {
            const int next = runLength(row, end, width);
            if (next >= MinAbsolute)
                break;
            end += std::min(next, MaxRun - (end - x));
        }
        const int length = end - x;
        if (length < MinAbsolute) {
            while (x < end) {
                const int piece = std::min(runLength(row, x, width), end - x);
                putEncodedRun(out, piece, row[x]);
                x += piece;
            }
            continue;
        }
        out.append('\0');
        out.append(char(length));
        out.append(reinterpret_cast<const char *>(row + x), length);
        if (length % 2)
            out.append('\0');
        x = end;
    }
}

int Rle8BmpWriter::runLength(const uchar *row, int from, int width)
{
    int length = 1;
    while (from + length < width && length < MaxRun && row[from + length] == row[from])
        ++length;
    return length;
}

} // namespace picgen
