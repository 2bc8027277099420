#include "results/attempt.h"
#include "support/accessible_tree.h"
#include "support/main_window_fixture.h"

#include "app/color_palette.h"
#include "app/interface_language.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_properties.h"
#include "dialogs/frm_splash.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/option_button.h"
#include "forms/tab_strip.h"
#include "forms/text_box.h"
#include "main_window/answer_focus_frame.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

using dialogs::frmAbout;
using dialogs::frmProperties;
using dialogs::frmSplash;
using draw::MarkupScroller;
using main_window::AnswerFocusFrame;

using namespace forms;

namespace {

enum Way { ClickText, DoubleClickText, Keys };

// Mouse users start from the toolbar or the title, keyboard users from the menu; the last
// questions may run out of time.
struct Run
{
    Way way;
    QList<int> keys;                           // Key_0 stands for the digit of the wanted answer
    int chosen = 0, confirm = 0, timeOuts = 0; // chosen 0: the right answer, every third time the next one
    QString name = {};                         // null: none stored
    QString shownName = QStringLiteral("User");
    bool resultsFolderFails = false; // the attempt then goes to the default folder, with a message
};

// A generator that replays the given values of u, then repeats the last one.
bank::QuestionOrder scripted(QList<double> u)
{
    return bank::QuestionOrder([u]() mutable { return u.size() > 1 ? u.takeFirst() : u.first(); }, [] {});
}

double uFor(int record, int bankSize)
{
    return (record - 0.5) / bankSize;
}

// Every visible caption of the window is drawn whole: none needs more room than its label's or
// button's inside (less the indicator of an option) leaves it.
void verifyWhole(const Form &form)
{
    QStringList clipped;
    for (const QWidget *w : form.window()->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        const auto *tool = qobject_cast<const QToolButton *>(w);
        if (!w->isVisibleTo(form.window()) || !(label || button) || (label && label->wordWrap())
            || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            continue;
        const QString text = QString(label ? label->text() : button->text()).remove(QLatin1Char('&'));
        QStyleOptionButton option;
        option.initFrom(w);
        const auto metric = [&](QStyle::PixelMetric m) { return w->style()->pixelMetric(m, &option, w); };
        const int frame = w->inherits("QPushButton")
                              ? 2 * metric(QStyle::PM_ButtonMargin)
                              : metric(QStyle::PM_IndicatorWidth) + metric(QStyle::PM_CheckBoxLabelSpacing);
        const QSize room = label ? label->contentsRect().size() : QSize(w->width() - frame, w->height());
        const QSize needed = QFontMetrics(w->font()).size(Qt::TextShowMnemonic, text);
        if (!text.isEmpty() && (needed.width() > room.width() || needed.height() > room.height()))
            clipped << QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
    }
    // Every entry of a list with pictures (the colours) fits beside its picture.
    for (const QComboBox *box : form.window()->findChildren<QComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i) {
            const int icon = box->iconSize().width() + 4;
            if (!box->itemIcon(i).isNull()
                && QFontMetrics(box->font()).horizontalAdvance(box->itemText(i)) + icon > field.width())
                clipped << QStringLiteral("%1 \"%2\"").arg(box->objectName(), box->itemText(i));
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
}

} // namespace

Q_DECLARE_METATYPE(Run)

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<frmMain> m_main; // loaded from a bank of 171 records and shown

    // The one attempt file of the test, with the counts the results showed.
    void verifyAttemptKept(const QString &folder, const QString &name, int right, int wrong, int timeOuts)
    {
        QTRY_VERIFY(!QDir(folder).entryList(QDir::Files).isEmpty());
        const QStringList files = QDir(folder).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        results::Attempt attempt;
        QString error;
        QVERIFY2(results::Attempt::fromJson(TestEnvironment::readFile(folder + u'/' + files.first()), attempt, &error),
                 qPrintable(error));
        QCOMPARE(attempt.userName, name);
        QCOMPARE(attempt.questions.size(), 30);
        int chosenRight = 0, none = 0;
        for (const results::AttemptQuestion &question : std::as_const(attempt.questions)) {
            chosenRight += question.chosen == question.right;
            none += question.chosen == 0;
            QCOMPARE(question.right, m_main->records.at(question.record - 1).rightAnswer);
        }
        QCOMPARE(QList<int>({attempt.totals.right, attempt.totals.wrong, attempt.totals.timeOuts, chosenRight, none}),
                 QList<int>({right, wrong + timeOuts, timeOuts, right, timeOuts}));
        QCOMPARE(attempt.testFile.records, 171);
        QVERIFY(attempt.started <= attempt.ended && attempt.ended.timeSpec() != Qt::LocalTime);
        if (m_fixture->messages.size() == 1)
            QVERIFY2(m_fixture->messages.first().contains(QDir::toNativeSeparators(folder)),
                     qPrintable(m_fixture->messages.first()));
    }

private slots:
    // CTest runs the checks of the captions in Armenian too.
    void initTestCase()
    {
        if (qEnvironmentVariable("LORVANE_TEST_LANGUAGE") == app::InterfaceLanguage::Armenian)
            QVERIFY(app::InterfaceLanguage::install(app::InterfaceLanguage::Armenian));
    }

    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_main = m_fixture->loadedWindow();
    }

    void cleanup()
    {
        m_main.reset();
        m_fixture.reset();
    }

    void loadShowsTheSplashForItsSecondAndAppliesTheSettings()
    {
        MainWindowFixture::store(QStringLiteral("ImageColor1"), QStringLiteral("10"));
        MainWindowFixture::store(QStringLiteral("ImageColor"), QStringLiteral("17")); // not a colour
        MainWindowFixture::store(QStringLiteral("NameFont"), QStringLiteral("Times LatArm"));
        frmMain custom;
        qint64 now = -100;
        custom.setSplashClock([&now] { return now += 100; });
        custom.Load();
        QCOMPARE(now, 1000); // the clock was read until the second was full, and no longer
        QVERIFY(custom.splash() && custom.splash()->Visible() && !custom.Visible());
        custom.Timer4_Timer();
        QVERIFY(custom.Visible() && !custom.splash());
        verifyLook(custom, false);
        QVERIFY(!custom.Toolbar1->Buttons(5).Visible() && !custom.Timer3->Enabled() && !custom.Timer4->Enabled());
        for (const frmMain *main : {m_main.get(), &custom}) { // the defaults, then the stored values
            const ColorValue answers = main == &custom ? rgb(255, 0, 0) : SystemColor::WindowText;
            const QString font = main == &custom ? QStringLiteral("Times LatArm") : QStringLiteral("Bararan");
            QVERIFY(main->lblQuestion->ForeColor() == rgb(0, 0, 255) && main->lblQuestion->FontName() == font);
            for (int k = 1; k <= 4; ++k) {
                QVERIFY(main->harc(k).ForeColor() == answers && main->harc(k).FontName() == font);
                QVERIFY(main->Option(k).ForeColor() == answers && main->numberPicture(k).ForeColor() == answers);
                QCOMPARE(main->numberPicture(k).BackColor(), SystemColor::ButtonFace);
            }
            QVERIFY(main->questCount == 171 && main->numQuestions == 171);
            QCOMPARE(main->Label1->Caption() + main->harc2->Text(), QStringLiteral("%1A%1.2").arg(main->num));
        }
    }

    void unreadableTestFileEndsTheProgram_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<bool>("reported");
        QTest::newRow("missing") << QByteArray() << true;
        QTest::newRow("empty: no first line") << QByteArray("") << true;
        QTest::newRow("foreign, ends silently") << QByteArray("\"Not a test\",\"a\",\"b\",\"c\",\"d\",1") << false;
        QTest::newRow("blank first line, ends silently") << "\r\n" + MainWindowFixture::bank(5) << false;
        QTest::newRow("malformed") << MainWindowFixture::bank(5).replace(",3\r\n", ",x\r\n") << true;
    }

    void unreadableTestFileEndsTheProgram()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, reported);
        QFile::remove(m_fixture->env.testFilePath());
        if (!bytes.isNull())
            m_fixture->env.writeTestFile(bytes);
        frmMain main;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.Load());
        const QString message = QStringLiteral("Lorvane: Test File not found, please reinstall Lorvane 2004 program");
        QCOMPARE(m_fixture->messages, reported ? QStringList{message} : QStringList());
    }

    void drawOrderUsesEveryRecordButOneBeforeStars()
    {
        frmMain *main = m_main.get();
        main->questionOrder = bank::QuestionOrder(); // clock-seeded, as the program draws
        main->Label2->setCaption(QStringLiteral("1"));
        // A drawn 170 draws once more on its own, so count draws, not calls.
        for (int calls = 0; main->Label1->Caption() != QStringLiteral("**********") && calls < 400; ++calls)
            main->randomQuestion(main->questCount); // drawing on from a used-up order ends the program
        QCOMPARE(main->questionOrder.drawCount(), qint16(0));
        QSet<int> seen;
        for (int i = 1; i <= 170; ++i)
            seen.insert(main->questionOrder.drawnQuestion(i));
        QCOMPARE(seen.size(), 170);
    }

    void scriptedDrawsFollowTheOrderRules()
    {
        frmMain *main = m_main.get();
        main->questionOrder = scripted({uFor(5, 171), uFor(5, 171), uFor(9, 171)});
        main->randomQuestion(main->questCount);         // 5
        main->Label2->setCaption(QStringLiteral("15")); // a new order is asked for
        main->randomQuestion(main->questCount);         // 5 again is refused against the old history: 9
        QCOMPARE(main->Label1->Caption() + main->Label2->Caption(), QStringLiteral("916"));
        main->questionOrder = scripted({uFor(5, 171)});
        main->randomQuestion(main->questCount);
        QCOMPARE(main->Label1->Caption(), QStringLiteral("5")); // the new order's history is empty

        main->questionOrder = scripted({uFor(12, 171)});
        main->num = 170;
        main->display_question(main->num); // record 170 is replaced; by reference, num follows
        QVERIFY(main->num == 12 && main->harc1->Text() == "A12.1");
        main->questionOrder = scripted({uFor(170, 171), uFor(33, 171)});
        main->randomQuestion(main->questCount); // draws 170, shows it from a private copy
        QVERIFY(main->num == 33 && main->harc1->Text() == "A170.1");

        main->questionOrder = bank::QuestionOrder();
        main->mnuStart_Click();
        main->num = 170;
        qint16 shown = 169;
        main->display_question(shown);
        answer(*main, true); // reaching the last record's number draws nothing: the question stays
        QVERIFY(main->num == 171 && main->harc1->Text() == "A169.1");

        main->questionOrder = scripted({uFor(7, 171)});
        qint16 past = 172; // one past the last shows record 3, then draws
        main->display_question(past);
        QCOMPARE(main->lblQuestNum->Caption(), QStringLiteral("7"));
        auto tiny = m_fixture->loadedWindow(2);
        qint16 three = 3;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, tiny->display_question(three));
    }

    void windowKeepsItsProportionsAndTitle()
    {
        frmMain *main = m_main.get();
        const auto sample = [&] {
            return QList<double>{main->harc2->Left(), main->Option2->Top(), main->Frame3->Width(),
                                 main->Label3->FontSize()};
        };
        const QList<double> design = sample();
        main->setClientSize(23580, 16560);
        for (int i = 0; i < design.size(); ++i)
            QCOMPARE(sample()[i], 2 * design[i]);
        QVERIFY(main->splashik->Width() == 23580 && main->splashik->Top() == 500);
        QVERIFY(main->splashik->FontSize() == 46 && main->splashik->FontBold());
        main->mnuResume->setVisible(true); // paused: the title screen stays as it is
        main->setClientSize(15000, 9000);
        QCOMPARE(main->splashik->Width(), 23580.0);
    }

    // CTest runs this at the scales desktops use as well.
    void captionsAreDrawnWhole()
    {
        frmMain *main = m_main.get();
        verifyWhole(*main);
        main->mnuStart_Click();
        verifyWhole(*main);
        frmProperties properties(*main);
        frmAbout about;
        frmSplash splash;
        for (Form *form : std::initializer_list<Form *>{&properties, &about, &splash}) {
            form->Load();
            form->setVisible(true);
            verifyWhole(*form);
        }
        about.TabStrip1->setSelectedIndex(2);
        verifyWhole(about);
    }

    void eachWayOfAnsweringRunsAWholeTest_data()
    {
        QTest::addColumn<Run>("run");
        const int enter = Qt::Key_Return, space = Qt::Key_Space, digit = Qt::Key_0;
        QTest::newRow("click the text, then Next; five time-outs") << Run{ClickText, {}, 0, 0, 5};
        QTest::newRow("double-click the text") << Run{DoubleClickText, {}, 0, 0, 0, "Անի", "Անի"};
        QTest::newRow("digit, Enter") << Run{Keys, {digit}, 0, enter, 0, "A<cor>B<wrong>", "A20B10"};
        QTest::newRow("digit, keypad Enter; one time-out") << Run{Keys, {digit}, 0, Qt::Key_Enter, 1};
        QTest::newRow("Space, Space") << Run{Keys, {space}, 1, space};
        QTest::newRow("Down twice, Space") << Run{Keys, {Qt::Key_Down, Qt::Key_Down, space}, 3, enter};
        QTest::newRow("Up wraps to the last") << Run{Keys, {Qt::Key_Up, space}, 4, enter};
        QTest::newRow("Tab to the next answer, Enter") << Run{Keys, {Qt::Key_Tab, enter}, 2, enter};
        QTest::newRow("every question times out; the results folder fails")
            << Run{Keys, {}, 0, 0, 30, {}, QStringLiteral("User"), true};
    }

    void eachWayOfAnsweringRunsAWholeTest()
    {
        QFETCH(Run, run);
        const auto [way, keys, chosen, confirm, timeOuts, name, shownName, resultsFolderFails] = run;
        if (!name.isNull())
            MainWindowFixture::store(QStringLiteral("UserName"), name);
        const QString kept = m_fixture->env.root() + "/data/Lorvane/results", set = m_fixture->env.root() + "/set";
        // A folder cannot be made inside the test file.
        MainWindowFixture::store(QStringLiteral("ResultsFolder"),
                                 resultsFolderFails ? m_fixture->env.testFilePath() + "/results" : set);
        frmMain &main = *m_main;
        const auto textOf = [&main](int k) {
            return main.harc(k).widget()->findChild<QWidget *>("qt_scrollarea_viewport");
        };
        const QString unfilled = main.srcTextBox->Text();
        main.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.window()));
        QTest::keyClick(main.window(), Qt::Key_2); // no question on the screen
        QVERIFY(main.splashik->Visible() && !main.Option2->Value());
        if (way == ClickText)
            QVERIFY(main.Toolbar1->click(2));
        else if (way == DoubleClickText)
            QTest::mouseDClick(main.splashik->widget(), Qt::LeftButton, {}, QPoint(100, 100));
        else
            main.mnuStart->trigger();
        verifyLook(main, true);
        QVERIFY(main.lblQuestion->Visible() && main.Option3->Visible() && main.cmdPouse->Enabled());
        QCOMPARE(main.Label2->Caption(), QStringLiteral("16")); // a new order
        bool startOffered = false;
        m_fixture->onScrollPass = [&] {
            startOffered |= main.mnuStart->Enabled() || main.Toolbar1->Buttons(2).Enabled() || !main.Scrolling;
        };
        int right = 0, wrong = 0;
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(main.cmdNext->Caption(), i < 29 ? QStringLiteral("Next") : QStringLiteral("Finish"));
            if (i >= 30 - timeOuts) {
                main.harc_Click(2); // chosen but not checked: the time-out drops it
                for (int t = 0; t < 60 && main.Label3->Caption() != QStringLiteral("0"); ++t)
                    main.Timer2_Timer();
                QCOMPARE(main.Label3->Caption(), QStringLiteral("0"));
                main.Timer2_Timer();
                QCOMPARE(main.Text1->Text(), QString::number(i + timeOuts - 29));
                QVERIFY(!main.Option2->Value() && !main.harc2->FontBold() && main.cmdNext->Enabled());
                main.cmdNext_Click();
                QCOMPARE(main.numTries, qint16(30 - timeOuts));
                continue;
            }
            if (way != DoubleClickText) // the double-clicked text keeps the focus
                QCOMPARE(QApplication::focusWidget(), main.Option1->widget());
            const int correct = main.records.at(main.num - 1).rightAnswer;
            const int k = chosen ? chosen : i % 3 ? correct : correct % 4 + 1;
            ++(k == correct ? right : wrong);
            main.Timer2_Timer();
            if (way != Keys) { // a first choice, then the wanted one: the highlight moves
                QTest::mouseClick(textOf(k % 4 + 1), Qt::LeftButton, {}, QPoint(10, 10));
                const QImage number = main.numberPicture(k % 4 + 1).Image();
                QTest::mouseClick(textOf(k), Qt::LeftButton, {}, QPoint(10, 10));
                QVERIFY(main.numberPicture(k % 4 + 1).Image() != number); // drawn again, plain
                for (int n = 1; n <= 4; ++n) {
                    QCOMPARE(main.harc(n).BackColor(), n == k ? rgb(255, 0, 0) : SystemColor::ButtonFace);
                    QCOMPARE(main.numberPicture(n).BackColor(), main.harc(n).BackColor());
                    QCOMPARE(main.Option(n).ForeColor(), n == k ? SystemColor::Window : SystemColor::WindowText);
                    QVERIFY(main.harc(n).FontBold() == (n == k) && main.Option(n).FontBold() == (n == k));
                }
            }
            for (int key : keys)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key == Qt::Key_0 ? Qt::Key_0 + k : key));
            for (int n = 1; n <= 4; ++n)
                QCOMPARE(main.Option(n).Value(), n == k);
            QCOMPARE(QApplication::focusWidget(), main.cmdNext->widget());
            if (way == DoubleClickText) {
                QTest::mouseDClick(textOf(k), Qt::LeftButton, {}, QPoint(10, 10));
                QVERIFY(!static_cast<QPlainTextEdit *>(main.harc(k).widget())->textCursor().hasSelection());
            } else if (way == ClickText)
                QTest::mouseClick(main.cmdNext->widget(), Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(confirm),
                                confirm == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QVERIFY(!main.Option(k).Value() && !main.cmdNext->Enabled());
            QCOMPARE(main.lblStatus->Caption(), QStringLiteral("You got %1 answers right.\rYou got %2 answers wrong.\r"
                                                               "Your attempts were %3\r171 questions available.")
                                                    .arg(right)
                                                    .arg(wrong)
                                                    .arg(i + 1));
            QCOMPARE(main.lblAnswerStat->Caption() + main.Label3->Caption(),
                     (k == correct ? QStringLiteral("CORRECT ANSWER:") : QStringLiteral("WRONG ANSWER DUDE.")) + "60");
            QCOMPARE(main.Picture1->BackColor(), k == correct ? SystemColor::Window : rgb(255, 0, 0));
        }
        QVERIFY(!startOffered);
        // A step every 2 ms, but the heading holds still for a while.
        QVERIFY(m_fixture->tick >= 2 * main.resultsScroller().stepCount() + MarkupScroller::PauseMilliseconds);
        verifyLook(main, false);
        QVERIFY(main.mnuStart->Enabled() && main.Toolbar1->Buttons(2).Enabled() && !main.Scrolling);
        QCOMPARE(main.lineIndex, qint32(main.resultLines.size()));
        QCOMPARE(main.resultLines.mid(13, 3),
                 QStringList({QStringLiteral(" Հարգելի %1 Ձեզ տրվել է 30 հարց, որից.").arg(shownName),
                              QStringLiteral("<B><cG> Ճիշտ պատասխանների թիվը - %1").arg(right),
                              QStringLiteral("<B><cR> Սխալ պատասխանների թիվը - %1").arg(wrong + timeOuts)}));
        QVERIFY(main.srcTextBox->Text() == unfilled && main.resultsTemplate.isEmpty()); // ready to refill
        QVERIFY(main.iScroll->widget()->accessibleDescription().contains(               // read without the markup
            QStringLiteral("\nՃիշտ պատասխանների թիվը - %1\n").arg(right)));
        for (QRgb colour : {0x00FF00u, 0xFF0000u, 0x0000FFu}) // right, wrong, the heading
            QVERIFY(shows(main.iScroll->Image(), colour));
        verifyAttemptKept(resultsFolderFails ? kept : set, name.isNull() ? QStringLiteral("User") : name, right, wrong,
                          timeOuts);
        // The message waits for the write, which a busy machine may finish after the scroll.
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture->messages.size(), int(resultsFolderFails), 10000);
    }

    // The title screen covers the buttons after a Stop: no key reaches them, and the keyboard
    // moves up to the screen, from which Tab leads nowhere.
    void coveredControlsTakeNoKeys()
    {
        frmMain &main = *m_main;
        main.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.window()));
        main.mnuStart_Click();
        main.cmdStart->SetFocus();
        main.mnuStart_Click();
        QCOMPARE(QApplication::focusWidget(), main.splashik->widget());
        for (QWidget *covered : {main.cmdStart->widget(), main.cmdPouse->widget(), main.splashik->widget()})
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab})
                QTest::keyClick(covered, key);
        QCOMPARE(QApplication::focusWidget(), main.splashik->widget());
        QCOMPARE(main.cmdStart->Caption() + main.cmdPouse->Caption(), QStringLiteral("StartPouse"));
        QVERIFY(!main.Timer2->Enabled() && !main.lblpause->Visible());
    }

    // Tab goes from answer to answer, then to the buttons. The focused answer is framed whole, in
    // lines that stand out against the row and against the frame, whatever the answer colour.
    void theFocusedAnswerIsFramedOnEveryColour()
    {
        frmMain &main = *m_main;
        main.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.window()));
        main.mnuStart_Click();
        QStringList stops;
        for (int i = 0; i < 9 && QApplication::focusWidget() != main.cmdPouse->widget(); ++i) {
            stops << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(stops, QStringList({"Option1", "Option2", "Option3", "Option4", "cmdStart"}));
        const auto *frame = main.Frame2->widget()->findChild<AnswerFocusFrame *>();
        QVERIFY(!frame->isVisible());
        main.Option3->SetFocus();
        QVERIFY(frame->isVisible() && frame->row() == 3);
        const QRect row = main.numberPicture(3).widget()->geometry() | main.harc(3).widget()->geometry();
        const QPoint middle = row.center();
        const QList<std::pair<QPoint, QPoint>> sides = {{{middle.x(), row.top()}, {0, -1}},
                                                        {{middle.x(), row.bottom()}, {0, 1}},
                                                        {{row.left(), middle.y()}, {-1, 0}},
                                                        {{row.right(), middle.y()}, {1, 0}}};
        for (const QString &name : app::mMain::colorNames()) {
            const ColorValue colour = app::mMain::ColorFromName(name);
            main.showAnswerColour(dialogs::PreviewTarget::AnswerRows::Others,
                                  dialogs::PreviewTarget::ColourPart::Background, colour);
            const QImage shown = main.Frame2->widget()->grab().toImage();
            for (const auto &[edge, outwards] : sides) {
                double againstRow = 0, againstFrame = 0;
                for (int d = 1; d <= AnswerFocusFrame::LineWidth + AnswerFocusFrame::GapWidth; ++d) {
                    const QColor pixel = shown.pixelColor(edge + d * outwards);
                    const ColorValue value = rgb(pixel.red(), pixel.green(), pixel.blue());
                    againstRow = std::max(againstRow, app::mMain::ContrastRatio(value, colour));
                    againstFrame = std::max(againstFrame, app::mMain::ContrastRatio(value, main.Frame2->BackColor()));
                }
                QVERIFY2(againstRow >= 3 && againstFrame >= 3, qPrintable(name));
            }
        }
    }

    // What a screen reader reaches during a question: each answer row as a radio button that
    // reads its number and text, named boxes and countdowns, and nothing nameless to read.
    void aScreenReaderFindsTheQuestionAndItsAnswers()
    {
        frmMain &main = *m_main;
        main.mnuStart_Click();
        main.harc_Click(2);
        QCoreApplication::processEvents(); // the toolbar shows the running test's buttons
        const AccessibleTree tree(main.window());
        const auto &named = tree.named;
        QVERIFY2(tree.nameless.isEmpty(), qPrintable(tree.nameless.join(QStringLiteral(", "))));
        for (int k = 1; k <= 4; ++k) {
            QAccessibleInterface *row = named.value(QStringLiteral("%1. %2").arg(k).arg(main.harc(k).Text()));
            QVERIFY(row && row->role() == QAccessible::RadioButton && row->state().checked == (k == 2));
            QVERIFY(named.value(QStringLiteral("%1.").arg(k))); // the number picture
        }
        QAccessibleTextInterface *question = named.value(QStringLiteral("Question"))->textInterface();
        QCOMPARE(question->text(0, question->characterCount()), main.lblQuestion->Text());
        for (const char *name : {"Seconds left", "Question 1 of 30", "Stop the test", "Pause the test"})
            QVERIFY2(named.contains(QString::fromLatin1(name)), name);
        QAccessibleInterface *countdown = named.value(QStringLiteral("Seconds left"));
        for (int t = 0; t < 50; ++t, emit main.Timer2->Tick()) // read on request, announced at ten
            QCOMPARE(countdown->text(QAccessible::Name), QStringLiteral("Seconds left"));
        QCOMPARE(countdown->text(QAccessible::Name) + countdown->text(QAccessible::Description),
                 QStringLiteral("10 seconds left10 seconds left"));
    }

    void aTestCanBePausedOnce_data()
    {
        QTest::addColumn<QString>("stored"); // null: no pause time stored
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("route");     // resume by the countdown, a double-click, the menu; stop
                                            // then by the toolbar, the button, the menu
        QTest::addColumn<QString>("shown"); // null: the test goes on
        QTest::newRow("double-click, Stop button") << QString() << 1 << 1 << QString();
        QTest::newRow("File > Resume, File > Stop") << QStringLiteral("60") << 0 << 2 << QString();
        QTest::newRow("two seconds run out, toolbar Stop") << QStringLiteral("2") << 2 << 0 << QString();
        QTest::newRow("a fraction never hits zero") << QStringLiteral("1.5") << 3 << 0 << QStringLiteral("-1.5");
    }

    void aTestCanBePausedOnce()
    {
        QFETCH(QString, stored);
        QFETCH(int, ticks);
        QFETCH(int, route);
        QFETCH(QString, shown);
        if (!stored.isNull())
            MainWindowFixture::store(QStringLiteral("PauseTime"), stored);
        frmMain &main = *m_main;
        main.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.window()));
        main.mnuStart_Click();
        answer(main, true);
        answer(main, false);
        main.harc_Click(main.records.at(main.num - 1).rightAnswer % 4 + 1); // chosen, not yet checked
        main.Timer2_Timer();
        QVERIFY(main.Toolbar1->click(4));
        QCOMPARE(main.cmdPouse->Caption() + main.lblpause->Caption(),
                 QStringLiteral("Resume") + (stored.isNull() ? QStringLiteral("180") : stored));
        QVERIFY(main.splashik->Visible() && main.lblpause->Visible() && !main.Timer2->Enabled()
                && main.Timer3->Enabled());
        QVERIFY(!main.mnuStart->Visible() && main.mnuResume->Visible() && main.Toolbar1->Buttons(5).Visible());
        QVERIFY(!main.Toolbar1->Buttons(3).Visible() && !main.Toolbar1->Buttons(4).Visible());
        for (int i = 0; i < ticks; ++i, main.Timer3_Timer())
            QVERIFY(main.mnuResume->Visible()); // paused until the count reaches zero
        if (route == 1)
            QTest::mouseDClick(main.lblpause->widget(), Qt::LeftButton, {}, QPoint(5, 5));
        else if (route == 2)
            main.mnuResume->trigger();
        if (!shown.isNull()) {
            QVERIFY(main.mnuResume->Visible());
            QCOMPARE(main.lblpause->Caption(), shown);
            QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.Toolbar1_ButtonClick(QStringLiteral("Quit")));
            return;
        }
        QCOMPARE(main.mnuStart->Caption() + main.Label3->Caption(), QStringLiteral("Stop59")); // seconds kept
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the chosen answer is checked
        QCOMPARE(main.numTries, qint16(3));
        QVERIFY(!main.splashik->Visible() && main.Timer2->Enabled() && !main.Timer3->Enabled());
        QVERIFY(main.mnuStart->Visible() && !main.mnuResume->Visible() && !main.cmdPouse->Enabled());
        QVERIFY(main.Toolbar1->Buttons(4).Visible() && !main.Toolbar1->Buttons(4).Enabled());
        if (route == 1)
            main.cmdStart->click();
        else if (route == 2)
            main.mnuStart->trigger();
        else
            QVERIFY(main.Toolbar1->click(3));
        verifyLook(main, false);
        QCOMPARE(main.numCorrect, qint16(1)); // counters stay until the next start
        main.mnuStart_Click();
        QVERIFY(main.cmdPouse->Enabled()); // once per test
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
