#include "picgen/app_icons.h"
#include "picgen/question_pictures.h"
#include "support/pixel_difference.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString sourceFile(const QString &relative)
{
    return QStringLiteral(LORVANE_SOURCE_DIR "/") + relative;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32At(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uchar(bytes.at(offset + i));
    return value;
}

// The bitmaps the program carries: 101 to 170, all but 106.
QList<int> tableIds()
{
    QList<int> ids;
    for (int id = 101; id <= 170; ++id)
        if (id != 106)
            ids.append(id);
    return ids;
}

} // namespace

class TestQuestionPictures : public QObject
{
    Q_OBJECT

private slots:
    void generatorDrawsExactlyTheTableIds();
    void regeneratedPicturesMatchCommittedFiles();
    void regeneratedIconsMatchCommittedFiles();
    void pictureLoadsAsCompressedIndexedBitmap_data();
    void pictureLoadsAsCompressedIndexedBitmap();
    void bitmap106DoesNotExist();
    void iconsHaveTheirSizes_data();
    void iconsHaveTheirSizes();
};

void TestQuestionPictures::generatorDrawsExactlyTheTableIds()
{
    QCOMPARE(QuestionPictures::ids(), tableIds());
    QCOMPARE(tableIds().size(), 69);
}

void TestQuestionPictures::regeneratedPicturesMatchCommittedFiles()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY2(QuestionPictures::writeAll(dir.path(), &error), qPrintable(error));
    const QDir committed(sourceFile(QStringLiteral("resources/pictures")));
    QStringList expectedNames;
    for (int id : tableIds())
        expectedNames.append(QStringLiteral("%1.bmp").arg(id));
    expectedNames.sort();
    QCOMPARE(committed.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name), expectedNames);
    // Palette reduction moves no colour by more than two levels, so a drawing one level off
    // stays well inside the tolerance.
    for (const QString &name : expectedNames) {
        const QImage fresh(QDir(dir.path()).filePath(name));
        QVERIFY2(!fresh.isNull(), qPrintable(name));
        const PixelDifference difference(QImage(committed.filePath(name)), fresh, 8);
        QVERIFY2(difference.within(), qPrintable(name + QStringLiteral(": ") + difference.describe()
                                                     + QStringLiteral(" (run picgen resources/pictures)")));
    }
}

void TestQuestionPictures::regeneratedIconsMatchCommittedFiles()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY2(AppIcons::writeAll(dir.path(), &error), qPrintable(error));
    const QDir committed(sourceFile(QStringLiteral("resources/icons")));
    for (const QString &name : AppIcons::names()) {
        const PixelDifference difference(QImage(committed.filePath(name)),
                                         QImage(QDir(dir.path()).filePath(name)), 8);
        QVERIFY2(difference.within(), qPrintable(name + QStringLiteral(": ") + difference.describe()
                                                 + QStringLiteral(" (run picgen --icons resources/icons)")));
    }
}

void TestQuestionPictures::pictureLoadsAsCompressedIndexedBitmap_data()
{
    QTest::addColumn<int>("id");
    for (int id : tableIds())
        QTest::addRow("%d", id) << id;
}

void TestQuestionPictures::pictureLoadsAsCompressedIndexedBitmap()
{
    QFETCH(int, id);
    QImageReader reader(QStringLiteral(":/pictures/%1.bmp").arg(id));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY(image.colorCount() <= 256);
    QVERIFY2(image.width() >= 35 && image.width() <= 486, qPrintable(QString::number(image.width())));
    QVERIFY2(image.height() >= 22 && image.height() <= 156, qPrintable(QString::number(image.height())));

    const QByteArray file = readAll(sourceFile(QStringLiteral("resources/pictures/%1.bmp").arg(id)));
    QVERIFY(file.size() > 54);
    QCOMPARE(file.left(2), QByteArray("BM"));
    QCOMPARE(uchar(file.at(28)), uchar(8));
    QCOMPARE(u32At(file, 30), 1u); // run-length encoded, 8 bits
    QCOMPARE(u32At(file, 2), quint32(file.size()));
    QVERIFY(!QuestionPictures::render(id).isNull());
}

void TestQuestionPictures::bitmap106DoesNotExist()
{
    QVERIFY(!QFile::exists(QStringLiteral(":/pictures/106.bmp")));
    QVERIFY(QFile::exists(QStringLiteral(":/pictures/105.bmp")));
    QVERIFY(QuestionPictures::render(106).isNull());
}

void TestQuestionPictures::iconsHaveTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const char *key : {"start", "stop", "pause", "resume", "quit", "properties", "about"})
        QTest::newRow(key) << QStringLiteral("toolbar_%1.png").arg(QLatin1String(key)) << QSize(24, 24);
    QTest::newRow("application") << QStringLiteral("lorvane.png") << QSize(48, 48);
    QTest::newRow("test list") << QStringLiteral("test.png") << QSize(16, 16);
    QTest::newRow("splash") << QStringLiteral("splash_left.png") << QSize(120, 180);
    QTest::newRow("about box") << QStringLiteral("about.png") << QSize(64, 64);
}

void TestQuestionPictures::iconsHaveTheirSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage icon(QStringLiteral(":/icons/") + name);
    QCOMPARE(icon.size(), size);
    QVERIFY(icon.hasAlphaChannel());
}

QTEST_MAIN(TestQuestionPictures)
#include "tst_question_pictures.moc"
