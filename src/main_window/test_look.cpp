#include "main_window/test_look.h"

#include "forms/menu_item.h"
#include "forms/toolbar.h"
#include "main_window/frm_main_controls.h"

#include <QString>

namespace main_window {

namespace {

struct Offer
{
    bool shown;
    bool enabled;
};

constexpr Offer Hidden{false, true}, Enabled{true, true}, Disabled{true, false};

struct Look
{
    Offer start, stop, pause, resume; // the toolbar's buttons
    bool startMenu;                   // mnuStart shown, otherwise mnuResume
    bool startMenuEnabled;
};

constexpr Look Looks[] = {
    /* Idle    */ {Enabled, Hidden, Disabled, Hidden, true, true},
    /* Running */ {Hidden, Enabled, Enabled, Hidden, true, true},
    /* Paused  */ {Hidden, Hidden, Hidden, Enabled, false, true},
    /* Resumed */ {Hidden, Enabled, Disabled, Hidden, true, true},
    /* Results */ {Disabled, Hidden, Disabled, Hidden, true, false},
};

void offer(forms::Toolbar &toolbar, const char *key, Offer how)
{
    forms::ToolbarButton &button = toolbar.Buttons(QString::fromLatin1(key));
    button.setVisible(how.shown);
    button.setEnabled(how.enabled);
}

} // namespace

void applyTestLook(frmMainControls &ui, TestLook look)
{
    const Look &row = Looks[int(look)];
    offer(*ui.Toolbar1, "Start", row.start);
    offer(*ui.Toolbar1, "Stop", row.stop);
    offer(*ui.Toolbar1, "Pause", row.pause);
    offer(*ui.Toolbar1, "Resume", row.resume);
    ui.mnuStart->setVisible(row.startMenu);
    ui.mnuStart->setEnabled(row.startMenuEnabled);
    ui.mnuResume->setVisible(!row.startMenu);
}

} // namespace main_window
