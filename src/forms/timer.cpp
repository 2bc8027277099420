#include "forms/timer.h"

#include <QTimer>

namespace forms {

Timer::Timer(QObject *owner, const QString &name, int intervalMs, bool enabled)
    : QObject(owner), m_timer(new QTimer(this)), m_interval(intervalMs), m_enabled(enabled)
{
    setObjectName(name);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Timer::Tick);
    update();
}

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    m_timer->stop();
    update();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    update();
}

bool Timer::isTicking() const
{
    return m_timer->isActive();
}

void Timer::update()
{
    if (m_enabled && m_interval > 0) {
        if (!m_timer->isActive())
            m_timer->start(m_interval);
    } else {
        m_timer->stop();
    }
}

} // namespace forms
