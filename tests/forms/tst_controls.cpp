#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/property_error.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/units.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace forms;

namespace {

class CountingForm : public Form
{
public:
    CountingForm() : Form(QStringLiteral("frmTest")) {}
    int loads = 0;
    int unloads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

// What the window system delivers for a double-click: press, release, double-click press, release.
void doubleClick(QWidget *widget, QPoint pos)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void twipsMapToPixelsAtNinetySixDpi();
    void geometryIsKeptAsSetAndRoundedOnScreen();
    void refusedSizesKeepTheOldValue();
    void ownVisibilitySurvivesHiddenContainer();
    void loadRunsOnceWithoutShowing();
    void closingTheWindowUnloads();
    void resizeReachesEverySubscriber();
    void optionGroupKeepsAtMostOneSelected();
    void programmaticSelectionNotifiesClickOnce();
    void optionDoubleClickComesAfterClickAndSelectsOnce();
    void textBoxDoubleClickComesAfterClick();
    void controlArrayCopiesFirstElement();
    void colourValuesReadBackAsSet();
    void systemColoursFollowPalette();
    void labelShowsMarkupLiterally();
    void timerOffAndOnRestartsInterval();
    void timerWithZeroIntervalNeverTicks();
};

void TestControls::twipsMapToPixelsAtNinetySixDpi()
{
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0);
    QCOMPARE(twipsPerPixelX(), 15.0);
    QCOMPARE(twipsToPixelsX(11790), 786);
    QCOMPARE(twipsToPixelsY(8280), 552);
    QCOMPARE(twipsToPixelsX(22), 1);  // 1.47 px
    QCOMPARE(twipsToPixelsX(23), 2);  // 1.53 px
    QCOMPARE(pixelsToTwipsY(33), 495.0);
}

void TestControls::geometryIsKeptAsSetAndRoundedOnScreen()
{
    Form form(QStringLiteral("f"));
    Label label(form, QStringLiteral("lbl"));
    label.Move(240.4, 840, 615.75, 495);
    QCOMPARE(label.Left(), 240.4);
    QCOMPARE(label.Width(), 615.75);
    QCOMPARE(label.widget()->geometry(), QRect(16, 56, 41, 33));
    form.setClientSize(11790, 8280);
    QCOMPARE(form.ScaleWidth(), 11790.0);
    QCOMPARE(form.ScaleHeight(), 8280.0);
}

void TestControls::refusedSizesKeepTheOldValue()
{
    Form form(QStringLiteral("f"));
    TextBox box(form, QStringLiteral("txt"), true);
    box.setWidth(300);
    box.setFontSize(12);
    QVERIFY_THROWS_EXCEPTION(PropertyError, box.setWidth(-1));
    QVERIFY_THROWS_EXCEPTION(PropertyError, box.setFontSize(0));
    QCOMPARE(box.Width(), 300.0);
    QCOMPARE(box.FontSize(), 12.0);
}

void TestControls::ownVisibilitySurvivesHiddenContainer()
{
    Form form(QStringLiteral("f"));
    Frame frame(form, QStringLiteral("Frame1"));
    Label inner(frame, QStringLiteral("lbl"));
    form.Show();
    frame.setVisible(false);
    QVERIFY(inner.Visible());
    QVERIFY(!inner.widget()->isVisible());
    inner.setVisible(false);
    frame.setVisible(true);
    QVERIFY(!inner.Visible());
}

void TestControls::loadRunsOnceWithoutShowing()
{
    CountingForm form;
    form.Load();
    form.Load();
    QCOMPARE(form.loads, 1);
    QVERIFY(!form.Visible());
    form.Show();
    QCOMPARE(form.loads, 1);
    QVERIFY(form.Visible());
}

void TestControls::closingTheWindowUnloads()
{
    CountingForm form;
    QSignalSpy unloaded(&form, &Form::Unloaded);
    form.Show();
    form.window()->close();
    QCOMPARE(form.unloads, 1);
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!form.Loaded());
    QVERIFY(!form.Visible());
    form.Show(); // loaded afresh
    QCOMPARE(form.loads, 2);
}

void TestControls::resizeReachesEverySubscriber()
{
    Form form(QStringLiteral("f"));
    form.setClientSize(3000, 3000);
    form.Show();
    int first = 0, second = 0;
    connect(&form, &Form::Resize, this, [&] { ++first; });
    connect(&form, &Form::Resize, this, [&] { ++second; });
    form.setClientSize(6000, 4500);
    QTRY_VERIFY(first > 0);
    QCOMPARE(first, second);
    QCOMPARE(form.ScaleWidth(), 6000.0);
    QCOMPARE(form.ScaleHeight(), 4500.0);
}

void TestControls::optionGroupKeepsAtMostOneSelected()
{
    Form form(QStringLiteral("f"));
    Frame frame(form, QStringLiteral("Frame2"));
    OptionButton a(frame, QStringLiteral("Option1")), b(frame, QStringLiteral("Option2"));
    OptionButton elsewhere(form, QStringLiteral("Other"));
    elsewhere.setValue(true);
    a.setValue(true);
    b.setValue(true);
    QVERIFY(!a.Value());
    QVERIFY(b.Value());
    QVERIFY(elsewhere.Value()); // another container is another group
    b.setValue(false);
    QVERIFY(!a.Value() && !b.Value());
    form.Show();
    a.widget()->resize(40, 20);
    QTest::mouseClick(a.widget(), Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(a.widget(), Qt::LeftButton, {}, QPoint(8, 10)); // clicking again keeps it
    QVERIFY(a.Value());
}

void TestControls::programmaticSelectionNotifiesClickOnce()
{
    Form form(QStringLiteral("f"));
    OptionButton a(form, QStringLiteral("Option1")), b(form, QStringLiteral("Option2"));
    QSignalSpy clicks(&a, &Control::Click);
    a.setValue(true);
    a.setValue(true);
    QCOMPARE(clicks.count(), 1);
    b.setValue(true);
    a.setValue(true);
    QCOMPARE(clicks.count(), 2);
}

void TestControls::optionDoubleClickComesAfterClickAndSelectsOnce()
{
    Form form(QStringLiteral("f"));
    OptionButton a(form, QStringLiteral("Option1"));
    a.Move(0, 0, 600, 300);
    form.Show();
    QStringList events;
    connect(&a, &Control::Click, this, [&] { events << QStringLiteral("click"); });
    connect(&a, &Control::DblClick, this, [&] {
        events << QStringLiteral("dbl");
        a.setValue(false); // what checking an answer does
    });
    doubleClick(a.widget(), QPoint(8, 10));
    QCOMPARE(events, (QStringList{QStringLiteral("click"), QStringLiteral("dbl")}));
    QVERIFY(!a.Value()); // the double-click's second press did not select it again
}

void TestControls::textBoxDoubleClickComesAfterClick()
{
    Form form(QStringLiteral("f"));
    TextBox box(form, QStringLiteral("harc1"), true);
    box.setLocked(true);
    box.Move(0, 0, 3000, 600);
    form.Show();
    QStringList events;
    connect(&box, &Control::Click, this, [&] { events << QStringLiteral("click"); });
    connect(&box, &Control::DblClick, this, [&] { events << QStringLiteral("dbl"); });
    QWidget *surface = box.widget()->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport"));
    QVERIFY(surface);
    doubleClick(surface, QPoint(20, 10));
    QCOMPARE(events, (QStringList{QStringLiteral("click"), QStringLiteral("dbl")}));
}

void TestControls::controlArrayCopiesFirstElement()
{
    Form form(QStringLiteral("f"));
    CommandButtonArray cmdAns(form, QStringLiteral("cmdAns"), 1, QStringLiteral("1"));
    cmdAns(1).Move(240, 840, 615, 495);
    cmdAns(1).setFontBold(true);
    cmdAns.Load(2);
    QCOMPARE(cmdAns.Count(), 2);
    QCOMPARE(cmdAns(2).Top(), 840.0);
    QCOMPARE(cmdAns(2).Width(), 615.0);
    QCOMPARE(cmdAns(2).Caption(), QStringLiteral("1"));
    QVERIFY(cmdAns(2).FontBold());
    QVERIFY(!cmdAns(2).Visible());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, cmdAns.Load(2));
    QSignalSpy clicks(&cmdAns, &CommandButtonArray::Click);
    cmdAns(2).click();
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
}

void TestControls::colourValuesReadBackAsSet()
{
    Form form(QStringLiteral("f"));
    TextBox box(form, QStringLiteral("harc1"), true);
    box.setForeColor(0x000000FF);
    box.setBackColor(SystemColor::ButtonFace);
    QCOMPARE(box.ForeColor(), ColorValue(0x000000FF));
    QCOMPARE(box.BackColor(), SystemColor::ButtonFace);
    QCOMPARE(box.widget()->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(resolveColor(rgb(0, 128, 128)), QColor(0, 128, 128));
}

void TestControls::systemColoursFollowPalette()
{
    const QPalette saved = QApplication::palette();
    Form form(QStringLiteral("f"));
    Label label(form, QStringLiteral("lbl"));
    label.setBackColor(SystemColor::ButtonFace);
    QPalette scheme = saved;
    scheme.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(scheme);
    QCoreApplication::processEvents();
    QCOMPARE(resolveColor(SystemColor::ButtonFace), QColor(10, 20, 30));
    QCOMPARE(label.widget()->palette().color(QPalette::Window), QColor(10, 20, 30));
    QApplication::setPalette(saved);
}

void TestControls::labelShowsMarkupLiterally()
{
    Form form(QStringLiteral("f"));
    Label label(form, QStringLiteral("lbl"), QStringLiteral("<b>x</b>\rline"));
    auto *qlabel = static_cast<QLabel *>(label.widget());
    QCOMPARE(qlabel->textFormat(), Qt::PlainText);
    QCOMPARE(qlabel->text(), QStringLiteral("<b>x</b>\nline"));
    QCOMPARE(label.Caption(), QStringLiteral("<b>x</b>\rline"));
}

void TestControls::timerOffAndOnRestartsInterval()
{
    Timer timer(this, QStringLiteral("Timer2"), 300, true);
    QSignalSpy ticks(&timer, &Timer::Tick);
    QTest::qWait(200);
    timer.setEnabled(false);
    timer.setEnabled(true);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(ticks.wait(1000));
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ticks.count(), 1);
    timer.setEnabled(true); // already on: keeps its phase
    QVERIFY(timer.isTicking());
}

void TestControls::timerWithZeroIntervalNeverTicks()
{
    Timer timer(this, QStringLiteral("TimerX"), 0, true);
    QVERIFY(!timer.isTicking());
    timer.setInterval(50);
    QVERIFY(timer.isTicking());
    timer.setEnabled(false);
    QVERIFY(!timer.isTicking());
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
