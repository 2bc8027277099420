#pragma once

namespace forms {
class CommandButton;
class CommandButtonArray;
class Form;
class Frame;
class ImageList;
class Label;
class MenuItem;
class OptionButton;
class PictureBox;
class TextBox;
class Timer;
class Toolbar;
} // namespace forms

namespace layout {
class Form_ControlPos;
}

namespace main_window {

// Every control of the main window and how it is built, apart from what the window does with
// them, in the manner of a generated Ui class: the controls are plain members of the window.
class frmMainControls
{
public:
    // Answer row K (1..4): option, answer text and number picture.
    forms::OptionButton &Option(int k) const;
    forms::TextBox &harc(int k) const;
    forms::PictureBox &numberPicture(int k) const; // Picture5 .. Picture8

    forms::Toolbar *Toolbar1 = nullptr;
    forms::ImageList *ImageList1 = nullptr;
    forms::MenuItem *filemenu = nullptr, *mnuStart = nullptr, *mnuResume = nullptr, *mnuseparate = nullptr,
                    *mnuExit = nullptr;
    forms::MenuItem *Options = nullptr, *mnuConfigure = nullptr;
    forms::MenuItem *aboutmenu = nullptr, *mnuAbout = nullptr;
    forms::TextBox *lblQuestion = nullptr;
    forms::Frame *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr;
    forms::PictureBox *Picture1 = nullptr, *Picture2 = nullptr, *Picture3 = nullptr, *Picture4 = nullptr;
    forms::PictureBox *Picture5 = nullptr, *Picture6 = nullptr, *Picture7 = nullptr, *Picture8 = nullptr;
    forms::PictureBox *Picture9 = nullptr, *Picture10 = nullptr;
    forms::PictureBox *Picture20 = nullptr, *Picture21 = nullptr, *Picture22 = nullptr, *Picture23 = nullptr;
    forms::OptionButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr;
    forms::TextBox *harc1 = nullptr, *harc2 = nullptr, *harc3 = nullptr, *harc4 = nullptr;
    forms::CommandButtonArray *cmdAns = nullptr;
    forms::CommandButton *cmdStart = nullptr, *cmdPouse = nullptr, *cmdQuit = nullptr, *cmdNext = nullptr;
    forms::Label *lblQuestNum = nullptr, *lblAnswerStat = nullptr, *lblStatus = nullptr;
    forms::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *lblpause = nullptr;
    forms::TextBox *Text1 = nullptr, *srcTextBox = nullptr;
    forms::PictureBox *splashik = nullptr, *iScroll = nullptr;
    forms::Timer *Timer2 = nullptr, *Timer3 = nullptr, *Timer4 = nullptr;

protected:
    ~frmMainControls() = default;

    // Builds every control on FORM at its design place, in the look of a window with no test.
    void setupControls(forms::Form &form);
    // The answer buttons 2 to 4 below the first one, all hidden.
    void createAnswerButtons();
    // The controls that grow and shrink with the window.
    void registerWithLayout(layout::Form_ControlPos &layout) const;

private:
    void buildMenus(forms::Form &form);
    void buildToolbar(forms::Form &form);
    void buildQuestionArea(forms::Form &form);
    void buildAnswerRows(forms::Form &form);
    void buildButtonColumn(forms::Form &form);
    void buildStatusPanel();
    void buildTitleScreen(forms::Form &form);
    void buildTimers(forms::Form &form);
};

} // namespace main_window
