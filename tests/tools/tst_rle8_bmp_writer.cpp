#include "picgen/rle8_bmp_writer.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

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

// One row made of runs of the given lengths, alternating between two colours.
QImage runsImage(const QList<int> &runs)
{
    int width = 0;
    for (int run : runs)
        width += run;
    QList<int> owner;
    for (int i = 0; i < runs.size(); ++i)
        owner.append(QList<int>(runs.at(i), i % 2));
    return indexedImage(width, 2, 2, [owner](int x, int y) { return owner.at(x) ^ y; });
}

QImage decode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    return reader.read();
}

quint32 u32At(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uchar(bytes.at(offset + i));
    return value;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

class TestRle8BmpWriter : public QObject
{
    Q_OBJECT

private slots:
    void decodesToTheSamePixels_data();
    void decodesToTheSamePixels();
    void headerDescribesCompressedFile();
    void runsAndAbsoluteStretchesAreEncodedByTheRules_data();
    void runsAndAbsoluteStretchesAreEncodedByTheRules();
    void colourPictureKeepsItsColoursExactly();
    void richPictureIsReducedToNearbyColours();
    void smallDistinctAreaKeepsItsColourInRichPicture();
    void typicalPictureIsSmallerThanUncompressed();
    void nullImageWritesNothing();
};

void TestRle8BmpWriter::decodesToTheSamePixels_data()
{
    QTest::addColumn<QImage>("image");
    QRandomGenerator noise(2004);
    QList<int> noiseValues;
    for (int i = 0; i < 700 * 9; ++i)
        noiseValues.append(int(noise.bounded(256)));
    const auto fromNoise = [noiseValues](int width) {
        return [noiseValues, width](int x, int y) { return noiseValues.at(y * width + x); };
    };

    QTest::newRow("one pixel") << indexedImage(1, 1, 1, [](int, int) { return 0; });
    QTest::newRow("solid") << indexedImage(40, 30, 3, [](int, int) { return 2; });
    QTest::newRow("solid wider than a run") << indexedImage(600, 3, 2, [](int, int) { return 1; });
    QTest::newRow("noise") << indexedImage(257, 9, 256, fromNoise(257));
    QTest::newRow("noise wider than an absolute run") << indexedImage(700, 9, 256, fromNoise(700));
    QTest::newRow("single pixel column") << indexedImage(1, 7, 4, [](int, int y) { return y % 4; });
    QTest::newRow("two pixel rows") << indexedImage(2, 5, 3, [](int x, int y) { return (x + y) % 3; });
    QTest::newRow("odd width stripes") << indexedImage(7, 4, 5, [](int x, int y) { return (x * y) % 5; });
    QTest::newRow("odd width alternating") << indexedImage(13, 3, 2, [](int x, int) { return x % 2; });
    QTest::newRow("pairs") << indexedImage(31, 2, 3, [](int x, int) { return (x / 2) % 3; });
    QTest::newRow("runs 1 2 3") << runsImage({1, 2, 3, 1, 2, 3});
    QTest::newRow("runs 255 256") << runsImage({255, 256, 1, 255});
    QTest::newRow("runs 254 257 3") << runsImage({254, 257, 3, 2});
    QTest::newRow("literal then run") << indexedImage(300, 2, 200, [](int x, int y) {
        return x < 260 ? (x + y) % 200 : 7;
    });
    QRandomGenerator runs(69);
    QImage mixed = indexedImage(521, 12, 16, [](int, int) { return 0; });
    for (int y = 0; y < mixed.height(); ++y) {
        int x = 0;
        while (x < mixed.width()) {
            const int length = 1 + int(runs.bounded(runs.bounded(2) ? 4 : 300));
            const uint colour = runs.bounded(16);
            for (int i = 0; i < length && x < mixed.width(); ++i, ++x)
                mixed.setPixel(x, y, colour);
        }
    }
    QTest::newRow("random runs") << mixed;
}

void TestRle8BmpWriter::decodesToTheSamePixels()
{
    QFETCH(QImage, image);
    const QImage decoded = decode(Rle8BmpWriter::encode(image));
    QCOMPARE(decoded.format(), QImage::Format_Indexed8);
    QCOMPARE(decoded.size(), image.size());
    QCOMPARE(decoded.colorTable(), image.colorTable());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (decoded.pixelIndex(x, y) != image.pixelIndex(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
}

void TestRle8BmpWriter::headerDescribesCompressedFile()
{
    const QImage image = indexedImage(35, 22, 9, [](int x, int y) { return (x / 5 + y / 3) % 9; });
    const QByteArray file = Rle8BmpWriter::encode(image);
    QCOMPARE(file.left(2), QByteArray("BM"));
    QCOMPARE(u32At(file, 2), quint32(file.size()));
    const quint32 offBits = u32At(file, 10);
    QCOMPARE(offBits, quint32(14 + 40 + 4 * 9));
    QCOMPARE(u32At(file, 14), 40u);
    QCOMPARE(u32At(file, 18), 35u);
    QCOMPARE(u32At(file, 22), 22u); // positive height: bottom-up rows
    QCOMPARE(uchar(file.at(28)), uchar(8));
    QCOMPARE(u32At(file, 30), Rle8BmpWriter::BiRle8);
    QCOMPARE(u32At(file, 34), quint32(file.size()) - offBits);
    QCOMPARE(u32At(file, 46), 9u);
    QCOMPARE(file.right(2), bytes({0, 1}));
}

void TestRle8BmpWriter::runsAndAbsoluteStretchesAreEncodedByTheRules_data()
{
    QTest::addColumn<QList<int>>("row");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("run of 256 splits at 255") << QList<int>(256, 4) << bytes({255, 4, 1, 4, 0, 1});
    QTest::newRow("single pixel") << QList<int>{3} << bytes({1, 3, 0, 1});
    QTest::newRow("two different pixels are not absolute")
        << QList<int>{3, 5} << bytes({1, 3, 1, 5, 0, 1});
    QTest::newRow("odd absolute run is padded")
        << QList<int>{1, 2, 3} << bytes({0, 3, 1, 2, 3, 0, 0, 1});
    QTest::newRow("even absolute run is not padded")
        << QList<int>{1, 2, 3, 4} << bytes({0, 4, 1, 2, 3, 4, 0, 1});
    QTest::newRow("pair then run") << QList<int>{9, 9, 7, 7, 7} << bytes({2, 9, 3, 7, 0, 1});
    QList<int> longLiteral;
    for (int i = 0; i < 256; ++i)
        longLiteral.append(i % 2);
    QByteArray expectedLong = bytes({0, 255});
    for (int i = 0; i < 255; ++i)
        expectedLong.append(char(i % 2));
    expectedLong.append(bytes({0, 1, 1, 0, 1}));
    QTest::newRow("absolute run stops at 255") << longLiteral << expectedLong;
}

void TestRle8BmpWriter::runsAndAbsoluteStretchesAreEncodedByTheRules()
{
    QFETCH(QList<int>, row);
    QFETCH(QByteArray, expected);
    const QImage image = indexedImage(row.size(), 1, 16, [row](int x, int) { return row.at(x); });
    QCOMPARE(Rle8BmpWriter::encodePixels(image), expected);
}

void TestRle8BmpWriter::colourPictureKeepsItsColoursExactly()
{
    QImage image(50, 20, QImage::Format_ARGB32);
    image.fill(QColor(0xd4, 0xd0, 0xc8));
    QPainter painter(&image);
    painter.fillRect(5, 5, 20, 10, QColor(0x0a, 0x24, 0x6a));
    painter.fillRect(30, 2, 3, 16, Qt::red);
    painter.end();
    const QImage decoded = decode(Rle8BmpWriter::encode(image));
    QCOMPARE(decoded.format(), QImage::Format_Indexed8);
    QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
}

void TestRle8BmpWriter::richPictureIsReducedToNearbyColours()
{
    QImage image(512, 4, QImage::Format_RGB32);
    for (int x = 0; x < 512; ++x)
        for (int y = 0; y < 4; ++y)
            image.setPixel(x, y, qRgb(x / 2, (x + y * 40) % 256, 255 - x / 2));
    const QImage decoded = decode(Rle8BmpWriter::encode(image));
    QCOMPARE(decoded.format(), QImage::Format_Indexed8);
    QVERIFY(decoded.colorCount() <= 256);
    int worst = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 512; ++x) {
            const QRgb a = image.pixel(x, y), b = decoded.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(worst <= 24, qPrintable(QString::number(worst)));
}

void TestRle8BmpWriter::smallDistinctAreaKeepsItsColourInRichPicture()
{
    // Many grey shades, each more frequent than the few red pixels.
    QImage image(600, 20, QImage::Format_RGB32);
    for (int x = 0; x < 600; ++x)
        for (int y = 0; y < 20; ++y)
            image.setPixel(x, y, qRgb(x * 255 / 599, x * 255 / 599, x * 255 / 599));
    for (int x = 300; x < 303; ++x)
        image.setPixel(x, 10, qRgb(255, 0, 0));
    const QImage decoded = decode(Rle8BmpWriter::encode(image));
    QCOMPARE(decoded.pixel(301, 10), qRgb(255, 0, 0));
}

void TestRle8BmpWriter::typicalPictureIsSmallerThanUncompressed()
{
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(QColor(0xd4, 0xd0, 0xc8));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(10.5, 10.5, 70, 55), 6, 6);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    painter.drawText(QRect(100, 10, 90, 60), Qt::AlignCenter, QStringLiteral("Ctrl"));
    painter.end();

    const QByteArray rle = Rle8BmpWriter::encode(image);
    const QImage decoded = decode(rle);
    QVERIFY(!decoded.isNull());
    const int stride = (image.width() + 3) / 4 * 4;
    const int raw = 14 + 40 + 4 * decoded.colorCount() + stride * image.height();
    QVERIFY2(rle.size() * 2 < raw, qPrintable(QStringLiteral("%1 vs %2").arg(rle.size()).arg(raw)));
}

void TestRle8BmpWriter::nullImageWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.bmp"));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    QString error;
    QVERIFY(!Rle8BmpWriter::write(QImage(), path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("old"));
}

QTEST_MAIN(TestRle8BmpWriter)
#include "tst_rle8_bmp_writer.moc"
