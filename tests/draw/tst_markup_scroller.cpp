#include "draw/markup_line.h"
#include "draw/markup_scroller.h"
#include "forms/form.h"
#include "forms/picture_box.h"

#include <QTest>

#include <cmath>

using draw::MarkupLine;
using draw::MarkupScroller;

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

    int lineHeight(double size)
    {
        pic->setFontSize(size);
        return qRound(pic->TextHeight(QStringLiteral("A")));
    }

    // A whole run on a clock that moves one millisecond per pass, from start; the line rectangle
    // is one line of the first size high.
    void run(const QStringList &lines, quint32 start, double firstSize = 8)
    {
        const int h = int(pic->ScaleHeight());
        scroller.setRectangles(QRect(0, 1, 300, h - 1), QRect(0, h, 300, lineHeight(firstSize)));
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
    // Flags: b bold, c centred, u underlined, s 20 points instead of 16, p a pause before the line.
    void tagsSetTheLineAttributes()
    {
        const struct
        {
            const char *line, *text, *flags;
            ColorValue color;
        } rows[] = {{"<C><B><S>Finish Test", "Finish Test", "bcs", 0},
                    {"<cG><cR> text", "<cR> text", "", 0x00FF00},
                    {"<cB>x<cR>y<cR>", "<cB>xy", "", 0x0000FF},
                    {"<B><cB> a", " a", "b", 0xFF0000},
                    {"plain <b><c>", "plain <b><c>", "", 0},
                    {"<<B>C><U>u<U>", "u", "bcu", 0},
                    {"<P>", "", "p", 0}};

        for (const auto &row : rows) {
            const MarkupLine parsed = MarkupLine::parse(QString::fromLatin1(row.line));
            const QString flags = QString(parsed.bold ? "b" : "") + (parsed.centred ? "c" : "")
                                  + (parsed.underline ? "u" : "")
                                  + (parsed.fontSize == 20   ? "s"
                                     : parsed.fontSize == 16 ? ""
                                                             : "?")
                                  + (parsed.pause ? "p" : "");
            QCOMPARE(parsed.text + u'/' + flags, QString::fromLatin1(row.text) + u'/' + row.flags);
            QCOMPARE(parsed.color, row.color);
        }
    }

    // The first line comes once the rectangle, one line below the view, has risen into it. Each
    // fetch moves the rectangle down by the height of the font still set (the line before's)
    // plus 5, and the next fetch comes when the line, as tall as its font, has wholly risen in. The run ends with the
    // step that fetched the last line, and nothing of the line before carries over to it.
    void linesEnterTheirHeightPlusFiveApart()
    {
        Area area;
        const int large = area.lineHeight(20), normal = area.lineHeight(16), initial = area.lineHeight(8);
        QVERIFY(large != normal && normal != initial);
        const auto whole = [&area](double size) { // a line's drawn height, rounded up
            area.pic->setFontSize(size);
            return int(std::ceil(area.pic->TextHeight(QStringLiteral("A"))));
        };
        const int drawnLarge = whole(20), drawnNormal = whole(16), drawnInitial = whole(8);
        area.run({"<S>big", "<C><B><U><cR>small", "<S>big", "last"}, 100);
        const qint64 first = drawnInitial + 2, second = first + initial + 5 + drawnLarge - drawnInitial,
                     third = second + large + 5 + drawnNormal - drawnLarge;
        const QList<qint64> expected = {first, second, third, third + normal + 5 + drawnLarge - drawnNormal};
        QCOMPARE(area.fetchSteps, expected);
        QCOMPARE(area.scroller.stepCount(), expected.last());
        QCOMPARE(area.scroller.currentLine(), QStringLiteral("last"));
        QCOMPARE(area.scroller.lineFormat(), int(PictureBox::AlignLeft));
        QVERIFY(!area.pic->FontBold() && !area.pic->FontUnderline());
        QCOMPARE(area.pic->FontSize(), 16.0);
        QCOMPARE(area.pic->ForeColor(), ColorValue(0));
    }

    // A line is drawn as tall as its font, though the rectangle that times the fetches is one
    // line of the area's first font high: glyphs reaching the font's bottom row keep it.
    void linesKeepTheWholeHeightOfTheirGlyphs_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("bold, the first font's size") << QStringLiteral("<B>_\u0575_");
        QTest::newRow("20 points") << QStringLiteral("<S>Your Results_");
    }

    void linesKeepTheWholeHeightOfTheirGlyphs()
    {
        QFETCH(QString, line);
        const auto inkRows = [](const QImage &image) {
            QList<int> rows;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != image.pixel(0, 0) && (rows.isEmpty() || rows.last() != y))
                        rows << y;
            return rows.size();
        };
        Area area;
        area.run({line, QString(), QString()}, 100, MarkupLine::NormalSize);
        const MarkupLine parsed = MarkupLine::parse(line);
        Area whole;
        whole.pic->setFontBold(parsed.bold);
        whole.pic->setFontSize(parsed.fontSize);
        whole.pic->DrawText(QRect(0, 0, 300, 120), parsed.text, PictureBox::AlignLeft);
        QCOMPARE(inkRows(area.pic->Image()), inkRows(whole.pic->Image()));
    }

    // Two ticks apart, also where the tick passes 2^31 and wraps; one gap holds the pause, which
    // comes before the fetching step draws its line.
    void stepsAreTwoTicksApartAcrossTheWrap()
    {
        for (const quint32 start : {1u, 0x7FFFFFF0u, 0xFFFFFFF0u}) {
            Area area;
            area.run({"a", "b", "<P>", "c"}, start);
            QCOMPARE(area.stepTicks.first(), start == 1 ? 2u : start); // the last step was at tick 0
            QList<quint32> gaps;
            for (int i = 1; i < area.stepTicks.size(); ++i)
                gaps << quint32(area.stepTicks.at(i) - area.stepTicks.at(i - 1));
            QCOMPARE(gaps.takeAt(int(area.fetchSteps.at(2)) - 1), 2501u);
            QCOMPARE(gaps.count(2u), gaps.size());
        }
    }
};

QTEST_MAIN(TestMarkupScroller)
#include "tst_markup_scroller.moc"
