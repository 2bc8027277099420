#include "dialogs/frm_about.h"

#include "app/shell_execute.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/tab_strip.h"
#include "forms/text_box.h"

#include <QCoreApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>

namespace dialogs {

using namespace forms;

namespace {

constexpr double WindowWidth = 7200;
constexpr double WindowHeight = 5760;
constexpr double PageLeft = 240;
constexpr double PageTop = 540;
constexpr double PageWidth = 6720;
constexpr double PageHeight = 4140;

const QString WebAddress = QStringLiteral("http://www.example.org/lorvane/");
const QString SupportAddress = QStringLiteral("support@example.org");
const QString ArmenianFont = QStringLiteral("Bararan");

constexpr ColorValue LinkColor = rgb(0, 0, 255);
constexpr ColorValue HoverColor = rgb(255, 0, 0);

PictureBox *makePicture(Parent parent, const QString &name, const QString &resource)
{
    auto *picture = new PictureBox(parent, name);
    picture->setBorderStyle(PictureBox::NoBorder);
    picture->setAutoSize(true);
    picture->setPicture(QImage(resource));
    return picture;
}

Label *makeLabel(Parent parent, const QString &name, const QString &caption)
{
    auto *label = new Label(parent, name, caption);
    label->setWordWrap(false);
    label->setTransparent(true);
    return label;
}

} // namespace

frmAbout::frmAbout() : Form(QStringLiteral("frmAbout"))
{
    setCaption(QStringLiteral("  ") + tr("About Lorvane 2004"));
    setClientSize(WindowWidth, WindowHeight);
    buildControls();
    connectEvents();
    setResizable(false);
}

frmAbout *frmAbout::showAbout(forms::Form &owner)
{
    static QPointer<frmAbout> open;
    if (!open) {
        // An unloaded box goes, so the next opening starts afresh.
        open = new frmAbout;
        open->setParent(&owner);
        open->setOwner(owner);
        connect(open, &Form::Unloaded, open, &QObject::deleteLater);
    }
    open->Show();
    open->Activate();
    return open;
}

void frmAbout::buildControls()
{
    TabStrip1 = new TabStrip(*this, QStringLiteral("TabStrip1"));
    TabStrip1->Move(120, 120, WindowWidth - 240, PageTop + PageHeight);
    TabStrip1->AddTab(tr("About Lorvane 2004"));
    TabStrip1->AddTab(tr("Readme"));
    buildProductPage();
    buildReadmePage();

    const double bandTop = TabStrip1->Top() + TabStrip1->Height() + 120;
    Picture1 = makePicture(*this, QStringLiteral("Picture1"), QStringLiteral(":/icons/lorvane.png"));
    Picture1->Move(PageLeft, bandTop, Picture1->Width(), Picture1->Height());
    Picture20 = new PictureBox(*this, QStringLiteral("Picture20"));
    Picture20->setBorderStyle(PictureBox::NoBorder);
    Picture20->Move(WindowWidth - 120 - 1335, bandTop + (Picture1->Height() - 495) / 2, 1335, 495);
    cmdClose = new CommandButton(*Picture20, QStringLiteral("cmdClose"), tr("Close"));
    cmdClose->Move(60, 60, 1215, 375);
    cmdClose->setDefault(true);
    cmdClose->setCancel(true);
}

void frmAbout::buildProductPage()
{
    Frame1 = new Frame(*this, QStringLiteral("Frame1"));
    Frame1->Move(PageLeft, PageTop, PageWidth, PageHeight);
    const double left = 840;

    lblProduct = makeLabel(*Frame1, QStringLiteral("lblProduct"), QStringLiteral("Lorvane 2004"));
    lblProduct->setFontSize(16);
    lblProduct->setFontBold(true);
    lblProduct->Move(left, 600, PageWidth - left - 240, 480);
    lblVersion = makeLabel(*Frame1, QStringLiteral("lblVersion"), tr("Version 1.13 Build 19"));
    lblVersion->setFontSize(10);
    lblVersion->Move(left, 1140, PageWidth - left - 240, 300);

    const double linkLeft = left + 1200;
    lblWebsite = makeLabel(*Frame1, QStringLiteral("lblWebsite"), tr("Website:"));
    lblWebsite->Move(left, 2160, 1000, 255);
    lblSupport = makeLabel(*Frame1, QStringLiteral("lblSupport"), tr("Support:"));
    lblSupport->Move(left, 2580, 1000, 255);
    const QString addresses[] = {SupportAddress, WebAddress};
    const double tops[] = {2580, 2160};
    for (int i = 0; i < 2; ++i) {
        Label *link = makeLabel(*Frame1, QStringLiteral("lblURL"), addresses[i]);
        link->setTag(addresses[i]);
        link->setFontUnderline(true);
        link->setLinkCursor(true);
        link->setForeColor(LinkColor);
        // Over a link the pointer is not over the page behind it as well.
        link->widget()->setAttribute(Qt::WA_NoMousePropagation);
        link->Move(linkLeft, tops[i], PageWidth - linkLeft - 240, 255);
        m_links[i] = link;
    }
}

void frmAbout::buildReadmePage()
{
    Frame3 = new Frame(*this, QStringLiteral("Frame3"));
    Frame3->Move(PageLeft, PageTop, PageWidth, PageHeight);
    Frame3->setVisible(false);
    Picture2 = makePicture(*Frame3, QStringLiteral("Picture2"), QStringLiteral(":/icons/test.png"));
    Picture2->Move(240, 300, Picture2->Width(), Picture2->Height());

    const double left = 720;
    Text1 = new TextBox(*Frame3, QStringLiteral("Text1"), true);
    Text1->setFontName(ArmenianFont);
    Text1->setFontSize(9);
    Text1->setLocked(true);
    Text1->setText(readmeText());
    Text1->Move(left, 240, PageWidth - left - 180, PageHeight - 1020);
    // The readme is longer than the box.
    if (auto *edit = qobject_cast<QPlainTextEdit *>(Text1->widget()))
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    Label6 = new Label(*Frame3, QStringLiteral("Label6"), closingNote());
    Label6->setTransparent(true);
    Label6->setFontName(ArmenianFont);
    Label6->setFontSize(9);
    Label6->Move(left, PageHeight - 690, PageWidth - left - 180, 540);
}

void frmAbout::connectEvents()
{
    connect(this, &Form::Activated, this, &frmAbout::Form_Activate);
    connect(this, &Form::MouseMove, this, &frmAbout::Form_MouseMove);
    connect(Frame1, &Control::MouseMove, this, &frmAbout::Frame1_MouseMove);
    connect(cmdClose, &Control::Click, this, &frmAbout::cmdClose_Click);
    connect(TabStrip1, &Control::Click, this, &frmAbout::TabStrip1_Click);
    for (int i = 0; i < 2; ++i) {
        connect(m_links[i], &Control::MouseMove, this, [this, i] { lblURL_MouseMove(i); });
        connect(m_links[i], &Control::Click, this, [this, i] { lblURL_Click(i); });
    }
}

void frmAbout::Form_Activate()
{
    cmdClose->SetFocus();
}

void frmAbout::Form_MouseMove()
{
    lblURL(0).setForeColor(LinkColor);
    lblURL(1).setForeColor(LinkColor);
}

void frmAbout::Frame1_MouseMove()
{
    Form_MouseMove();
}

void frmAbout::cmdClose_Click()
{
    Unload();
}

void frmAbout::TabStrip1_Click()
{
    if (TabStrip1->SelectedCaption() == tr("Readme")) {
        Frame1->setVisible(false);
        Frame3->setVisible(true);
    } else {
        Frame3->setVisible(false);
        Frame1->setVisible(true);
    }
}

void frmAbout::lblURL_MouseMove(int index)
{
    lblURL(index).setForeColor(HoverColor);
}

void frmAbout::lblURL_Click(int index)
{
    const QString target = index != 0 ? lblURL(1).Tag() : QStringLiteral("mailto:") + lblURL(0).Tag();
    app::mMain::ShellExecuteA(0, QString(), target, QString(), QString(), app::mMain::SW_SHOWNORMAL);
}

QString frmAbout::readmeText()
{
    // The captions the readme names, as the interface shows them in its language: without the
    // keyboard's mark, the Latin letter after an Armenian caption, or a closing colon.
    const auto shown = [](const char *context, const char *caption) {
        static const QRegularExpression marks(QStringLiteral(" \\(&.\\)$|&|:+$|՝$"));
        return QCoreApplication::translate(context, caption).remove(marks);
    };
    return QStringLiteral("«Lorvane 2004»-ը գիտելիքների ստուգման ծրագիր է։ Յուրաքանչյուր թեստ բաղկացած է "
                          "երեսուն հարցից, որոնք ընտրվում են պատահականորեն և չեն կրկնվում։\n"
                          "\n"
                          "ԻՆՉՊԵՍ ՀԱՆՁՆԵԼ ԹԵՍՏԸ\n"
                          "Սեղմեք «%1» կոճակը։ Յուրաքանչյուր հարցին պատասխանելու համար ունեք վաթսուն "
                          "վայրկյան։ Ընտրեք պատասխաններից մեկը և սեղմեք «%2»։ Պատասխանը կարելի է ընտրել "
                          "նաև 1, 2, 3, 4 թվանշանների ստեղներով, իսկ պատասխանի վրա կրկնակի սեղմելով այն "
                          "անմիջապես ստուգվում է։ Եթե ժամանակը սպառվում է, հարցը համարվում է սխալ "
                          "պատասխանված։ Թեստի ընթացքում կարելի է մեկ անգամ դադար վերցնել դադարի կոճակով, "
                          "բայց ոչ ավելի երկար, քան կարգավորումներում նշված ժամանակը։ Երեսուներորդ հարցից "
                          "հետո ցուցադրվում է ճիշտ և սխալ պատասխանների քանակը։\n"
                          "\n"
                          "ԻՆՉՊԵՍ ՓՈԽԱՐԻՆԵԼ ԹԵՍՏԻ ՖԱՅԼԸ\n"
                          "Հարցերը գտնվում են LVT.lvq ֆայլում՝ Windows-ի թղթապանակում։ Փակեք ծրագիրը, "
                          "հին ֆայլը փոխարինեք նույն անունով նոր ֆայլով և նորից բացեք ծրագիրը։ Եթե ֆայլը "
                          "չկա, ծրագիրը գործարկվելիս ստեղծում է իր սկզբնական ֆայլը։\n"
                          "\n"
                          "ԿԱՐԳԱՎՈՐՈՒՄՆԵՐ (%3 > %4)\n"
                          "%5 — ձեր անունը, որը նշվում է արդյունքներում։\n"
                          "%6 — դադարի առավելագույն տևողությունը՝ վայրկյաններով։\n"
                          "%7 — հարցերի և պատասխանների տառատեսակը։\n"
                          "%8 — հարցի տեքստի, պատասխանների տեքստի և ֆոնի, ընտրված պատասխանի "
                          "տեքստի և ֆոնի գույները։ Ընտրված գույնն անմիջապես երևում է գլխավոր պատուհանում, "
                          "բայց պահպանվում է միայն «%9» կոճակը սեղմելուց հետո։ «%10» կոճակը ոչինչ չի "
                          "պահպանում։\n"
                          "«%11» հղումը վերադարձնում է սկզբնական գույները։")
        .arg(shown("main_window::frmMain", "Start"), shown("main_window::frmMain", "Next"),
             shown("main_window::frmMain", "&Options"), shown("main_window::frmMain", "C&onfigure"),
             shown("dialogs::frmProperties", "User Name:"), shown("dialogs::frmProperties", "Pause Time (S)"),
             shown("dialogs::frmProperties", "Font:"), shown("dialogs::frmProperties", "Select Color:"),
             shown("dialogs::frmProperties", "Ok"))
        .arg(shown("dialogs::frmProperties", "Cancel"),
             shown("dialogs::frmProperties", "Click here and Reset Color Settings"));
}

QString frmAbout::closingNote()
{
    return QStringLiteral("P.S. Հարցերի և առաջարկների համար գրեք մեզ։ Մաղթում ենք հաջողություն։");
}

} // namespace dialogs
