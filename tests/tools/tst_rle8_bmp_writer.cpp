#include "picgen/rle8_bmp_writer.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using picgen::Rle8BmpWriter;

namespace {

QImage indexedImage(int width, int height, int colours, const std::function<int(int, int)> &index)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb((i * 37) & 0xff, (i * 91 + 40) & 0xff, 255 - i));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint(index(x, y)));
    return image;
}

QImage decoded(const QImage &image)
{
    QBuffer buffer;
    buffer.setData(Rle8BmpWriter::encode(image));
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "bmp").read();
}

} // namespace

class TestRle8BmpWriter : public QObject
{
    Q_OBJECT

private slots:
    // Runs of three or more equal pixels are count and index, at most 255 long; stretches between
    // them are absolute runs of at least three, padded to an even length; shorter stretches are
    // runs of one or two. Rows end in 0 0, the bitmap in 0 1.
    void rowIsEncodedByTheRules()
    {
        QList<int> alternating;
        QByteArray longAbsolute = QByteArrayLiteral("\0\xff");
        for (int i = 0; i < 256; ++i) {
            alternating.append(i % 2);
            if (i < 255)
                longAbsolute.append(char(i % 2));
        }
        const std::pair<QList<int>, QByteArray> rows[] = {
            {QList<int>(256, 4), QByteArrayLiteral("\xff\x04\x01\x04\0\x01")},
            {{3}, QByteArrayLiteral("\x01\x03\0\x01")},
            {{3, 5}, QByteArrayLiteral("\x01\x03\x01\x05\0\x01")},
            {{1, 2, 3}, QByteArrayLiteral("\0\x03\x01\x02\x03\0\0\x01")},
            {{1, 2, 3, 4}, QByteArrayLiteral("\0\x04\x01\x02\x03\x04\0\x01")},
            {{9, 9, 7, 7, 7}, QByteArrayLiteral("\x02\x09\x03\x07\0\x01")},
            {alternating, longAbsolute + QByteArrayLiteral("\0\x01\x01\0\x01")}};
        for (const auto &[row, expected] : rows) {
            const QImage image = indexedImage(int(row.size()), 1, 16, [&row](int x, int) { return row.at(x); });
            QCOMPARE(Rle8BmpWriter::encodePixels(image), expected);
        }
        // A whole file: headers (96 dpi), palette, then the pixels with the bottom row first.
        QCOMPARE(Rle8BmpWriter::encode(indexedImage(2, 2, 2, [](int x, int y) { return (x + y) % 2; })),
                 QByteArrayLiteral("BM\x4a\0\0\0\0\0\0\0\x3e\0\0\0"
                                   "\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x08\0\x01\0\0\0\x0c\0\0\0"
                                   "\xc4\x0e\0\0\xc4\x0e\0\0\x02\0\0\0\0\0\0\0"
                                   "\xff\x28\0\0\xfe\x83\x25\0"
                                   "\x01\x01\x01\0\0\0\x01\0\x01\x01\0\x01"));
    }

    // One pixel; a column, whose rows come bottom-up; noise, in absolute runs longer than 255; runs
    // around the limits; runs of every length from long to single pixels.
    void decodesToTheSamePixels()
    {
        QRandomGenerator random(2004);
        QList<int> runs; // alternating between two colours
        for (const int length : {1, 2, 3, 254, 257, 3, 2, 255, 256, 1})
            runs += QList<int>(length, int(runs.isEmpty() ? 0 : 1 - runs.last()));
        const QImage images[] = {indexedImage(1, 1, 1, [](int, int) { return 0; }),
                                 indexedImage(1, 7, 4, [](int, int y) { return y % 4; }),
                                 indexedImage(700, 9, 256, [&random](int, int) { return int(random.bounded(256)); }),
                                 indexedImage(int(runs.size()), 2, 2, [&runs](int x, int y) { return runs.at(x) ^ y; }),
                                 indexedImage(521, 12, 16, [](int x, int y) { return (x * x / 300 + y) % 16; })};
        for (const QImage &image : images)
            QCOMPARE(decoded(image), image);
    }

    void nullImageWritesNothing()
    {
        QTemporaryDir dir;
        QFile existing(dir.filePath(QStringLiteral("keep.bmp")));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
        existing.close();
        QString error;
        QVERIFY(!Rle8BmpWriter::write(QImage(), existing.fileName(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), "old");
    }
};

QTEST_MAIN(TestRle8BmpWriter)
#include "tst_rle8_bmp_writer.moc"
