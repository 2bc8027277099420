#include "main_window/frm_main.h"

#include "app/color_palette.h"
#include "app/m_main.h"
#include "app/m_registry.h"
#include "app/program_end.h"
#include "app/system_menu.h"
#include "app/text_number.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_properties.h"
#include "draw/markup_scroller.h"
#include "draw/text_placement.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/menu_item.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/toolbar.h"
#include "layout/form_control_pos.h"
#include "main_window/answer_focus_frame.h"
#include "main_window/answer_keys.h"
#include "main_window/cover_screen.h"
#include "main_window/results_screen.h"
#include "main_window/screen_reader_names.h"
#include "main_window/test_look.h"

#include <QHash>
#include <QIcon>

namespace main_window {

using namespace forms;
using app::leadingNumber;
using app::numberText;
using app::mRegistry::ReadSetting;
namespace Settings = app::mRegistry::Settings;

frmMain::frmMain()
    : Form(QStringLiteral("frmMain")), m_testFile(*this), m_questions(*this, *this), m_highlight(*this), m_cover(*this),
      m_attempt(*this)
{
    setCaption(QStringLiteral("Lorvane"));
    window()->setWindowIcon(QIcon(QStringLiteral(":/icons/lorvane.png")));
    setupControls(*this);
    m_results = std::make_unique<ResultsScreen>(*this, *this);
    connectEvents();
    m_answerKeys = std::make_unique<AnswerKeys>(*this);
    new AnswerFocusFrame(*this);  // owned by the answers' frame
    new ScreenReaderNames(*this); // owned by the window
}

frmMain::~frmMain() = default;

draw::MarkupScroller &frmMain::resultsScroller() const
{
    return m_results->scroller();
}

void frmMain::Form_Load()
{
    app::mMain::RemoveSystemMenuItem(window());
    setVisible(false);
    Frame2->setBackColor(rgb(228, 228, 228));
    m_highlight.applyColours();
    num = 1;
    m_splashLoop.run([this] {
        Get_Appname_Datafile();
        Load_Question();
        Count_Questions();
    });
    createAnswerButtons();
    Load_Question();
    display_question(num);
    randomQuestValue = QStringLiteral("True");
    app::mMain::advanceIfWrongValue = QStringLiteral("True");
    if (randomQuestValue == QStringLiteral("True"))
        randomQuestion(questCount);
    if (app::mMain::advanceIfWrongValue == QStringLiteral("True"))
        Advance_if_Wrong(num);
    m_layout = std::make_unique<layout::Form_ControlPos>();
    m_layout->Init(*this);
    registerWithLayout(*m_layout);
    showFont(ReadSetting(Settings::NameFont));
    Timer4->setEnabled(true);
}

void frmMain::showFont(const QString &family)
{
    lblQuestion->setFontName(family);
    for (int k = 1; k <= 4; ++k)
        harc(k).setFontName(family);
}

void frmMain::Form_Unload()
{
    m_attempt.waitBeforeQuit();
    app::mMain::EndProgram();
}

QString frmMain::statusText() const
{
    return QStringLiteral(
               "You got %1 answers right.\rYou got %2 answers wrong.\rYour attempts were %3\r%4 questions available.")
        .arg(numCorrect)
        .arg(numWrong)
        .arg(numTries)
        .arg(numQuestions);
}

void frmMain::Timer4_Timer()
{
    Timer4->setEnabled(false);
    m_splashLoop.close();
    setVisible(true);
}

void frmMain::Form_Resize()
{
    if (iScroll->Visible())
        return;
    if (mnuResume->Visible())
        return;
    splashik->Move(0, 500, ScaleWidth(), ScaleHeight());
    m_cover.showTitle();
}

void frmMain::connectEvents()
{
    connect(this, &Form::Resize, this, &frmMain::Form_Resize);
    connect(Timer4, &Timer::Tick, this, &frmMain::Timer4_Timer);
    connect(mnuStart, &MenuItem::Click, this, &frmMain::mnuStart_Click);
    connect(mnuResume, &MenuItem::Click, this, &frmMain::mnuResume_Click);
    connect(mnuExit, &MenuItem::Click, this, &frmMain::mnuExit_Click);
    connect(mnuConfigure, &MenuItem::Click, this, &frmMain::mnuConfigure_Click);
    connect(mnuAbout, &MenuItem::Click, this, &frmMain::mnuAbout_Click);
    connect(Toolbar1, &Toolbar::ButtonClick, this, &frmMain::Toolbar1_ButtonClick);
    connect(cmdStart, &Control::Click, this, &frmMain::cmdStart_Click);
    connect(cmdPouse, &Control::Click, this, &frmMain::cmdPouse_Click);
    connect(cmdQuit, &Control::Click, this, &frmMain::cmdQuit_Click);
    connect(cmdNext, &Control::Click, this, &frmMain::cmdNext_Click);
    connect(cmdAns, &CommandButtonArray::Click, this, &frmMain::cmdAns_Click);
    connect(splashik, &Control::DblClick, this, &frmMain::splashik_DblClick);
    connect(lblpause, &Control::DblClick, this, &frmMain::splashik_DblClick);
    connect(iScroll, &Control::DblClick, this, &frmMain::splashik_DblClick);
    connect(Timer2, &Timer::Tick, this, &frmMain::Timer2_Timer);
    connect(Timer3, &Timer::Tick, this, &frmMain::Timer3_Timer);
    for (int k = 1; k <= 4; ++k) {
        connect(&Option(k), &Control::Click, this, [this, k] { Option_Click(k); });
        connect(&Option(k), &Control::DblClick, this, [this, k] { Option_DblClick(k); });
        connect(&harc(k), &Control::Click, this, [this, k] { harc_Click(k); });
        connect(&harc(k), &Control::DblClick, this, [this, k] { harc_DblClick(k); });
    }
}

int frmMain::questionOrdinal() const
{
    return int(leadingNumber(Picture4->Tag())) + numTries + 1;
}

void frmMain::drawOrdinal()
{
    draw::PrintCentred(*Picture4, QString::number(questionOrdinal()));
}

void frmMain::mnuStart_Click()
{
    if (mnuStart->Caption() != tr("Start")) {
        stopTest();
        return;
    }
    cmdNext->setCaption(tr("Next"));
    mnuStart->setCaption(tr("Stop"));
    applyTestLook(*this, TestLook::Running);
    Clear_Answer_Highlight();
    iScroll->setVisible(false);
    cmdPouse->setEnabled(true);
    splashik->setVisible(false);
    lineIndex = 0;
    iScroll->Cls();
    splashik->Cls();
    draw::PrintTitle(*splashik, app::mMain::ProductName);
    num += 1;
    if (num != numQuestions) {
        Label2->setCaption(QStringLiteral("15"));
        randomQuestion(questCount);
        randomQuestion(questCount);
        display_question(num);
    }
    for (int i = 1; i <= 4; ++i)
        (*cmdAns)(i).setEnabled(true);
    numCorrect = 0;
    numTries = 0;
    numWrong = 0;
    m_attempt.begin();
    lblStatus->setCaption(statusText());
    ShowQuestionPicture();
    Picture4->Cls();
    Picture4->Refresh();
    Picture4->setTag(QStringLiteral("0"));
    Text1->setText(QStringLiteral("0"));
    draw::PrintCentred(*Picture4, QString::number(numTries + 1));
    Label3->setCaption(QStringLiteral("60"));
    Timer2->setEnabled(true);
    cmdStart_Click();
}

void frmMain::cmdStart_Click()
{
    if (cmdStart->Caption() != tr("Start")) {
        stopTest();
        return;
    }
    Timer2->setEnabled(true);
    lblQuestion->setVisible(true);
    for (int i = 1; i <= 4; ++i)
        (*cmdAns)(i).setVisible(false);
    for (int k = 1; k <= 4; ++k) {
        Option(k).setVisible(true);
        numberPicture(k).setVisible(true);
    }
    ShowQuestionPicture();
    Picture4->setVisible(true);
    Picture4->Cls();
    Picture4->Refresh();
    draw::PrintCentred(*Picture4, QString::number(numTries + 1));
    m_highlight.drawAnswerNumbers();
    cmdStart->setCaption(tr("Stop"));
}

void frmMain::stopTest()
{
    mnuStart->setCaption(tr("Start"));
    cmdStart->setCaption(tr("Start"));
    applyTestLook(*this, TestLook::Idle);
    Timer2->setEnabled(false);
    splashik->setVisible(true);
}

void frmMain::cmdPouse_Click()
{
    if (cmdPouse->Caption() == tr("Pouse")) {
        applyTestLook(*this, TestLook::Paused);
        Timer2->setEnabled(false);
        m_attempt.paused(questionOrdinal());
        m_cover.showPause();
        Timer3->setEnabled(true);
    }
    cmdPouse->setCaption(cmdPouse->Caption() == tr("Pouse") ? tr("Resume") : tr("Pouse"));
}

void frmMain::mnuResume_Click()
{
    splashik->setVisible(false);
    applyTestLook(*this, TestLook::Resumed);
    cmdPouse->setCaption(tr("Pouse"));
    Timer3->setEnabled(false);
    m_attempt.resumed();
    lblpause->setCaption(ReadSetting(Settings::PauseTime));
    Timer2->setEnabled(true);
    lblpause->setVisible(false);
    m_cover.showTitle();
    cmdPouse->setEnabled(false);
}

void frmMain::splashik_DblClick()
{
    if (mnuResume->Visible())
        mnuResume_Click();
    if (mnuStart->Enabled() && mnuStart->Caption() == tr("Start"))
        mnuStart_Click();
}

void frmMain::mnuExit_Click()
{
    Unload();
    app::mMain::EndProgram();
}

void frmMain::cmdQuit_Click()
{
    Unload();
}

void frmMain::mnuConfigure_Click()
{
    dialogs::frmProperties::showProperties(*this);
}

void frmMain::mnuAbout_Click()
{
    dialogs::frmAbout::showAbout(*this);
}

void frmMain::Toolbar1_ButtonClick(const QString &key)
{
    using Procedure = void (frmMain::*)();
    static const QHash<QString, Procedure> procedures = {{QStringLiteral("Start"), &frmMain::mnuStart_Click},
                                                         {QStringLiteral("Stop"), &frmMain::mnuStart_Click},
                                                         {QStringLiteral("Pause"), &frmMain::cmdPouse_Click},
                                                         {QStringLiteral("Resume"), &frmMain::mnuResume_Click},
                                                         {QStringLiteral("Quit"), &frmMain::mnuExit_Click},
                                                         {QStringLiteral("Properties"), &frmMain::mnuConfigure_Click},
                                                         {QStringLiteral("About"), &frmMain::mnuAbout_Click}};
    if (const Procedure procedure = procedures.value(key))
        (this->*procedure)();
}

void frmMain::Option_Click(int k)
{
    cmdNext->setEnabled(true);
    cmdNext->SetFocus();
    m_highlight.highlight(k);
}

void frmMain::harc_Click(int k)
{
    Option(k).setValue(true);
    Option_Click(k);
}

void frmMain::Option_DblClick(int)
{
    cmdNext_Click();
}

void frmMain::harc_DblClick(int)
{
    cmdNext_Click();
}

// Gives the selected row the plain answer colours again and, for a press of Next, checks it.
void frmMain::resetSelectedAnswer(bool checkIt)
{
    const int k = m_highlight.resetSelected();
    if (checkIt && k != 0)
        cmdAns_Click(k);
}

void frmMain::cmdNext_Click()
{
    if (m_highlight.chosenRow() == 0)
        return;
    for (int k = 1; k <= 4; ++k)
        numberPicture(k).Cls();
    resetSelectedAnswer(true);
    cmdNext->setEnabled(false);
}

void frmMain::cmdAns_Click(int index)
{
    m_attempt.questionDone(index, int(leadingNumber(Label3->Caption())));
    numTries += 1;
    if (num < 1 || num > numQuestions)
        TestFileLoader::failTestFile();
    if (index == records.at(num - 1).rightAnswer) {
        numCorrect += 1;
        Picture1->setPicture(QImage());
        lblAnswerStat->setCaption(tr("CORRECT ANSWER:"));
        Picture1->setBackColor(SystemColor::Window);
        lblAnswerStat->setBackColor(SystemColor::Window);
        lblStatus->setCaption(statusText());
        num += 1;
        if (num != numQuestions) {
            randomQuestion(questCount);
            display_question(num);
        }
    } else {
        Picture1->setPicture(QImage());
        numWrong += 1;
        lblStatus->setCaption(statusText());
        Picture1->setBackColor(rgb(255, 0, 0));
        lblAnswerStat->setBackColor(rgb(255, 0, 0));
        lblAnswerStat->setCaption(tr("WRONG ANSWER DUDE."));
        num += 1;
        Advance_if_Wrong(num);
        if (num <= numQuestions)
            randomQuestion(questCount);
        Advance_if_Wrong(num);
        Picture1->setBackColor(rgb(255, 0, 0));
        lblAnswerStat->setBackColor(rgb(255, 0, 0));
    }
    ShowQuestionPicture();
    if (endOfTestReached())
        return;
    Picture4->Cls();
    Picture4->Refresh();
    drawOrdinal();
    restartCountdown();
}

// The thirtieth question offers "Finish"; the one after it ends the test.
bool frmMain::endOfTestReached()
{
    const int ordinal = questionOrdinal();
    if (ordinal == 30)
        cmdNext->setCaption(tr("Finish"));
    if (ordinal != 31)
        return false;
    finishTest();
    return true;
}

void frmMain::restartCountdown()
{
    Timer2->setEnabled(false);
    Label3->setCaption(QStringLiteral("60"));
    Timer2->setEnabled(true);
}

void frmMain::Timer2_Timer()
{
    const double left = leadingNumber(Label3->Caption());
    if (left != 0) {
        Label3->setCaption(numberText(left - 1));
        return;
    }
    Timer2->setEnabled(false);
    Label3->setCaption(QStringLiteral("60"));
    Picture4->setTag(numberText(leadingNumber(Picture4->Tag()) + 1));
    Text1->setText(numberText(leadingNumber(Text1->Text()) + 1));
    m_attempt.questionDone(0, 0);
    randomQuestion(questCount);
    resetSelectedAnswer(false);
    Picture4->Cls();
    Picture4->Refresh();
    ShowQuestionPicture();
    drawOrdinal();
    if (endOfTestReached())
        return;
    Timer2->setEnabled(true);
    Label3->setCaption(numberText(60 - 1));
}

void frmMain::Timer3_Timer()
{
    lblpause->setCaption(numberText(leadingNumber(lblpause->Caption()) - 1));
    if (lblpause->Caption() == QStringLiteral("0"))
        splashik_DblClick();
}

// The end of a test: the start controls return to "Start" but stay disabled, the title comes
// back and the results scroll through iScroll. Returns when the scroll is over.
void frmMain::finishTest()
{
    Timer2->setEnabled(false);
    Label3->setCaption(QStringLiteral("60"));
    cmdStart->setCaption(tr("Start"));
    applyTestLook(*this, TestLook::Results);
    mnuStart->setCaption(tr("Start"));
    m_attempt.finish(numCorrect, numWrong, int(leadingNumber(Text1->Text())));
    m_results->show();
    m_attempt.reportWhenWritten(this);
}

} // namespace main_window
