#pragma once

#include "forms/color_value.h"

namespace main_window {

class frmMainControls;

// The colours of the answer rows: the chosen row in the selected colours, the others plain,
// and the row numbers drawn again in their row's colours.
class AnswerHighlight
{
public:
    explicit AnswerHighlight(frmMainControls &ui);

    // Every row in the plain answer colours of the settings.
    void applyAnswerColours();
    // Row K in the selected colours and bold, every other row in the plain answer colours.
    void highlight(int k);
    // The chosen row back in the system's button colours, and no row chosen.
    void Clear_Answer_Highlight();
    // The chosen row back in the plain answer colours, and no row chosen. Returns that row, or 0.
    int resetSelected();
    void drawAnswerNumbers();

private:
    int unchoose(forms::ColorValue back, forms::ColorValue fore);

    frmMainControls &m_ui;
};

} // namespace main_window
