#pragma once

#include <QCoreApplication>

namespace main_window {

class frmMainControls;

// The screen over the test's controls: the title between tests, the pause countdown during one.
class CoverScreen
{
    Q_DECLARE_TR_FUNCTIONS(CoverScreen)

public:
    explicit CoverScreen(frmMainControls &ui);

    // Cleared, then the title in large bold letters.
    void showTitle();
    // Cleared, the countdown from the pause time setting in the middle and the hint to go on.
    void showPause();

private:
    frmMainControls &m_ui;
};

} // namespace main_window
