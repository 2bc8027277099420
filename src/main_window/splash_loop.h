#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

namespace dialogs {
class frmSplash;
}

namespace main_window {

// The splash at start-up: shown for a second while the test file is read, again and again, and
// closed by the window's first timer tick.
class SplashLoop
{
public:
    SplashLoop();
    ~SplashLoop();

    // Shows the splash and calls eachPass until a second has gone by on the clock.
    void run(const std::function<void()> &eachPass);
    void close();

    dialogs::frmSplash *splash() const { return m_splash.get(); }

    // Milliseconds since the splash came up; empty is the real clock.
    void setClock(std::function<qint64()> elapsed) { m_clock = std::move(elapsed); }

private:
    std::unique_ptr<dialogs::frmSplash> m_splash;
    std::function<qint64()> m_clock;
};

} // namespace main_window
