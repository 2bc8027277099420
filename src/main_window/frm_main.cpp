#include "main_window/frm_main.h"

#include "app/color_palette.h"
#include "app/m_main.h"
#include "app/m_registry.h"
#include "app/program_end.h"
#include "app/system_menu.h"
#include "app/text_number.h"
#include "app/bank_location.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_properties.h"
#include "dialogs/frm_splash.h"
#include "main_window/answer_keys.h"
#include "main_window/results_template.h"
#include "draw/markup_scroller.h"
#include "draw/question_picture_table.h"
#include "draw/text_placement.h"
#include "forms/command_button.h"
#include "forms/do_events.h"
#include "forms/frame.h"
#include "forms/image_list.h"
#include "forms/label.h"
#include "forms/menu_item.h"
#include "forms/msg_box.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/toolbar.h"
#include "layout/form_control_pos.h"

#include <QElapsedTimer>
#include <QFile>
#include <QIcon>

#include <algorithm>

using namespace forms;
using mRegistry::ReadSetting;
namespace Settings = mRegistry::Settings;

namespace {

const QString Stars = QStringLiteral("**********");
const QString Title = QStringLiteral("Lorvane 2004");
constexpr double DesignWidth = 11790;
constexpr double DesignHeight = 8280;
constexpr int SplashMilliseconds = 1000;

QByteArray readWholeFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = !path.isEmpty() && file.open(QIODevice::ReadOnly);
    const QByteArray bytes = *ok ? file.readAll() : QByteArray();
    *ok = *ok && file.error() == QFileDevice::NoError; // a read that fails part-way is no bank
    return bytes;
}

} // namespace

frmMain::frmMain() : Form(QStringLiteral("frmMain"))
{
    setCaption(QStringLiteral("Lorvane"));
    window()->setWindowIcon(QIcon(QStringLiteral(":/icons/lorvane.png")));
    buildMenus();
    setClientSize(DesignWidth, DesignHeight);
    buildQuestionArea();
    buildAnswerRows();
    buildButtonColumn();
    buildStatusPanel();
    buildTitleScreen();
    buildToolbar();
    buildTimers();
    connectEvents();
    m_answerKeys = std::make_unique<AnswerKeys>(*this);
}

frmMain::~frmMain() = default;

OptionButton &frmMain::Option(int k) const
{
    OptionButton *const rows[] = {Option1, Option2, Option3, Option4};
    return *rows[k - 1];
}

TextBox &frmMain::harc(int k) const
{
    TextBox *const rows[] = {harc1, harc2, harc3, harc4};
    return *rows[k - 1];
}

PictureBox &frmMain::numberPicture(int k) const
{
    PictureBox *const rows[] = {Picture5, Picture6, Picture7, Picture8};
    return *rows[k - 1];
}

void frmMain::buildMenus()
{
    filemenu = new MenuItem(*this, QStringLiteral("filemenu"), QStringLiteral("&File"));
    mnuStart = new MenuItem(*filemenu, QStringLiteral("mnuStart"), QStringLiteral("Start"));
    mnuResume = new MenuItem(*filemenu, QStringLiteral("mnuResume"), QStringLiteral("Resume"));
    mnuResume->setVisible(false);
    mnuseparate = new MenuItem(*filemenu, QStringLiteral("mnuseparate"), QStringLiteral("-"));
    mnuExit = new MenuItem(*filemenu, QStringLiteral("mnuExit"), QStringLiteral("&Quit"));
    Options = new MenuItem(*this, QStringLiteral("Options"), QStringLiteral("&Options"));
    mnuConfigure = new MenuItem(*Options, QStringLiteral("mnuConfigure"), QStringLiteral("C&onfigure"));
    aboutmenu = new MenuItem(*this, QStringLiteral("aboutmenu"), QStringLiteral("&About"));
    mnuAbout = new MenuItem(*aboutmenu, QStringLiteral("mnuAbout"), QStringLiteral("&About"));
}

void frmMain::buildToolbar()
{
    ImageList1 = new ImageList(this, QStringLiteral("ImageList1"));
    Toolbar1 = new Toolbar(*this, QStringLiteral("Toolbar1"));
    Toolbar1->setImageList(ImageList1);
    struct Entry { const char *key; const char *icon; const char *tip; };
    const Entry entries[] = {
        {"Start", "toolbar_start", "Start a test"},   {"Stop", "toolbar_stop", "Stop the test"},
        {"Pause", "toolbar_pause", "Pause the test"}, {"Resume", "toolbar_resume", "Resume the test"},
        {"Quit", "toolbar_quit", "Quit"},             {"Properties", "toolbar_properties", "Properties"},
        {"About", "toolbar_about", "About Lorvane 2004"},
    };
    for (const Entry &entry : entries)
        ImageList1->Add(QString::fromLatin1(entry.key),
                        QPixmap(QStringLiteral(":/icons/%1.png").arg(QLatin1String(entry.icon))));
    auto add = [&](int i) {
        Toolbar1->addButton(QString::fromLatin1(entries[i].key), QString::fromLatin1(entries[i].tip),
                            QString::fromLatin1(entries[i].key));
    };
    Toolbar1->addSeparator();
    add(0); add(1); add(2); add(3);
    Toolbar1->addSeparator();
    add(4);
    Toolbar1->addSeparator();
    add(5);
    Toolbar1->addSeparator();
    add(6);
    // The Idle look: Start shown, Stop and Resume hidden, Pause shown but disabled.
    Toolbar1->Buttons(3).setVisible(false);
    Toolbar1->Buttons(4).setEnabled(false);
    Toolbar1->Buttons(5).setVisible(false);
}

void frmMain::buildQuestionArea()
{
    lblQuestion = new TextBox(*this, QStringLiteral("lblQuestion"), true);
    lblQuestion->Move(240, 660, 11310, 1140);
    lblQuestion->setLocked(true);
    lblQuestion->setBackColor(rgb(192, 192, 192));
    lblQuestion->setForeColor(rgb(0, 0, 255));
    lblQuestion->setFontSize(13);
    lblQuestion->setFontBold(true);
    lblQuestion->setVisible(false);

    Frame1 = new Frame(*this, QStringLiteral("Frame1"), QStringLiteral("Question Picture Preview"));
    Frame1->Move(240, 5280, 9120, 2880);
    Picture3 = new PictureBox(*Frame1, QStringLiteral("Picture3"));
    Picture3->Move(652, 240, 7815, 2535);
    Picture3->setBackColor(SystemColor::Window);
    Picture2 = new PictureBox(*this, QStringLiteral("Picture2"));
    Picture2->setBorderStyle(PictureBox::NoBorder);
    Picture2->setAutoSize(true);
    Picture2->setVisible(false);
}

void frmMain::buildAnswerRows()
{
    Frame2 = new Frame(*this, QStringLiteral("Frame2"));
    Frame2->Move(240, 1920, 9120, 3240);
    PictureBox **numbers[] = {&Picture5, &Picture6, &Picture7, &Picture8};
    OptionButton **options[] = {&Option1, &Option2, &Option3, &Option4};
    TextBox **texts[] = {&harc1, &harc2, &harc3, &harc4};
    for (int k = 1; k <= 4; ++k) {
        const double top = 240 + (k - 1) * 735;
        auto *number = new PictureBox(*Frame2, QStringLiteral("Picture%1").arg(k + 4));
        number->Move(120, top, 480, 600);
        number->setFontBold(true);
        number->setFontSize(11);
        auto *option = new OptionButton(*Frame2, QStringLiteral("Option%1").arg(k));
        option->Move(690, top, 8310, 600);
        option->setFontName(QStringLiteral("Bararan"));
        auto *text = new TextBox(*Frame2, QStringLiteral("harc%1").arg(k), true);
        text->Move(930, top, 8070, 600);
        text->setLocked(true);
        text->setBackColor(SystemColor::ButtonFace);
        text->setFontSize(11);
        *numbers[k - 1] = number;
        *options[k - 1] = option;
        *texts[k - 1] = text;
    }
}

void frmMain::buildButtonColumn()
{
    Frame3 = new Frame(*this, QStringLiteral("Frame3"));
    Frame3->Move(9495, 1920, 2055, 4680);
    PictureBox **holders[] = {&Picture20, &Picture21, &Picture22, &Picture23};
    CommandButton **buttons[] = {&cmdStart, &cmdPouse, &cmdQuit, &cmdNext};
    const char *names[] = {"cmdStart", "cmdPouse", "cmdQuit", "cmdNext"};
    const char *captions[] = {"Start", "Pouse", "Quit", "Next"};
    const double tops[] = {400, 983, 1566, 2150};
    for (int i = 0; i < 4; ++i) {
        auto *holder = new PictureBox(*Frame3, QStringLiteral("Picture%1").arg(20 + i));
        holder->Move(400, tops[i], 1255, 430);
        holder->setBorderStyle(PictureBox::NoBorder);
        auto *button = new CommandButton(*holder, QString::fromLatin1(names[i]), QString::fromLatin1(captions[i]));
        button->Move(0, 0, 1200, 375);
        *holders[i] = holder;
        *buttons[i] = button;
    }
    cmdNext->setEnabled(false);

    Picture9 = new PictureBox(*Frame3, QStringLiteral("Picture9"));
    Picture9->Move(120, 2760, 1815, 1815);
    Picture9->setBackColor(SystemColor::Window);
    Label3 = new Label(*Picture9, QStringLiteral("Label3"), QStringLiteral("60"));
    Label3->Move(60, 420, 1635, 900);
    Label3->setAlignment(Label::Center);
    Label3->setFontSize(40);
    Label3->setFontBold(true);
    Label3->setForeColor(rgb(192, 0, 0));
    Label3->setBackColor(SystemColor::Window);

    Picture4 = new PictureBox(*this, QStringLiteral("Picture4"));
    Picture4->Move(9615, 6720, 1815, 1440);
    Picture4->setBackColor(SystemColor::Window);
    Picture4->setFontSize(36);
    Picture4->setFontBold(true);
    Picture4->setForeColor(rgb(0, 0, 128));
    Picture4->setVisible(false);

    cmdAns = new CommandButtonArray(*this, QStringLiteral("cmdAns"), 1, QStringLiteral("1"));
    (*cmdAns)(1).Move(240, 840, 615, 495);
}

void frmMain::buildStatusPanel()
{
    Picture10 = new PictureBox(*Frame2, QStringLiteral("Picture10"));
    Picture10->Move(6000, 120, 2535, 3375);
    Picture10->setVisible(false);
    Text1 = new TextBox(*Picture10, QStringLiteral("Text1"), false);
    Text1->Move(120, 120, 1000, 300);
    Text1->setText(QStringLiteral("0"));
    Picture1 = new PictureBox(*Picture10, QStringLiteral("Picture1"));
    Picture1->Move(120, 480, 600, 400);
    lblAnswerStat = new Label(*Picture10, QStringLiteral("lblAnswerStat"));
    lblAnswerStat->Move(780, 480, 1700, 400);
    lblQuestNum = new Label(*Picture10, QStringLiteral("lblQuestNum"));
    lblQuestNum->Move(120, 960, 1500, 300);
    Label1 = new Label(*Picture10, QStringLiteral("Label1"));
    Label1->Move(120, 1320, 135, 300);
    Label2 = new Label(*Picture10, QStringLiteral("Label2"), QStringLiteral("1"));
    Label2->Move(360, 1320, 135, 300);
    lblStatus = new Label(*Picture10, QStringLiteral("lblStatus"));
    lblStatus->Move(120, 1680, 2300, 1600);
}

void frmMain::buildTitleScreen()
{
    splashik = new PictureBox(*this, QStringLiteral("splashik"));
    splashik->Move(0, 500, DesignWidth, DesignHeight);
    splashik->setBorderStyle(PictureBox::NoBorder);
    splashik->setFontName(QStringLiteral("Verdana"));
    splashik->setFontSize(12);
    splashik->setForeColor(rgb(0, 0, 128));

    srcTextBox = new TextBox(*splashik, QStringLiteral("srcTextBox"), true);
    srcTextBox->Move(120, 120, 3000, 900);
    srcTextBox->setVisible(false);
    srcTextBox->setText(ResultsTemplate::text());

    iScroll = new PictureBox(*splashik, QStringLiteral("iScroll"));
    iScroll->setScaleModePixels(true);
    iScroll->setBorderStyle(PictureBox::NoBorder);
    iScroll->Move(1395, 1500, 9000, 4500);
    iScroll->setBackColor(SystemColor::Window);
    iScroll->setFontName(QStringLiteral("Bararan"));
    // The results lines are drawn into a rectangle one line of this font high, so the design
    // size is the markup's normal size; a smaller one would cut off the bottom of every line.
    iScroll->setFontSize(16);
    iScroll->setVisible(false);
    m_scroller = std::make_unique<MarkupScroller>(*iScroll);

    lblpause = new Label(*splashik, QStringLiteral("lblpause"), QStringLiteral("180"));
    lblpause->Move(3000, 1500, 5790, 2200);
    lblpause->setAlignment(Label::Center);
    lblpause->setFontName(QStringLiteral("Bararan"));
    lblpause->setFontBold(true);
    lblpause->setFontSize(90);
    lblpause->setTransparent(true);
    lblpause->setWordWrap(false);
    lblpause->setVisible(false);
}

void frmMain::buildTimers()
{
    Timer2 = new Timer(this, QStringLiteral("Timer2"), 1000, false);
    Timer3 = new Timer(this, QStringLiteral("Timer3"), 1000, false);
    Timer4 = new Timer(this, QStringLiteral("Timer4"), 100, false);
    connect(Timer4, &Timer::Tick, this, &frmMain::Timer4_Timer);
}

void frmMain::Form_Load()
{
    mMain::RemoveSystemMenuItem(window());
    setVisible(false);
    Frame2->setBackColor(rgb(228, 228, 228));
    mMain::SetForeColorByNumber(*lblQuestion, ReadSetting(Settings::QuestionColor));
    applyAnswerColours();
    num = 1;
    runSplashLoop();
    createAnswerButtons();
    Load_Question();
    display_question(num);
    randomQuestValue = QStringLiteral("True");
    mMain::advanceIfWrongValue = QStringLiteral("True");
    if (randomQuestValue == QStringLiteral("True"))
        randomQuestion(questCount);
    if (mMain::advanceIfWrongValue == QStringLiteral("True"))
        Advance_if_Wrong(num);
    registerWithLayout();
    applyQuestionFont();
    Timer4->setEnabled(true);
}

void frmMain::applyAnswerColours()
{
    mMain::SetForeColorByNumber(*harc1, ReadSetting(Settings::AnswerForeColor));
    Control *const copies[] = {harc2, harc3, harc4, Option1, Option2, Option3, Option4,
                               Picture5, Picture6, Picture7, Picture8};
    for (Control *control : copies)
        control->setForeColor(harc1->ForeColor());
    mMain::SetBackColorByNumber(*harc1, ReadSetting(Settings::AnswerBackColor));
    for (Control *control : copies)
        control->setBackColor(harc1->BackColor());
}

void frmMain::runSplashLoop()
{
    QElapsedTimer timer;
    timer.start();
    const auto elapsed = m_splashClock ? m_splashClock : [&timer] { return timer.elapsed(); };
    while (elapsed() < SplashMilliseconds) {
        if (!m_splash)
            m_splash = std::make_unique<frmSplash>();
        m_splash->setVisible(true);
        // Let the splash paint and the system breathe instead of spinning through the second,
        // without running past its end.
        RunEventsFor(int(std::clamp<qint64>(SplashMilliseconds - elapsed(), 1, 15)));
        Get_Appname_Datafile();
        Load_Question();
        Count_Questions();
    }
}

void frmMain::createAnswerButtons()
{
    CommandButton &first = (*cmdAns)(1);
    first.setVisible(false);
    for (int i = 2; i <= 4; ++i) {
        cmdAns->Load(i);
        CommandButton &button = (*cmdAns)(i);
        button.setTop((*cmdAns)(i - 1).Top() + first.Height() + 300);
        button.setVisible(false);
        button.setCaption(QString::number(i));
    }
}

void frmMain::registerWithLayout()
{
    m_layout = std::make_unique<Form_ControlPos>();
    m_layout->Init(*this);
    Control *const registered[] = {
        lblQuestion, Picture4, Picture5, Picture6, Picture7, Picture8, Option1, Option2, Option3,
        Option4, Frame2, Frame1, Frame3, Picture3, cmdStart, cmdQuit, cmdPouse, cmdNext,
        Picture20, Picture21, Picture22, Picture23, harc1, harc2, harc3, harc4, Picture9, Label3};
    for (Control *control : registered)
        m_layout->AddProportional(*control);
}

void frmMain::applyQuestionFont()
{
    lblQuestion->setFontName(ReadSetting(Settings::NameFont));
    for (int k = 1; k <= 4; ++k)
        harc(k).setFontName(ReadSetting(Settings::NameFont));
}

void frmMain::Form_Unload()
{
    mMain::EndProgram();
}

void frmMain::failTestFile()
{
    MsgBox(mMain::TestFileMissingText, mMain::AppTitle);
    mMain::EndProgram();
}

void frmMain::Get_Appname_Datafile()
{
    if (!mMain::FileExists(mMain::testFilePath()))
        return;
    QFile file(mMain::testFilePath());
    if (!file.open(QIODevice::ReadOnly))
        failTestFile();
    const QByteArray firstLine = file.readLine(4096);
    // Nothing to read is an error too: an empty file has no first line.
    if (file.error() != QFileDevice::NoError || firstLine.isEmpty())
        failTestFile();
    file.close();
    if (!bank::hasSignature(firstLine))
        mMain::EndProgram();
    mMain::dataFilePath = mMain::testFilePath();
}

void frmMain::Load_Question()
{
    numQuestions = 0;
    bool opened = false;
    const QByteArray bytes = readWholeFile(mMain::dataFilePath, &opened);
    if (!opened)
        failTestFile();
    bank::LoadResult result = bank::loadQuestions(bytes);
    if (!result.ok())
        failTestFile();
    records = std::move(result.records);
    numQuestions = qint16(records.size());
}

void frmMain::Count_Questions()
{
    bool opened = false;
    const QByteArray bytes = readWholeFile(mMain::dataFilePath, &opened);
    if (!opened)
        return;
    questCount = bank::countQuestions(bytes);
}

void frmMain::randomQuestion(qint16 totquest)
{
    qint16 r = 0;
    try {
        r = draw.randomQuestion(totquest);
    } catch (const bank::DrawError &) {
        failTestFile(); // an empty bank reaches the caller's failure handling
    }
    if (Label2->Caption() == QStringLiteral("15")) {
        draw.setDrawCount(0);
        lblQuestNum->setCaption(Stars);
        Label1->setCaption(Stars);
        Label2->setCaption(QStringLiteral("16"));
    }
    if (draw.drawCount() == totquest) {
        draw.setDrawCount(0);
        lblQuestNum->setCaption(Stars);
        Label1->setCaption(Stars);
        return;
    }
    Label1->setCaption(QString::number(r));
    num = r;
    qint16 copy = r;
    display_question(copy);
}

void frmMain::display_question(qint16 &shown)
{
    if (shown == 170)
        randomQuestion(questCount);
    if (shown != numQuestions + 1) {
        showRecord(shown);
        return;
    }
    showRecord(3);
    randomQuestion(questCount);
}

void frmMain::showRecord(qint16 record)
{
    if (record < 1 || record > numQuestions)
        failTestFile();
    const bank::QuestionRecord &shown = records.at(record - 1);
    harc1->setText(shown.answer(1));
    harc2->setText(shown.answer(2));
    harc3->setText(shown.answer(3));
    harc4->setText(shown.answer(4));
    lblQuestion->setText(shown.questText());
    lblQuestNum->setCaption(QString::number(record));
    Picture1->setBackColor(SystemColor::Window);
    lblAnswerStat->setBackColor(SystemColor::Window);
}

void frmMain::Advance_if_Wrong(qint16 record)
{
    qint16 copy = record;
    display_question(copy);
}

void frmMain::ShowQuestionPicture()
{
    ::ShowQuestionPicture(*lblQuestNum, *Picture2, *Picture3);
}

QString frmMain::statusText() const
{
    return QStringLiteral("You got %1 answers right.\rYou got %2 answers wrong.\rYour attempts were %3\r%4 questions available.")
        .arg(numCorrect)
        .arg(numWrong)
        .arg(numTries)
        .arg(numQuestions);
}

void frmMain::Timer4_Timer()
{
    Timer4->setEnabled(false);
    if (m_splash) {
        m_splash->Unload();
        m_splash.reset();
    }
    setVisible(true);
}

void frmMain::Form_Resize()
{
    if (iScroll->Visible())
        return;
    if (mnuResume->Visible())
        return;
    splashik->Move(0, 500, ScaleWidth(), ScaleHeight());
    redrawTitleScreen();
}

void frmMain::connectEvents()
{
    connect(this, &Form::Resize, this, &frmMain::Form_Resize);
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

void frmMain::drawAnswerNumbers()
{
    for (int k = 1; k <= 4; ++k)
        mMain::PrintCentred(numberPicture(k), QStringLiteral("%1.").arg(k));
}

int frmMain::questionOrdinal() const
{
    return int(leadingNumber(Picture4->Tag())) + numTries + 1;
}

void frmMain::drawOrdinal()
{
    mMain::PrintCentred(*Picture4, QString::number(questionOrdinal()));
}

void frmMain::mnuStart_Click()
{
    if (mnuStart->Caption() != QStringLiteral("Start")) {
        stopTest();
        return;
    }
    cmdNext->setCaption(QStringLiteral("Next"));
    mnuStart->setCaption(QStringLiteral("Stop"));
    Toolbar1->Buttons(QStringLiteral("Start")).setVisible(false);
    Toolbar1->Buttons(QStringLiteral("Stop")).setVisible(true);
    Toolbar1->Buttons(QStringLiteral("Pause")).setEnabled(true);
    Clear_Answer_Highlight();
    iScroll->setVisible(false);
    cmdPouse->setEnabled(true);
    splashik->setVisible(false);
    lineIndex = 0;
    iScroll->Cls();
    splashik->Cls();
    mMain::PrintTitle(*splashik, Title);
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
    lblStatus->setCaption(statusText());
    ShowQuestionPicture();
    Picture4->Cls();
    Picture4->Refresh();
    Picture4->setTag(QStringLiteral("0"));
    Text1->setText(QStringLiteral("0"));
    mMain::PrintCentred(*Picture4, QString::number(numTries + 1));
    Label3->setCaption(QStringLiteral("60"));
    Timer2->setEnabled(true);
    cmdStart_Click();
}

void frmMain::cmdStart_Click()
{
    if (cmdStart->Caption() != QStringLiteral("Start")) {
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
    mMain::PrintCentred(*Picture4, QString::number(numTries + 1));
    drawAnswerNumbers();
    cmdStart->setCaption(QStringLiteral("Stop"));
}

void frmMain::stopTest()
{
    mnuStart->setCaption(QStringLiteral("Start"));
    cmdStart->setCaption(QStringLiteral("Start"));
    Toolbar1->Buttons(QStringLiteral("Stop")).setVisible(false);
    Toolbar1->Buttons(QStringLiteral("Start")).setVisible(true);
    Toolbar1->Buttons(QStringLiteral("Pause")).setEnabled(false);
    Timer2->setEnabled(false);
    splashik->setVisible(true);
}

void frmMain::cmdPouse_Click()
{
    if (cmdPouse->Caption() == QStringLiteral("Pouse")) {
        Toolbar1->Buttons(QStringLiteral("Stop")).setVisible(false);
        Toolbar1->Buttons(QStringLiteral("Pause")).setVisible(false);
        Toolbar1->Buttons(QStringLiteral("Resume")).setVisible(true);
        Timer2->setEnabled(false);
        splashik->Cls();
        lblpause->setLeft((splashik->ScaleWidth() - lblpause->Width()) / 2);
        lblpause->setTop((splashik->ScaleHeight() - lblpause->Height()) / 2 - 500);
        splashik->Cls();
        splashik->Refresh();
        splashik->setFontBold(true);
        splashik->setFontSize(18);
        splashik->setAutoRedraw(true);
        mMain::PrintCornerHint(*splashik, QStringLiteral("Dbl Click and Continue Test"));
        lblpause->setCaption(ReadSetting(Settings::PauseTime));
        lblpause->setVisible(true);
        splashik->setVisible(true);
        mnuStart->setVisible(false);
        mnuResume->setVisible(true);
        Timer3->setEnabled(true);
    }
    cmdPouse->setCaption(cmdPouse->Caption() == QStringLiteral("Pouse") ? QStringLiteral("Resume")
                                                                        : QStringLiteral("Pouse"));
}

void frmMain::mnuResume_Click()
{
    splashik->setVisible(false);
    mnuStart->setVisible(true);
    mnuResume->setVisible(false);
    cmdPouse->setCaption(QStringLiteral("Pouse"));
    Timer3->setEnabled(false);
    lblpause->setCaption(ReadSetting(Settings::PauseTime));
    Timer2->setEnabled(true);
    lblpause->setVisible(false);
    redrawTitleScreen();
    Toolbar1->Buttons(QStringLiteral("Stop")).setVisible(true);
    Toolbar1->Buttons(QStringLiteral("Resume")).setVisible(false);
    Toolbar1->Buttons(QStringLiteral("Pause")).setVisible(true);
    Toolbar1->Buttons(QStringLiteral("Pause")).setEnabled(false);
    cmdPouse->setEnabled(false);
}

void frmMain::splashik_DblClick()
{
    if (mnuResume->Visible())
        mnuResume_Click();
    if (mnuStart->Enabled() && mnuStart->Caption() == QStringLiteral("Start"))
        mnuStart_Click();
}

void frmMain::mnuExit_Click()
{
    Unload();
    mMain::EndProgram();
}

void frmMain::cmdQuit_Click() { Unload(); }

void frmMain::mnuConfigure_Click() { frmProperties::showProperties(*this); }
void frmMain::mnuAbout_Click() { frmAbout::showAbout(*this); }

void frmMain::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QStringLiteral("Start") || key == QStringLiteral("Stop"))
        mnuStart_Click();
    else if (key == QStringLiteral("Pause"))
        cmdPouse_Click();
    else if (key == QStringLiteral("Resume"))
        mnuResume_Click();
    else if (key == QStringLiteral("Quit"))
        mnuExit_Click();
    else if (key == QStringLiteral("Properties"))
        mnuConfigure_Click();
    else if (key == QStringLiteral("About"))
        mnuAbout_Click();
}

void frmMain::Option_Click(int k)
{
    const int reference = k == 1 ? 2 : 1;
    TextBox &R = harc(reference);
    TextBox &K = harc(k);
    cmdNext->setEnabled(true);
    cmdNext->SetFocus();
    mMain::SetForeColorByNumber(R, ReadSetting(Settings::AnswerForeColor));
    mMain::SetBackColorByNumber(R, ReadSetting(Settings::AnswerBackColor));
    mMain::SetForeColorByNumber(K, ReadSetting(Settings::SelectedForeColor));
    mMain::SetBackColorByNumber(K, ReadSetting(Settings::SelectedBackColor));
    for (int row = 1; row <= 4; ++row) {
        if (row == k)
            continue;
        Control *const plain[] = {&numberPicture(row), &Option(row), &harc(row)};
        for (Control *control : plain) {
            control->setBackColor(R.BackColor());
            control->setForeColor(R.ForeColor());
        }
        Option(row).setFontBold(false);
        harc(row).setFontBold(false);
    }
    numberPicture(k).setBackColor(K.BackColor());
    numberPicture(k).setForeColor(K.ForeColor());
    drawAnswerNumbers();
    Option(k).setFontBold(true);
    Option(k).setBackColor(K.BackColor());
    Option(k).setForeColor(K.ForeColor());
    K.setFontBold(true);
}

void frmMain::harc_Click(int k)
{
    Option(k).setValue(true);
    Option_Click(k);
}

void frmMain::Option_DblClick(int) { cmdNext_Click(); }
void frmMain::harc_DblClick(int) { cmdNext_Click(); }

void frmMain::Clear_Answer_Highlight()
{
    for (int k = 1; k <= 4; ++k)
        numberPicture(k).Cls();
    for (int k = 1; k <= 4; ++k) {
        if (!Option(k).Value())
            continue;
        Option(k).setValue(false);
        Control *const row[] = {&numberPicture(k), &Option(k), &harc(k)};
        for (Control *control : row) {
            control->setBackColor(SystemColor::ButtonFace);
            control->setForeColor(SystemColor::ButtonText);
        }
        Option(k).setFontBold(false);
        harc(k).setFontBold(false);
        drawAnswerNumbers();
    }
}

// Gives the selected row the plain answer colours again and, for a press of Next, checks it.
void frmMain::resetSelectedAnswer(bool checkIt)
{
    mMain::SetForeColorByNumber(*harc1, ReadSetting(Settings::AnswerForeColor));
    mMain::SetBackColorByNumber(*harc1, ReadSetting(Settings::AnswerBackColor));
    for (int k = 1; k <= 4; ++k) {
        if (!Option(k).Value())
            continue;
        Option(k).setValue(false);
        Control *const row[] = {&numberPicture(k), &Option(k), &harc(k)};
        for (Control *control : row) {
            control->setBackColor(harc1->BackColor());
            control->setForeColor(harc1->ForeColor());
        }
        Option(k).setFontBold(false);
        harc(k).setFontBold(false);
        drawAnswerNumbers();
        if (checkIt)
            cmdAns_Click(k);
    }
}

void frmMain::cmdNext_Click()
{
    bool selected = false;
    for (int k = 1; k <= 4; ++k)
        selected = selected || Option(k).Value();
    if (!selected)
        return;
    for (int k = 1; k <= 4; ++k)
        numberPicture(k).Cls();
    resetSelectedAnswer(true);
    cmdNext->setEnabled(false);
}

void frmMain::cmdAns_Click(int index)
{
    numTries += 1;
    if (num < 1 || num > numQuestions)
        failTestFile();
    if (index == records.at(num - 1).rightAnswer) {
        numCorrect += 1;
        Picture1->setPicture(QImage());
        lblAnswerStat->setCaption(QStringLiteral("CORRECT ANSWER:"));
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
        lblAnswerStat->setCaption(QStringLiteral("WRONG ANSWER DUDE."));
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

// The title screen afresh: cleared, then the title in large bold letters.
void frmMain::redrawTitleScreen()
{
    splashik->Cls();
    splashik->Refresh();
    splashik->setFontBold(true);
    splashik->setFontSize(46);
    splashik->setAutoRedraw(true);
    mMain::PrintTitle(*splashik, Title);
}

// The thirtieth question offers "Finish"; the one after it ends the test.
bool frmMain::endOfTestReached()
{
    const int ordinal = questionOrdinal();
    if (ordinal == 30)
        cmdNext->setCaption(QStringLiteral("Finish"));
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
    cmdStart->setCaption(QStringLiteral("Start"));
    mnuStart->setEnabled(false);
    mnuStart->setCaption(QStringLiteral("Start"));
    Toolbar1->Buttons(3).setVisible(false);
    Toolbar1->Buttons(2).setEnabled(false);
    Toolbar1->Buttons(4).setEnabled(false);
    Toolbar1->Buttons(2).setVisible(true);

    iScroll->setLeft((splashik->ScaleWidth() - iScroll->Width()) / 2 + 60);
    iScroll->setTop(splashik->Top() - 300);
    splashik->Cls();
    splashik->Refresh();
    splashik->setFontBold(true);
    splashik->setFontSize(46);
    splashik->setAutoRedraw(true);
    mMain::PrintLowTitle(*splashik, Title);

    resultsTemplate = srcTextBox->Text();
    fillInResults();
    iScroll->setVisible(true);
    splashik->setVisible(true);
    lineIndex = 0;
    iScroll->Cls();
    resultLines = ResultsTemplate::splitLines(srcTextBox->Text());
    const int w = qRound(iScroll->ScaleWidth());
    const int h = qRound(iScroll->ScaleHeight());
    const int t = qRound(iScroll->TextHeight(QStringLiteral("A")));
    m_scroller->setRectangles(QRect(0, 1, w, h - 1), QRect(0, h, w, t));
    lineIndex = 0;
    iScroll->Cls();
    Scrolling = true;
    Scroll_Results();
}

// The name goes in first, so a name holding a placeholder gets that part filled in as well.
void frmMain::fillInResults()
{
    const auto fill = [this](const QString &placeholder, const QString &value) {
        QString text = srcTextBox->Text();
        if (!text.contains(placeholder))
            return;
        srcTextBox->setText(text.replace(placeholder, value));
    };
    fill(QStringLiteral("<uN>"), ReadSetting(Settings::UserName));
    fill(QStringLiteral("<cor>"), QString::number(numCorrect));
    fill(QStringLiteral("<wrong>"), numberText(leadingNumber(Text1->Text()) + numWrong));
}

void frmMain::Scroll_Results()
{
    m_scroller->run(resultLines, lineIndex, Scrolling);
    mnuStart->setEnabled(true);
    Toolbar1->Buttons(2).setEnabled(true);
    Scrolling = false;
    srcTextBox->setText(resultsTemplate);
    resultsTemplate.clear();
}
