#include "draw/markup_line.h"
#include "draw/markup_scroller.h"
#include "forms/form.h"
#include "forms/picture_box.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace forms;

namespace {

struct Area
{
    Form form{QStringLiteral("frmTest")};
    PictureBox *pic = new PictureBox(form, QStringLiteral("iScroll"));
    MarkupScroller scroller{*pic};

    Area()
    {
        pic->setBorderStyle(PictureBox::NoBorder);
        pic->setScaleModePixels(true);
        pic->Move(0, 0, 300 * 15.0, 120 * 15.0);
        pic->setFontName(QStringLiteral("DejaVu Sans"));
        pic->setBackColor(rgb(255, 255, 255));
    }
    int lineHeight() const { return qRound(pic->TextHeight(QStringLiteral("A"))); }
    void prepare() { scroller.setRectangles(QRect(0, 1, 300, 119), QRect(0, 120, 300, lineHeight())); }
};

// A clock that moves one millisecond per pass, and the ticks at which each step happened.
struct FakeTime
{
    quint32 now = 0;
    QList<quint32> stepTicks;
    QList<qint64> fetchSteps; // step count at which each line was fetched

    void attach(MarkupScroller &scroller, const qint32 &lineIndex, bool &scrolling)
    {
        scroller.setClock([this] { return now; });
        scroller.setIdle([this, &scroller, &lineIndex, &scrolling] {
            if (scroller.stepCount() > stepTicks.size())
                stepTicks << scroller.lastStepTick();
            while (fetchSteps.size() < lineIndex)
                fetchSteps << scroller.stepCount();
            ++now;
            if (stepTicks.size() > 100000)
                scrolling = false; // a scroll that never ends
        });
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
    void pauseLineWaitsWhileEventsRun();
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
    QTest::newRow("plain") << "plain <b><c>" << "plain <b><c>" << "" << 0u;
    QTest::newRow("removal makes a tag") << "<<B>C><U>u<U>" << "u" << "bcu" << 0u;
    QTest::newRow("pause") << "<P>" << "" << "p" << 0u;
}

void TestMarkupScroller::tagsSetTheLineAttributes()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    QFETCH(QString, flags);
    QFETCH(uint, color);
    const MarkupLine parsed = MarkupLine::parse(line);
    QCOMPARE(parsed.text, text);
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
    area.pic->setFontSize(20);
    const int large = area.lineHeight();
    area.pic->setFontSize(16);
    const int normal = area.lineHeight();
    area.pic->setFontSize(8);
    const int initial = area.lineHeight();
    QVERIFY(large != normal && normal != initial);
    area.prepare();
    const QStringList lines = {"<S>big", "<C><B><cR>small", "<S>big", "last"};
    qint32 lineIndex = 0;
    bool scrolling = true;
    FakeTime time;
    time.attach(area.scroller, lineIndex, scrolling);
    area.scroller.run(lines, lineIndex, scrolling);

    // The first line comes once the rectangle, one line below the view, has risen into it. Each
    // fetch moves the rectangle down by the height of the font still set (the line before's)
    // plus 5, and the next fetch comes when it has risen back. The run ends with the step that
    // fetched the last line.
    const qint64 first = initial + 2;
    const QList<qint64> expected = {first, first + initial + 5, first + initial + large + 10,
                                    first + initial + large + normal + 15};
    QCOMPARE(time.fetchSteps, expected);
    QCOMPARE(area.scroller.stepCount(), expected.last());
    QCOMPARE(lineIndex, 4);
    // Nothing of the centred, bold, red line before carries over to the last one.
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
    area.prepare();
    qint32 lineIndex = 0;
    bool scrolling = true;
    FakeTime time;
    time.now = start;
    time.attach(area.scroller, lineIndex, scrolling);
    area.scroller.run({"a", "b", "c"}, lineIndex, scrolling);
    QVERIFY(scrolling);
    QCOMPARE(time.stepTicks.first(), start == 1 ? 2u : start);
    for (int i = 1; i < time.stepTicks.size(); ++i)
        QCOMPARE(quint32(time.stepTicks.at(i) - time.stepTicks.at(i - 1)), 2u);
}

// The program's own clock and waiting: nothing scrolls during the pause, events keep coming.
void TestMarkupScroller::pauseLineWaitsWhileEventsRun()
{
    Area area;
    area.form.Show();
    area.prepare();
    const qint64 beforePause = area.lineHeight() + 2;
    qint32 lineIndex = 0;
    bool scrolling = true;
    QList<qint64> samples; // step count every 50 ms
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { samples << area.scroller.stepCount(); });
    sampler.start(50);
    QElapsedTimer elapsed;
    elapsed.start();
    area.scroller.run({"<P>", "", "x"}, lineIndex, scrolling);
    const qint64 ms = elapsed.elapsed();

    QCOMPARE(lineIndex, 3);
    const qint64 steps = area.scroller.stepCount();
    QVERIFY2(ms >= 2500 + 2 * (steps - beforePause), qPrintable(QString::number(ms)));
    QVERIFY(ms < 2500 + 40 * steps);
    QVERIFY(samples.size() >= 45);
    const qint64 paused = samples.at(samples.size() / 2);
    QCOMPARE(paused, beforePause - 1); // the pause comes before the fetching step draws
    QVERIFY(samples.count(paused) >= 45);
}

QTEST_MAIN(TestMarkupScroller)
#include "tst_markup_scroller.moc"
