#include "support/main_window_fixture.h"

#include "app/color_palette.h"
#include "app/shell_execute.h"
#include "bank/armscii8.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_properties.h"
#include "forms/combo_box.h"
#include "forms/frame.h"
#include "forms/image_combo.h"
#include "forms/label.h"
#include "forms/list_view.h"
#include "forms/msg_box.h"
#include "forms/option_button.h"
#include "forms/tab_strip.h"
#include "forms/text_box.h"
#include "support/accessible_tree.h"

#include <QDesktopServices>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

using dialogs::frmAbout;
using dialogs::frmProperties;

using namespace forms;

namespace {

// The value lines of the settings file; a value first written later stands further down.
QStringList settingLines()
{
    const QString text = QString::fromUtf8(TestEnvironment::readFile(app::mRegistry::settingsFilePath()));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("="));
}

} // namespace

// The properties dialog of a main window that is not shown, and the about box.
class TestDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_fixture; // a fresh settings store per test
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<frmAbout> m_about;
    QStringList m_opened; // what the desktop was asked to open

    std::unique_ptr<frmProperties> loadedDialog()
    {
        auto dialog = std::make_unique<frmProperties>(*m_main);
        dialog->Load();
        return dialog;
    }

public slots:
    void openUrl(const QUrl &url) { m_opened << url.toString(); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_main = std::make_unique<frmMain>();
        m_opened.clear();
        app::mMain::setShellHandler([this](const app::mMain::ShellRequest &r) {
            m_opened << (r.operation.isNull() && r.showCommand == 1 ? r.file : QStringLiteral("not a plain open"));
            return qintptr(2); // the desktop refuses; nobody is told
        });
        m_about = std::make_unique<frmAbout>();
        m_about->Load();
    }

    void cleanup()
    {
        m_about.reset();
        m_main.reset();
        m_fixture.reset();
        app::mMain::setShellHandler({});
    }

    void okStoresWhatIsShownAndReopeningShowsIt()
    {
        auto dialog = loadedDialog();
        QVERIFY(settingLines().isEmpty());
        dialog->cmdOk->click(); // stores the eight values as shown, and closes
        QVERIFY(!dialog->Loaded());
        QCOMPARE(settingLines(), QStringList({"ImageColor=13", "ImageColor1=1", "ImageColor2=8", "ImageColor3=16",
                                              "ImageColor4=10", "PauseTime=180", "UserName=User", "NameFont=Bararan"}));

        dialog = loadedDialog();
        pick(*dialog->Combo1, 3);
        dialog->UserName->setText(QStringLiteral("Anahit"));
        dialog->nameFont->setText(QStringLiteral("Times LatArm")); // not on this screen
        dialog->ImageCombo->setSelectedIndex(5);                   // chosen, not clicked: "Ok" still shows it
        dialog->ImageCombo3->setSelectedIndex(12);
        dialog->cmdOk->click();
        QCOMPARE(settingLines(),
                 QStringList({"ImageColor=5", "ImageColor1=1", "ImageColor2=8", "ImageColor3=12", "ImageColor4=10",
                              "PauseTime=240", "UserName=Anahit", "NameFont=Times LatArm"}));
        QCOMPARE(m_main->lblQuestion->ForeColor(), rgb(0, 0, 128));

        dialog = loadedDialog();
        QCOMPARE(QStringList({dialog->Combo1->Text(), dialog->UserName->Text(), dialog->nameFont->Text(),
                              dialog->ImageCombo->SelectedText(), dialog->ImageCombo3->SelectedText()}),
                 QStringList({"240", "Anahit", "Times LatArm", "Navy", "Yellow"}));
    }

    void cancelStoresNothingButKeepsThePreview()
    {
        for (int i = 0; i < 5; ++i)
            MainWindowFixture::store(i ? QStringLiteral("ImageColor%1").arg(i) : QStringLiteral("ImageColor"),
                                     QString::number(3 + i));
        const QByteArray before = TestEnvironment::readFile(app::mRegistry::settingsFilePath());
        const ColorValue question = m_main->lblQuestion->ForeColor();
        auto dialog = loadedDialog();
        QCOMPARE(dialog->ImageCombo4->SelectedIndex(), 7);
        moveOver(dialog->Label9->widget()); // the reset link lights up under the pointer
        const ColorValue lit = dialog->Label9->ForeColor();
        moveOver(dialog->clientArea());
        QVERIFY(lit == 0xFF0000 && dialog->Label9->ForeColor() == SystemColor::ButtonText);
        QTest::mouseClick(dialog->Label9->widget(), Qt::LeftButton);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(dialog->chooser(i).SelectedIndex(), QList<int>({13, 1, 8, 16, 10})[i]);
        QCOMPARE(m_main->lblQuestion->ForeColor(), question);

        const QString font = dialog->nameFont->List(dialog->nameFont->ListCount() - 1);
        pick(*dialog->nameFont, dialog->nameFont->ListCount() - 1);
        QCOMPARE(m_main->lblQuestion->FontName() + m_main->harc1->FontName() + m_main->harc4->FontName(),
                 font + font + font);
        dialog->Command1->click();
        QVERIFY(!dialog->Loaded() && m_main->harc4->FontName() == font);
        QCOMPARE(TestEnvironment::readFile(app::mRegistry::settingsFilePath()), before);
    }

    void colourPreviewFollowsSelectedAnswer_data()
    {
        QTest::addColumn<int>("selected"); // answer set on the main window, 0 for none
        QTest::addColumn<int>("chooser");
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("hint"); // the low-contrast hint shows: Lime reads badly on Gray
        QTest::newRow("answer 2, Lime answer text") << 2 << 1 << 11 << true;
        QTest::newRow("answer 2, Yellow selected background") << 2 << 4 << 12 << false;
        QTest::newRow("answer 1, Aqua answer background") << 1 << 2 << 15 << false;
        QTest::newRow("answer 4, Maroon selected text") << 4 << 3 << 2 << false;
        QTest::newRow("none, Yellow selected text") << 0 << 3 << 12 << false;
        QTest::newRow("none, Teal selected background") << 0 << 4 << 7 << false;
    }

    void colourPreviewFollowsSelectedAnswer()
    {
        QFETCH(int, selected);
        QFETCH(int, chooser);
        QFETCH(int, entry);
        QFETCH(bool, hint);
        if (selected)
            m_main->Option(selected).setValue(true);
        auto dialog = loadedDialog();
        const bool text = chooser == 1 || chooser == 3;
        QVERIFY(!dialog->lblContrast->Visible()); // the default colours read well
        pick(dialog->chooser(chooser), entry - 1);
        QCOMPARE(dialog->lblContrast->Visible(), hint);
        const ColorValue c = app::mMain::Palette[entry - 1].value;
        const auto of = [text](const Control &part) { return text ? part.ForeColor() : part.BackColor(); };
        for (int k = 1; k <= 4; ++k) { // no row had the entry's colour before
            const bool coloured = chooser <= 2 ? k != selected : k == selected;
            const QList<ColorValue> now = {of(m_main->harc(k)), of(m_main->Option(k)), of(m_main->numberPicture(k))};
            QCOMPARE(now, QList<ColorValue>(3, coloured ? c : now[0]));
            QVERIFY(coloured || now[0] != c);
            // The number is drawn again: in the new text colour, or over the new background.
            const PictureBox &number = m_main->numberPicture(k);
            QVERIFY(!coloured || shows(number.Image(), resolveColor(text ? c : number.ForeColor()).rgb()));
        }
    }

    void linksHandTheirTargetsToTheDesktop_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tag"); // empty: the box's own address
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("recorded"); // false: through the desktop's own handlers
        QTest::newRow("web") << 1 << QString() << QString() << true;
        QTest::newRow("support") << 0 << QString() << QStringLiteral("mailto:") << true;
        QTest::newRow("web address unchanged")
            << 1 << QStringLiteral("www.example.org/a b?x=1#top") << QString() << true;
        QTest::newRow("web, desktop handler") << 1 << QString() << QString() << false;
        QTest::newRow("support, desktop handler") << 0 << QString() << QStringLiteral("mailto:") << false;
    }

    void linksHandTheirTargetsToTheDesktop()
    {
        QFETCH(int, index);
        QFETCH(QString, tag);
        QFETCH(QString, prefix);
        QFETCH(bool, recorded);
        Label &link = m_about->lblURL(index);
        QVERIFY(link.Tag() == link.Caption() && link.Tag().contains(QLatin1String("example.org")));
        moveOver(link.widget());
        QCOMPARE(link.ForeColor(), ColorValue(0x0000FF)); // red under the pointer
        moveOver(m_about->Frame1->widget());
        QCOMPARE(link.ForeColor(), ColorValue(0xFF0000)); // blue away from it
        if (!tag.isEmpty())
            link.setTag(tag);
        const QString target = prefix + link.Tag();
        if (!recorded) {
            app::mMain::setShellHandler({});
            QDesktopServices::setUrlHandler(QUrl(target).scheme(), this, "openUrl");
        }
        m_about->Show();
        QTest::mouseClick(link.widget(), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QUrl(target).scheme());
        QVERIFY(m_about->Loaded());
        QCOMPARE(m_opened, QStringList{target});
    }

    void readmeIsShownInTheQuestionFont()
    {
        QVERIFY(m_about->Text1->Text() == frmAbout::readmeText() && m_about->Text1->FontName() == "Bararan");
    }

    // A screen reader finds a name for every control of both dialogs.
    void everyDialogControlHasAName()
    {
        frmProperties *properties = frmProperties::showProperties(*m_main);
        m_about->Show();
        QCoreApplication::processEvents();
        for (QWidget *window : {properties->window(), m_about->window()}) {
            const AccessibleTree tree(window);
            QVERIFY2(tree.nameless.isEmpty(), qPrintable(tree.nameless.join(QStringLiteral(", "))));
        }
    }

    void eachDialogOpensOnceAndEscapeClosesIt()
    {
        QPointer<frmProperties> properties = frmProperties::showProperties(*m_main);
        properties->UserName->setText(QStringLiteral("typed"));
        QVERIFY(frmProperties::showProperties(*m_main) == properties.data() && properties->Visible());
        QVERIFY(QTest::qWaitForWindowActive(properties->window()));
        QTest::keyClick(properties->UserName->widget(), Qt::Key_Escape); // Escape is "Cancel"
        m_about->Show();
        m_about->Activate();
        QVERIFY(QTest::qWaitForWindowActive(m_about->window()));
        QTRY_VERIFY(m_about->cmdClose->hasFocus());
        QTest::keyClick(m_about->TabStrip1->tabBar(), Qt::Key_Escape); // Escape is "Close"
        QVERIFY(!m_about->Loaded() && !m_about->Visible());

        Form owner(QStringLiteral("owner"));
        QPointer<frmAbout> about = frmAbout::showAbout(owner);
        QVERIFY(about->Frame1->Visible() && !about->Frame3->Visible());
        about->TabStrip1->tabBar()->setCurrentIndex(1);
        QCOMPARE(frmAbout::showAbout(owner), about.data());
        QVERIFY(!about->Frame1->Visible() && about->Frame3->Visible());
        about->cmdClose->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(properties.isNull() && about.isNull());
        QVERIFY(frmAbout::showAbout(owner)->Frame1->Visible());
        QCOMPARE(frmProperties::showProperties(*m_main)->UserName->Text(), QStringLiteral("User"));
    }

    // Enter in any field presses the default button, Ok; on Cancel it presses Cancel.
    void enterPressesTheFocusedOrTheDefaultButton_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("stored");
        for (const char *field : {"UserName", "Combo1", "nameFont", "ImageCombo2", "ListView1"})
            QTest::newRow(field) << QString::fromLatin1(field) << true;
        QTest::newRow("Cancel") << QStringLiteral("Command1") << false;
    }

    void enterPressesTheFocusedOrTheDefaultButton()
    {
        QFETCH(QString, field);
        QFETCH(bool, stored);
        QPointer<frmProperties> properties = frmProperties::showProperties(*m_main);
        properties->UserName->setText(QStringLiteral("typed"));
        QWidget *widget = properties->window()->findChild<QWidget *>(field);
        QVERIFY(QTest::qWaitForWindowActive(properties->window()));
        widget->setFocus();
        QTest::keyClick(widget->focusProxy() ? widget->focusProxy() : widget, Qt::Key_Return);
        QVERIFY(!properties->Loaded());
        QCOMPARE(settingLines().contains(QStringLiteral("UserName=typed")), stored);
    }

    // Configure, About and a message open centred on the main window and stay above it, and
    // none can be maximised.
    void dialogsOpenOverTheMainWindow()
    {
        QWidget *main = m_main->window();
        main->move(5, 10);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QStringList misplaced;
        const auto verifyOverMain = [&](QWidget *window) {
            const QPoint offCentre = window->geometry().center() - main->geometry().center();
            if (window->windowHandle()->transientParent() != main->windowHandle() || offCentre.manhattanLength() > 2
                || window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint))
                misplaced << window->windowTitle();
        };
        verifyOverMain(frmProperties::showProperties(*m_main)->window());
        verifyOverMain(frmAbout::showAbout(*m_main)->window());
        const MessageBoxHandler handler = setMessageBoxHandler({});
        QTimer::singleShot(0, this, [&] {
            verifyOverMain(QApplication::activeModalWidget());
            QApplication::activeModalWidget()->close();
        });
        MsgBox(QStringLiteral("A message"), QStringLiteral("Lorvane"));
        setMessageBoxHandler(handler);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
