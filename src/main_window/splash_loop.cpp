#include "main_window/splash_loop.h"

#include "dialogs/frm_splash.h"
#include "forms/do_events.h"

#include <QElapsedTimer>

#include <algorithm>

namespace main_window {

namespace {

constexpr int SplashMilliseconds = 1000;

} // namespace

SplashLoop::SplashLoop() = default;
SplashLoop::~SplashLoop() = default;

void SplashLoop::run(const std::function<void()> &eachPass)
{
    QElapsedTimer timer;
    timer.start();
    const auto elapsed = m_clock ? m_clock : [&timer] { return timer.elapsed(); };
    while (elapsed() < SplashMilliseconds) {
        if (!m_splash)
            m_splash = std::make_unique<dialogs::frmSplash>();
        m_splash->setVisible(true);
        // Let the splash paint and the system breathe instead of spinning through the second,
        // without running past its end.
        forms::RunEventsFor(int(std::clamp<qint64>(SplashMilliseconds - elapsed(), 1, 15)));
        eachPass();
    }
}

void SplashLoop::close()
{
    if (!m_splash)
        return;
    m_splash->Unload();
    m_splash.reset();
}

} // namespace main_window
