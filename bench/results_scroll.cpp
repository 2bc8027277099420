// The results scroll as the program runs it: the main window finishes a test and scrolls the
// results through iScroll on the real clock, then scrolls a longer text without pauses. Prints
// the steps per second and the process's CPU time against the wall time, offscreen by default.
#include "app/bank_location.h"
#include "app/font_substitution.h"
#include "draw/markup_scroller.h"
#include "forms/do_events.h"
#include "forms/picture_box.h"
#include "main_window/frm_main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <functional>

using draw::MarkupScroller;
using main_window::frmMain;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void measure(const char *what, frmMain &main, double pauseSeconds, const std::function<void()> &run)
{
    const qint64 stepsBefore = main.resultsScroller().stepCount();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    run();
    const double seconds = wall.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    const qint64 steps = main.resultsScroller().stepCount() - stepsBefore;
    std::printf("%s: %lld steps in %.3f s (%.3f s of it the pause), %.0f steps/s while "
                "scrolling; CPU %.3f s = %.1f%% of one core\n",
                what, static_cast<long long>(steps), seconds, pauseSeconds, steps / (seconds - pauseSeconds), cpu,
                100 * cpu / seconds);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("WinDir", home.filePath(QStringLiteral("windows")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("windows"));

    QApplication app(argc, argv);
    app::mMain::installArmenianFontSubstitutes();
    const QString failure = app::mMain::WriteDefaultTestFile();
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    frmMain main;
    main.Load();
    QElapsedTimer startUp;
    startUp.start();
    while (!main.Visible() && startUp.elapsed() < 5000)
        forms::RunEventsFor(10);
    forms::RunEventsFor(200);

    main.numCorrect = 18;
    main.numWrong = 7;
    measure("results scroll", main, MarkupScroller::PauseMilliseconds / 1000.0, [&] { main.finishTest(); });

    QStringList lines;
    for (int i = 1; i <= 100; ++i)
        lines << QStringLiteral("%1<B>Line %2 of the long scroll").arg(i % 3 ? "" : "<C>").arg(i);
    qint32 index = 0;
    bool scrolling = true;
    measure("long scroll", main, 0, [&] { main.resultsScroller().run(lines, index, scrolling); });
    return 0;
}
