#include "forms/form.h"
#include "forms/label.h"
#include "forms/menu_item.h"
#include "forms/toolbar.h"
#include "forms/units.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <stdexcept>

using namespace forms;

namespace {

// The main window's menus and toolbar as the program builds them.
struct MainWindowBars {
    MainWindowBars() : form(QStringLiteral("frmMain"))
    {
        form.setClientSize(11790, 8280);
        filemenu = new MenuItem(form, QStringLiteral("filemenu"), QStringLiteral("&File"));
        mnuStart = new MenuItem(*filemenu, QStringLiteral("mnuStart"), QStringLiteral("Start"));
        mnuResume = new MenuItem(*filemenu, QStringLiteral("mnuResume"), QStringLiteral("Resume"));
        mnuResume->setVisible(false);
        mnuseparate = new MenuItem(*filemenu, QStringLiteral("mnuseparate"), QStringLiteral("-"));
        mnuExit = new MenuItem(*filemenu, QStringLiteral("mnuExit"), QStringLiteral("&Quit"));
        Options = new MenuItem(form, QStringLiteral("Options"), QStringLiteral("&Options"));
        mnuConfigure = new MenuItem(*Options, QStringLiteral("mnuConfigure"), QStringLiteral("C&onfigure"));

        Toolbar1 = new Toolbar(form, QStringLiteral("Toolbar1"));
        QPixmap picture(24, 24);
        picture.fill(Qt::darkCyan);
        const QIcon icon(picture);
        Toolbar1->addSeparator();
        for (const char *key : {"Start", "Stop", "Pause", "Resume"})
            Toolbar1->addButton(QLatin1String(key), QLatin1String(key), icon);
        Toolbar1->addSeparator();
        Toolbar1->addButton(QStringLiteral("Quit"), QStringLiteral("Quit"), icon);
        Toolbar1->addSeparator();
        Toolbar1->addButton(QStringLiteral("Properties"), QStringLiteral("Properties"), icon);
        Toolbar1->addSeparator();
        Toolbar1->addButton(QStringLiteral("About"), QStringLiteral("About"), icon);
        // The idle look.
        Toolbar1->Buttons(3).setVisible(false);
        Toolbar1->Buttons(4).setEnabled(false);
        Toolbar1->Buttons(5).setVisible(false);
    }

    void show()
    {
        form.Show();
        form.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.window()));
    }

    Form form;
    MenuItem *filemenu, *mnuStart, *mnuResume, *mnuseparate, *mnuExit, *Options, *mnuConfigure;
    Toolbar *Toolbar1;
};

} // namespace

class TestMenusAndToolbar : public QObject
{
    Q_OBJECT

private slots:
    void menuItemChangesAtRunTime();
    void unreachableItemDoesNotClick_data();
    void unreachableItemDoesNotClick();
    void accessKeysOpenMenuAndChooseItem();
    void disabledItemIgnoresRealClick();
    void toolbarPositionsCountSeparators();
    void unknownOrRepeatedKeyIsRefused();
    void buttonClickCarriesKey_data();
    void buttonClickCarriesKey();
    void unusableButtonIsNotClickable_data();
    void unusableButtonIsNotClickable();
    void alternateButtonsShareOnePlace();
    void toolbarSpansTopAndStaysAbove();
};

void TestMenusAndToolbar::menuItemChangesAtRunTime()
{
    MainWindowBars bars;
    QMenu *menu = bars.filemenu->menu();
    QCOMPARE(menu->actions().size(), 4);
    QVERIFY(bars.mnuseparate->isSeparator());
    QVERIFY(menu->actionGeometry(bars.mnuResume->action()).isEmpty()); // hidden: no room
    // Paused: "Resume" in the menu instead of "Start"/"Stop".
    bars.mnuStart->setCaption(QStringLiteral("Stop"));
    bars.mnuStart->setVisible(false);
    bars.mnuResume->setVisible(true);
    bars.mnuExit->setEnabled(false);
    QCOMPARE(bars.mnuStart->action()->text(), QStringLiteral("Stop"));
    QVERIFY(!bars.mnuStart->Visible());
    QVERIFY(menu->actionGeometry(bars.mnuStart->action()).isEmpty());
    QVERIFY(!menu->actionGeometry(bars.mnuResume->action()).isEmpty());
    QVERIFY(!bars.mnuExit->action()->isEnabled());
}

void TestMenusAndToolbar::unreachableItemDoesNotClick_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("clicks");
    QTest::newRow("usable") << QString() << true;
    QTest::newRow("disabled item") << "disable item" << false;
    QTest::newRow("hidden item") << "hide item" << false;
    QTest::newRow("disabled menu") << "disable menu" << false;
    QTest::newRow("enabled again") << "disable and enable item" << true;
    QTest::newRow("made a separator") << "caption -" << false;
}

void TestMenusAndToolbar::unreachableItemDoesNotClick()
{
    QFETCH(QString, change);
    QFETCH(bool, clicks);
    MainWindowBars bars;
    MenuItem &item = *bars.mnuConfigure;
    if (change == QLatin1String("disable item"))
        item.setEnabled(false);
    else if (change == QLatin1String("hide item"))
        item.setVisible(false);
    else if (change == QLatin1String("disable menu"))
        bars.Options->setEnabled(false);
    else if (change == QLatin1String("disable and enable item")) {
        item.setEnabled(false);
        item.setEnabled(true);
    } else if (change == QLatin1String("caption -"))
        item.setCaption(QStringLiteral("-"));
    QSignalSpy spy(&item, &MenuItem::Click);
    item.trigger();
    QCOMPARE(spy.count(), clicks ? 1 : 0);
}

void TestMenusAndToolbar::accessKeysOpenMenuAndChooseItem()
{
    MainWindowBars bars;
    bars.show();
    QSignalSpy opened(bars.filemenu, &MenuItem::Click);
    QSignalSpy quit(bars.mnuExit, &MenuItem::Click);
    QSignalSpy start(bars.mnuStart, &MenuItem::Click);
    QTest::keyClick(bars.form.window(), Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), bars.filemenu->menu());
    QCOMPARE(opened.count(), 1);
    QTest::keyClick(bars.filemenu->menu(), Qt::Key_Q);
    QCOMPARE(quit.count(), 1);
    QCOMPARE(start.count(), 0);
    QTRY_VERIFY(!bars.filemenu->menu()->isVisible());

    // "C&onfigure" answers to O inside the menu opened by Alt+O.
    QSignalSpy configure(bars.mnuConfigure, &MenuItem::Click);
    QTest::keyClick(bars.form.window(), Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), bars.Options->menu());
    QTest::keyClick(bars.Options->menu(), Qt::Key_O);
    QCOMPARE(configure.count(), 1);
}

void TestMenusAndToolbar::disabledItemIgnoresRealClick()
{
    MainWindowBars bars;
    bars.show();
    bars.mnuStart->setEnabled(false);
    QMenu *menu = bars.filemenu->menu();
    menu->popup(bars.form.window()->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(menu->isVisible());
    QSignalSpy start(bars.mnuStart, &MenuItem::Click);
    QSignalSpy quit(bars.mnuExit, &MenuItem::Click);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(bars.mnuStart->action()).center());
    QCOMPARE(start.count(), 0);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(bars.mnuExit->action()).center());
    QCOMPARE(quit.count(), 1);
}

void TestMenusAndToolbar::toolbarPositionsCountSeparators()
{
    MainWindowBars bars;
    Toolbar &bar = *bars.Toolbar1;
    QCOMPARE(bar.ButtonCount(), 11);
    const QStringList keys = {QString(), "Start", "Stop", "Pause", "Resume", QString(), "Quit",
                              QString(), "Properties", QString(), "About"};
    for (int position = 1; position <= 11; ++position) {
        const ToolbarButton &button = bar.Buttons(position);
        QCOMPARE(button.Index(), position);
        QCOMPARE(button.Key(), keys.at(position - 1));
        QCOMPARE(button.isSeparator(), keys.at(position - 1).isEmpty());
        if (!button.isSeparator())
            QCOMPARE(&bar.Buttons(button.Key()), &button);
    }
    QCOMPARE(bar.Buttons(QStringLiteral("Resume")).ToolTipText(), QStringLiteral("Resume"));
}

void TestMenusAndToolbar::unknownOrRepeatedKeyIsRefused()
{
    MainWindowBars bars;
    Toolbar &bar = *bars.Toolbar1;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons(12));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons(QStringLiteral("start")));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons(QString())); // separators have no key
    QVERIFY(!bar.click(0));
    QVERIFY(!bar.click(12));
    QCOMPARE(bar.buttonWidget(12), nullptr);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             bar.addButton(QStringLiteral("Quit"), QString(), QIcon()));
    QCOMPARE(bar.ButtonCount(), 11);
}

void TestMenusAndToolbar::buttonClickCarriesKey_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::newRow("Start") << 2 << "Start";
    QTest::newRow("Stop") << 3 << "Stop";
    QTest::newRow("Pause") << 4 << "Pause";
    QTest::newRow("Resume") << 5 << "Resume";
    QTest::newRow("Quit") << 7 << "Quit";
    QTest::newRow("Properties") << 9 << "Properties";
    QTest::newRow("About") << 11 << "About";
}

void TestMenusAndToolbar::buttonClickCarriesKey()
{
    QFETCH(int, position);
    QFETCH(QString, key);
    MainWindowBars bars;
    Toolbar &bar = *bars.Toolbar1;
    for (int i = 2; i <= 5; ++i) {
        bar.Buttons(i).setVisible(true);
        bar.Buttons(i).setEnabled(true);
    }
    bars.show();
    QSignalSpy spy(&bar, &Toolbar::ButtonClick);
    QWidget *button = bar.buttonWidget(position);
    QVERIFY(button && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), key);
    QVERIFY(bar.click(position));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), key);
}

void TestMenusAndToolbar::unusableButtonIsNotClickable_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("hidden Stop") << 3;
    QTest::newRow("disabled Pause") << 4;
    QTest::newRow("hidden Resume") << 5;
    QTest::newRow("separator") << 6;
}

void TestMenusAndToolbar::unusableButtonIsNotClickable()
{
    QFETCH(int, position);
    MainWindowBars bars;
    bars.show();
    Toolbar &bar = *bars.Toolbar1;
    QSignalSpy spy(&bar, &Toolbar::ButtonClick);
    QVERIFY(!bar.click(position));
    QWidget *button = bar.buttonWidget(position);
    QVERIFY(button);
    if (button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    // The whole bar disabled stops the usable buttons as well.
    bar.setEnabled(false);
    QVERIFY(!bar.click(2));
    QTest::mouseClick(bar.buttonWidget(2), Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
}

void TestMenusAndToolbar::alternateButtonsShareOnePlace()
{
    MainWindowBars bars;
    bars.show();
    Toolbar &bar = *bars.Toolbar1;
    QVERIFY(!bar.buttonWidget(3)->isVisible());
    const int startX = bar.buttonWidget(2)->x();
    const int pauseX = bar.buttonWidget(4)->x();
    const int quitX = bar.buttonWidget(7)->x();
    // Running: "Stop" in the place of "Start".
    bar.Buttons(2).setVisible(false);
    bar.Buttons(3).setVisible(true);
    QVERIFY(!bar.buttonWidget(2)->isVisible());
    QVERIFY(bar.buttonWidget(3)->isVisible());
    QCOMPARE(bar.buttonWidget(3)->x(), startX);
    QCOMPARE(bar.buttonWidget(4)->x(), pauseX);
    // Paused: "Resume" in the place of "Pause", "Stop" gone, the rest moves up by one button.
    bar.Buttons(3).setVisible(false);
    bar.Buttons(4).setVisible(false);
    bar.Buttons(5).setVisible(true);
    QCOMPARE(bar.buttonWidget(5)->x(), startX);
    QVERIFY(bar.buttonWidget(7)->x() < quitX);
}

void TestMenusAndToolbar::toolbarSpansTopAndStaysAbove()
{
    MainWindowBars bars;
    Toolbar &bar = *bars.Toolbar1;
    // Made after the bar and overlapping it, as the title picture could.
    Label cover(bars.form, QStringLiteral("lblCover"), QStringLiteral("cover"));
    cover.Move(0, 0, 6000, 2000);
    bars.show();
    QCOMPARE(bar.Left(), 0.0);
    QCOMPARE(bar.Top(), 0.0);
    QCOMPARE(bar.Width(), bars.form.ScaleWidth());
    QCOMPARE(bar.Height(), Toolbar::DefaultHeight);
    QCOMPARE(bar.widget()->width(), bars.form.clientArea()->width());
    QVERIFY(bar.buttonWidget(2)->geometry().bottom() < bar.widget()->height());
    // Room for the 24x24 pictures with the bar's own margins.
    QCOMPARE(qobject_cast<QToolButton *>(bar.buttonWidget(2))->iconSize(), QSize(24, 24));
    QVERIFY(bar.widget()->sizeHint().height() <= bar.widget()->height());

    const QPoint inBar(twipsToPixelsX(3000), twipsToPixelsY(250));
    QWidget *hit = bars.form.clientArea()->childAt(inBar);
    QVERIFY(hit == bar.widget() || bar.widget()->isAncestorOf(hit));

    bars.form.setClientSize(15000, 9000);
    QTRY_COMPARE(bar.widget()->width(), bars.form.clientArea()->width());
    QCOMPARE(bar.Width(), bars.form.ScaleWidth());
    QCOMPARE(bar.Height(), Toolbar::DefaultHeight);
}

QTEST_MAIN(TestMenusAndToolbar)
#include "tst_menus_and_toolbar.moc"
