#include "draw/markup_line.h"
#include "draw/markup_scroller.h"
#include "forms/form.h"
#include "forms/picture_box.h"

#include <QTest>

using namespace forms;

namespace {

struct Area
{
    Form form{QStringLiteral("frmTest")};
    PictureBox *pic = new PictureBox(form, QStringLiteral("iScroll"));
    MarkupScroller scroller{*pic};
    QList<quint32> stepTicks; // tick of every step
    QList<qint64> fetchSteps; // number of the step that fetched each line

    Area()
    {
        pic->setScaleModePixels(true);
        pic->Move(0, 0, 300 * 15.0, 120 * 15.0);
        pic->setFontName(QStringLiteral("DejaVu Sans"));
        pic->setFontSize(8);
    }
    int lineHeight() const { return qRound(pic->TextHeight(QStringLiteral("A"))); }

    // A whole run on a clock that moves one millisecond per pass, from start.
    void run(const QStringList &lines, quint32 start)
    {
        const int h = int(pic->ScaleHeight());
        scroller.setRectangles(QRect(0, 1, 300, h - 1), QRect(0, h, 300, lineHeight()));
        qint32 lineIndex = 0;
        bool scrolling = true;
        quint32 now = start;
        scroller.setClock([&] { return now; });
        scroller.setIdle([&] {
            if (scroller.stepCount() > stepTicks.size())
                stepTicks << scroller.lastStepTick();
            while (fetchSteps.size() < lineIndex)
                fetchSteps << scroller.stepCount();
            ++now;
            scrolling = stepTicks.size() < 10000; // a scroll that would never end
        });
        scroller.run(lines, lineIndex, scrolling);
        QVERIFY(scrolling);
        QCOMPARE(lineIndex, lines.size());
    }
};

} // namespace

class TestMarkupScroller : public QObject
{
    Q_OBJECT

private slots:
    void tagsSetTheLineAttributes_data();
    void tagsSetTheLineAttributes();
    void linesEnterTheirHeightPlusFiveApart();
    void stepsAreTwoTicksApartAcrossTheWrap_data();
    void stepsAreTwoTicksApartAcrossTheWrap();
};

void TestMarkupScroller::tagsSetTheLineAttributes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("flags"); // b bold, c centred, u underlined, s large, p pause
    QTest::addColumn<uint>("color");
    QTest::newRow("heading") << "<C><B><S>Finish Test. See Your Results"
                             << "Finish Test. See Your Results" << "bcs" << 0u;
    QTest::newRow("green wins, red stays") << "<cG><cR> text" << "<cR> text" << "" << 0x00FF00u;
    QTest::newRow("red before blue") << "<cB>x<cR>y<cR>" << "<cB>xy" << "" << 0x0000FFu;
    QTest::newRow("blue alone") << "<B><cB> a" << " a" << "b" << 0xFF0000u;
    QTest::newRow("case counts") << "plain <b><c>" << "plain <b><c>" << "" << 0u;
    QTest::newRow("removal makes a tag") << "<<B>C><U>u<U>" << "u" << "bcu" << 0u;
    QTest::newRow("pause") << "<P>" << "" << "p" << 0u;
}

void TestMarkupScroller::tagsSetTheLineAttributes()
{
    QFETCH(QString, line);
    QFETCH(QString, flags);
    QFETCH(uint, color);
    const MarkupLine parsed = MarkupLine::parse(line);
    QTEST(parsed.text, "text");
    QCOMPARE(parsed.bold, flags.contains('b'));
    QCOMPARE(parsed.centred, flags.contains('c'));
    QCOMPARE(parsed.underline, flags.contains('u'));
    QCOMPARE(parsed.fontSize, flags.contains('s') ? 20.0 : 16.0);
    QCOMPARE(parsed.pause, flags.contains('p'));
    QCOMPARE(parsed.color, ColorValue(color));
}

void TestMarkupScroller::linesEnterTheirHeightPlusFiveApart()
{
    Area area;
    const int initial = area.lineHeight();
    area.pic->setFontSize(20);
    const int large = area.lineHeight();
    area.pic->setFontSize(16);
    const int normal = area.lineHeight();
    area.pic->setFontSize(8);
    QVERIFY(large != normal && normal != initial);
    area.run({"<S>big", "<C><B><U><cR>small", "<S>big", "last"}, 100);

    // The first line comes once the rectangle, one line below the view, has risen into it. Each
    // fetch moves the rectangle down by the height of the font still set (the line before's)
    // plus 5, and the next fetch comes when it has risen back. The run ends with the step that
    // fetched the last line.
    const qint64 first = initial + 2;
    const QList<qint64> expected = {first, first + initial + 5, first + initial + large + 10,
                                    first + initial + large + normal + 15};
    QCOMPARE(area.fetchSteps, expected);
    QCOMPARE(area.scroller.stepCount(), expected.last());
    // Nothing of the centred, bold, underlined red line before carries over to the last one.
    QCOMPARE(area.scroller.currentLine(), QStringLiteral("last"));
    QCOMPARE(area.scroller.lineFormat(), int(PictureBox::AlignLeft));
    QVERIFY(!area.pic->FontBold() && !area.pic->FontUnderline());
    QCOMPARE(area.pic->FontSize(), 16.0);
    QCOMPARE(area.pic->ForeColor(), ColorValue(0));
}

void TestMarkupScroller::stepsAreTwoTicksApartAcrossTheWrap_data()
{
    QTest::addColumn<quint32>("start");
    QTest::newRow("fresh program") << 1u;
    QTest::newRow("past 2^31") << 0x7FFFFFF0u;
    QTest::newRow("wrapping") << 0xFFFFFFF0u;
}

void TestMarkupScroller::stepsAreTwoTicksApartAcrossTheWrap()
{
    QFETCH(quint32, start);
    Area area;
    area.run({"a", "b", "<P>", "c"}, start);
    QCOMPARE(area.stepTicks.first(), start == 1 ? 2u : start); // the last step was at tick 0
    QList<quint32> gaps;
    for (int i = 1; i < area.stepTicks.size(); ++i)
        gaps << quint32(area.stepTicks.at(i) - area.stepTicks.at(i - 1));
    // One gap holds the pause that comes before the fetching step draws its line.
    const int pauseStep = int(area.fetchSteps.at(2)) - 1;
    QCOMPARE(gaps.takeAt(pauseStep), 2501u);
    QCOMPARE(gaps.count(2u), gaps.size());
}

QTEST_MAIN(TestMarkupScroller)
#include "tst_markup_scroller.moc"
