#include "main_window/answer_highlight.h"

#include "app/color_palette.h"
#include "app/m_registry.h"
#include "draw/text_placement.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main_controls.h"

namespace main_window {

using namespace forms;
using app::mRegistry::ReadSetting;
using dialogs::PreviewTarget;
namespace Settings = app::mRegistry::Settings;

AnswerHighlight::AnswerHighlight(frmMainControls &ui) : m_ui(ui) {}

void AnswerHighlight::applyColours()
{
    app::mMain::SetForeColorByNumber(*m_ui.lblQuestion, ReadSetting(Settings::QuestionColor));
    app::mMain::SetForeColorByNumber(*m_ui.harc1, ReadSetting(Settings::AnswerForeColor));
    Control *const copies[] = {m_ui.harc2,   m_ui.harc3,    m_ui.harc4,    m_ui.Option1,  m_ui.Option2, m_ui.Option3,
                               m_ui.Option4, m_ui.Picture5, m_ui.Picture6, m_ui.Picture7, m_ui.Picture8};
    for (Control *control : copies)
        control->setForeColor(m_ui.harc1->ForeColor());
    app::mMain::SetBackColorByNumber(*m_ui.harc1, ReadSetting(Settings::AnswerBackColor));
    for (Control *control : copies)
        control->setBackColor(m_ui.harc1->BackColor());
}

void AnswerHighlight::highlight(int k)
{
    const int reference = k == 1 ? 2 : 1;
    TextBox &R = m_ui.harc(reference);
    TextBox &K = m_ui.harc(k);
    app::mMain::SetForeColorByNumber(R, ReadSetting(Settings::AnswerForeColor));
    app::mMain::SetBackColorByNumber(R, ReadSetting(Settings::AnswerBackColor));
    app::mMain::SetForeColorByNumber(K, ReadSetting(Settings::SelectedForeColor));
    app::mMain::SetBackColorByNumber(K, ReadSetting(Settings::SelectedBackColor));
    for (int row = 1; row <= 4; ++row) {
        if (row != k)
            showPlainRow(row, R.BackColor(), R.ForeColor());
    }
    m_ui.numberPicture(k).setBackColor(K.BackColor());
    m_ui.numberPicture(k).setForeColor(K.ForeColor());
    drawAnswerNumbers();
    m_ui.Option(k).setFontBold(true);
    m_ui.Option(k).setBackColor(K.BackColor());
    m_ui.Option(k).setForeColor(K.ForeColor());
    K.setFontBold(true);
}

void AnswerHighlight::Clear_Answer_Highlight()
{
    for (int k = 1; k <= 4; ++k)
        m_ui.numberPicture(k).Cls();
    unchoose(SystemColor::ButtonFace, SystemColor::ButtonText);
}

int AnswerHighlight::resetSelected()
{
    app::mMain::SetForeColorByNumber(*m_ui.harc1, ReadSetting(Settings::AnswerForeColor));
    app::mMain::SetBackColorByNumber(*m_ui.harc1, ReadSetting(Settings::AnswerBackColor));
    return unchoose(m_ui.harc1->BackColor(), m_ui.harc1->ForeColor());
}

// The rows form one group, so at most one is chosen.
int AnswerHighlight::chosenRow() const
{
    for (int k = 1; k <= 4; ++k) {
        if (m_ui.Option(k).Value())
            return k;
    }
    return 0;
}

// The chosen row, if any, chosen no more and plain in the given colours; returns it, or 0.
int AnswerHighlight::unchoose(ColorValue back, ColorValue fore)
{
    const int k = chosenRow();
    if (k == 0)
        return 0;
    m_ui.Option(k).setValue(false);
    showPlainRow(k, back, fore);
    drawAnswerNumbers();
    return k;
}

void AnswerHighlight::showQuestionColour(ColorValue color)
{
    m_ui.lblQuestion->setForeColor(color);
}

// Only the rows that change get their number drawn again.
void AnswerHighlight::showAnswerColour(PreviewTarget::AnswerRows rows, PreviewTarget::ColourPart part, ColorValue color)
{
    const int chosen = chosenRow();
    for (int k = 1; k <= 4; ++k) {
        if ((k == chosen) != (rows == PreviewTarget::AnswerRows::Chosen))
            continue;
        for (Control *control : rowControls(k)) {
            if (part == PreviewTarget::ColourPart::Text)
                control->setForeColor(color);
            else
                control->setBackColor(color);
        }
        drawAnswerNumber(k);
    }
}

ColorValue AnswerHighlight::questionBackColour() const
{
    return m_ui.lblQuestion->BackColor();
}

// A row as an answer that is not chosen: in the given colours, not bold.
void AnswerHighlight::showPlainRow(int k, ColorValue back, ColorValue fore)
{
    for (Control *control : rowControls(k)) {
        control->setBackColor(back);
        control->setForeColor(fore);
    }
    m_ui.Option(k).setFontBold(false);
    m_ui.harc(k).setFontBold(false);
}

std::array<Control *, 3> AnswerHighlight::rowControls(int k) const
{
    return {&m_ui.numberPicture(k), &m_ui.Option(k), &m_ui.harc(k)};
}

void AnswerHighlight::drawAnswerNumbers()
{
    for (int k = 1; k <= 4; ++k)
        drawAnswerNumber(k);
}

void AnswerHighlight::drawAnswerNumber(int k)
{
    draw::PrintCentred(m_ui.numberPicture(k), QStringLiteral("%1.").arg(k));
}

} // namespace main_window
