#include "main_window_fixture.h"

#include "app/m_registry.h"
#include "forms/command_button.h"
#include "forms/label.h"
#include "forms/menu_item.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/toolbar.h"
#include "main_window/frm_main.h"

#include <QTest>
#include <memory>

using namespace forms;

namespace {

void store(const QString &name, const QString &value)
{
    mRegistry::WriteRegString(mRegistry::HKEY_CURRENT_USER, mRegistry::OptionsKey, name, value);
}

bool toolbarShows(const frmMain &main, const char *key)
{
    return main.Toolbar1->Buttons(QString::fromLatin1(key)).Visible();
}

} // namespace

class TestTestRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startShowsTheRunningLook();
    void stopByButtonMenuOrToolbarGivesTheSameIdleLook_data();
    void stopByButtonMenuOrToolbarGivesTheSameIdleLook();
    void doubleClickOnTitleStartsTest();
    void aTestCanBePausedOnce();
    void pauseCountdownResumesAtExactlyZero_data();
    void pauseCountdownResumesAtExactlyZero();
    void clickingAnswerTextHighlightsItsRow();
    void choosingAnotherAnswerMovesTheHighlight();
    void nextWithoutSelectionChangesNothing();
    void firstRightAnswerWritesStatus();
    void thirtyRightAnswersEndTheTest();
    void timeOutsCountTowardsTheThirty();
    void thirtyTimeOutsEndTheTestWithNoAttempts();
    void timeOutDeselectsAnswerAndLeavesNextEnabled();
    void rightAnswerBeforeLastRecordKeepsTheQuestion();
    void doubleClickOnAnswerChecksIt();
    void quitDuringPauseEndsProgram();

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<frmMain> m_main;
    void answer(bool right);
    void timeOut();
};

void TestTestRun::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_fixture->env.writeTestFile(MainWindowFixture::bank(171));
    m_main = std::make_unique<frmMain>();
    m_main->Load();
    QTRY_VERIFY_WITH_TIMEOUT(m_main->Visible(), 2000);
    // Ticks are driven by the tests.
    m_main->Timer2->setInterval(3600 * 1000);
    m_main->Timer3->setInterval(3600 * 1000);
}

void TestTestRun::cleanup()
{
    m_main.reset();
    m_fixture.reset();
}

void TestTestRun::answer(bool right)
{
    const int correct = m_main->records.at(m_main->num - 1).rightAnswer;
    const int k = right ? correct : correct % 4 + 1;
    m_main->harc_Click(k);
    m_main->cmdNext_Click();
}

void TestTestRun::timeOut()
{
    while (m_main->Label3->Caption() != QStringLiteral("0"))
        m_main->Timer2_Timer();
    m_main->Timer2_Timer();
}

void TestTestRun::startShowsTheRunningLook()
{
    m_main->mnuStart->trigger();
    frmMain &main = *m_main;
    QVERIFY(!main.splashik->Visible());
    QVERIFY(main.lblQuestion->Visible() && main.Option3->Visible() && main.Picture4->Visible());
    QCOMPARE(main.cmdStart->Caption(), QStringLiteral("Stop"));
    QCOMPARE(main.mnuStart->Caption(), QStringLiteral("Stop"));
    QVERIFY(main.Timer2->Enabled());
    QVERIFY(!toolbarShows(main, "Start") && toolbarShows(main, "Stop"));
    QVERIFY(main.Toolbar1->Buttons(QStringLiteral("Pause")).Enabled());
    QVERIFY(main.cmdPouse->Enabled());
    QCOMPARE(main.Picture4->Tag(), QStringLiteral("0"));
    QCOMPARE(main.Label3->Caption(), QStringLiteral("60"));
    QCOMPARE(main.Label2->Caption(), QStringLiteral("16"));
    for (int i = 1; i <= 4; ++i)
        QVERIFY(!(*main.cmdAns)(i).Visible() && (*main.cmdAns)(i).Enabled());
}

void TestTestRun::stopByButtonMenuOrToolbarGivesTheSameIdleLook_data()
{
    QTest::addColumn<int>("route");
    QTest::newRow("button") << 0;
    QTest::newRow("menu") << 1;
    QTest::newRow("toolbar") << 2;
}

void TestTestRun::stopByButtonMenuOrToolbarGivesTheSameIdleLook()
{
    QFETCH(int, route);
    frmMain &main = *m_main;
    main.mnuStart_Click();
    answer(true);
    if (route == 0)
        main.cmdStart->click();
    else if (route == 1)
        main.mnuStart->trigger();
    else
        QVERIFY(main.Toolbar1->click(3));
    QVERIFY(main.splashik->Visible());
    QCOMPARE(main.cmdStart->Caption(), QStringLiteral("Start"));
    QCOMPARE(main.mnuStart->Caption(), QStringLiteral("Start"));
    QVERIFY(!main.Timer2->Enabled());
    QVERIFY(toolbarShows(main, "Start") && !toolbarShows(main, "Stop"));
    QVERIFY(!main.Toolbar1->Buttons(QStringLiteral("Pause")).Enabled());
    QCOMPARE(main.numCorrect, qint16(1)); // counters stay until the next start
}

void TestTestRun::doubleClickOnTitleStartsTest()
{
    QTest::mouseDClick(m_main->splashik->widget(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(m_main->mnuStart->Caption(), QStringLiteral("Stop"));
    QVERIFY(!m_main->splashik->Visible());
}

void TestTestRun::aTestCanBePausedOnce()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    main.Timer2_Timer();
    QVERIFY(main.Toolbar1->click(4));
    QCOMPARE(main.cmdPouse->Caption(), QStringLiteral("Resume"));
    QVERIFY(main.splashik->Visible() && main.lblpause->Visible());
    QCOMPARE(main.lblpause->Caption(), QStringLiteral("180"));
    QVERIFY(!main.Timer2->Enabled() && main.Timer3->Enabled());
    QVERIFY(!main.mnuStart->Visible() && main.mnuResume->Visible());
    QVERIFY(!toolbarShows(main, "Stop") && !toolbarShows(main, "Pause") && toolbarShows(main, "Resume"));

    QTest::mouseDClick(main.lblpause->widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!main.splashik->Visible());
    QCOMPARE(main.Label3->Caption(), QStringLiteral("59")); // the question's seconds are intact
    QVERIFY(main.Timer2->Enabled() && !main.Timer3->Enabled());
    QCOMPARE(main.mnuStart->Caption(), QStringLiteral("Stop")); // the double-click started nothing
    QVERIFY(!main.cmdPouse->Enabled());
    QVERIFY(toolbarShows(main, "Pause") && !main.Toolbar1->Buttons(QStringLiteral("Pause")).Enabled());

    main.mnuStart_Click(); // stop
    main.mnuStart_Click();
    QVERIFY(main.cmdPouse->Enabled() && main.Toolbar1->Buttons(QStringLiteral("Pause")).Enabled());
}

void TestTestRun::pauseCountdownResumesAtExactlyZero_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("resumes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two seconds") << QStringLiteral("2") << 2 << true << QStringLiteral("0");
    QTest::newRow("zero waits") << QStringLiteral("0") << 3 << false << QStringLiteral("-3");
    QTest::newRow("fraction never hits zero") << QStringLiteral("1.5") << 3 << false << QStringLiteral("-1.5");
}

void TestTestRun::pauseCountdownResumesAtExactlyZero()
{
    QFETCH(QString, stored);
    QFETCH(int, ticks);
    QFETCH(bool, resumes);
    QFETCH(QString, shown);
    store(QStringLiteral("PauseTime"), stored);
    m_main->mnuStart_Click();
    m_main->cmdPouse_Click();
    for (int i = 0; i < ticks; ++i)
        m_main->Timer3_Timer();
    QCOMPARE(m_main->mnuResume->Visible(), !resumes);
    if (!resumes)
        QCOMPARE(m_main->lblpause->Caption(), shown);
}

void TestTestRun::clickingAnswerTextHighlightsItsRow()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    QTest::mouseClick(main.harc3->widget()->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport")),
                      Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(main.Option3->Value());
    QVERIFY(main.cmdNext->Enabled() && main.cmdNext->hasFocus());
    QCOMPARE(main.harc3->BackColor(), rgb(255, 0, 0));
    QCOMPARE(main.harc3->ForeColor(), SystemColor::Window);
    QCOMPARE(main.Picture7->BackColor(), rgb(255, 0, 0));
    QVERIFY(main.harc3->FontBold() && main.Option3->FontBold());
    for (int k : {1, 2, 4}) {
        QCOMPARE(main.harc(k).BackColor(), SystemColor::ButtonFace);
        QCOMPARE(main.Option(k).ForeColor(), SystemColor::WindowText);
        QVERIFY(!main.harc(k).FontBold());
    }
}

void TestTestRun::choosingAnotherAnswerMovesTheHighlight()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    main.harc_Click(1);
    const QImage numberOne = main.Picture5->Image();
    main.harc_Click(4);
    QVERIFY(!main.Option1->Value() && main.Option4->Value());
    QCOMPARE(main.harc1->BackColor(), SystemColor::ButtonFace);
    QVERIFY(!main.harc1->FontBold() && main.harc4->FontBold());
    QCOMPARE(main.Picture8->BackColor(), rgb(255, 0, 0));
    QVERIFY(main.Picture5->Image() != numberOne); // redrawn on the plain background
}

void TestTestRun::nextWithoutSelectionChangesNothing()
{
    m_main->mnuStart_Click();
    const QImage badge = m_main->Picture6->Image();
    const QString shown = m_main->lblQuestNum->Caption();
    m_main->cmdNext_Click();
    QCOMPARE(m_main->numTries, qint16(0));
    QCOMPARE(m_main->lblQuestNum->Caption(), shown);
    QCOMPARE(m_main->Picture6->Image(), badge);
}

void TestTestRun::firstRightAnswerWritesStatus()
{
    m_main->mnuStart_Click();
    answer(true);
    QCOMPARE(m_main->lblStatus->Caption(),
             QStringLiteral("You got 1 answers right.\rYou got 0 answers wrong.\rYour attempts were 1\r171 questions available."));
    QCOMPARE(m_main->lblAnswerStat->Caption(), QStringLiteral("CORRECT ANSWER:"));
    QCOMPARE(m_main->lblAnswerStat->BackColor(), SystemColor::Window);
    QVERIFY(!m_main->cmdNext->Enabled());
    answer(false);
    QCOMPARE(m_main->lblAnswerStat->Caption(), QStringLiteral("WRONG ANSWER DUDE."));
    QCOMPARE(m_main->Picture1->BackColor(), rgb(255, 0, 0));
    QCOMPARE(m_main->Label3->Caption(), QStringLiteral("60"));
}

void TestTestRun::thirtyRightAnswersEndTheTest()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    for (int i = 1; i <= 29; ++i)
        answer(i % 3 != 0);
    QCOMPARE(main.cmdNext->Caption(), QStringLiteral("Finish"));
    QCOMPARE(main.questionOrdinal(), 30);
    QVERIFY(main.mnuStart->Enabled());
    answer(true);
    QCOMPARE(main.numTries, qint16(30));
    QCOMPARE(main.numCorrect + main.numWrong, 30);
    // The results have scrolled past and a new test can be started.
    QVERIFY(!main.Timer2->Enabled());
    QVERIFY(main.splashik->Visible());
    QVERIFY(main.mnuStart->Enabled());
    QCOMPARE(main.mnuStart->Caption(), QStringLiteral("Start"));
    QCOMPARE(main.cmdStart->Caption(), QStringLiteral("Start"));
    QVERIFY(main.Toolbar1->Buttons(2).Enabled() && main.Toolbar1->Buttons(2).Visible());
    QVERIFY(!main.Toolbar1->Buttons(3).Visible());
}

void TestTestRun::timeOutsCountTowardsTheThirty()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    for (int i = 0; i < 4; ++i)
        timeOut();
    QCOMPARE(main.Picture4->Tag(), QStringLiteral("4"));
    QCOMPARE(main.Text1->Text(), QStringLiteral("4"));
    QCOMPARE(main.Label3->Caption(), QStringLiteral("59"));
    for (int i = 1; i <= 24; ++i)
        answer(true);
    QCOMPARE(main.cmdNext->Caption(), QStringLiteral("Next"));
    answer(true);
    QCOMPARE(main.cmdNext->Caption(), QStringLiteral("Finish"));
    answer(false);
    QVERIFY(!main.Timer2->Enabled());
    QVERIFY(main.splashik->Visible());
    QCOMPARE(main.numTries, qint16(26));
}

void TestTestRun::thirtyTimeOutsEndTheTestWithNoAttempts()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    int ticks = 0;
    while (main.Timer2->Enabled() && ticks < 5000) {
        main.Timer2_Timer();
        ++ticks;
    }
    QCOMPARE(ticks, 61 + 29 * 60);
    QCOMPARE(main.numTries, qint16(0));
    QCOMPARE(main.Text1->Text(), QStringLiteral("30"));
    QCOMPARE(main.lblStatus->Caption(), main.statusText());
}

void TestTestRun::timeOutDeselectsAnswerAndLeavesNextEnabled()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    main.harc_Click(2);
    timeOut();
    QVERIFY(!main.Option2->Value());
    QCOMPARE(main.harc2->BackColor(), SystemColor::ButtonFace);
    QVERIFY(!main.harc2->FontBold());
    QVERIFY(main.cmdNext->Enabled());
    main.cmdNext_Click();
    QCOMPARE(main.numTries, qint16(0));
}

void TestTestRun::rightAnswerBeforeLastRecordKeepsTheQuestion()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    main.num = 170;
    qint16 shown = 169;
    main.display_question(shown);
    const QString question = main.lblQuestion->Text();
    answer(true);
    QCOMPARE(main.num, qint16(171));
    QCOMPARE(main.lblQuestion->Text(), question);
}

void TestTestRun::doubleClickOnAnswerChecksIt()
{
    frmMain &main = *m_main;
    main.mnuStart_Click();
    QWidget *text = main.harc2->widget()->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport"));
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(text, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(main.numTries, qint16(1));
    QVERIFY(!main.Option2->Value());
}

void TestTestRun::quitDuringPauseEndsProgram()
{
    m_main->mnuStart_Click();
    m_main->cmdPouse_Click();
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, m_main->Toolbar1_ButtonClick(QStringLiteral("Quit")));
}

QTEST_MAIN(TestTestRun)
#include "tst_test_run.moc"
