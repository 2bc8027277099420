#include "forms/form.h"
#include "forms/picture_box.h"
#include "forms/units.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace forms;

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// A borderless white area of w by h pixels with black text in a fixed font.
PictureBox *makeArea(Form &form, int w, int h, bool pixels = true)
{
    auto *pic = new PictureBox(form, QStringLiteral("picTest"));
    pic->setBorderStyle(PictureBox::NoBorder);
    pic->Move(0, 0, w * 15.0, h * 15.0);
    pic->setScaleModePixels(pixels);
    pic->setFontName(QStringLiteral("DejaVu Sans"));
    pic->setFontSize(12);
    pic->setBackColor(rgb(255, 255, 255));
    pic->setForeColor(rgb(0, 0, 0));
    return pic;
}

// The smallest rectangle holding every pixel that is not the background.
QRect inkBounds(const QImage &image, QRgb background = White)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool allPixels(const QImage &image, QRgb color)
{
    return !image.isNull() && inkBounds(image, color).isNull();
}

// Every row its own colour, so a moved row can be recognised.
void paintRowPattern(PictureBox &pic, int w, int h)
{
    for (int y = 0; y < h; ++y)
        pic.Line(0, y, w, y, rgb(y * 7 % 256, 255 - y, y * 3 % 256));
}

} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    }

    void scaleSizeExcludesBorder_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("appearance");
        QTest::addColumn<int>("innerPixels");
        QTest::newRow("sunken") << 1 << 1 << 96;
        QTest::newRow("flat single") << 1 << 0 << 98;
        QTest::newRow("none") << 0 << 1 << 100;
    }

    void scaleSizeExcludesBorder()
    {
        QFETCH(int, border);
        QFETCH(int, appearance);
        QFETCH(int, innerPixels);
        Form form(QStringLiteral("frmTest"));
        auto *pic = new PictureBox(form, QStringLiteral("Picture1"));
        pic->setBorderStyle(border);
        pic->setAppearance(appearance);
        pic->Move(0, 0, 1500, 750); // 100 by 50 pixels
        QCOMPARE(pic->ScaleWidth(), innerPixels * 15.0);
        QCOMPARE(pic->ScaleHeight(), (innerPixels - 50) * 15.0);
        QCOMPARE(pic->Image().size(), QSize(innerPixels, innerPixels - 50));
        pic->setScaleModePixels(true);
        QCOMPARE(pic->ScaleWidth(), double(innerPixels));
    }

    void twipsAndPixelsDrawAtTheSamePlace()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *inTwips = makeArea(form, 120, 40, false);
        PictureBox *inPixels = makeArea(form, 120, 40, true);
        QCOMPARE(inTwips->TextWidth("Lorvane"), 15 * inPixels->TextWidth("Lorvane"));
        QCOMPARE(inTwips->TextHeight("Lorvane"), 15 * inPixels->TextHeight("Lorvane"));
        inTwips->setCurrentX(150);
        inTwips->setCurrentY(75);
        inTwips->Print("Lorvane");
        inPixels->setCurrentX(10);
        inPixels->setCurrentY(5);
        inPixels->Print("Lorvane");
        QCOMPARE(inTwips->Image(), inPixels->Image());
    }

    void backColorErasesDrawing_data()
    {
        QTest::addColumn<ColorValue>("color");
        QTest::addColumn<QRgb>("shown");
        QTest::newRow("red") << rgb(255, 0, 0) << qRgb(255, 0, 0);
        QTest::newRow("button face")
            << SystemColor::ButtonFace << QApplication::palette().color(QPalette::Button).rgb();
        QTest::newRow("window") << SystemColor::Window
                                << QApplication::palette().color(QPalette::Base).rgb();
    }

    void backColorErasesDrawing()
    {
        QFETCH(ColorValue, color);
        QFETCH(QRgb, shown);
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 60, 30);
        pic->Print("1.");
        pic->Line(0, 0, 59, 29, rgb(0, 0, 255));
        QVERIFY(!allPixels(pic->Image(), White));
        pic->setBackColor(color);
        QCOMPARE(pic->BackColor(), color);
        QVERIFY(allPixels(pic->Image(), shown));
    }

    void clsErasesAndResetsPosition()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 60, 30);
        pic->setCurrentX(7);
        pic->Print("2.");
        pic->Cls();
        QVERIFY(allPixels(pic->Image(), White));
        QCOMPARE(pic->CurrentX(), 0.0);
        QCOMPARE(pic->CurrentY(), 0.0);
    }

    void drawingSurvivesHideAndShow()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 80, 30);
        form.Show();
        pic->Print("3.");
        pic->Refresh();
        const QImage before = pic->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!allPixels(before, White));
        pic->setVisible(false);
        QCoreApplication::processEvents();
        pic->setVisible(true);
        QCoreApplication::processEvents();
        const QImage after = pic->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(after, before);
        QCOMPARE(after, pic->Image());
    }

    void printNeverWrapsAndIsCutAtTheEdge()
    {
        const QString text = QStringLiteral("A line much wider than its narrow area");
        Form form(QStringLiteral("frmTest"));
        PictureBox *narrow = makeArea(form, 60, 80);
        PictureBox *wide = makeArea(form, 600, 80);
        narrow->Print(text);
        wide->Print(text);
        const QRect ink = inkBounds(narrow->Image());
        QCOMPARE(ink.right(), 59); // runs into the edge
        QVERIFY(ink.bottom() < narrow->TextHeight(text)); // nothing on a second line
        QCOMPARE(narrow->Image(), wide->Image().copy(0, 0, 60, 80));
    }

    void printMovesPositionToNextLine()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 100, 100, false);
        const double height = pic->TextHeight("1.");
        QVERIFY(height > 0);
        pic->setCurrentX(300);
        pic->setCurrentY(45);
        pic->Print("1.");
        QCOMPARE(pic->CurrentX(), 0.0);
        QCOMPARE(pic->CurrentY(), 45 + height);
    }

    void scrollUpMovesOnlyPixelsInsideRect_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::newRow("inner part") << QRect(10, 5, 30, 20);
        QTest::newRow("full width") << QRect(0, 1, 70, 49);
        QTest::newRow("reaching outside") << QRect(-5, 30, 100, 40);
    }

    void scrollUpMovesOnlyPixelsInsideRect()
    {
        QFETCH(QRect, rect);
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 70, 50);
        paintRowPattern(*pic, 70, 50);
        const QImage before = pic->Image();
        pic->ScrollUp(rect);
        const QImage after = pic->Image();
        const QRect inside = rect & before.rect();
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 70; ++x) {
                const bool moved = inside.contains(x, y) && y < inside.bottom();
                const QRgb expected = before.pixel(x, moved ? y + 1 : y);
                if (after.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 wrong").arg(x).arg(y)));
            }
        }
    }

    void drawTextAlignsAndClipsToRect()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *left = makeArea(form, 300, 40);
        PictureBox *centred = makeArea(form, 300, 40);
        const QRect rect(50, 5, 200, 30);
        left->DrawText(rect, "Results", 0);
        centred->DrawText(rect, "Results", 1);
        const QRect leftInk = inkBounds(left->Image());
        const QRect centredInk = inkBounds(centred->Image());
        QVERIFY(leftInk.left() >= 50 && leftInk.left() <= 53);
        QVERIFY(leftInk.top() >= 5);
        QVERIFY(qAbs(centredInk.center().x() - 150) <= 2);
        QCOMPARE(centredInk.size(), leftInk.size());

        // Cut at the rectangle: a low rectangle keeps the top of the same glyphs only.
        PictureBox *cut = makeArea(form, 300, 40);
        cut->DrawText(QRect(50, 5, 200, 8), "Results", 0);
        QCOMPARE(cut->Image().copy(0, 0, 300, 13), left->Image().copy(0, 0, 300, 13));
        QVERIFY(allPixels(cut->Image().copy(0, 13, 300, 27), White));
    }

    void paintPictureWithNegativeOffsetIsCut_data()
    {
        QTest::addColumn<bool>("pixels");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("pixels") << true << -10.0 << -20.0;
        QTest::newRow("twips") << false << -150.0 << -300.0;
    }

    void paintPictureWithNegativeOffsetIsCut()
    {
        QFETCH(bool, pixels);
        QFETCH(double, x);
        QFETCH(double, y);
        QImage picture(40, 40, QImage::Format_RGB32);
        for (int py = 0; py < 40; ++py)
            for (int px = 0; px < 40; ++px)
                picture.setPixel(px, py, qRgb(px * 6, py * 6, 100));
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 50, 50, pixels);
        pic->PaintPicture(picture, x, y);
        const QImage shown = pic->Image();
        QCOMPARE(shown.copy(0, 0, 30, 20), picture.copy(10, 20, 30, 20));
        QVERIFY(allPixels(shown.copy(30, 0, 20, 50), White));
        QVERIFY(allPixels(shown.copy(0, 20, 50, 30), White));
    }

    void autoSizeTakesPictureSize()
    {
        QImage picture(35, 22, QImage::Format_RGB32);
        picture.fill(qRgb(0, 128, 0));
        Form form(QStringLiteral("frmTest"));
        auto *holder = new PictureBox(form, QStringLiteral("Picture2"));
        holder->Move(0, 0, 3000, 3000);
        holder->setAutoSize(true);
        holder->setPicture(picture);
        QCOMPARE(holder->ScaleWidth(), 35 * 15.0);
        QCOMPARE(holder->ScaleHeight(), 22 * 15.0);
        QCOMPARE(holder->Width(), (35 + 4) * 15.0); // the sunken border around it
        QCOMPARE(holder->Image(), picture);
    }

    void resizeKeepsDrawingAtTopLeftAndShrinkingLosesTheRest()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 40, 30);
        pic->setBackColor(rgb(0, 0, 255));
        paintRowPattern(*pic, 40, 30);
        const QImage before = pic->Image();
        pic->Move(0, 0, 60 * 15, 45 * 15);
        const QImage grown = pic->Image();
        QCOMPARE(grown.size(), QSize(60, 45));
        QCOMPARE(grown.copy(0, 0, 40, 30), before);
        QVERIFY(allPixels(grown.copy(40, 0, 20, 45), qRgb(0, 0, 255)));
        QVERIFY(allPixels(grown.copy(0, 30, 60, 15), qRgb(0, 0, 255)));

        // Shrinking loses what falls outside, even when the area grows back.
        pic->Move(0, 0, 30 * 15, 20 * 15);
        pic->Move(0, 0, 60 * 15, 45 * 15);
        const QImage regrown = pic->Image();
        QCOMPARE(regrown.copy(0, 0, 30, 20), before.copy(0, 0, 30, 20));
        QVERIFY(allPixels(regrown.copy(30, 0, 30, 45), qRgb(0, 0, 255)));
        QVERIFY(allPixels(regrown.copy(0, 20, 60, 25), qRgb(0, 0, 255)));
        QCOMPARE(grown.copy(0, 0, 40, 30), before); // an earlier image is not drawn over
    }

    // The surface is made when first drawn into; until then, and across the resizes before,
    // the box must look and read as if it had been there all along.
    void surfaceMadeLateLooksTheSame()
    {
        Form form(QStringLiteral("frmTest"));
        auto *plain = new PictureBox(form, QStringLiteral("picPlain"));
        plain->setBorderStyle(PictureBox::NoBorder);
        plain->setBackColor(rgb(255, 0, 0));
        plain->Move(0, 0, pixelsToTwipsX(40), pixelsToTwipsY(30));
        plain->Cls();
        QCOMPARE(plain->Image().size(), QSize(40, 30));
        QVERIFY(allPixels(plain->Image(), qRgb(255, 0, 0)));
        QVERIFY(allPixels(plain->widget()->grab().toImage(), qRgb(255, 0, 0)));

        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255));
        auto *early = new PictureBox(form, QStringLiteral("picEarly"));
        early->setBorderStyle(PictureBox::NoBorder);
        early->setBackColor(rgb(0, 255, 0));
        early->setPicture(picture); // before the box has a size
        early->Move(0, 0, pixelsToTwipsX(30), pixelsToTwipsY(20));
        const QImage shown = early->widget()->grab().toImage();
        QVERIFY(allPixels(shown.copy(0, 0, 10, 10), qRgb(0, 0, 255)));
        QVERIFY(allPixels(shown.copy(10, 0, 20, 20), qRgb(0, 255, 0)));
        QCOMPARE(early->Image(), shown.convertToFormat(QImage::Format_RGB32));
    }

    void boxLineFramesTheEdgeOfASwatch()
    {
        Form form(QStringLiteral("frmTest"));
        auto *pic = new PictureBox(form, QStringLiteral("picHidden"));
        pic->Move(0, 0, pixelsToTwipsX(32) + 840, pixelsToTwipsY(12));
        pic->setBorderStyle(PictureBox::NoBorder);
        pic->setAppearance(PictureBox::Flat);
        pic->setBackColor(rgb(0, 255, 0));
        pic->Line(0, 0, pic->Width() - 15, pic->Height() - 15, 0, true);
        const QImage swatch = pic->Image();
        QCOMPARE(swatch.size(), QSize(88, 12));
        QVERIFY(allPixels(swatch.copy(1, 1, 86, 10), qRgb(0, 255, 0)));
        for (const QRect &edge : {QRect(0, 0, 88, 1), QRect(0, 11, 88, 1), QRect(0, 0, 1, 12),
                                  QRect(87, 0, 1, 12)})
            QVERIFY(allPixels(swatch.copy(edge), qRgb(0, 0, 0)));

        // A plain line across the full width paints the bottom row, as the scroller does.
        pic->setScaleModePixels(true);
        pic->Line(0, 11, 88, 11, rgb(255, 0, 0));
        QVERIFY(allPixels(pic->Image().copy(0, 11, 88, 1), qRgb(255, 0, 0)));
        QVERIFY(allPixels(pic->Image().copy(0, 10, 1, 1), qRgb(0, 0, 0)));
    }

    void drawingTakenAsPictureShowsAfterCls()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *pic = makeArea(form, 50, 20);
        pic->Line(0, 0, 49, 19, rgb(255, 0, 0), true);
        const QImage drawn = pic->Image();
        pic->setPictureFromDrawing();
        QCOMPARE(pic->Picture(), drawn);
        pic->Cls();
        QCOMPARE(pic->Image(), drawn);
        pic->setPicture(QImage());
        pic->Cls();
        QVERIFY(allPixels(pic->Image(), White));
    }

    void areaHoldsChildControls()
    {
        Form form(QStringLiteral("frmTest"));
        PictureBox *splash = makeArea(form, 200, 100);
        auto *inner = new PictureBox(*splash, QStringLiteral("iScroll"));
        QCOMPARE(inner->widget()->parentWidget(), splash->widget());
        inner->Move(300, 150, 600, 300);
        QCOMPARE(inner->widget()->geometry(), QRect(20, 10, 40, 20));
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picture_box.moc"
