#pragma once

#include "dialogs/preview_target.h"
#include "forms/color_value.h"

#include <array>

namespace forms {
class Control;
}

namespace main_window {

class frmMainControls;

// The colours of the question and the answer rows: the chosen row in the selected colours, the
// others plain, and the row numbers drawn again in their row's colours.
class AnswerHighlight
{
public:
    explicit AnswerHighlight(frmMainControls &ui);

    // The question and every row in the plain colours of the settings.
    void applyColours();
    // Row K in the selected colours and bold, every other row in the plain answer colours.
    void highlight(int k);
    // The chosen row back in the system's button colours, and no row chosen.
    void Clear_Answer_Highlight();
    // The chosen row back in the plain answer colours, and no row chosen. Returns that row, or 0.
    int resetSelected();
    void drawAnswerNumbers();
    int chosenRow() const; // 0 when no row is chosen

    // What the properties dialog shows before anything is stored.
    void showQuestionColour(forms::ColorValue color);
    void showAnswerColour(dialogs::PreviewTarget::AnswerRows rows, dialogs::PreviewTarget::ColourPart part,
                          forms::ColorValue color);
    forms::ColorValue questionBackColour() const;

private:
    int unchoose(forms::ColorValue back, forms::ColorValue fore);
    void showPlainRow(int k, forms::ColorValue back, forms::ColorValue fore);
    std::array<forms::Control *, 3> rowControls(int k) const; // number picture, option, answer text
    void drawAnswerNumber(int k);

    frmMainControls &m_ui;
};

} // namespace main_window
