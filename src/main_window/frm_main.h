#pragma once

#include "bank/question_draw.h"
#include "bank/bank_reader.h"
#include "dialogs/preview_target.h"
#include "forms/form.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace forms {
class CommandButton;
class CommandButtonArray;
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
class Form_ControlPos;
class MarkupScroller;
class frmSplash;
class AnswerKeys;

// The main window: every control of a test and all state of a running test, part of it in the
// fields below and part of it in the properties of the controls (captions used as flags, tags
// and text boxes used as counters, visibility and enabled flags).
class frmMain : public forms::Form, public PreviewTarget
{
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Answer row K (1..4): option, answer text and number picture; and the question box.
    forms::OptionButton &Option(int k) const override;
    forms::TextBox &harc(int k) const override;
    forms::PictureBox &numberPicture(int k) const override; // Picture5 .. Picture8
    forms::TextBox &questionBox() const override { return *lblQuestion; }

    // Controls
    forms::Toolbar *Toolbar1 = nullptr;
    forms::ImageList *ImageList1 = nullptr;
    forms::MenuItem *filemenu = nullptr, *mnuStart = nullptr, *mnuResume = nullptr,
                    *mnuseparate = nullptr, *mnuExit = nullptr;
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

    // Fields
    qint16 num = 0;
    qint16 numCorrect = 0, numWrong = 0, numTries = 0;
    QString randomQuestValue;
    bool Scrolling = false;
    qint32 lineIndex = 0;
    QString resultsTemplate;  // the unfilled results text while the results are shown
    QStringList resultLines;  // the filled-in results text, line by line
    qint16 numQuestions = 0; // records loaded
    qint16 questCount = 0;   // records counted; the bank size for randomQuestion
    QList<bank::QuestionRecord> records; // record n at index n - 1
    bank::QuestionDraw draw;             // drawnQuestions and drawCount

    // Event procedures and the window's own procedures
    void Get_Appname_Datafile();
    void Load_Question();
    void Count_Questions();
    void randomQuestion(qint16 totquest);
    void display_question(qint16 &num);
    void Advance_if_Wrong(qint16 num);
    void ShowQuestionPicture();
    void Timer4_Timer();
    void Form_Resize();
    QString statusText() const;

    // Test control
    void mnuStart_Click();
    void cmdStart_Click();
    void cmdPouse_Click();
    void mnuResume_Click();
    void splashik_DblClick();
    void mnuExit_Click();
    void cmdQuit_Click();
    void mnuConfigure_Click();
    void mnuAbout_Click();
    void Toolbar1_ButtonClick(const QString &key);

    // Answer selection, checking and the clock
    void Option_Click(int k);
    void harc_Click(int k);
    void Option_DblClick(int k);
    void harc_DblClick(int k);
    void Clear_Answer_Highlight();
    void cmdNext_Click();
    void cmdAns_Click(int index);
    void Timer2_Timer();
    void Timer3_Timer();
    int questionOrdinal() const;
    void finishTest();

    Form_ControlPos *layoutManager() const { return m_layout.get(); }
    frmSplash *splash() const { return m_splash.get(); }
    MarkupScroller &resultsScroller() const { return *m_scroller; }
    // Milliseconds since the splash came up; empty is the real clock. Tests hand in their own.
    void setSplashClock(std::function<qint64()> elapsed) { m_splashClock = std::move(elapsed); }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildMenus();
    void buildToolbar();
    void buildQuestionArea();
    void buildAnswerRows();
    void buildButtonColumn();
    void buildStatusPanel();
    void buildTitleScreen();
    void buildTimers();
    void applyAnswerColours();
    void runSplashLoop();
    void createAnswerButtons();
    void registerWithLayout();
    void applyQuestionFont();
    void showRecord(qint16 record);
    void connectEvents();
    void stopTest();
    void drawAnswerNumbers();
    void drawOrdinal();
    void resetSelectedAnswer(bool checkIt);
    void restartCountdown();
    bool endOfTestReached();
    void redrawTitleScreen();
    [[noreturn]] void failTestFile();
    void fillInResults();
    void Scroll_Results();

    std::unique_ptr<Form_ControlPos> m_layout;
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<MarkupScroller> m_scroller;
    std::function<qint64()> m_splashClock;
    // Goes before the window: it listens to focus changes, which the window's own end still causes.
    std::unique_ptr<AnswerKeys> m_answerKeys;
};
