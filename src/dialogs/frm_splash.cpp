#include "dialogs/frm_splash.h"

#include "bank/armscii8.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/picture_box.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

namespace dialogs {

using namespace forms;

namespace {

constexpr double WindowWidth = 7800;
constexpr double WindowHeight = 4200;

// «Թեստավորման ծրագիր» in ArmSCII-8.
constexpr char ProductName[] = "\xc2\xbb\xeb\xef\xb3\xed\xe1\xf1\xd9\xb3\xdd\x20\xcd\xf1\xb3\xb7\xc7\xf1";

PictureBox *makeImage(Control &parent, const QString &name, const QString &resource)
{
    auto *image = new PictureBox(parent, name);
    image->setBorderStyle(PictureBox::NoBorder);
    image->setAutoSize(true);
    image->setPicture(QImage(resource));
    return image;
}

} // namespace

frmSplash::frmSplash() : Form(QStringLiteral("frmSplash"))
{
    window()->setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    setCaption(QString());
    setClientSize(WindowWidth, WindowHeight);
    buildControls();
    centreOnScreen();
}

QByteArray frmSplash::productNameBytes()
{
    return QByteArray(ProductName);
}

void frmSplash::buildControls()
{
    Frame1 = new Frame(*this, QStringLiteral("Frame1"));
    Frame1->Move(150, 60, WindowWidth - 300, WindowHeight - 210);

    Image1 = makeImage(*Frame1, QStringLiteral("Image1"), QStringLiteral(":/icons/splash_left.png"));
    Image1->Move(240, 420, Image1->Width(), Image1->Height());
    Image2 = makeImage(*Frame1, QStringLiteral("Image2"), QStringLiteral(":/icons/lorvane.png"));
    Image2->Move(Frame1->Width() - 1000, 1800, Image2->Width(), Image2->Height());

    const double textLeft = 2400;
    const double textWidth = Frame1->Width() - textLeft - 1100;
    const double wideTextWidth = Frame1->Width() - textLeft - 240;
    lblProductName = new Label(*Frame1, QStringLiteral("lblProductName"), bank::decodeArmscii8(productNameBytes()));
    lblProductName->setFontName(QStringLiteral("Times LatArm"));
    lblProductName->setFontSize(17);
    lblProductName->setFontBold(true);
    lblProductName->setForeColor(rgb(0, 0, 128));
    lblProductName->Move(textLeft, 480, wideTextWidth, 600);

    auto *product = new Label(*Frame1, QStringLiteral("lblProduct"), QStringLiteral("Lorvane 2004"));
    product->setFontSize(16);
    product->setFontBold(true);
    product->Move(textLeft, 1200, textWidth, 450);

    lblVersion = new Label(*Frame1, QStringLiteral("lblVersion"), QStringLiteral("Version"));
    lblVersion->setFontSize(10);
    lblVersion->Move(textLeft, 1860, textWidth, 300);
    lblPlatform = new Label(*Frame1, QStringLiteral("lblPlatform"), QStringLiteral("Platform"));
    lblPlatform->setFontSize(10);
    lblPlatform->Move(textLeft, 2220, textWidth, 300);

    lblCredit = new Label(*Frame1, QStringLiteral("lblCredit"));
    lblCredit->setFontSize(8);
    lblCredit->Move(textLeft, Frame1->Height() - 600, wideTextWidth, 300);
    for (Label *label : {lblProductName, product, lblVersion, lblPlatform, lblCredit})
        label->setTransparent(true);
}

void frmSplash::Form_Load()
{
    lblCredit->setCaption(tr("Written by the Lorvane 2004 team"));
    lblPlatform->setCaption(QStringLiteral("Windows 95/98/NT"));
    lblVersion->setCaption(tr("Version 1.13.19"));
}

void frmSplash::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QWidget *w = window();
    const QRect available = screen->availableGeometry();
    w->move(available.center() - QPoint(w->width() / 2, w->height() / 2));
}

} // namespace dialogs
