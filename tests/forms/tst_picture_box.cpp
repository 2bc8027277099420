#include "forms/form.h"
#include "forms/picture_box.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

#include <array>
#include <memory>

using namespace forms;

namespace {

constexpr QRgb White = 0xFFFFFFFF, Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF;

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

} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT
    std::unique_ptr<Form> m_form;

    // A borderless white area of w by h pixels.
    PictureBox *area(int w, int h, bool pixels = true)
    {
        auto *pic = new PictureBox(*m_form, QStringLiteral("picTest"));
        pic->setBorderStyle(PictureBox::NoBorder);
        pic->Move(0, 0, w * 15.0, h * 15.0);
        pic->setScaleModePixels(pixels);
        pic->setBackColor(rgb(255, 255, 255));
        return pic;
    }

private slots:
    void init() { m_form = std::make_unique<Form>(QStringLiteral("frmTest")); }

    void scaleSizeExcludesBorderAndAutoSizeFitsPicture()
    {
        // border style, appearance, inner width of a box 100 by 50 pixels: sunken, flat, none
        for (const auto [border, appearance, inner] : {std::array{1, 1, 96}, {1, 0, 98}, {0, 1, 100}}) {
            auto *pic = new PictureBox(*m_form, QStringLiteral("Picture1"));
            pic->setBorderStyle(border);
            pic->setAppearance(appearance);
            pic->Move(0, 0, 1500, 750);
            QCOMPARE(pic->ScaleWidth(), inner * 15.0);
            QCOMPARE(pic->Image().size(), QSize(inner, inner - 50));
            pic->setScaleModePixels(true);
            QCOMPARE(pic->ScaleHeight(), inner - 50.0);
        }
        QImage picture(35, 22, QImage::Format_RGB32);
        picture.fill(Green);
        auto *holder = new PictureBox(*m_form, QStringLiteral("Picture2"));
        holder->setAutoSize(true);
        holder->setPicture(picture);
        QCOMPARE(holder->Width(), (35 + 4) * 15.0); // the sunken border around it
        QCOMPARE(holder->Image(), picture);
    }

    // One line at the position in either scale, cut at the edge, then the position moves down.
    void printDrawsOneLineAndMovesDown()
    {
        const QString text = QStringLiteral("A line much wider than its narrow area");
        PictureBox *inTwips = area(60, 80, false), *inPixels = area(60, 80);
        QCOMPARE(inTwips->TextWidth(text), 15 * inPixels->TextWidth(text));
        QCOMPARE(inTwips->TextHeight(text), 15 * inPixels->TextHeight(text));
        inTwips->setCurrentX(30);
        inTwips->setCurrentY(75);
        inTwips->Print(text);
        inPixels->setCurrentX(2);
        inPixels->setCurrentY(5);
        inPixels->Print(text);
        QCOMPARE(inTwips->Image(), inPixels->Image());
        const QRect ink = inkBounds(inPixels->Image());
        QCOMPARE(ink.right(), 59);                              // runs into the edge
        QVERIFY(ink.bottom() < 5 + inPixels->TextHeight(text)); // nothing on a second line
        QCOMPARE(inTwips->CurrentX(), 0.0);
        QCOMPARE(inTwips->CurrentY(), 75 + inTwips->TextHeight(text));
    }

    void backColorAndClsEraseDrawing()
    {
        const QPalette palette = QApplication::palette();
        for (const auto &[color, shown] :
             {std::pair{rgb(255, 0, 0), Red}, {SystemColor::Window, palette.color(QPalette::Base).rgb()}}) {
            PictureBox *pic = area(60, 30);
            pic->Print("1.");
            QVERIFY(!allPixels(pic->Image(), White));
            pic->setBackColor(color);
            QVERIFY(allPixels(pic->Image(), shown));
        }
        // Cls erases to the picture, which a drawing can become.
        PictureBox *pic = area(50, 20);
        pic->Line(0, 0, 49, 19, rgb(255, 0, 0), true);
        const QImage drawn = pic->Image();
        pic->setPictureFromDrawing();
        pic->Print("2.");
        pic->setCurrentX(7);
        pic->Cls();
        QCOMPARE(pic->Image(), drawn);
        QCOMPARE(pic->CurrentX(), 0.0);
        QCOMPARE(pic->CurrentY(), 0.0);
        pic->setPicture(QImage());
        QVERIFY(allPixels(pic->Image(), White));
    }

    // The surface is made when first drawn into; until then, and across the resizes before, the
    // box must look and read as if it had been there all along.
    void surfaceMadeLateLooksTheSame()
    {
        const auto shownOnScreen = [](PictureBox *pic) {
            return pic->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        PictureBox *plain = area(40, 30);
        plain->setBackColor(rgb(255, 0, 0));
        plain->Cls();
        QVERIFY(allPixels(plain->Image(), Red));
        QVERIFY(allPixels(shownOnScreen(plain), Red));

        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(Blue);
        auto *early = new PictureBox(*m_form, QStringLiteral("picEarly"));
        early->setBorderStyle(PictureBox::NoBorder);
        early->setBackColor(rgb(0, 255, 0));
        early->setPicture(picture); // before the box has a size
        early->Move(0, 0, 450, 300);
        const QImage shown = shownOnScreen(early);
        QVERIFY(allPixels(shown.copy(0, 0, 10, 10), Blue));
        QVERIFY(allPixels(shown.copy(10, 0, 20, 20), Green));
        QCOMPARE(early->Image(), shown);
    }

    void drawTextAlignsAndClipsToRect()
    {
        PictureBox *left = area(300, 40), *centred = area(300, 40), *cut = area(300, 40);
        left->DrawText(QRect(50, 5, 200, 30), "Results", PictureBox::AlignLeft);
        centred->DrawText(QRect(50, 5, 200, 30), "Results", PictureBox::AlignCenter);
        cut->DrawText(QRect(50, 5, 200, 8), "Results", PictureBox::AlignLeft);
        const QRect leftInk = inkBounds(left->Image()), centredInk = inkBounds(centred->Image());
        QVERIFY(leftInk.left() >= 50 && leftInk.left() <= 53 && leftInk.top() >= 5);
        QVERIFY(qAbs(centredInk.center().x() - 150) <= 2);
        QCOMPARE(centredInk.size(), leftInk.size());
        // A low rectangle keeps the top of the same glyphs only.
        QCOMPARE(cut->Image().copy(0, 0, 300, 13), left->Image().copy(0, 0, 300, 13));
        QVERIFY(allPixels(cut->Image().copy(0, 13, 300, 27), White));
    }

    void paintPictureWithNegativeOffsetIsCut()
    {
        QImage picture(40, 40, QImage::Format_RGB32);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                picture.setPixel(x, y, qRgb(x * 6, y * 6, 100));
        for (const bool pixels : {true, false}) {
            PictureBox *pic = area(50, 50, pixels);
            pic->PaintPicture(picture, pixels ? -10 : -150, pixels ? -20 : -300);
            const QImage shown = pic->Image();
            QCOMPARE(shown.copy(0, 0, 30, 20), picture.copy(10, 20, 30, 20));
            QVERIFY(allPixels(shown.copy(30, 0, 20, 50), White));
            QVERIFY(allPixels(shown.copy(0, 20, 50, 30), White));
        }
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picture_box.moc"
