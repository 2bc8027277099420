// One step of the results scroll on a 700 by 400 pixel area: draw the entering line, scroll the
// area up by one pixel, paint the bottom row. Prints the cost per step, without and with the
// repaint that the event loop does in between.
#include "forms/form.h"
#include "forms/picture_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace forms;

namespace {

struct Figures
{
    double meanMs = 0;
    double worstMs = 0;
};

Figures run(PictureBox &area, int steps, bool letEventsRun)
{
    const int w = 700, h = 400;
    QRect lineRect(0, h, w, 30);
    const QRect scrollRect(0, 1, w, h - 1);
    QElapsedTimer total;
    double worst = 0;
    total.start();
    for (int step = 0; step < steps; ++step) {
        if (lineRect.bottom() < h)
            lineRect.moveTop(h);
        QElapsedTimer one;
        one.start();
        area.DrawText(lineRect, QStringLiteral("Finish Test. See Your Results"), 1);
        lineRect.translate(0, -1);
        area.ScrollUp(scrollRect);
        area.Line(0, h - 1, w, h - 1, area.BackColor());
        worst = std::max(worst, one.nsecsElapsed() / 1e6);
        if (letEventsRun)
            QCoreApplication::processEvents();
    }
    return {total.nsecsElapsed() / 1e6 / steps, worst};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form form(QStringLiteral("frmBench"));
    form.setClientSize(12000, 7000);
    auto *area = new PictureBox(form, QStringLiteral("iScroll"));
    area->setBorderStyle(PictureBox::NoBorder);
    area->setScaleModePixels(true);
    area->Move(0, 0, 700 * 15.0, 400 * 15.0);
    area->setFontSize(20);
    area->setFontBold(true);
    area->setBackColor(rgb(255, 255, 255));
    area->setForeColor(0);
    form.Show();
    QCoreApplication::processEvents();

    const int steps = 5000;
    run(*area, 200, false); // warm up the glyph cache
    const Figures bare = run(*area, steps, false);
    const Figures painted = run(*area, steps, true);
    std::printf("step (draw + scroll + bottom row): mean %.4f ms, worst %.4f ms\n", bare.meanMs, bare.worstMs);
    std::printf("step with the event loop repainting: mean %.4f ms\n", painted.meanMs);
    return 0;
}
