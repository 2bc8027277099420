#pragma once

#include "dialogs/preview_target.h"
#include "forms/form.h"
#include "main_window/answer_highlight.h"
#include "main_window/attempt_recorder.h"
#include "main_window/cover_screen.h"
#include "main_window/frm_main_controls.h"
#include "main_window/frm_main_fields.h"
#include "main_window/question_display.h"
#include "main_window/splash_loop.h"
#include "main_window/test_file_loader.h"

#include <functional>
#include <memory>

namespace layout {
class Form_ControlPos;
}

namespace draw {
class MarkupScroller;
}

namespace main_window {

class AnswerKeys;
class ResultsScreen;

// The main window and its event procedures. The state of a test is kept partly in the fields
// (frmMainFields) and partly in the properties of the controls (frmMainControls): captions used as
// flags, tags and text boxes used as counters, visibility and enabled flags.
class frmMain : public forms::Form, public frmMainControls, public frmMainFields, public dialogs::PreviewTarget
{
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Event procedures and the window's own procedures
    void Get_Appname_Datafile() { m_testFile.Get_Appname_Datafile(); }
    void Load_Question() { m_testFile.Load_Question(); }
    void Count_Questions() { m_testFile.Count_Questions(); }
    void randomQuestion(qint16 totquest) { m_questions.randomQuestion(totquest); }
    void display_question(qint16 &shown) { m_questions.display_question(shown); }
    void Advance_if_Wrong(qint16 record) { m_questions.Advance_if_Wrong(record); }
    void ShowQuestionPicture() { m_questions.ShowQuestionPicture(); }

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

    void Clear_Answer_Highlight() { m_highlight.Clear_Answer_Highlight(); }

    // What the properties dialog shows before anything is stored
    void showFont(const QString &family) override;

    void showQuestionColour(forms::ColorValue color) override { m_highlight.showQuestionColour(color); }

    void showAnswerColour(AnswerRows rows, ColourPart part, forms::ColorValue color) override
    {
        m_highlight.showAnswerColour(rows, part, color);
    }

    forms::ColorValue questionBackColour() const override { return m_highlight.questionBackColour(); }

    void cmdNext_Click();
    void cmdAns_Click(int index);
    void Timer2_Timer();
    void Timer3_Timer();
    int questionOrdinal() const;
    void finishTest();

    layout::Form_ControlPos *layoutManager() const { return m_layout.get(); }
    dialogs::frmSplash *splash() const { return m_splashLoop.splash(); }

    draw::MarkupScroller &resultsScroller() const;

    // Milliseconds since the splash came up; empty is the real clock. Tests hand in their own.
    void setSplashClock(std::function<qint64()> elapsed) { m_splashLoop.setClock(std::move(elapsed)); }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void connectEvents();
    void stopTest();
    void drawOrdinal();
    void resetSelectedAnswer(bool checkIt);
    void restartCountdown();
    bool endOfTestReached();

    TestFileLoader m_testFile;
    QuestionDisplay m_questions;
    AnswerHighlight m_highlight;
    CoverScreen m_cover;
    AttemptRecorder m_attempt;
    std::unique_ptr<ResultsScreen> m_results;
    std::unique_ptr<layout::Form_ControlPos> m_layout;
    SplashLoop m_splashLoop;
    // Goes before the window: it listens to focus changes, which the window's own end still causes.
    std::unique_ptr<AnswerKeys> m_answerKeys;
};

} // namespace main_window
