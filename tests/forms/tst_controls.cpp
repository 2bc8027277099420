#include "forms/combo_box.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/image_combo.h"
#include "forms/image_list.h"
#include "forms/label.h"
#include "forms/list_view.h"
#include "forms/option_button.h"
#include "forms/property_error.h"
#include "forms/tab_strip.h"
#include "forms/text_box.h"
#include "forms/timer.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace forms;

namespace {

class CountingForm : public Form
{
public:
    CountingForm() : Form("frmTest") {}

    int loads = 0, unloads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

QComboBox *comboOf(const Control &control)
{
    return qobject_cast<QComboBox *>(control.widget());
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT
    std::unique_ptr<Form> m_form;

private slots:
    void init() { m_form = std::make_unique<Form>("frmTest"); }

    // Edges are rounded, not sizes: 22.4 twips are 1.49 pixels at 96 dpi, 44.8 twips 2.99.
    void twipsRoundToTheNearestPixelAtEachEdgeAndLabelsShowPlainText()
    {
        Label label(*m_form, "lbl", "<b>x</b>\rline"); // markup shows as it is
        QCOMPARE(static_cast<QLabel *>(label.widget())->textFormat(), Qt::PlainText);
        QCOMPARE(static_cast<QLabel *>(label.widget())->text(), "<b>x</b>\nline");
        label.Move(22.4, 22.4, 22.4, 22.4);
        label.setFontSize(12);
        QCOMPARE(label.widget()->geometry(), QRect(1, 1, 2, 2));
        QVERIFY_THROWS_EXCEPTION(PropertyError, label.setWidth(-1));
        QVERIFY_THROWS_EXCEPTION(PropertyError, label.setFontSize(0));
        QCOMPARE(label.Width(), 22.4); // kept as set
        QCOMPARE(label.FontSize(), 12.0);
    }

    void ownVisibilitySurvivesHiddenContainer()
    {
        Frame frame(*m_form, "Frame1");
        Label inner(frame, "lbl");
        inner.Move(300, 150, 600, 300);
        QCOMPARE(inner.widget()->parentWidget(), frame.widget());
        QCOMPARE(inner.widget()->geometry(), QRect(20, 10, 40, 20));
        m_form->Show();
        frame.setVisible(false);
        QVERIFY(inner.Visible());
        QVERIFY(!inner.widget()->isVisible());
        inner.setVisible(false);
        frame.setVisible(true);
        QVERIFY(!inner.Visible());
    }

    void formLoadsOnceAndUnloadsWhenClosed()
    {
        CountingForm form;
        QSignalSpy unloaded(&form, &Form::Unloaded);
        form.Load();
        form.Load();
        QCOMPARE(form.loads, 1);
        QVERIFY(!form.Visible());
        form.Show();
        form.window()->close();
        QCOMPARE(form.unloads, 1);
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!form.Loaded() && !form.Visible());
        form.Show(); // loaded afresh
        QCOMPARE(form.loads, 2);
    }

    void optionGroupKeepsAtMostOneSelected()
    {
        Frame frame(*m_form, "Frame2");
        OptionButton a(frame, "Option1"), b(frame, "Option2"), elsewhere(*m_form, "Other");
        QSignalSpy clicks(&a, &Control::Click);
        elsewhere.setValue(true);
        a.setValue(true);
        a.setValue(true);
        QCOMPARE(clicks.count(), 1); // selecting in code notifies once
        b.setValue(true);
        QVERIFY(!a.Value() && b.Value());
        QVERIFY(elsewhere.Value()); // another container is another group
        b.setValue(false);
        QVERIFY(!a.Value() && !b.Value());
        m_form->Show();
        a.Move(0, 0, 600, 300);
        for (int click = 0; click < 2; ++click) // clicking again keeps it
            QTest::mouseClick(a.widget(), Qt::LeftButton, {}, QPoint(8, 10));
        QVERIFY(a.Value());
    }

    void doubleClickComesAfterOneClick()
    {
        OptionButton option(*m_form, "Option1");
        option.Move(0, 0, 600, 300);
        TextBox box(*m_form, "harc1", true);
        box.setLocked(true);
        box.Move(0, 600, 3000, 600);
        m_form->Show();
        QStringList events;
        for (Control *control : {static_cast<Control *>(&option), static_cast<Control *>(&box)}) {
            connect(control, &Control::Click, this, [&] { events << "click"; });
            connect(control, &Control::DblClick, this, [&] { events << "dbl"; });
        }
        connect(&option, &Control::DblClick, this, [&] { option.setValue(false); }); // as checking does
        for (QWidget *widget : {option.widget(), box.widget()->findChild<QWidget *>("qt_scrollarea_viewport")}) {
            events.clear();
            // What the window system delivers: press, release, double-click press, release.
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, 10));
            QTest::mouseDClick(widget, Qt::LeftButton, {}, QPoint(8, 10));
            QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(8, 10));
            QCOMPARE(events, (QStringList{"click", "dbl"}));
            QVERIFY(!option.Value()); // the second press did not select it again
        }
    }

    void coloursReadBackAsSetAndSystemOnesFollowThePalette()
    {
        TextBox box(*m_form, "harc1", true);
        box.setForeColor(0x000000FF);
        box.setBackColor(SystemColor::ButtonFace);
        QCOMPARE(box.BackColor(), SystemColor::ButtonFace); // the number, not what it shows now
        QCOMPARE(box.widget()->palette().color(QPalette::Text), QColor(255, 0, 0));
        const QPalette saved = QApplication::palette();
        QPalette scheme = saved;
        scheme.setColor(QPalette::Button, QColor(10, 20, 30));
        QApplication::setPalette(scheme);
        QCoreApplication::processEvents();
        QCOMPARE(box.widget()->palette().color(QPalette::Base), QColor(10, 20, 30));
        QApplication::setPalette(saved);
    }

    void timerOffAndOnRestartsIntervalAndZeroNeverTicks()
    {
        Timer timer(this, "Timer2", 300, true);
        QSignalSpy ticks(&timer, &Timer::Tick);
        QTest::qWait(200); // two thirds of the interval go by
        // On a busy machine the first tick may have come by now: only the next one counts.
        ticks.clear();
        QElapsedTimer sinceRestart;
        sinceRestart.start();
        timer.setEnabled(false);
        timer.setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(!ticks.isEmpty(), 10000);
        QCOMPARE_GE(sinceRestart.elapsed(), 300); // not 100 ms after: the interval starts again
        Timer idle(this, "TimerX", 0, true);
        QVERIFY(!idle.isTicking());
    }

    void comboKeepsTextThatIsNoItem()
    {
        ComboBox combo(*m_form, "Combo1");
        for (const char *item : {"60", "120", "180"})
            combo.AddItem(item);
        QCOMPARE(combo.Text(), QString()); // filling the list does not fill the field
        combo.setText("999");
        QCOMPARE(combo.Text(), "999");
        QVERIFY(combo.ListIndex() == -1 && combo.ListCount() == 3);
    }

    // Entries count from 1; an index out of range selects nothing, clearing an earlier choice.
    void choosersCountFromOneAndSelectNothingOutOfRange()
    {
        ImageList images;
        QImage swatch(88, 12, QImage::Format_RGB32);
        swatch.fill(Qt::blue);
        images.Add("BLUE", swatch);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, images.Add("BLUE", swatch)); // keys are unique
        ImageCombo chooser(*m_form, "ImageCombo4");
        chooser.setImageList(&images);
        for (const QString key : {"NAVY", "BLUE"})
            chooser.AddItem(key, key.toLower(), key);
        QCOMPARE(comboOf(chooser)->iconSize(), QSize(88, 12)); // pictures at their own size
        QVERIFY(comboOf(chooser)->itemIcon(0).isNull());       // no such picture
        QCOMPARE(chooser.SelectedIndex(), 0);                  // filling selects nothing
        for (const auto &[index, key] : {std::pair{2, "BLUE"}, {0, ""}, {3, ""}, {-3, ""}}) {
            chooser.setSelectedIndex(1);
            chooser.setSelectedIndex(index);
            QCOMPARE(chooser.SelectedIndex(), *key ? index : 0);
            QCOMPARE(chooser.SelectedKey(), key);
            QCOMPARE(chooser.SelectedText(), QString(key).toLower());
        }
        ListView list(*m_form, "ListView1");
        list.setImageList(&images);
        QCOMPARE(list.AddItem("    Microsoft Word 2000", 1), 1);
        list.setSelectedIndex(1);
        QCOMPARE(list.SelectedIndex(), 1);
        list.setSelectedIndex(2);
        QCOMPARE(list.SelectedIndex(), 0);
    }

    // Only the user's choice is a click; choosing in code, as loading the settings does, is not.
    void choosersClickOnlyWhenTheUserPicks()
    {
        ComboBox combo(*m_form, "nameFont");
        ImageCombo chooser(*m_form, "ImageCombo1");
        TabStrip tabs(*m_form, "TabStrip1");
        QSignalSpy comboClicks(&combo, &ComboBox::Click), chooserClicks(&chooser, &ImageCombo::Click),
            tabClicks(&tabs, &TabStrip::Click);
        for (const char *item : {"Arial", "Bararan"}) {
            combo.AddItem(item);
            chooser.AddItem(item, item);
            tabs.AddTab(item);
        }
        combo.setText("Bararan");
        chooser.setSelectedIndex(2);
        tabs.setSelectedIndex(2);
        QCOMPARE(comboClicks.count() + chooserClicks.count() + tabClicks.count(), 0);
        QTest::keyClick(combo.widget(), Qt::Key_Up);
        QTest::keyClick(chooser.widget(), Qt::Key_Up);
        tabs.tabBar()->setCurrentIndex(0); // as a click on the first tab does
        QCOMPARE(comboClicks.count() + chooserClicks.count() + tabClicks.count(), 3);
        QCOMPARE(combo.Text() + chooser.SelectedKey() + tabs.SelectedCaption(), "ArialArialArial");
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
