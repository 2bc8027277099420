#include "forms/do_events.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace forms {

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void RunEventsFor(int milliseconds)
{
    if (milliseconds <= 0) {
        DoEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace forms
