#include "forms/form.h"
#include "forms/label.h"
#include "forms/menu_item.h"
#include "forms/toolbar.h"
#include "forms/units.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <stdexcept>
#include <vector>

using namespace forms;

namespace {

// The main window's toolbar positions; an empty key is a separator.
const QStringList barKeys = {"", "Start", "Stop", "Pause", "Resume", "", "Quit", "", "Properties", "", "About"};

// A menu and the toolbar as the main window builds them, in the idle look.
struct MainWindowBars
{
    MainWindowBars()
    {
        form.setClientSize(11790, 8280);
        QPixmap picture(24, 24);
        picture.fill(Qt::darkCyan);
        for (const QString &key : barKeys)
            key.isEmpty() ? Toolbar1->addSeparator() : Toolbar1->addButton(key, key, QIcon(picture));
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

    Form form{"frmMain"};
    MenuItem *Options = new MenuItem(form, "Options", "&Options");
    MenuItem *mnuConfigure = new MenuItem(*Options, "mnuConfigure", "C&onfigure");
    MenuItem *mnuseparate = new MenuItem(*Options, "mnuseparate", "-");
    Toolbar *Toolbar1 = new Toolbar(form, "Toolbar1");
};

} // namespace

class TestMenusAndToolbar : public QObject
{
    Q_OBJECT

private slots:
    void unreachableItemDoesNotClick()
    {
        const std::vector<std::pair<bool, std::function<void(MainWindowBars &)>>> cases = {
            {true, [](MainWindowBars &) {}},
            {false, [](MainWindowBars &b) { b.mnuConfigure->setEnabled(false); }},
            {false, [](MainWindowBars &b) { b.mnuConfigure->setVisible(false); }},
            {false, [](MainWindowBars &b) { b.Options->setEnabled(false); }},
            {false, [](MainWindowBars &b) { b.mnuConfigure->setCaption("-"); }},
        };
        for (const auto &[clicks, change] : cases) {
            MainWindowBars bars;
            change(bars);
            QSignalSpy spy(bars.mnuConfigure, &MenuItem::Click);
            bars.mnuConfigure->trigger();
            QCOMPARE(spy.count(), clicks ? 1 : 0);
            QVERIFY(bars.mnuseparate->isSeparator());              // by its caption
            QVERIFY(bars.mnuseparate->action()->text().isEmpty()); // a bare line, no "-" beside it
        }
    }

    // Positions count the separators. Hidden Stop and Resume, disabled Pause and the separators
    // take no click, from the program or the mouse; the others click with their key.
    void toolbarButtonsKeepTheirPositionsAndOnlyUsableOnesClick()
    {
        MainWindowBars bars;
        bars.show();
        Toolbar &bar = *bars.Toolbar1;
        QSignalSpy spy(&bar, &Toolbar::ButtonClick);
        QCOMPARE(bar.ButtonCount(), 11);
        for (int position = 1; position <= 11; ++position) {
            const ToolbarButton &button = bar.Buttons(position);
            QCOMPARE(button.Key(), barKeys.at(position - 1));
            QCOMPARE(button.isSeparator(), button.Key().isEmpty());
            if (!button.isSeparator())
                QCOMPARE(&bar.Buttons(button.Key()), &button);
            const bool usable = QList{2, 7, 9, 11}.contains(position);
            QCOMPARE(bar.click(position), usable);
            if (bar.buttonWidget(position)->isVisible())
                QTest::mouseClick(bar.buttonWidget(position), Qt::LeftButton);
            QCOMPARE(spy.count(), usable ? 2 : 0);
            for (const QList<QVariant> &arguments : std::as_const(spy))
                QCOMPARE(arguments.at(0).toString(), button.Key());
            spy.clear();
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons(12));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons("start"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.Buttons(QString())); // separators have no key
        QVERIFY(!bar.click(0) && !bar.click(12) && !bar.buttonWidget(12));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bar.addButton("Quit", QString(), QIcon()));
        bar.setEnabled(false);
        QVERIFY(!bar.click(2));
        QTest::mouseClick(bar.buttonWidget(2), Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
    }

    void toolbarSpansTheTopAndStaysAboveOtherControls()
    {
        MainWindowBars bars;
        Toolbar &bar = *bars.Toolbar1;
        // Made after the bar and overlapping it, as the title picture could.
        Label cover(bars.form, "lblCover", "cover");
        cover.Move(0, 0, 6000, 2000);
        bars.show();
        QWidget *hit = bars.form.clientArea()->childAt(twipsToPixelsX(3000), twipsToPixelsY(250));
        QVERIFY(hit == bar.widget() || bar.widget()->isAncestorOf(hit));
        QVERIFY(bar.widget()->sizeHint().height() <= bar.widget()->height()); // room for 24x24
        for (const double width : {11790, 15000}) {
            bars.form.setClientSize(width, 9000);
            QTRY_COMPARE(bar.widget()->width(), bars.form.clientArea()->width());
            QCOMPARE(bar.Width(), bars.form.ScaleWidth());
            QCOMPARE(bar.Height(), Toolbar::DefaultHeight);
        }
    }
};

QTEST_MAIN(TestMenusAndToolbar)
#include "tst_menus_and_toolbar.moc"
