#include "../main_window/main_window_fixture.h"

#include "app/color_palette.h"
#include "app/m_registry.h"
#include "dialogs/frm_properties.h"
#include "forms/combo_box.h"
#include "forms/command_button.h"
#include "forms/image_combo.h"
#include "forms/label.h"
#include "forms/list_view.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QTest>

using namespace forms;

namespace {

QString stored(const QString &name)
{
    return mRegistry::ReadRegString(mRegistry::HKEY_CURRENT_USER, mRegistry::OptionsKey, name,
                                    QStringLiteral("<missing>"));
}

void store(const QString &name, const QString &value)
{
    mRegistry::WriteRegString(mRegistry::HKEY_CURRENT_USER, mRegistry::OptionsKey, name, value);
}

// The value lines of the settings file; a value first written later stands further down.
QStringList settingLines()
{
    QFile file(mRegistry::settingsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf([](const QString &line) { return line.startsWith(QLatin1Char('[')); });
    return lines;
}

// Picks an entry as the user does, through the drop-down list.
void pick(Control &box, int row)
{
    auto *combo = static_cast<QComboBox *>(box.widget());
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

bool showsColour(const PictureBox &area, ColorValue value)
{
    const QImage image = area.Image();
    const QRgb wanted = resolveColor(value).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == wanted)
                return true;
    return false;
}

} // namespace

class TestFrmProperties : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyStoreShowsDefaults();
    void okOnEmptyStoreWritesAllEightInOrder();
    void okStoresChoicesAndReopeningShowsThem();
    void unknownStoredColourShowsDefault_data();
    void unknownStoredColourShowsDefault();
    void resetThenCancelStoresNothing();
    void fontClickPreviewsAtOnceAndSurvivesCancel();
    void colourPreviewFollowsSelectedAnswer_data();
    void colourPreviewFollowsSelectedAnswer();
    void resetLinkHoverColours();
    void secondOpeningBringsSameDialogForward();

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmProperties> loadedDialog();
};

void TestFrmProperties::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_main = std::make_unique<frmMain>();
}

void TestFrmProperties::cleanup()
{
    m_main.reset();
    m_fixture.reset();
}

std::unique_ptr<frmProperties> TestFrmProperties::loadedDialog()
{
    auto dialog = std::make_unique<frmProperties>(*m_main);
    dialog->Load();
    return dialog;
}

void TestFrmProperties::emptyStoreShowsDefaults()
{
    auto dialog = loadedDialog();
    QCOMPARE(dialog->Caption(), QStringLiteral("  Configure"));
    QCOMPARE(dialog->UserName->Text(), QStringLiteral("User"));
    QCOMPARE(dialog->Combo1->Text(), QStringLiteral("180"));
    QCOMPARE(dialog->Combo1->ListCount(), 6);
    QCOMPARE(dialog->Combo1->List(5), QStringLiteral("360"));
    // Kept as stored even though the screen has no such font.
    QCOMPARE(dialog->nameFont->Text(), QStringLiteral("Bararan"));
    QCOMPARE(dialog->nameFont->ListCount(), int(QFontDatabase::families().size()));
    QCOMPARE(dialog->ListView1->ItemCount(), 1);
    QCOMPARE(dialog->ListView1->Item(1), QStringLiteral("    Microsoft Word 2000"));

    const QStringList shown = {QStringLiteral("Blue"), QStringLiteral("Black"), QStringLiteral("Gray"),
                               QStringLiteral("White"), QStringLiteral("Red")};
    for (int i = 0; i < 5; ++i) {
        const ImageCombo &chooser = dialog->chooser(i);
        QCOMPARE(chooser.SelectedText(), shown[i]);
        QCOMPARE(chooser.ItemCount(), 16);
        QCOMPARE(chooser.ItemText(14), QStringLiteral("Fuschia"));
        QCOMPARE(chooser.ItemKey(14), QStringLiteral("FUSCHIA"));
    }
    QCOMPARE(dialog->ImageList->Count(), 16);
    QCOMPARE(dialog->ImageList->Image(QStringLiteral("GRAY")).size(), QSize(88, 12));
}

void TestFrmProperties::okOnEmptyStoreWritesAllEightInOrder()
{
    auto dialog = loadedDialog();
    QVERIFY(settingLines().isEmpty());
    dialog->cmdOk->click();
    const QStringList expected = {"ImageColor=13", "ImageColor1=1", "ImageColor2=8", "ImageColor3=16",
                                  "ImageColor4=10", "PauseTime=180", "UserName=User", "NameFont=Bararan"};
    QCOMPARE(settingLines(), expected);
    QVERIFY(!dialog->Loaded());
}

void TestFrmProperties::okStoresChoicesAndReopeningShowsThem()
{
    auto dialog = loadedDialog();
    QCOMPARE(dialog->Combo1->List(3), QStringLiteral("240"));
    pick(*dialog->Combo1, 3);
    dialog->UserName->setText(QStringLiteral("Anahit"));
    dialog->nameFont->setText(QStringLiteral("Times LatArm"));
    dialog->ImageCombo->setSelectedIndex(5); // chosen, not clicked: "Ok" still shows it
    dialog->ImageCombo3->setSelectedIndex(12);
    dialog->cmdOk->click();

    QCOMPARE(stored(QStringLiteral("PauseTime")), QStringLiteral("240"));
    QCOMPARE(stored(QStringLiteral("UserName")), QStringLiteral("Anahit"));
    QCOMPARE(stored(QStringLiteral("NameFont")), QStringLiteral("Times LatArm"));
    QCOMPARE(stored(QStringLiteral("ImageColor")), QStringLiteral("5"));
    QCOMPARE(stored(QStringLiteral("ImageColor3")), QStringLiteral("12"));
    QCOMPARE(m_main->lblQuestion->ForeColor(), rgb(0, 0, 128));

    auto again = loadedDialog();
    QCOMPARE(again->Combo1->Text(), QStringLiteral("240"));
    QCOMPARE(again->UserName->Text(), QStringLiteral("Anahit"));
    QCOMPARE(again->nameFont->Text(), QStringLiteral("Times LatArm"));
    QCOMPARE(again->ImageCombo->SelectedText(), QStringLiteral("Navy"));
    QCOMPARE(again->ImageCombo3->SelectedText(), QStringLiteral("Yellow"));
    QCOMPARE(again->ImageCombo4->SelectedText(), QStringLiteral("Red"));
}

void TestFrmProperties::unknownStoredColourShowsDefault_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("shown");
    QTest::newRow("zero") << "0" << 8;
    QTest::newRow("seventeen") << "17" << 8;
    QTest::newRow("empty") << "" << 8;
    QTest::newRow("no number") << "grey" << 8;
    QTest::newRow("leading number counts") << "3 " << 3;
    QTest::newRow("sixteen") << "16" << 16;
}

void TestFrmProperties::unknownStoredColourShowsDefault()
{
    QFETCH(QString, value);
    QFETCH(int, shown);
    store(QStringLiteral("ImageColor2"), value);
    auto dialog = loadedDialog();
    QCOMPARE(dialog->ImageCombo2->SelectedIndex(), shown);
}

void TestFrmProperties::resetThenCancelStoresNothing()
{
    const QStringList numbers = {"3", "4", "5", "6", "7"};
    for (int i = 0; i < 5; ++i)
        store(i ? QStringLiteral("ImageColor%1").arg(i) : QStringLiteral("ImageColor"), numbers[i]);
    const QByteArray before = TestEnvironment::readFile(mRegistry::settingsFilePath());
    const ColorValue questionColour = m_main->lblQuestion->ForeColor();
    const ColorValue answerBack = m_main->harc3->BackColor();

    auto dialog = loadedDialog();
    QCOMPARE(dialog->ImageCombo4->SelectedIndex(), 7);
    dialog->Label9_Click();
    const QList<int> defaults = {13, 1, 8, 16, 10};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(dialog->chooser(i).SelectedIndex(), defaults[i]);
    QCOMPARE(m_main->lblQuestion->ForeColor(), questionColour); // reset shows nothing itself
    QCOMPARE(m_main->harc3->BackColor(), answerBack);

    dialog->Command1->click();
    QVERIFY(!dialog->Loaded());
    QCOMPARE(TestEnvironment::readFile(mRegistry::settingsFilePath()), before);
}

void TestFrmProperties::fontClickPreviewsAtOnceAndSurvivesCancel()
{
    store(QStringLiteral("NameFont"), QStringLiteral("Bararan"));
    auto dialog = loadedDialog();
    const int row = dialog->nameFont->ListCount() - 1;
    QVERIFY(row >= 0);
    const QString font = dialog->nameFont->List(row);
    pick(*dialog->nameFont, row);

    QCOMPARE(m_main->lblQuestion->FontName(), font);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(m_main->harc(k).FontName(), font);
    dialog->Command1->click();
    QCOMPARE(m_main->harc4->FontName(), font);
    QCOMPARE(stored(QStringLiteral("NameFont")), QStringLiteral("Bararan"));
}

void TestFrmProperties::colourPreviewFollowsSelectedAnswer_data()
{
    QTest::addColumn<int>("selected"); // answer set on the main window, 0 for none
    QTest::addColumn<int>("chooser");
    QTest::addColumn<int>("entry");
    QTest::newRow("answer 2, Lime answer text") << 2 << 1 << 11;
    QTest::newRow("answer 2, Yellow selected background") << 2 << 4 << 12;
    QTest::newRow("answer 1, Aqua answer background") << 1 << 2 << 15;
    QTest::newRow("answer 4, Maroon selected text") << 4 << 3 << 2;
    QTest::newRow("none, Lime answer text") << 0 << 1 << 11;
    QTest::newRow("none, Silver answer background") << 0 << 2 << 9;
    QTest::newRow("none, Yellow selected text") << 0 << 3 << 12;
    QTest::newRow("none, Teal selected background") << 0 << 4 << 7;
}

void TestFrmProperties::colourPreviewFollowsSelectedAnswer()
{
    QFETCH(int, selected);
    QFETCH(int, chooser);
    QFETCH(int, entry);
    if (selected)
        m_main->Option(selected).setValue(true);
    auto dialog = loadedDialog();
    const bool text = chooser == 1 || chooser == 3;
    auto colourOf = [text](const Control &c) { return text ? c.ForeColor() : c.BackColor(); };
    QList<QList<ColorValue>> before;
    for (int k = 1; k <= 4; ++k)
        before << QList<ColorValue>{colourOf(m_main->harc(k)), colourOf(m_main->Option(k)),
                                    colourOf(m_main->numberPicture(k))};

    pick(dialog->chooser(chooser), entry - 1);
    const ColorValue c = mMain::Palette[entry - 1].value;
    for (int k = 1; k <= 4; ++k) {
        const bool coloured = chooser <= 2 ? k != selected : k == selected;
        const QList<ColorValue> now = {colourOf(m_main->harc(k)), colourOf(m_main->Option(k)),
                                       colourOf(m_main->numberPicture(k))};
        const QList<ColorValue> expected = coloured ? QList<ColorValue>{c, c, c} : before[k - 1];
        QCOMPARE(now, expected);
        const PictureBox &number = m_main->numberPicture(k);
        // The number is drawn again: in the new text colour, or over the new background.
        if (coloured && text)
            QVERIFY(showsColour(number, c));
        if (coloured && !text)
            QVERIFY(showsColour(number, number.ForeColor()));
    }
}

void TestFrmProperties::resetLinkHoverColours()
{
    auto dialog = loadedDialog();
    auto moveOver = [](QWidget *widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(dialog->Label9->widget());
    QCOMPARE(dialog->Label9->ForeColor(), ColorValue(0xFF0000));
    moveOver(dialog->clientArea());
    QCOMPARE(dialog->Label9->ForeColor(), SystemColor::ButtonText);
}

void TestFrmProperties::secondOpeningBringsSameDialogForward()
{
    frmProperties *first = frmProperties::showProperties(*m_main);
    QVERIFY(first->Visible());
    first->UserName->setText(QStringLiteral("typed"));
    QCOMPARE(frmProperties::showProperties(*m_main), first);
    QCOMPARE(first->UserName->Text(), QStringLiteral("typed"));

    QPointer<frmProperties> closed = first;
    first->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    frmProperties *second = frmProperties::showProperties(*m_main);
    QCOMPARE(second->UserName->Text(), QStringLiteral("User"));
    second->Command1->click();
}

QTEST_MAIN(TestFrmProperties)
#include "tst_frm_properties.moc"
