#include "main_window/frm_main_controls.h"

#include "forms/color_value.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/image_list.h"
#include "forms/label.h"
#include "forms/menu_item.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/toolbar.h"
#include "layout/form_control_pos.h"
#include "main_window/frm_main.h"
#include "main_window/results_template.h"
#include "main_window/test_look.h"

#include <QCoreApplication>
#include <QPixmap>

namespace main_window {

using namespace forms;

namespace {

constexpr double DesignWidth = 11790;
constexpr double DesignHeight = 8280;

} // namespace

void frmMainControls::setupControls(Form &form)
{
    buildMenus(form);
    form.setClientSize(DesignWidth, DesignHeight);
    buildQuestionArea(form);
    buildAnswerRows(form);
    buildButtonColumn(form);
    buildStatusPanel();
    buildTitleScreen(form);
    buildToolbar(form);
    buildTimers(form);
    applyTestLook(*this, TestLook::Idle);
}

OptionButton &frmMainControls::Option(int k) const
{
    OptionButton *const rows[] = {Option1, Option2, Option3, Option4};
    return *rows[k - 1];
}

TextBox &frmMainControls::harc(int k) const
{
    TextBox *const rows[] = {harc1, harc2, harc3, harc4};
    return *rows[k - 1];
}

PictureBox &frmMainControls::numberPicture(int k) const
{
    PictureBox *const rows[] = {Picture5, Picture6, Picture7, Picture8};
    return *rows[k - 1];
}

void frmMainControls::buildMenus(Form &form)
{
    filemenu = new MenuItem(form, QStringLiteral("filemenu"), frmMain::tr("&File"));
    mnuStart = new MenuItem(*filemenu, QStringLiteral("mnuStart"), frmMain::tr("Start"));
    mnuResume = new MenuItem(*filemenu, QStringLiteral("mnuResume"), frmMain::tr("Resume"));
    mnuseparate = new MenuItem(*filemenu, QStringLiteral("mnuseparate"), QStringLiteral("-"));
    mnuExit = new MenuItem(*filemenu, QStringLiteral("mnuExit"), frmMain::tr("&Quit"));
    Options = new MenuItem(form, QStringLiteral("Options"), frmMain::tr("&Options"));
    mnuConfigure = new MenuItem(*Options, QStringLiteral("mnuConfigure"), frmMain::tr("C&onfigure"));
    aboutmenu = new MenuItem(form, QStringLiteral("aboutmenu"), frmMain::tr("&About", "menu"));
    mnuAbout = new MenuItem(*aboutmenu, QStringLiteral("mnuAbout"), frmMain::tr("&About", "item"));
}

void frmMainControls::buildToolbar(Form &form)
{
    ImageList1 = new ImageList(&form, QStringLiteral("ImageList1"));
    Toolbar1 = new Toolbar(form, QStringLiteral("Toolbar1"));
    Toolbar1->setImageList(ImageList1);

    struct Entry
    {
        const char *key;
        const char *icon;
        const char *tip;
    };

    const Entry entries[] = {
        {"Start", "toolbar_start", QT_TRANSLATE_NOOP("main_window::frmMain", "Start a test")},
        {"Stop", "toolbar_stop", QT_TRANSLATE_NOOP("main_window::frmMain", "Stop the test")},
        {"Pause", "toolbar_pause", QT_TRANSLATE_NOOP("main_window::frmMain", "Pause the test")},
        {"Resume", "toolbar_resume", QT_TRANSLATE_NOOP("main_window::frmMain", "Resume the test")},
        {"Quit", "toolbar_quit", QT_TRANSLATE_NOOP("main_window::frmMain", "Quit")},
        {"Properties", "toolbar_properties", QT_TRANSLATE_NOOP("main_window::frmMain", "Properties")},
        {"About", "toolbar_about", QT_TRANSLATE_NOOP("main_window::frmMain", "About Lorvane 2004")},
    };
    for (const Entry &entry : entries)
        ImageList1->Add(QString::fromLatin1(entry.key),
                        QPixmap(QStringLiteral(":/icons/%1.png").arg(QLatin1String(entry.icon))));
    auto add = [&](int i) {
        Toolbar1->addButton(QString::fromLatin1(entries[i].key),
                            QCoreApplication::translate("main_window::frmMain", entries[i].tip),
                            QString::fromLatin1(entries[i].key));
    };
    Toolbar1->addSeparator();
    add(0);
    add(1);
    add(2);
    add(3);
    Toolbar1->addSeparator();
    add(4);
    Toolbar1->addSeparator();
    add(5);
    Toolbar1->addSeparator();
    add(6);
}

void frmMainControls::buildQuestionArea(Form &form)
{
    lblQuestion = new TextBox(form, QStringLiteral("lblQuestion"), true);
    lblQuestion->Move(240, 660, 11310, 1140);
    lblQuestion->setLocked(true);
    lblQuestion->setBackColor(rgb(192, 192, 192));
    lblQuestion->setForeColor(rgb(0, 0, 255));
    lblQuestion->setFontSize(13);
    lblQuestion->setFontBold(true);
    lblQuestion->setVisible(false);

    Frame1 = new Frame(form, QStringLiteral("Frame1"), frmMain::tr("Question Picture Preview"));
    Frame1->Move(240, 5280, 9120, 2880);
    Picture3 = new PictureBox(*Frame1, QStringLiteral("Picture3"));
    Picture3->Move(652, 240, 7815, 2535);
    Picture3->setBackColor(SystemColor::Window);
    Picture2 = new PictureBox(form, QStringLiteral("Picture2"));
    Picture2->setBorderStyle(PictureBox::NoBorder);
    Picture2->setAutoSize(true);
    Picture2->setVisible(false);
}

void frmMainControls::buildAnswerRows(Form &form)
{
    Frame2 = new Frame(form, QStringLiteral("Frame2"));
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
        text->setTabStop(false); // the row's one tab stop is its option
        text->setBackColor(SystemColor::ButtonFace);
        text->setFontSize(11);
        *numbers[k - 1] = number;
        *options[k - 1] = option;
        *texts[k - 1] = text;
    }
}

void frmMainControls::buildButtonColumn(Form &form)
{
    Frame3 = new Frame(form, QStringLiteral("Frame3"));
    Frame3->Move(9495, 1920, 2055, 4680);
    PictureBox **holders[] = {&Picture20, &Picture21, &Picture22, &Picture23};
    CommandButton **buttons[] = {&cmdStart, &cmdPouse, &cmdQuit, &cmdNext};
    const char *names[] = {"cmdStart", "cmdPouse", "cmdQuit", "cmdNext"};
    const char *captions[] = {
        QT_TRANSLATE_NOOP("main_window::frmMain", "Start"), QT_TRANSLATE_NOOP("main_window::frmMain", "Pouse"),
        QT_TRANSLATE_NOOP("main_window::frmMain", "Quit"), QT_TRANSLATE_NOOP("main_window::frmMain", "Next")};
    const double tops[] = {400, 983, 1566, 2150};
    for (int i = 0; i < 4; ++i) {
        auto *holder = new PictureBox(*Frame3, QStringLiteral("Picture%1").arg(20 + i));
        holder->Move(400, tops[i], 1255, 430);
        holder->setBorderStyle(PictureBox::NoBorder);
        auto *button = new CommandButton(*holder, QString::fromLatin1(names[i]),
                                         QCoreApplication::translate("main_window::frmMain", captions[i]));
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

    Picture4 = new PictureBox(form, QStringLiteral("Picture4"));
    Picture4->Move(9615, 6720, 1815, 1440);
    Picture4->setBackColor(SystemColor::Window);
    Picture4->setFontSize(36);
    Picture4->setFontBold(true);
    Picture4->setForeColor(rgb(0, 0, 128));
    Picture4->setVisible(false);

    cmdAns = new CommandButtonArray(form, QStringLiteral("cmdAns"), 1, QStringLiteral("1"));
    (*cmdAns)(1).Move(240, 840, 615, 495);
}

void frmMainControls::buildStatusPanel()
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

void frmMainControls::buildTitleScreen(Form &form)
{
    splashik = new PictureBox(form, QStringLiteral("splashik"));
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

void frmMainControls::buildTimers(Form &form)
{
    Timer2 = new Timer(&form, QStringLiteral("Timer2"), 1000, false);
    Timer3 = new Timer(&form, QStringLiteral("Timer3"), 1000, false);
    Timer4 = new Timer(&form, QStringLiteral("Timer4"), 100, false);
}

void frmMainControls::createAnswerButtons()
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

void frmMainControls::registerWithLayout(layout::Form_ControlPos &layout) const
{
    Control *const registered[] = {lblQuestion, Picture4, Picture5, Picture6, Picture7,  Picture8,  Option1,
                                   Option2,     Option3,  Option4,  Frame2,   Frame1,    Frame3,    Picture3,
                                   cmdStart,    cmdQuit,  cmdPouse, cmdNext,  Picture20, Picture21, Picture22,
                                   Picture23,   harc1,    harc2,    harc3,    harc4,     Picture9,  Label3};
    for (Control *control : registered)
        layout.AddProportional(*control);
}

} // namespace main_window
