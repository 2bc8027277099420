#pragma once

namespace main_window {

class frmMainControls;

// What the toolbar and the File menu offer in each state of a test. Captions are not part of
// a look: the window reads them as flags, so its procedures set them where they decide.
enum class TestLook {
    Idle,    // no test: Start offered, Pause shown but disabled
    Running, // Stop and Pause offered
    Paused,  // only Resume offered, from the toolbar and the menu
    Resumed, // running again; a test has one pause, so Pause stays disabled
    Results, // the results scroll: Start shown but disabled until the scroll is over
};

void applyTestLook(frmMainControls &ui, TestLook look);

} // namespace main_window
