#pragma once

#include "forms/form.h"

#include <array>

namespace forms {
class CommandButton;
class Frame;
class Label;
class PictureBox;
class TabStrip;
class TextBox;
} // namespace forms

namespace dialogs {

// The about box: a product page with the web and support links, and a readme page, chosen by
// a tab strip. Links open through the desktop's default handler; whether that works is not
// checked. Modeless; unloaded by "Close".
class frmAbout : public forms::Form
{
    Q_OBJECT
public:
    frmAbout();

    // Opens the about box over the owner's window, or brings the open one to the front. The
    // owner keeps it.
    static frmAbout *showAbout(forms::Form &owner);

    // The Armenian readme and its closing note, as shown (written in the ArmSCII-8 repertoire).
    static QString readmeText();
    static QString closingNote();

    forms::Label &lblURL(int index) const { return *m_links.at(index); } // 0 support, 1 web

    forms::TabStrip *TabStrip1 = nullptr;
    forms::Frame *Frame1 = nullptr, *Frame3 = nullptr;
    forms::Label *lblProduct = nullptr, *lblVersion = nullptr;
    forms::Label *lblWebsite = nullptr, *lblSupport = nullptr;
    forms::PictureBox *Picture1 = nullptr, *Picture2 = nullptr, *Picture20 = nullptr;
    forms::TextBox *Text1 = nullptr;
    forms::Label *Label6 = nullptr;
    forms::CommandButton *cmdClose = nullptr;

    // Event procedures
    void Form_Activate();
    void Form_MouseMove();
    void Frame1_MouseMove();
    void cmdClose_Click();
    void TabStrip1_Click();
    void lblURL_MouseMove(int index);
    void lblURL_Click(int index);

private:
    void buildControls();
    void buildProductPage();
    void buildReadmePage();
    void connectEvents();

    std::array<forms::Label *, 2> m_links{};
};

} // namespace dialogs
