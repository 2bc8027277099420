#include "draw/text_placement.h"
#include "forms/form.h"
#include "forms/picture_box.h"

#include <QTest>

using namespace forms;

namespace {

PictureBox *makeArea(Form &form, double widthTwips, double heightTwips)
{
    auto *pic = new PictureBox(form, QStringLiteral("splashik"));
    pic->setBorderStyle(PictureBox::NoBorder);
    pic->Move(0, 0, widthTwips, heightTwips);
    pic->setFontName(QStringLiteral("DejaVu Sans"));
    pic->setFontSize(12);
    pic->setBackColor(rgb(255, 255, 255));
    pic->setForeColor(rgb(0, 0, 128));
    return pic;
}

} // namespace

class TestTextPlacement : public QObject
{
    Q_OBJECT

private slots:
    // The text's top-left corner goes to (ax, ay) times the room left beside and below the text,
    // plus (bx, by), in single precision, neither rounded nor kept inside the area. The text is
    // printed once as a line; printing it again overprints it exactly.
    void placesTextByItsRule()
    {
        using Print = void (*)(PictureBox &, const QString &);

        const struct
        {
            Print print;
            double width, height;
            const char *text;
            float ax, bx, ay, by;
        } rows[] = {
            {draw::PrintCentred, 600, 450, "1.", 0.5f, 0, 0.5f, 0},
            {draw::PrintCentred, 900, 450, "Question 30 of 30", 0.5f, 0, 0.5f, 0}, // wider than the area
            {draw::PrintTitle, 6000, 4000, "Lorvane 2004", 0.5f, 0, 0.5f, -500},
            {draw::PrintCornerHint, 6000, 4000, "Dbl Click and Continue Test", 1, -400, 1, -800},
            {draw::PrintCornerHint, 3000, 1000, "Dbl Click and Continue Test", 1, -400, 1, -800}, // cut at the top
            {draw::PrintLowTitle, 6000, 4000, "Lorvane 2004", 0.5f, 0, 1, -2500},
            {draw::PrintLowTitle, 3000, 2000, "Lorvane 2004", 0.5f, 0, 1, -2500}}; // above the top

        for (const auto &row : rows) {
            Form form(QStringLiteral("frmTest"));
            PictureBox *placed = makeArea(form, row.width, row.height);
            PictureBox *reference = makeArea(form, row.width, row.height);
            const QString text = QString::fromLatin1(row.text);
            const float x = (float(placed->ScaleWidth()) - float(placed->TextWidth(text))) * row.ax + row.bx;
            const float y = (float(placed->ScaleHeight()) - float(placed->TextHeight(text))) * row.ay + row.by;
            placed->setCurrentX(1234);
            row.print(*placed, text);
            QCOMPARE(placed->CurrentX(), 0.0);
            QCOMPARE(placed->CurrentY(), y + placed->TextHeight(text));
            row.print(*placed, text);
            reference->setCurrentX(x);
            reference->setCurrentY(y);
            reference->Print(text);
            QVERIFY2(placed->Image() == reference->Image(), row.text);
        }
    }
};

QTEST_MAIN(TestTextPlacement)
#include "tst_text_placement.moc"
