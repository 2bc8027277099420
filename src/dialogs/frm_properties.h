#pragma once

#include "dialogs/properties_preview.h"
#include "forms/form.h"

#include <memory>

namespace forms {
class ComboBox;
class CommandButton;
class Frame;
class ImageCombo;
class ImageList;
class Label;
class ListView;
class PictureBox;
class TextBox;
} // namespace forms

namespace dialogs {

// The properties dialog: user name, pause time, question font and the five display colours.
// It is modeless and starts from the settings store at every load. Picking a font or a colour
// shows it on the main window at once; "Ok" stores all eight values and shows the colours once
// more, "Cancel" stores nothing and leaves whatever was shown.
//
// A stored colour number that names no entry (not 1 to 16, or no number) makes its chooser show
// the default colour instead, so every chooser always has an entry selected.
class frmProperties : public forms::Form
{
    Q_OBJECT
public:
    explicit frmProperties(PreviewTarget &main);

    // Opens the dialog over this main window, or brings the open one to the front. The window
    // owns the dialog.
    static frmProperties *showProperties(PreviewTarget &main, forms::Form &owner);

    template<class Window>
    static frmProperties *showProperties(Window &main)
    {
        return showProperties(main, main);
    }

    // Chooser 0 is ImageCombo, 1 to 4 are ImageCombo1 to ImageCombo4.
    forms::ImageCombo &chooser(int index) const { return *m_choosers.at(index); }

    forms::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr; // user, pause, font
    forms::Label *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr,
                 *Label8 = nullptr;      // the five colour choosers
    forms::Label *Label9 = nullptr;      // the reset link
    forms::Label *Label10 = nullptr;     // above the test list
    forms::Label *lblContrast = nullptr; // shown while chosen colours are hard to read
    forms::TextBox *UserName = nullptr;
    forms::ComboBox *Combo1 = nullptr;
    forms::ComboBox *nameFont = nullptr;
    forms::Frame *Frame2 = nullptr;
    forms::ImageCombo *ImageCombo = nullptr, *ImageCombo1 = nullptr, *ImageCombo2 = nullptr, *ImageCombo3 = nullptr,
                      *ImageCombo4 = nullptr;
    forms::ListView *ListView1 = nullptr;
    forms::CommandButton *cmdOk = nullptr, *Command1 = nullptr;
    forms::PictureBox *picHidden = nullptr;
    forms::ImageList *ImageList1 = nullptr; // icons of the test list
    forms::ImageList *ImageList = nullptr;  // colour swatches of the choosers

    // Event procedures
    void cmdOk_Click();
    void Command1_Click();
    void Label9_Click();
    void Label9_MouseMove();
    void Form_MouseMove();
    void nameFont_Click();
    void ImageCombo_Click(int index); // previews chooser index on the main window

protected:
    void Form_Load() override;

private:
    void buildControls();
    void buildColourFrame();
    double chooserWidthNeeded() const;
    void connectEvents();
    void loadTestList();
    void loadColourChoosers();
    void loadPauseTimes();
    void loadFonts();

    PropertiesPreview::Choosers m_choosers{};
    std::unique_ptr<PropertiesPreview> m_preview;
};

} // namespace dialogs
