#include "main_window/cover_screen.h"

#include "app/m_main.h"
#include "app/m_registry.h"
#include "draw/text_placement.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "main_window/frm_main_controls.h"

namespace main_window {

CoverScreen::CoverScreen(frmMainControls &ui) : m_ui(ui) {}

void CoverScreen::showTitle()
{
    draw::ClearForBoldText(*m_ui.splashik, 46);
    draw::PrintTitle(*m_ui.splashik, app::mMain::ProductName);
}

void CoverScreen::showPause()
{
    forms::PictureBox &screen = *m_ui.splashik;
    forms::Label &countdown = *m_ui.lblpause;
    screen.Cls();
    countdown.setLeft((screen.ScaleWidth() - countdown.Width()) / 2);
    countdown.setTop((screen.ScaleHeight() - countdown.Height()) / 2 - 500);
    draw::ClearForBoldText(screen, 18);
    draw::PrintCornerHint(screen, tr("Dbl Click and Continue Test"));
    countdown.setCaption(app::mRegistry::ReadSetting(app::mRegistry::Settings::PauseTime));
    countdown.setVisible(true);
    screen.setVisible(true);
}

} // namespace main_window
