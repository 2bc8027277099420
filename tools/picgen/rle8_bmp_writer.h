#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace picgen {

// Writes Windows bitmaps with 8-bit palettes, compressed run-length (BI_RLE8), which Qt can read
// but not write. Pictures that are not 8-bit indexed yet go through PaletteReducer first.
class Rle8BmpWriter
{
public:
    static constexpr quint32 BiRle8 = 1;

    // The whole file; empty for a null image.
    static QByteArray encode(const QImage &image);
    // Writes the file atomically: on failure the previous file, if any, stays as it was.
    static bool write(const QImage &image, const QString &path, QString *errorString = nullptr);

    // The compressed pixel data alone, bottom row first, ending with the end-of-bitmap mark.
    static QByteArray encodePixels(const QImage &indexed);

private:
    static void encodeRow(QByteArray &out, const uchar *row, int width);
    static int runLength(const uchar *row, int from, int width);
};

} // namespace picgen
