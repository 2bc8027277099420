#include "layout/form_control_pos.h"

#include "forms/form.h"
#include "forms/label.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using layout::Form_ControlPos;

using forms::Control;

namespace {

constexpr double DesignWidth = 11790;
constexpr double DesignHeight = 8280;

// Counts the assignments of its position or size, one per assigned property.
struct CountingControl : Control
{
    explicit CountingControl(forms::Parent parent) : Control(parent, new QWidget, QStringLiteral("counter")) {}
    void applyGeometry() override { ++assignments, Control::applyGeometry(); }

    int assignments = 0;
};

} // namespace

class TestFormControlPos : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_form = std::make_unique<forms::Form>(QStringLiteral("frmMain"));
        m_form->setClientSize(DesignWidth, DesignHeight);
        m_form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form->window()));
    }

    void cleanup() { m_form.reset(); }

    // A label at (3000, 2000), 900 x 400 twips in a 12 point font, is registered in a window of
    // 11790 x 8280 twips (of no width for setup 3); the window is halved, then resized to the
    // size. The expected twips are worked out by hand from the edge modes.
    void resizeMovesEachEdgeByItsMode_data()
    {
        QTest::addColumn<QList<int>>("modes"); // left, top, width, height, font flag
        QTest::addColumn<int>("setup"); // registered after Init, before it, before a second Init; no width at Init
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QList<double>>("expected"); // left, top, width, height, font size
        auto row = [](const char *name, QList<int> modes, QSizeF size, QList<double> expected, int setup = 0) {
            QTest::newRow(name) << modes << setup << size << expected;
        };
        const double w = DesignWidth, h = DesignHeight;
        row("0 stays, font too", {0, 0, 0, 0, 1}, {2 * w, 2 * h}, {3000, 2000, 900, 400, 12});
        row("1 follows the change", {1, 1, 1, 1, 0}, {w + 600, h + 600}, {3600, 2600, 1500, 1000, 12});
        row("1, font follows the height", {1, 1, 1, 1, 1}, {w, 2 * h}, {3000, 10280, 900, 8680, 24});
        row("2 scales, font too", {2, 2, 2, 2, 1}, {3 * w, 2 * h}, {9000, 4000, 2700, 800, 24});
        row("3 half change, 22.5 and 7.5 to even", {3, 3, 3, 3, 0}, {w + 45, h + 15}, {3022, 2008, 922, 408, 12});
        row("3 half change, -22.5 and -7.5 to even", {3, 3, 3, 3, 0}, {w - 45, h - 15}, {2978, 1992, 878, 392, 12});
        row("other modes stay", {7, 7, 7, 7, 0}, {w + 600, h + 600}, {3000, 2000, 900, 400, 12});
        row("refused width and height skip only their steps", {1, 1, 1, 1, 1}, {w - 1200, h - 1035},
            {1800, 965, 900, 400, 10.5});
        row("zero height keeps the last font", {2, 2, 2, 2, 1}, {2 * w, 0}, {6000, 0, 1800, 0, 6});
        row("no width at Init, scaled edges stay", {2, 2, 2, 2, 1}, {600, 2 * h}, {3000, 4000, 900, 800, 24}, 3);
        row("no width at Init, changes apply", {1, 1, 0, 0, 0}, {600, 2 * h}, {3600, 10280, 900, 400, 12}, 3);
        row("registered before Init", {1, 1, 1, 1, 1}, {w + 600, 2 * h}, {3000, 2000, 900, 400, 12}, 1);
        row("dropped by a second Init", {1, 1, 1, 1, 1}, {w + 600, 2 * h}, {3000, 2000, 900, 400, 12}, 2);
    }

    void resizeMovesEachEdgeByItsMode()
    {
        QFETCH(QList<int>, modes);
        QFETCH(int, setup);
        QFETCH(QSizeF, size);
        QFETCH(QList<double>, expected);
        resizeTo(setup == 3 ? 0 : DesignWidth, DesignHeight);
        auto *label = new forms::Label(*m_form, QStringLiteral("lbl")); // the form owns it
        label->Move(3000, 2000, 900, 400);
        label->setFontSize(12);
        Form_ControlPos layout;
        auto add = [&] { layout.Add(*label, modes[0], modes[1], modes[2], modes[3], modes[4]); };
        if (setup == 1)
            add();
        QCOMPARE(layout.Init(*m_form), 0);
        if (setup != 1)
            add();
        if (setup == 2)
            layout.Init(*m_form);
        resizeTo(DesignWidth / 2, DesignHeight / 2);
        resizeTo(size.width(), size.height());
        QCOMPARE(QList<double>({label->Left(), label->Top(), label->Width(), label->Height(), label->FontSize()}),
                 expected);
    }

    void maximiseRunsOnePassRestoreRunsTwo()
    {
        auto *counter = new CountingControl(*m_form);
        counter->Move(3000, 2000, 900, 400);
        Form_ControlPos layout;
        layout.Init(*m_form);
        layout.Add(*counter, 1); // one assignment per pass
        QSignalSpy resized(m_form.get(), &forms::Form::Resize);
        for (int state : {forms::Form::Maximized, forms::Form::Normal}) {
            resized.clear();
            const int before = counter->assignments;
            m_form->setWindowState(state);
            QTRY_COMPARE(m_form->WindowState(), state);
            // Maximised, the window is as wide as the screen, wider than designed; restored, as designed.
            QTRY_COMPARE(m_form->ScaleWidth() == DesignWidth, state == forms::Form::Normal);
            QCOMPARE(counter->assignments - before, resized.count() + (state == forms::Form::Normal));
            QCOMPARE(counter->Left(), 3000 + m_form->ScaleWidth() - DesignWidth);
        }
    }

private:
    void resizeTo(double width, double height)
    {
        m_form->setClientSize(width, height);
        QTRY_COMPARE(m_form->ScaleWidth(), width);
        QTRY_COMPARE(m_form->ScaleHeight(), height);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<forms::Form> m_form;
};

QTEST_MAIN(TestFormControlPos)
#include "tst_form_control_pos.moc"
