#include "draw/question_picture_table.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"

#include <QImage>
#include <QTest>
#include <cmath>

using namespace forms;

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// The preview frame of the main window in miniature: the record number, the holder that takes
// the bitmap's size, and the visible preview area.
struct PreviewArea
{
    explicit PreviewArea(int width = 521, int height = 169)
    {
        lblQuestNum = new Label(form, QStringLiteral("lblQuestNum"));
        Picture2 = new PictureBox(form, QStringLiteral("Picture2"));
        Picture2->setScaleModePixels(true);
        Picture2->setBorderStyle(PictureBox::NoBorder);
        Picture2->setAutoSize(true);
        Picture3 = new PictureBox(form, QStringLiteral("Picture3"));
        Picture3->setScaleModePixels(true);
        Picture3->setBorderStyle(PictureBox::NoBorder);
        Picture3->Move(0, 0, width * 15.0, height * 15.0);
        Picture3->setBackColor(rgb(255, 255, 255));
        Picture3->setForeColor(rgb(0, 0, 0));
    }

    void show(const QString &caption)
    {
        lblQuestNum->setCaption(caption);
        ShowQuestionPicture(*lblQuestNum, *Picture2, *Picture3);
    }

    Form form{QStringLiteral("frmPreview")};
    Label *lblQuestNum = nullptr;
    PictureBox *Picture2 = nullptr;
    PictureBox *Picture3 = nullptr;
};

QImage bitmap(int id)
{
    return QImage(QStringLiteral(":/pictures/%1.bmp").arg(id)).convertToFormat(QImage::Format_RGB32);
}

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != White)
                return true;
    return false;
}

// Whether the preview shows the bitmap with its top-left corner at (x, y), cut at the edges.
bool showsBitmapAt(const QImage &preview, const QImage &picture, int x, int y)
{
    for (int py = 0; py < preview.height(); ++py) {
        for (int px = 0; px < preview.width(); ++px) {
            const QPoint source(px - x, py - y);
            const QRgb expected = picture.rect().contains(source) ? picture.pixel(source) : White;
            if ((preview.pixel(px, py) | 0xFF000000) != (expected | 0xFF000000))
                return false;
        }
    }
    return true;
}

// Centred in the preview: half of the size difference, which may fall on half a pixel.
bool showsBitmapCentred(const QImage &preview, const QImage &picture)
{
    const double x = (preview.width() - picture.width()) / 2.0;
    const double y = (preview.height() - picture.height()) / 2.0;
    for (int px : {int(std::floor(x)), int(std::ceil(x))})
        for (int py : {int(std::floor(y)), int(std::ceil(y))})
            if (showsBitmapAt(preview, picture, px, py))
                return true;
    return false;
}

} // namespace

class TestQuestionPictureTable : public QObject
{
    Q_OBJECT

private slots:
    void recordsShowTheirBitmaps_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("bitmapId");
        QTest::newRow("first record") << "1" << 101;
        QTest::newRow("39 has the later bitmap") << "39" << 118;
        QTest::newRow("41 has the earlier bitmap") << "41" << 117;
        QTest::newRow("after the unused 139") << "91" << 140;
        QTest::newRow("last entry") << "169" << 170;
        QTest::newRow("padded caption") << " 39 " << 118;
    }
    void recordsShowTheirBitmaps()
    {
        QFETCH(QString, caption);
        QFETCH(int, bitmapId);
        PreviewArea area;
        area.show(caption);
        const QImage expected = bitmap(bitmapId);
        QCOMPARE(area.Picture2->Picture().convertToFormat(QImage::Format_RGB32), expected);
        QCOMPARE(area.Picture2->ScaleWidth(), double(expected.width()));
        QVERIFY(!area.Picture3->FontBold());
    }

    void everyTableEntryHasItsBitmap()
    {
        QCOMPARE(mMain::questionPictureCount(), 68);
        for (int i = 0; i < mMain::questionPictureCount(); ++i) {
            const int record = mMain::questionPictureRecord(i);
            QVERIFY2(!bitmap(*mMain::questionPictureId(record)).isNull(), qPrintable(QString::number(record)));
        }
        QVERIFY(!mMain::questionPictureId(170));
        QVERIFY(!mMain::questionPictureId(171));
    }

    void pictureIsCentredAtNaturalSize()
    {
        PreviewArea area;
        area.show(QStringLiteral("1"));
        QVERIFY(showsBitmapCentred(area.Picture3->Image().convertToFormat(QImage::Format_RGB32), bitmap(101)));
    }

    void largerBitmapIsCutAtTheEdges()
    {
        PreviewArea area(30, 12);
        area.show(QStringLiteral("1"));
        const QImage picture = bitmap(101);
        QVERIFY(picture.width() > 30 && picture.height() > 12);
        QVERIFY(showsBitmapCentred(area.Picture3->Image().convertToFormat(QImage::Format_RGB32), picture));
    }

    void noteIsDrawnOnceForConsecutiveQuestionsWithoutPicture()
    {
        PreviewArea area;
        area.show(QStringLiteral("170"));
        QVERIFY(area.Picture3->FontBold());
        QCOMPARE(area.Picture3->FontSize(), 14.0);
        QVERIFY(hasInk(area.Picture3->Image()));

        // A mark made after the note survives the next question without a picture.
        area.Picture3->Line(0, 0, 1, 0, rgb(255, 0, 0));
        area.show(QStringLiteral("**********"));
        QCOMPARE(area.Picture3->Image().pixel(0, 0) | 0xFF000000, qRgb(255, 0, 0));
    }

    void pictureAfterTheNoteReplacesItAndTheNoteReturnsLater()
    {
        PreviewArea area;
        area.show(QStringLiteral("7"));
        const QImage note = area.Picture3->Image();
        area.show(QStringLiteral("2"));
        QVERIFY(showsBitmapCentred(area.Picture3->Image().convertToFormat(QImage::Format_RGB32), bitmap(102)));
        area.show(QStringLiteral("3.5"));
        QCOMPARE(area.Picture3->Image(), note);
    }
};

QTEST_MAIN(TestQuestionPictureTable)
#include "tst_question_picture_table.moc"
