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
using mRegistry::ReadSetting;
namespace Settings = mRegistry::Settings;

AnswerHighlight::AnswerHighlight(frmMainControls &ui) : ui(ui) {}

void AnswerHighlight::applyAnswerColours()
{
    mMain::SetForeColorByNumber(*ui.harc1, ReadSetting(Settings::AnswerForeColor));
    Control *const copies[] = {ui.harc2,   ui.harc3,   ui.harc4,   ui.Option1,
                               ui.Option2, ui.Option3, ui.Option4, ui.Picture5,
                               ui.Picture6, ui.Picture7, ui.Picture8};
    for (Control *control : copies)
        control->setForeColor(ui.harc1->ForeColor());
    mMain::SetBackColorByNumber(*ui.harc1, ReadSetting(Settings::AnswerBackColor));
    for (Control *control : copies)
        control->setBackColor(ui.harc1->BackColor());
}

void AnswerHighlight::highlight(int k)
{
    const int reference = k == 1 ? 2 : 1;
    TextBox &R = ui.harc(reference);
    TextBox &K = ui.harc(k);
    mMain::SetForeColorByNumber(R, ReadSetting(Settings::AnswerForeColor));
    mMain::SetBackColorByNumber(R, ReadSetting(Settings::AnswerBackColor));
    mMain::SetForeColorByNumber(K, ReadSetting(Settings::SelectedForeColor));
    mMain::SetBackColorByNumber(K, ReadSetting(Settings::SelectedBackColor));
    for (int row = 1; row <= 4; ++row) {
        if (row == k)
            continue;
        Control *const plain[] = {&ui.numberPicture(row), &ui.Option(row), &ui.harc(row)};
        for (Control *control : plain) {
            control->setBackColor(R.BackColor());
            control->setForeColor(R.ForeColor());
        }
        ui.Option(row).setFontBold(false);
        ui.harc(row).setFontBold(false);
    }
    ui.numberPicture(k).setBackColor(K.BackColor());
    ui.numberPicture(k).setForeColor(K.ForeColor());
    drawAnswerNumbers();
    ui.Option(k).setFontBold(true);
    ui.Option(k).setBackColor(K.BackColor());
    ui.Option(k).setForeColor(K.ForeColor());
    K.setFontBold(true);
}

void AnswerHighlight::Clear_Answer_Highlight()
{
    for (int k = 1; k <= 4; ++k)
        ui.numberPicture(k).Cls();
    unchoose(SystemColor::ButtonFace, SystemColor::ButtonText);
}

int AnswerHighlight::resetSelected()
{
    mMain::SetForeColorByNumber(*ui.harc1, ReadSetting(Settings::AnswerForeColor));
    mMain::SetBackColorByNumber(*ui.harc1, ReadSetting(Settings::AnswerBackColor));
    return unchoose(ui.harc1->BackColor(), ui.harc1->ForeColor());
}

// The chosen row, if any, chosen no more and plain in the given colours; returns it, or 0. The
// rows form one group, so there is at most one.
int AnswerHighlight::unchoose(ColorValue back, ColorValue fore)
{
    for (int k = 1; k <= 4; ++k) {
        if (!ui.Option(k).Value())
            continue;
        ui.Option(k).setValue(false);
        Control *const row[] = {&ui.numberPicture(k), &ui.Option(k), &ui.harc(k)};
        for (Control *control : row) {
            control->setBackColor(back);
            control->setForeColor(fore);
        }
        ui.Option(k).setFontBold(false);
        ui.harc(k).setFontBold(false);
        drawAnswerNumbers();
        return k;
    }
    return 0;
}

void AnswerHighlight::drawAnswerNumbers()
{
    for (int k = 1; k <= 4; ++k)
        mMain::PrintCentred(ui.numberPicture(k), QStringLiteral("%1.").arg(k));
}

} // namespace main_window
