#include "layout/form_control_pos.h"

#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/text_box.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

using forms::Control;

namespace {

constexpr double DesignWidth = 11790;
constexpr double DesignHeight = 8280;

// Counts the assignments of its position or size, one per assigned property.
class CountingControl : public Control
{
public:
    explicit CountingControl(forms::Parent parent)
        : Control(parent, new QWidget, QStringLiteral("counter")) {}
    int geometryAssignments = 0;

protected:
    void applyGeometry() override
    {
        ++geometryAssignments;
        Control::applyGeometry();
    }
};

struct Snapshot
{
    double left, top, width, height, fontSize;
    explicit Snapshot(const Control &c)
        : left(c.Left()), top(c.Top()), width(c.Width()), height(c.Height()), fontSize(c.FontSize()) {}
    bool operator==(const Snapshot &) const = default;
};

} // namespace

class TestFormControlPos : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void doublingTheWindowDoublesEveryControl();
    void manyResizesBackToDesignSizeRestoreExactly();
    void leftAndTopFollowTheirMode_data();
    void leftAndTopFollowTheirMode();
    void halfChangeRoundsHalvesToEven_data();
    void halfChangeRoundsHalvesToEven();
    void fontFollowsHeightOnlyWhenHeightMoves_data();
    void fontFollowsHeightOnlyWhenHeightMoves();
    void maximiseRunsOnePassRestoreRunsTwo();
    void refusedSizeSkipsOnlyThatStep();
    void zeroHeightKeepsTheFont();
    void zeroWidthAtInitSkipsOnlyScaledHorizontalSteps();
    void registrationsBeforeInitAreDropped();

private:
    template<typename T, typename... Args>
    T *make(forms::Parent parent, double left, double top, double width, double height, Args... args)
    {
        auto *control = new T(parent, args...); // owned by its widget, which the form owns
        control->Move(left, top, width, height);
        return control;
    }
    void resizeTo(double width, double height);

    std::unique_ptr<forms::Form> m_form;
};

void TestFormControlPos::init()
{
    m_form = std::make_unique<forms::Form>(QStringLiteral("frmMain"));
    m_form->setClientSize(DesignWidth, DesignHeight);
    m_form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form->window()));
    QTRY_COMPARE(m_form->ScaleWidth(), DesignWidth);
    QTRY_COMPARE(m_form->ScaleHeight(), DesignHeight);
}

void TestFormControlPos::cleanup()
{
    m_form.reset();
}

void TestFormControlPos::resizeTo(double width, double height)
{
    QSignalSpy resized(m_form.get(), &forms::Form::Resize);
    m_form->setClientSize(width, height);
    QTRY_COMPARE(m_form->ScaleWidth(), width);
    QTRY_COMPARE(m_form->ScaleHeight(), height);
    QCoreApplication::processEvents();
    QVERIFY(!resized.isEmpty());
}

void TestFormControlPos::doublingTheWindowDoublesEveryControl()
{
    auto *frame = make<forms::Frame>(*m_form, 600, 900, 5400, 3000, QStringLiteral("Frame2"));
    QList<Control *> controls = {
        make<forms::Label>(*m_form, 120, 240, 11000, 1200, QStringLiteral("lblQuestion")),
        make<forms::TextBox>(*m_form, 1500, 4500, 7000, 615, QStringLiteral("harc1"), true),
        make<forms::CommandButton>(*m_form, 9960, 7440, 1455, 495, QStringLiteral("cmdNext")),
        frame,
        make<forms::OptionButton>(*frame, 120, 300, 255, 255, QStringLiteral("Option1")),
    };
    controls[0]->setFontSize(13.5);
    Form_ControlPos layout;
    layout.Init(*m_form);
    QList<Snapshot> before;
    for (Control *c : controls) {
        before << Snapshot(*c);
        layout.AddProportional(*c);
    }
    resizeTo(2 * DesignWidth, 2 * DesignHeight);
    for (int i = 0; i < controls.size(); ++i) {
        const Snapshot now(*controls[i]);
        QCOMPARE(now.left, 2 * before[i].left);
        QCOMPARE(now.top, 2 * before[i].top);
        QCOMPARE(now.width, 2 * before[i].width);
        QCOMPARE(now.height, 2 * before[i].height);
        QCOMPARE(now.fontSize, 2 * before[i].fontSize);
    }
}

void TestFormControlPos::manyResizesBackToDesignSizeRestoreExactly()
{
    QList<Control *> controls = {
        make<forms::Label>(*m_form, 120, 240, 11000, 1200, QStringLiteral("a")),
        make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("b")),
        make<forms::TextBox>(*m_form, 4000, 5000, 1300, 700, QStringLiteral("c"), false),
    };
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.AddProportional(*controls[0]);
    layout.Add(*controls[1], 1, 1, 1, 1, true);
    layout.Add(*controls[2], 3, 3, 3, 3, true);
    QList<Snapshot> before;
    for (Control *c : controls)
        before << Snapshot(*c);

    QRandomGenerator random(2004);
    for (int i = 0; i < 30; ++i) // some far below the design size, where sizes get refused
        resizeTo(15 * random.bounded(20, 1600), 15 * random.bounded(20, 1100));
    resizeTo(DesignWidth, DesignHeight);
    for (int i = 0; i < controls.size(); ++i)
        QVERIFY2(Snapshot(*controls[i]) == before[i], qPrintable(controls[i]->Name()));
}

void TestFormControlPos::leftAndTopFollowTheirMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("expectedLeft");
    QTest::addColumn<double>("expectedTop");
    QTest::newRow("0 stays") << 0 << 3000.0 << 2000.0;
    QTest::newRow("1 full change") << 1 << 3600.0 << 2600.0;
    QTest::newRow("2 scales") << 2 << 3000.0 * 12390 / 11790 << 2000.0 * 8880 / 8280;
    QTest::newRow("3 half change") << 3 << 3300.0 << 2300.0;
    QTest::newRow("other value stays") << 7 << 3000.0 << 2000.0;
}

void TestFormControlPos::leftAndTopFollowTheirMode()
{
    QFETCH(int, mode);
    QFETCH(double, expectedLeft);
    QFETCH(double, expectedTop);
    auto *label = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("lbl"));
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.Add(*label, mode, mode);
    resizeTo(DesignWidth + 600, DesignHeight + 600);
    QCOMPARE(label->Left(), expectedLeft);
    QCOMPARE(label->Top(), expectedTop);
    QCOMPARE(label->Width(), 900.0);
    QCOMPARE(label->Height(), 400.0);
}

void TestFormControlPos::halfChangeRoundsHalvesToEven_data()
{
    QTest::addColumn<double>("change");
    QTest::addColumn<double>("move");
    QTest::newRow("15 moves 8") << 15.0 << 8.0;
    QTest::newRow("45 moves 22") << 45.0 << 22.0;
    QTest::newRow("-15 moves -8") << -15.0 << -8.0;
    QTest::newRow("-45 moves -22") << -45.0 << -22.0;
    QTest::newRow("30 moves 15") << 30.0 << 15.0;
}

void TestFormControlPos::halfChangeRoundsHalvesToEven()
{
    QFETCH(double, change);
    QFETCH(double, move);
    auto *label = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("lbl"));
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.Add(*label, 3, 3, 3, 3);
    resizeTo(DesignWidth + change, DesignHeight + change);
    QCOMPARE(label->Left(), 3000 + move);
    QCOMPARE(label->Top(), 2000 + move);
    QCOMPARE(label->Width(), 900 + move);
    QCOMPARE(label->Height(), 400 + move);
    QCOMPARE(Form_ControlPos::roundHalfEven(-1.5), -2.0);
    QCOMPARE(Form_ControlPos::roundHalfEven(2.5), 2.0);
    QCOMPARE(Form_ControlPos::roundHalfEven(2.4999), 2.0);
}

void TestFormControlPos::fontFollowsHeightOnlyWhenHeightMoves_data()
{
    QTest::addColumn<int>("heightMode");
    QTest::addColumn<bool>("scaleFont");
    QTest::addColumn<double>("factor");
    QTest::newRow("height stays, font flag set") << 0 << true << 1.0;
    QTest::newRow("height follows change") << 1 << true << 2.0;
    QTest::newRow("height follows half change") << 3 << true << 2.0;
    QTest::newRow("height scales, no font flag") << 2 << false << 1.0;
}

void TestFormControlPos::fontFollowsHeightOnlyWhenHeightMoves()
{
    QFETCH(int, heightMode);
    QFETCH(bool, scaleFont);
    QFETCH(double, factor);
    auto *label = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("lbl"));
    label->setFontSize(12);
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.Add(*label, 2, 2, 2, heightMode, scaleFont);
    resizeTo(DesignWidth * 3, DesignHeight * 2);
    QCOMPARE(label->FontSize(), 12 * factor);
    QCOMPARE(label->Left(), 9000.0);
}

void TestFormControlPos::maximiseRunsOnePassRestoreRunsTwo()
{
    auto *counter = new CountingControl(*m_form);
    counter->Move(3000, 2000, 900, 400);
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.Add(*counter, 1); // one assignment per pass
    QSignalSpy resized(m_form.get(), &forms::Form::Resize);

    int passes = 0;
    auto changeState = [&](int state) {
        resized.clear();
        const int before = counter->geometryAssignments;
        m_form->setWindowState(state);
        QTRY_COMPARE(m_form->WindowState(), state);
        QTRY_VERIFY(!resized.isEmpty());
        QTest::qWait(50);
        passes = counter->geometryAssignments - before;
    };
    changeState(forms::Form::Maximized);
    QCOMPARE(passes, resized.count());
    QVERIFY(m_form->ScaleWidth() != DesignWidth);
    QCOMPARE(counter->Left(), 3000 + m_form->ScaleWidth() - DesignWidth);

    changeState(forms::Form::Normal);
    QCOMPARE(passes, resized.count() + 1);
    QCOMPARE(m_form->ScaleWidth(), DesignWidth);
    QCOMPARE(counter->Left(), 3000.0);
}

void TestFormControlPos::refusedSizeSkipsOnlyThatStep()
{
    auto *narrow = make<forms::Label>(*m_form, 3000, 2000, 300, 2000, QStringLiteral("narrow"));
    narrow->setFontSize(10);
    auto *after = make<forms::Label>(*m_form, 1000, 1000, 1000, 1000, QStringLiteral("after"));
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.Add(*narrow, 1, 1, 1, 1, true);
    layout.AddProportional(*after);

    resizeTo(DesignWidth - 600, DesignHeight - 1035);
    QCOMPARE(narrow->Left(), 2400.0);
    QCOMPARE(narrow->Top(), 965.0);
    QCOMPARE(narrow->Width(), 300.0); // 300 - 600 refused
    QCOMPARE(narrow->Height(), 965.0);
    QCOMPARE(narrow->FontSize(), 8.75);
    QCOMPARE(after->Height(), 875.0);
    QCOMPARE(after->Width(), 1000.0 * 11190 / 11790);
}

void TestFormControlPos::zeroHeightKeepsTheFont()
{
    auto *label = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("lbl"));
    label->setFontSize(10);
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.AddProportional(*label);
    resizeTo(DesignWidth * 2, 0);
    QCOMPARE(label->FontSize(), 10.0);
    QCOMPARE(label->Height(), 0.0);
    QCOMPARE(label->Width(), 1800.0);
}

void TestFormControlPos::zeroWidthAtInitSkipsOnlyScaledHorizontalSteps()
{
    resizeTo(0, DesignHeight);
    auto *scaled = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("scaled"));
    auto *shifted = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("shifted"));
    Form_ControlPos layout;
    layout.Init(*m_form);
    layout.AddProportional(*scaled);
    layout.Add(*shifted, 1, 1);
    resizeTo(600, DesignHeight * 2);
    QCOMPARE(scaled->Left(), 3000.0);
    QCOMPARE(scaled->Width(), 900.0);
    QCOMPARE(scaled->Top(), 4000.0);
    QCOMPARE(scaled->Height(), 800.0);
    QCOMPARE(shifted->Left(), 3600.0);
}

void TestFormControlPos::registrationsBeforeInitAreDropped()
{
    auto *early = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("early"));
    auto *dropped = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("dropped"));
    auto *kept = make<forms::Label>(*m_form, 3000, 2000, 900, 400, QStringLiteral("kept"));
    Form_ControlPos layout;
    QCOMPARE(layout.Add(*early, 1, 1), 0);
    resizeTo(DesignWidth + 600, DesignHeight);
    QCOMPARE(early->Left(), 3000.0);

    QCOMPARE(layout.Init(*m_form), 0);
    layout.Add(*dropped, 1, 1);
    layout.Init(*m_form); // at the new size
    layout.Add(*kept, 1, 1);
    resizeTo(DesignWidth + 1200, DesignHeight);
    QCOMPARE(early->Left(), 3000.0);
    QCOMPARE(dropped->Left(), 3000.0);
    QCOMPARE(kept->Left(), 3600.0);
}

QTEST_MAIN(TestFormControlPos)
#include "tst_form_control_pos.moc"
