#pragma once

#include <QObject>

class QTimer;

namespace forms {

// A timer ticking on the user-interface thread between other events. Switching it off and on
// restarts its interval; an interval of 0 never ticks.
class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(QObject *owner, const QString &name, int intervalMs, bool enabled);

    int Interval() const { return m_interval; }

    void setInterval(int milliseconds);

    bool Enabled() const { return m_enabled; }

    void setEnabled(bool enabled);
    bool isTicking() const; // enabled with a non-zero interval

signals:
    void Tick();

private:
    void update();

    QTimer *m_timer;
    int m_interval;
    bool m_enabled;
};

} // namespace forms
