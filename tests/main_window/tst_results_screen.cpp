#include "main_window_fixture.h"

#include "app/m_registry.h"
#include "draw/markup_scroller.h"
#include "forms/label.h"
#include "forms/menu_item.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/toolbar.h"
#include "main_window/frm_main.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

using namespace forms;

namespace {

bool startAllowed(const frmMain &main)
{
    return main.mnuStart->Enabled() && main.Toolbar1->Buttons(QStringLiteral("Start")).Enabled();
}

} // namespace

class TestResultsScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resultsCarryNameAndCounts_data();
    void resultsCarryNameAndCounts();
    void realScrollPausesAndLeavesTheResultsInView();
    void quitDuringTheScrollEndsTheProgram();

private:
    // Runs a whole test: time-outs first, then right and wrong answers. The last question ends
    // the test, which returns only after the results have scrolled.
    void runTest(int right, int wrong, int timeOuts);
    // The scroll on a clock of its own, one millisecond per pass; hook sees every pass.
    void useFastClock(std::function<void()> hook = {});

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<frmMain> m_main;
    quint32 m_tick = 0;
};

void TestResultsScreen::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_fixture->env.writeTestFile(MainWindowFixture::bank(171));
    m_main = std::make_unique<frmMain>();
    m_main->Load();
    QTRY_VERIFY_WITH_TIMEOUT(m_main->Visible(), 2000);
    m_main->Timer2->setInterval(3600 * 1000);
}

void TestResultsScreen::cleanup()
{
    m_main.reset();
    m_fixture.reset();
}

void TestResultsScreen::runTest(int right, int wrong, int timeOuts)
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    for (int i = 0; i < timeOuts; ++i) {
        while (main.Label3->Caption() != QStringLiteral("0"))
            main.Timer2_Timer();
        main.Timer2_Timer();
    }
    for (int i = 0; i < right + wrong; ++i) {
        const int correct = main.records.at(main.num - 1).rightAnswer;
        main.harc_Click(i < right ? correct : correct % 4 + 1);
        main.cmdNext_Click();
    }
}

void TestResultsScreen::useFastClock(std::function<void()> hook)
{
    MarkupScroller &scroller = m_main->resultsScroller();
    scroller.setClock([this] { return m_tick; });
    scroller.setIdle([this, hook] {
        ++m_tick;
        if (hook)
            hook();
    });
}

void TestResultsScreen::resultsCarryNameAndCounts_data()
{
    QTest::addColumn<QString>("name"); // null: no name stored
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("timeOuts");
    QTest::addColumn<QString>("line13");
    QTest::addColumn<QString>("line14");
    QTest::addColumn<QString>("line15");
    const QString dear = QStringLiteral(" Հարգելի %1 Ձեզ տրվել է 30 հարց, որից.");
    const QString rightLine = QStringLiteral("<B><cG> Ճիշտ պատասխանների թիվը - %1");
    const QString wrongLine = QStringLiteral("<B><cR> Սխալ պատասխանների թիվը - %1");
    QTest::newRow("mixed, no name") << QString() << 18 << 7 << 5 << dear.arg("User")
                                    << rightLine.arg(18) << wrongLine.arg(12);
    QTest::newRow("all timed out") << "Անի" << 0 << 0 << 30 << dear.arg("Անի") << rightLine.arg(0)
                                   << wrongLine.arg(30);
    QTest::newRow("name with placeholders") << "A<cor>B<wrong>" << 29 << 1 << 0
                                            << dear.arg("A29B1") << rightLine.arg(29)
                                            << wrongLine.arg(1);
}

void TestResultsScreen::resultsCarryNameAndCounts()
{
    QFETCH(QString, name);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(int, timeOuts);
    if (!name.isNull())
        mRegistry::WriteRegString(mRegistry::HKEY_CURRENT_USER, mRegistry::OptionsKey,
                                  QStringLiteral("UserName"), name);
    frmMain &main = *m_main;
    const QString unfilled = main.srcTextBox->Text();
    bool startAllowedDuringScroll = false;
    useFastClock([&] { startAllowedDuringScroll |= startAllowed(main) || !main.Scrolling; });
    runTest(right, wrong, timeOuts);

    QVERIFY(!startAllowedDuringScroll);
    QVERIFY(startAllowed(main) && !main.Scrolling);
    QCOMPARE(main.resultLines.size(), 20);
    QCOMPARE(main.lineIndex, 20);
    QTEST(main.resultLines.at(13), "line13");
    QTEST(main.resultLines.at(14), "line14");
    QTEST(main.resultLines.at(15), "line15");
    // Back to the template, so the next test fills it in afresh.
    QCOMPARE(main.srcTextBox->Text(), unfilled);
    QVERIFY(main.resultsTemplate.isEmpty());
}

// The program's own clock: the pause line holds the scroll for 2.5 s while events run, and the
// results stay in view when the scroll is over.
void TestResultsScreen::realScrollPausesAndLeavesTheResultsInView()
{
    frmMain &main = *m_main;
    QList<qint64> steps; // sampled every 50 ms
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, [&] { steps << main.resultsScroller().stepCount(); });
    sampler.start(50);
    QElapsedTimer elapsed;
    elapsed.start();
    runTest(30, 0, 0);
    QVERIFY(elapsed.elapsed() >= 2500);
    QVERIFY(std::count(steps.cbegin(), steps.cend(), steps.at(steps.size() / 2)) >= 45);
    QVERIFY(startAllowed(main));
    const QImage shown = main.iScroll->Image();
    QSet<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            colours.insert(shown.pixel(x, y) & 0xFFFFFF);
    QVERIFY(colours.contains(0x00FF00)); // right answers
    QVERIFY(colours.contains(0xFF0000)); // wrong answers
    QVERIFY(colours.contains(0x0000FF)); // the heading
}

void TestResultsScreen::quitDuringTheScrollEndsTheProgram()
{
    frmMain &main = *m_main;
    int passes = 0;
    useFastClock([&] {
        if (++passes == 100)
            main.Toolbar1_ButtonClick(QStringLiteral("Quit"));
    });
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, runTest(30, 0, 0));
    QVERIFY(main.Scrolling);
}

QTEST_MAIN(TestResultsScreen)
#include "tst_results_screen.moc"
