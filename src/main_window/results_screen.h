#pragma once

#include <memory>

namespace main_window {
class frmMainControls;
struct frmMainFields;
} // namespace main_window

namespace draw {
class MarkupScroller;
}

namespace main_window {

// The end of a test: the title drawn low on the title screen and the results text, filled in
// with the user's name and the counts, scrolling up through iScroll.
class ResultsScreen
{
public:
    ResultsScreen(frmMainControls &ui, frmMainFields &state);
    ~ResultsScreen();

    // Shows the results and returns when they have scrolled past (or the scroll was stopped).
    void show();

    draw::MarkupScroller &scroller() const { return *m_scroller; }

private:
    void describeResults();
    void fillInResults();
    void Scroll_Results();

    frmMainControls &m_ui;
    frmMainFields &m_state;
    std::unique_ptr<draw::MarkupScroller> m_scroller;
};

} // namespace main_window
