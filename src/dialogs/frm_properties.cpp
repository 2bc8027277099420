#include "dialogs/frm_properties.h"

#include "app/color_palette.h"
#include "app/m_registry.h"
#include "app/text_number.h"
#include "draw/color_swatch.h"
#include "forms/combo_box.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/image_combo.h"
#include "forms/image_list.h"
#include "forms/label.h"
#include "forms/list_view.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPixmap>
#include <QPointer>

namespace dialogs {

using app::leadingNumber;
using namespace forms;

namespace {

constexpr double WindowWidth = 7080;
constexpr double WindowHeight = 6960;
constexpr double Margin = 240;
constexpr double FieldLeft = 1800;
constexpr double RowHeight = 315;
constexpr double LabelHeight = 255;
constexpr double LabelDrop = 45; // puts a label's text level with the field beside it

struct ColourSetting
{
    const app::mRegistry::Setting &setting;
    QString label;
};

const std::array<ColourSetting, 5> &colourSettings()
{
    namespace Settings = app::mRegistry::Settings;
    static const std::array<ColourSetting, 5> settings = {{
        {Settings::QuestionColor, frmProperties::tr("Question Text Color:")},
        {Settings::AnswerForeColor, frmProperties::tr("Answer Text Color:")},
        {Settings::AnswerBackColor, frmProperties::tr("Answer Background Color::")},
        {Settings::SelectedForeColor, frmProperties::tr("Answer Selected Text Color:")},
        {Settings::SelectedBackColor, frmProperties::tr("Answer Selected Background Color:")},
    }};
    return settings;
}

// The colours as the choosers name them: "BLACK" -> "Black", translated.
QString entryText(const QString &key)
{
    [[maybe_unused]] static const char *const names[] = {
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Black"),  QT_TRANSLATE_NOOP("dialogs::frmProperties", "Maroon"),
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Green"),  QT_TRANSLATE_NOOP("dialogs::frmProperties", "Olive"),
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Navy"),   QT_TRANSLATE_NOOP("dialogs::frmProperties", "Purple"),
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Teal"),   QT_TRANSLATE_NOOP("dialogs::frmProperties", "Gray"),
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Silver"), QT_TRANSLATE_NOOP("dialogs::frmProperties", "Red"),
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Lime"),   QT_TRANSLATE_NOOP("dialogs::frmProperties", "Yellow"),
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Blue"),   QT_TRANSLATE_NOOP("dialogs::frmProperties", "Fuschia"),
        QT_TRANSLATE_NOOP("dialogs::frmProperties", "Aqua"),   QT_TRANSLATE_NOOP("dialogs::frmProperties", "White")};
    return frmProperties::tr(qPrintable(key.left(1).toUpper() + key.mid(1).toLower()));
}

// A label left of its field, naming it for a screen reader too.
Label *makeLabel(Parent parent, const QString &name, const QString &caption, Control &field, double left, double width)
{
    const double fieldTop = field.Top();
    auto *label = new Label(parent, name, caption);
    label->setBuddy(field);
    label->setWordWrap(false);
    label->setTransparent(true);
    label->Move(left, fieldTop + LabelDrop, width, LabelHeight);
    return label;
}

} // namespace

frmProperties::frmProperties(PreviewTarget &main) : Form(QStringLiteral("frmProperties"))
{
    setCaption(QStringLiteral("  ") + tr("Configure"));
    setClientSize(WindowWidth, WindowHeight);
    buildControls();
    m_preview = std::make_unique<PropertiesPreview>(main, m_choosers, *lblContrast);
    connectEvents();
    setResizable(false);
}

frmProperties *frmProperties::showProperties(PreviewTarget &main, forms::Form &owner)
{
    static QPointer<frmProperties> open;
    if (!open || &open->m_preview->target() != &main) {
        // The main window owns the dialog; an unloaded dialog goes, so the next opening is fresh.
        open = new frmProperties(main);
        open->setParent(&owner);
        open->setOwner(owner);
        connect(open, &Form::Unloaded, open, &QObject::deleteLater);
    }
    open->Show();
    open->Activate();
    return open;
}

void frmProperties::buildControls()
{
    double top = Margin;
    UserName = new TextBox(*this, QStringLiteral("UserName"), false);
    UserName->Move(FieldLeft, top, 2760, RowHeight);
    Label1 = makeLabel(*this, QStringLiteral("Label1"), tr("User Name:"), *UserName, Margin, 1500);

    top += 420;
    Combo1 = new ComboBox(*this, QStringLiteral("Combo1"));
    Combo1->Move(FieldLeft, top, 1200, RowHeight);
    Label2 = makeLabel(*this, QStringLiteral("Label2"), tr("Pause Time (S)"), *Combo1, Margin, 1500);

    top += 420;
    nameFont = new ComboBox(*this, QStringLiteral("nameFont"));
    nameFont->Move(FieldLeft, top, 2760, RowHeight);
    Label3 = makeLabel(*this, QStringLiteral("Label3"), tr("Font:"), *nameFont, Margin, 1500);

    buildColourFrame();

    Label9 = new Label(*this, QStringLiteral("Label9"), tr("Click here and Reset Color Settings"));
    Label9->setWordWrap(false);
    Label9->setTransparent(true);
    Label9->setLinkCursor(true);
    Label9->setFontUnderline(true);
    // The pointer over the link must not count as over the background as well.
    Label9->widget()->setAttribute(Qt::WA_NoMousePropagation);
    Label9->Move(Margin, Frame2->Top() + Frame2->Height() + 120, 3600, LabelHeight);
    lblContrast = new Label(*this, QStringLiteral("lblContrast"));
    lblContrast->Move(Margin + 3720, Label9->Top() - 60, WindowWidth - 2 * Margin - 3720, 3 * LabelHeight);
    lblContrast->setTransparent(true);
    lblContrast->setVisible(false);

    ImageList1 = new forms::ImageList(this, QStringLiteral("ImageList1"));
    ImageList1->Add(QStringLiteral("test"), QPixmap(QStringLiteral(":/icons/test.png")));
    const double listTop = Label9->Top() + 480;
    Label10 = new Label(*this, QStringLiteral("Label10"), tr("Select below List Test"));
    Label10->setWordWrap(false);
    Label10->setTransparent(true);
    Label10->Move(Margin, listTop, 3000, LabelHeight);
    ListView1 = new ListView(*this, QStringLiteral("ListView1"));
    ListView1->Move(Margin, listTop + 300, WindowWidth - 2 * Margin, 900);
    Label10->setBuddy(*ListView1);

    const double buttonTop = WindowHeight - Margin - 375;
    cmdOk = new CommandButton(*this, QStringLiteral("cmdOk"), tr("Ok"));
    cmdOk->Move(WindowWidth - Margin - 2 * 1215 - 120, buttonTop, 1215, 375);
    cmdOk->setDefault(true);
    Command1 = new CommandButton(*this, QStringLiteral("Command1"), tr("Cancel"));
    Command1->Move(WindowWidth - Margin - 1215, buttonTop, 1215, 375);
    Command1->setCancel(true);

    // The scratch area the swatches are drawn in; never shown.
    picHidden = new PictureBox(*this, QStringLiteral("picHidden"));
    picHidden->setVisible(false);
    ImageList = new forms::ImageList(this, QStringLiteral("ImageList"));
}

// The width a colour chooser needs for its swatch and the longest colour name, in twips. The
// choosers start where they always did unless a language's names need more room.
double frmProperties::chooserWidthNeeded() const
{
    constexpr int SwatchAndGap = 88 + 4, ArrowAndFrame = 36; // pixels
    const QFontMetrics metrics(window()->font());
    int widest = 0;
    for (const QString &key : app::mMain::colorNames())
        widest = std::max(widest, metrics.horizontalAdvance(entryText(key)));
    return forms::pixelsToTwipsX(SwatchAndGap + widest + ArrowAndFrame);
}

void frmProperties::buildColourFrame()
{
    Frame2 = new Frame(*this, QStringLiteral("Frame2"), tr("Select Color:"));
    Frame2->Move(Margin, 1560, WindowWidth - 2 * Margin, 2520);
    const QString names[] = {QStringLiteral("ImageCombo"), QStringLiteral("ImageCombo1"), QStringLiteral("ImageCombo2"),
                             QStringLiteral("ImageCombo3"), QStringLiteral("ImageCombo4")};
    Label **labels[] = {&Label4, &Label5, &Label6, &Label7, &Label8};
    forms::ImageCombo **choosers[] = {&ImageCombo, &ImageCombo1, &ImageCombo2, &ImageCombo3, &ImageCombo4};
    const double chooserLeft = std::min(3660.0, Frame2->Width() - 240 - chooserWidthNeeded());
    for (int i = 0; i < 5; ++i) {
        const double top = 360 + i * 420;
        auto *chooser = new forms::ImageCombo(*Frame2, names[i]);
        chooser->Move(chooserLeft, top, Frame2->Width() - chooserLeft - 240, RowHeight + 15);
        *choosers[i] = chooser;
        m_choosers[i] = chooser;
        *labels[i] = makeLabel(*Frame2, QStringLiteral("Label%1").arg(4 + i), colourSettings()[i].label, *chooser, 240,
                               chooserLeft - 300);
    }
}

void frmProperties::connectEvents()
{
    connect(cmdOk, &Control::Click, this, &frmProperties::cmdOk_Click);
    connect(Command1, &Control::Click, this, &frmProperties::Command1_Click);
    connect(Label9, &Control::Click, this, &frmProperties::Label9_Click);
    connect(Label9, &Control::MouseMove, this, &frmProperties::Label9_MouseMove);
    connect(this, &Form::MouseMove, this, &frmProperties::Form_MouseMove);
    connect(nameFont, &Control::Click, this, &frmProperties::nameFont_Click);
    for (int i = 0; i < 5; ++i)
        connect(m_choosers[i], &Control::Click, this, [this, i] { ImageCombo_Click(i); });
}

void frmProperties::Form_Load()
{
    loadTestList();
    loadColourChoosers();
    loadPauseTimes();
    UserName->setText(app::mRegistry::ReadSetting(app::mRegistry::Settings::UserName));
    loadFonts();
    m_preview->updateContrastHint();
}

void frmProperties::loadTestList()
{
    ListView1->setImageList(ImageList1);
    ListView1->AddItem(QStringLiteral("    Microsoft Word 2000"), 1);
    ListView1->setSelectedIndex(1);
}

void frmProperties::loadColourChoosers()
{
    QStringList colorNames = app::mMain::colorNames();
    for (QString &name : colorNames)
        draw::MakeColorSwatch(*picHidden, *ImageList, name);
    for (forms::ImageCombo *chooser : m_choosers)
        chooser->setImageList(ImageList);
    for (const QString &key : colorNames) {
        for (forms::ImageCombo *chooser : m_choosers)
            chooser->AddItem(key, entryText(key), key);
    }
    for (int i = 0; i < 5; ++i) {
        const ColourSetting &colour = colourSettings()[i];
        // Compared as read: a huge stored number must not be forced into an int first.
        const double stored = leadingNumber(app::mRegistry::ReadSetting(colour.setting));
        const bool known = stored >= 1 && stored < m_choosers[i]->ItemCount() + 1;
        m_choosers[i]->setSelectedIndex(known ? int(stored) : colour.setting.defaultText.toInt());
        m_choosers[i]->Refresh();
    }
}

void frmProperties::loadPauseTimes()
{
    for (int seconds = 60; seconds <= 360; seconds += 60)
        Combo1->AddItem(QString::number(seconds));
    Combo1->setText(app::mRegistry::ReadSetting(app::mRegistry::Settings::PauseTime));
}

void frmProperties::loadFonts()
{
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families)
        nameFont->AddItem(family);
    // A name the screen lacks (a substituted one) stays as it was chosen.
    nameFont->setText(app::mRegistry::ReadSetting(app::mRegistry::Settings::NameFont));
}

void frmProperties::cmdOk_Click()
{
    for (int i = 0; i < 5; ++i)
        app::mRegistry::WriteSetting(colourSettings()[i].setting, QString::number(m_choosers[i]->SelectedIndex()));
    app::mRegistry::WriteSetting(app::mRegistry::Settings::PauseTime, Combo1->Text());
    app::mRegistry::WriteSetting(app::mRegistry::Settings::UserName, UserName->Text());
    app::mRegistry::WriteSetting(app::mRegistry::Settings::NameFont, nameFont->Text());
    for (int i = 0; i < 5; ++i)
        ImageCombo_Click(i);
    Unload();
}

void frmProperties::Command1_Click()
{
    Unload();
}

void frmProperties::Label9_Click()
{
    for (int i = 0; i < 5; ++i) {
        m_choosers[i]->setSelectedIndex(colourSettings()[i].setting.defaultText.toInt());
        m_choosers[i]->Refresh();
    }
}

void frmProperties::Label9_MouseMove()
{
    Label9->setForeColor(rgb(0, 0, 255));
}

void frmProperties::Form_MouseMove()
{
    Label9->setForeColor(SystemColor::ButtonText);
}

void frmProperties::nameFont_Click()
{
    m_preview->showFont(nameFont->Text());
}

void frmProperties::ImageCombo_Click(int index)
{
    m_preview->showColour(index);
}

} // namespace dialogs
