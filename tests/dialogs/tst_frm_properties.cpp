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

void moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
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
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_main = std::make_unique<frmMain>();
    }
    void cleanup()
    {
        m_main.reset();
        m_fixture.reset();
    }
    void okOnEmptyStoreWritesTheShownDefaultsInOrder();
    void okStoresChoicesAndReopeningShowsThem();
    void resetLinkHoversAndThenCancelStoresAndShowsNothing();
    void fontClickPreviewsAtOnceAndSurvivesCancel();
    void colourPreviewFollowsSelectedAnswer_data();
    void colourPreviewFollowsSelectedAnswer();
    void secondOpeningBringsSameDialogForwardAndEscapeCancels();

private:
    std::unique_ptr<MainWindowFixture> m_fixture; // a fresh settings store per test
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmProperties> loadedDialog()
    {
        auto dialog = std::make_unique<frmProperties>(*m_main);
        dialog->Load();
        return dialog;
    }
};

void TestFrmProperties::okOnEmptyStoreWritesTheShownDefaultsInOrder()
{
    auto dialog = loadedDialog();
    QCOMPARE(dialog->Combo1->ListCount(), 6);
    QCOMPARE(dialog->nameFont->ListCount(), int(QFontDatabase::families().size()));
    QCOMPARE(dialog->ListView1->Item(1), QStringLiteral("    Microsoft Word 2000"));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(dialog->chooser(i).ItemCount(), 16);
        QCOMPARE(dialog->chooser(i).ItemText(14), QStringLiteral("Fuschia"));
    }
    QCOMPARE(dialog->ImageCombo2->SelectedText(), QStringLiteral("Gray"));
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
    dialog->nameFont->setText(QStringLiteral("Times LatArm")); // not on this screen
    dialog->ImageCombo->setSelectedIndex(5); // chosen, not clicked: "Ok" still shows it
    dialog->ImageCombo3->setSelectedIndex(12);
    dialog->cmdOk->click();
    QCOMPARE(stored(QStringLiteral("PauseTime")), QStringLiteral("240"));
    QCOMPARE(stored(QStringLiteral("ImageColor3")), QStringLiteral("12"));
    QCOMPARE(m_main->lblQuestion->ForeColor(), rgb(0, 0, 128));

    auto again = loadedDialog();
    QCOMPARE(again->Combo1->Text(), QStringLiteral("240"));
    QCOMPARE(again->UserName->Text(), QStringLiteral("Anahit"));
    QCOMPARE(again->nameFont->Text(), QStringLiteral("Times LatArm"));
    QCOMPARE(again->ImageCombo->SelectedText(), QStringLiteral("Navy"));
    QCOMPARE(again->ImageCombo3->SelectedText(), QStringLiteral("Yellow"));
}

void TestFrmProperties::resetLinkHoversAndThenCancelStoresAndShowsNothing()
{
    for (int i = 0; i < 5; ++i)
        store(i ? QStringLiteral("ImageColor%1").arg(i) : QStringLiteral("ImageColor"), QString::number(3 + i));
    const QByteArray before = TestEnvironment::readFile(mRegistry::settingsFilePath());
    const ColorValue question = m_main->lblQuestion->ForeColor();

    auto dialog = loadedDialog();
    QCOMPARE(dialog->ImageCombo4->SelectedIndex(), 7);
    moveOver(dialog->Label9->widget());
    QCOMPARE(dialog->Label9->ForeColor(), ColorValue(0xFF0000));
    moveOver(dialog->clientArea());
    QCOMPARE(dialog->Label9->ForeColor(), SystemColor::ButtonText);
    QTest::mouseClick(dialog->Label9->widget(), Qt::LeftButton);
    const QList<int> defaults = {13, 1, 8, 16, 10};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(dialog->chooser(i).SelectedIndex(), defaults[i]);
    QCOMPARE(m_main->lblQuestion->ForeColor(), question);
    dialog->Command1->click();
    QVERIFY(!dialog->Loaded());
    QCOMPARE(TestEnvironment::readFile(mRegistry::settingsFilePath()), before);
}

void TestFrmProperties::fontClickPreviewsAtOnceAndSurvivesCancel()
{
    auto dialog = loadedDialog();
    const int row = dialog->nameFont->ListCount() - 1;
    const QString font = dialog->nameFont->List(row);
    pick(*dialog->nameFont, row);
    QCOMPARE(m_main->lblQuestion->FontName(), font);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(m_main->harc(k).FontName(), font);
    dialog->Command1->click();
    QCOMPARE(m_main->harc4->FontName(), font);
    QCOMPARE(stored(QStringLiteral("NameFont")), QStringLiteral("<missing>"));
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
    auto coloursOf = [&](int k) {
        const Control *parts[] = {&m_main->harc(k), &m_main->Option(k), &m_main->numberPicture(k)};
        QList<ColorValue> colours;
        for (const Control *part : parts)
            colours << (text ? part->ForeColor() : part->BackColor());
        return colours;
    };
    QList<QList<ColorValue>> before;
    for (int k = 1; k <= 4; ++k)
        before << coloursOf(k);

    pick(dialog->chooser(chooser), entry - 1);
    const ColorValue c = mMain::Palette[entry - 1].value;
    for (int k = 1; k <= 4; ++k) {
        const bool coloured = chooser <= 2 ? k != selected : k == selected;
        const QList<ColorValue> expected = coloured ? QList<ColorValue>{c, c, c} : before[k - 1];
        QCOMPARE(coloursOf(k), expected);
        // The number is drawn again: in the new text colour, or over the new background.
        const PictureBox &number = m_main->numberPicture(k);
        if (coloured)
            QVERIFY(showsColour(number, text ? c : number.ForeColor()));
    }
}

void TestFrmProperties::secondOpeningBringsSameDialogForwardAndEscapeCancels()
{
    QPointer<frmProperties> first = frmProperties::showProperties(*m_main);
    first->UserName->setText(QStringLiteral("typed"));
    QCOMPARE(frmProperties::showProperties(*m_main), first.data());
    QVERIFY(first->Visible());
    QVERIFY(QTest::qWaitForWindowActive(first->window()));
    QTest::keyClick(first->UserName->widget(), Qt::Key_Escape); // Escape is "Cancel"
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(frmProperties::showProperties(*m_main)->UserName->Text(), QStringLiteral("User"));
}

QTEST_MAIN(TestFrmProperties)
#include "tst_frm_properties.moc"
