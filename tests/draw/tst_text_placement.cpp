#include "draw/text_placement.h"
#include "forms/form.h"
#include "forms/picture_box.h"

#include <QTest>

#include <functional>

using namespace forms;

namespace {

using Placement = std::function<void(PictureBox &, const QString &)>;

const QMap<QString, Placement> placements = {
    {QStringLiteral("PrintCentred"), mMain::PrintCentred},
    {QStringLiteral("PrintTitle"), mMain::PrintTitle},
    {QStringLiteral("PrintCornerHint"), mMain::PrintCornerHint},
    {QStringLiteral("PrintLowTitle"), mMain::PrintLowTitle},
};

// Where each routine puts the top-left corner of the text, in single precision.
QPointF expectedPosition(const QString &routine, float sw, float sh, float tw, float th)
{
    if (routine == QLatin1String("PrintCentred"))
        return {(sw - tw) / 2, (sh - th) / 2};
    if (routine == QLatin1String("PrintTitle"))
        return {(sw - tw) / 2, (sh - th) / 2 - 500};
    if (routine == QLatin1String("PrintCornerHint"))
        return {sw - tw - 400, sh - th - 800};
    return {(sw - tw) / 2, sh - th - 2500};
}

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

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestTextPlacement : public QObject
{
    Q_OBJECT

private slots:
    void placesTextByItsRule_data();
    void placesTextByItsRule();
    void tooWideTextIsCutOnBothSides();
    void cornerHintOnSmallAreaIsPartlyOutside();
    void printingTwiceOverprintsExactly();
};

void TestTextPlacement::placesTextByItsRule_data()
{
    QTest::addColumn<QString>("routine");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("text");
    QTest::newRow("answer number") << "PrintCentred" << 600.0 << 450.0 << "1.";
    QTest::newRow("wider than area") << "PrintCentred" << 900.0 << 450.0 << "Question 30 of 30";
    QTest::newRow("title") << "PrintTitle" << 6000.0 << 4000.0 << "Lorvane 2004";
    QTest::newRow("pause hint") << "PrintCornerHint" << 6000.0 << 4000.0
                                << "Dbl Click and Continue Test";
    QTest::newRow("hint, small area") << "PrintCornerHint" << 3000.0 << 1000.0
                                      << "Dbl Click and Continue Test";
    QTest::newRow("low title") << "PrintLowTitle" << 6000.0 << 4000.0 << "Lorvane 2004";
    QTest::newRow("low title above the top") << "PrintLowTitle" << 3000.0 << 2000.0
                                             << "Lorvane 2004";
}

void TestTextPlacement::placesTextByItsRule()
{
    QFETCH(QString, routine);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QString, text);
    Form form(QStringLiteral("frmTest"));
    PictureBox *placed = makeArea(form, width, height);
    PictureBox *reference = makeArea(form, width, height);
    const float th = float(placed->TextHeight(text));
    const QPointF at = expectedPosition(routine, float(placed->ScaleWidth()),
                                        float(placed->ScaleHeight()),
                                        float(placed->TextWidth(text)), th);

    placed->setCurrentX(1234);
    placements.value(routine)(*placed, text);
    // Printed once, as a line: back at the left, one text height below the position.
    QCOMPARE(placed->CurrentX(), 0.0);
    QCOMPARE(placed->CurrentY(), at.y() + placed->TextHeight(text));

    reference->setCurrentX(at.x());
    reference->setCurrentY(at.y());
    reference->Print(text);
    QCOMPARE(placed->Image(), reference->Image());
}

void TestTextPlacement::tooWideTextIsCutOnBothSides()
{
    Form form(QStringLiteral("frmTest"));
    PictureBox *pic = makeArea(form, 900, 450);
    const QString text = QStringLiteral("MMMMMMMMMMMMMMMM");
    QVERIFY(pic->TextWidth(text) > pic->ScaleWidth());
    mMain::PrintCentred(*pic, text);
    // The same text centred in a wide area reaches past both sides of the narrow one, is
    // centred there, and the narrow area shows exactly its middle.
    PictureBox *wide = makeArea(form, 9000, 450);
    mMain::PrintCentred(*wide, text);
    const QRect whole = inkBounds(wide->Image());
    QVERIFY(whole.left() < 270 && whole.right() > 329);
    QVERIFY(qAbs((300 - whole.left()) - (whole.right() - 299)) <= 2);
    QCOMPARE(pic->Image(), wide->Image().copy(300 - 30, 0, 60, 30));
}

void TestTextPlacement::cornerHintOnSmallAreaIsPartlyOutside()
{
    Form form(QStringLiteral("frmTest"));
    PictureBox *pic = makeArea(form, 3000, 1000);
    const QString text = QStringLiteral("Dbl Click and Continue Test");
    QVERIFY(pic->ScaleWidth() - pic->TextWidth(text) - 400 < 0);
    mMain::PrintCornerHint(*pic, text);
    QVERIFY(pic->CurrentY() < pic->TextHeight(text)); // the line started above the top
    const QRect ink = inkBounds(pic->Image());
    QVERIFY(!ink.isNull());
    QCOMPARE(ink.top(), 0); // cut at the top edge
    QVERIFY(ink.right() < pic->Image().width() - 400 / 15); // the right margin is kept
}

void TestTextPlacement::printingTwiceOverprintsExactly()
{
    Form form(QStringLiteral("frmTest"));
    PictureBox *once = makeArea(form, 600, 450);
    PictureBox *twice = makeArea(form, 600, 450);
    mMain::PrintCentred(*once, QStringLiteral("4."));
    mMain::PrintCentred(*twice, QStringLiteral("4."));
    mMain::PrintCentred(*twice, QStringLiteral("4."));
    QVERIFY(!inkBounds(once->Image()).isNull());
    QCOMPARE(twice->Image(), once->Image());
}

QTEST_MAIN(TestTextPlacement)
#include "tst_text_placement.moc"
