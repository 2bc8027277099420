#include "main_window_fixture.h"

#include "app/m_registry.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/toolbar.h"
#include "dialogs/frm_splash.h"
#include "forms/menu_item.h"
#include "main_window/frm_main.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTest>
#include <memory>

using namespace forms;

namespace {

const QString Stars = QStringLiteral("**********");

void store(const QString &name, const QString &value)
{
    mRegistry::WriteRegString(mRegistry::HKEY_CURRENT_USER, mRegistry::OptionsKey, name, value);
}

// A generator that replays the given values of u, then repeats the last one.
bank::QuestionDraw scripted(QList<double> values)
{
    auto queue = std::make_shared<QList<double>>(std::move(values));
    return bank::QuestionDraw(
        [queue] { return queue->size() > 1 ? queue->takeFirst() : queue->first(); }, [] {});
}

double pick(int record, int bankSize) { return (record - 0.5) / bankSize; }

} // namespace

class TestFrmMainLoad : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadAppliesDefaultSettingsAndShowsDrawnQuestion();
    void storedAnswerColourSpreadsFromFirstAnswer();
    void splashStaysOneSecondThenWindowAppearsIdle();
    void missingTestFileIsReported();
    void foreignSignatureEndsSilently();
    void malformedBankIsReported();
    void drawOrderUsesEveryRecordButOneBeforeStars();
    void newOrderRequestStartsWithEmptyHistory();
    void recordSeventyIsReplacedOnlyByReference();
    void onePastLastShowsRecordThreeThenDraws();
    void doublingTheWindowDoublesRegisteredControls();
    void titleScreenFollowsResizeExceptDuringPause();

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<frmMain> loadedWindow(int bankSize = 171);
};

void TestFrmMainLoad::init() { m_fixture = std::make_unique<MainWindowFixture>(); }
void TestFrmMainLoad::cleanup() { m_fixture.reset(); }

std::unique_ptr<frmMain> TestFrmMainLoad::loadedWindow(int bankSize)
{
    m_fixture->env.writeTestFile(MainWindowFixture::bank(bankSize));
    auto main = std::make_unique<frmMain>();
    main->Load();
    return main;
}

void TestFrmMainLoad::loadAppliesDefaultSettingsAndShowsDrawnQuestion()
{
    auto main = loadedWindow();
    QCOMPARE(main->numQuestions, qint16(171));
    QCOMPARE(main->questCount, qint16(171));
    QCOMPARE(main->lblQuestion->ForeColor(), rgb(0, 0, 255));
    QCOMPARE(main->harc3->ForeColor(), SystemColor::WindowText);
    QCOMPARE(main->Picture8->BackColor(), SystemColor::ButtonFace);
    QCOMPARE(main->Frame2->BackColor(), rgb(228, 228, 228));
    QCOMPARE(main->lblQuestion->FontName(), QStringLiteral("Bararan"));
    QCOMPARE(main->harc4->FontName(), QStringLiteral("Bararan"));
    for (int i = 2; i <= 4; ++i) {
        QCOMPARE((*main->cmdAns)(i).Caption(), QString::number(i));
        QCOMPARE((*main->cmdAns)(i).Top(), (*main->cmdAns)(i - 1).Top() + 495 + 300);
        QVERIFY(!(*main->cmdAns)(i).Visible());
    }
    QVERIFY(!(*main->cmdAns)(1).Visible());
    const int shown = main->lblQuestNum->Caption().toInt();
    QCOMPARE(main->Label1->Caption(), QString::number(shown));
    QCOMPARE(main->num, qint16(shown));
    QCOMPARE(main->lblQuestion->Text(), QStringLiteral("Q%1").arg(shown).prepend(shown == 1 ? "." : ""));
    QCOMPARE(main->harc2->Text(), QStringLiteral("A%1.2").arg(shown));
    QVERIFY(main->Timer4->Enabled());
    QVERIFY(!main->Visible());
}

void TestFrmMainLoad::storedAnswerColourSpreadsFromFirstAnswer()
{
    store(QStringLiteral("ImageColor1"), QStringLiteral("10"));
    store(QStringLiteral("ImageColor"), QStringLiteral("17")); // outside the palette: design colour
    auto main = loadedWindow();
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(main->harc(k).ForeColor(), rgb(255, 0, 0));
        QCOMPARE(main->Option(k).ForeColor(), rgb(255, 0, 0));
        QCOMPARE(main->numberPicture(k).ForeColor(), rgb(255, 0, 0));
    }
    QCOMPARE(main->lblQuestion->ForeColor(), rgb(0, 0, 255));
}

void TestFrmMainLoad::splashStaysOneSecondThenWindowAppearsIdle()
{
    m_fixture->env.writeTestFile(MainWindowFixture::bank(171));
    frmMain main;
    QElapsedTimer clock;
    clock.start();
    main.Load();
    QVERIFY(clock.elapsed() >= 1000);
    QVERIFY(main.splash() && main.splash()->Visible());
    QTRY_VERIFY_WITH_TIMEOUT(main.Visible(), 2000);
    QVERIFY(!main.splash());
    QVERIFY(main.splashik->Visible());
    QCOMPARE(main.cmdStart->Caption(), QStringLiteral("Start"));
    QVERIFY(main.Toolbar1->Buttons(QStringLiteral("Start")).Visible());
    QVERIFY(!main.Toolbar1->Buttons(QStringLiteral("Stop")).Visible());
    QVERIFY(!main.Toolbar1->Buttons(QStringLiteral("Pause")).Enabled());
    QVERIFY(!main.Toolbar1->Buttons(QStringLiteral("Resume")).Visible());
    QVERIFY(!main.Timer2->Enabled() && !main.Timer3->Enabled() && !main.Timer4->Enabled());
}

void TestFrmMainLoad::missingTestFileIsReported()
{
    frmMain main;
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.Load());
    QCOMPARE(m_fixture->messages,
             QStringList{QStringLiteral("Lorvane: Test File not found, please reinstall Lorvane 2004 program")});
}

void TestFrmMainLoad::foreignSignatureEndsSilently()
{
    m_fixture->env.writeTestFile("\"Not a test\",\"a\",\"b\",\"c\",\"d\",1");
    frmMain main;
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.Load());
    QVERIFY(m_fixture->messages.isEmpty());
}

void TestFrmMainLoad::malformedBankIsReported()
{
    m_fixture->env.writeTestFile(MainWindowFixture::bank(5).replace(",3\r\n", ",x\r\n"));
    frmMain main;
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.Load());
    QCOMPARE(m_fixture->messages.size(), 1);
}

void TestFrmMainLoad::drawOrderUsesEveryRecordButOneBeforeStars()
{
    auto main = loadedWindow();
    main->draw = bank::QuestionDraw(); // clock-seeded, as the program draws
    main->Label2->setCaption(QStringLiteral("1"));
    // A drawn 170 draws once more on its own, so count draws, not calls.
    int calls = 0;
    while (main->Label1->Caption() != Stars && calls < 400) {
        QVERIFY(main->draw.drawCount() < 171);
        main->randomQuestion(main->questCount);
        ++calls;
    }
    QCOMPARE(main->draw.drawCount(), qint16(0));
    QSet<int> seen;
    for (int i = 1; i <= 170; ++i)
        seen.insert(main->draw.drawnQuestion(i));
    QCOMPARE(seen.size(), 170);
}

void TestFrmMainLoad::newOrderRequestStartsWithEmptyHistory()
{
    auto main = loadedWindow();
    main->draw = scripted({pick(5, 171), pick(5, 171), pick(9, 171)});
    main->randomQuestion(main->questCount); // 5
    main->Label2->setCaption(QStringLiteral("15"));
    main->randomQuestion(main->questCount); // 5 again is refused against the old history: 9
    QCOMPARE(main->Label1->Caption(), QStringLiteral("9"));
    QCOMPARE(main->Label2->Caption(), QStringLiteral("16"));
    QCOMPARE(main->draw.drawCount(), qint16(0));
    main->draw = scripted({pick(5, 171)});
    main->randomQuestion(main->questCount);
    QCOMPARE(main->Label1->Caption(), QStringLiteral("5")); // the new order's history is empty
}

void TestFrmMainLoad::recordSeventyIsReplacedOnlyByReference()
{
    auto main = loadedWindow();
    main->draw = scripted({pick(12, 171)});
    main->num = 170;
    main->display_question(main->num); // by reference: the field takes the new draw
    QCOMPARE(main->num, qint16(12));
    QCOMPARE(main->lblQuestNum->Caption(), QStringLiteral("12"));
    QCOMPARE(main->harc1->Text(), QStringLiteral("A12.1"));

    main->draw = scripted({pick(170, 171), pick(33, 171)});
    main->randomQuestion(main->questCount); // draws 170, shows it from a private copy
    QCOMPARE(main->num, qint16(33));
    QCOMPARE(main->lblQuestNum->Caption(), QStringLiteral("170"));
    QCOMPARE(main->harc1->Text(), QStringLiteral("A170.1"));
}

void TestFrmMainLoad::onePastLastShowsRecordThreeThenDraws()
{
    auto main = loadedWindow(20);
    main->draw = scripted({pick(7, 20)});
    qint16 past = 21;
    main->display_question(past);
    QCOMPARE(main->Label1->Caption(), QStringLiteral("7"));
    QCOMPARE(main->lblQuestNum->Caption(), QStringLiteral("7"));

    auto tiny = loadedWindow(2);
    qint16 three = 3;
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, tiny->display_question(three));
}

void TestFrmMainLoad::doublingTheWindowDoublesRegisteredControls()
{
    auto main = loadedWindow();
    main->Show();
    const double left = main->harc2->Left(), top = main->harc2->Top(), width = main->Frame3->Width();
    const double font = main->Label3->FontSize();
    main->setClientSize(23580, 16560);
    QCOMPARE(main->harc2->Left(), 2 * left);
    QCOMPARE(main->harc2->Top(), 2 * top);
    QCOMPARE(main->Frame3->Width(), 2 * width);
    QCOMPARE(main->Label3->FontSize(), 2 * font);
    main->setClientSize(11790, 8280);
    QCOMPARE(main->harc2->Left(), left);
    QCOMPARE(main->Label3->FontSize(), font);
}

void TestFrmMainLoad::titleScreenFollowsResizeExceptDuringPause()
{
    auto main = loadedWindow();
    main->Show();
    main->setClientSize(15000, 9000);
    QCOMPARE(main->splashik->Width(), 15000.0);
    QCOMPARE(main->splashik->Top(), 500.0);
    QCOMPARE(main->splashik->FontSize(), 46.0);
    QVERIFY(main->splashik->FontBold());
    main->mnuResume->setVisible(true);
    main->setClientSize(12000, 8500);
    QCOMPARE(main->splashik->Width(), 15000.0);
}

QTEST_MAIN(TestFrmMainLoad)
#include "tst_frm_main_load.moc"
