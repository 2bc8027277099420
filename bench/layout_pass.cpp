// One pass of the proportional layout over the main window's registered controls, timed by
// resizing the window back and forth, next to the floor: moving the same widgets to the same
// places directly, without any computation.
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

using main_window::frmMain;

namespace {

constexpr int Passes = 400;

QByteArray smallBank()
{
    QByteArray out;
    for (int i = 1; i <= 40; ++i)
        out += "\"" + QByteArray(i == 1 ? "." : "") + "Question " + QByteArray::number(i)
               + "\",\"a\",\"b\",\"c\",\"d\"," + QByteArray::number(i % 4 + 1) + "\r\n";
    return out;
}

QList<QWidget *> registeredWidgets(const frmMain &main)
{
    const forms::Control *const controls[] = {
        main.lblQuestion, main.Picture4, main.Picture5, main.Picture6, main.Picture7,  main.Picture8,  main.Option1,
        main.Option2,     main.Option3,  main.Option4,  main.Frame2,   main.Frame1,    main.Frame3,    main.Picture3,
        main.cmdStart,    main.cmdQuit,  main.cmdPouse, main.cmdNext,  main.Picture20, main.Picture21, main.Picture22,
        main.Picture23,   main.harc1,    main.harc2,    main.harc3,    main.harc4,     main.Picture9,  main.Label3};
    QList<QWidget *> widgets;
    for (const forms::Control *control : controls)
        widgets << control->widget();
    return widgets;
}

QList<QRect> geometries(const QList<QWidget *> &widgets)
{
    QList<QRect> out;
    for (const QWidget *w : widgets)
        out << w->geometry();
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("WinDir", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QFile bank(home.filePath(QStringLiteral("LVT.lvq")));
    if (!bank.open(QIODevice::WriteOnly) || bank.write(smallBank()) < 0)
        return 1;
    bank.close();

    frmMain main;
    main.Load();
    QElapsedTimer wait;
    wait.start();
    while (!main.Visible() && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QWidget *window = main.window();
    const QSize small = window->size();
    const QSize large = small * 3 / 2;
    const QList<QWidget *> widgets = registeredWidgets(main);

    window->resize(large);
    const QList<QRect> atLarge = geometries(widgets);
    window->resize(small);
    const QList<QRect> atSmall = geometries(widgets);

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Passes; ++i)
        window->resize(i % 2 ? small : large);
    const double passUs = clock.nsecsElapsed() / 1e3 / Passes;

    clock.restart();
    for (int i = 0; i < Passes; ++i) {
        const QList<QRect> &target = i % 2 ? atSmall : atLarge;
        for (int k = 0; k < widgets.size(); ++k)
            widgets[k]->setGeometry(target[k]);
    }
    const double floorUs = clock.nsecsElapsed() / 1e3 / Passes;

    std::printf("Layout pass over %lld controls, %d passes between %dx%d and %dx%d pixels\n",
                static_cast<long long>(widgets.size()), Passes, small.width(), small.height(), large.width(),
                large.height());
    std::printf("  moving the widgets directly (floor)   %8.1f us\n", floorUs);
    std::printf("  window resize with the layout pass    %8.1f us  (+%.1f us over the floor)\n", passUs,
                passUs - floorUs);
    return 0;
}
