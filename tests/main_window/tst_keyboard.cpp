#include "main_window_fixture.h"

#include "forms/command_button.h"
#include "forms/option_button.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "main_window/frm_main.h"

#include <QApplication>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(QList<int>)

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_fixture->env.writeTestFile(MainWindowFixture::bank(171));
        m_main = std::make_unique<frmMain>();
        m_main->Load();
        QTRY_VERIFY_WITH_TIMEOUT(m_main->Visible(), 2000);
        m_main->Timer2->setInterval(3600 * 1000);
        m_main->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main->window()));
    }
    void cleanup()
    {
        m_main.reset();
        m_fixture.reset();
    }

    void answerIsChosenAndCheckedWithoutMouse_data()
    {
        QTest::addColumn<QList<int>>("choose");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("confirm");
        QTest::newRow("digit, Enter") << QList<int>{Qt::Key_3} << 3 << int(Qt::Key_Return);
        QTest::newRow("digit, keypad Enter") << QList<int>{Qt::Key_2} << 2 << int(Qt::Key_Enter);
        QTest::newRow("Space on the first option") << QList<int>{Qt::Key_Space} << 1 << int(Qt::Key_Space);
        QTest::newRow("Down twice, Space") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << 3
                                           << int(Qt::Key_Return);
        QTest::newRow("Up wraps to the last") << QList<int>{Qt::Key_Up, Qt::Key_Space} << 4 << int(Qt::Key_Return);
        QTest::newRow("Tab to the text, Enter") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << 1
                                                << int(Qt::Key_Return);
    }
    void answerIsChosenAndCheckedWithoutMouse()
    {
        QFETCH(QList<int>, choose);
        QFETCH(int, chosen);
        QFETCH(int, confirm);
        frmMain &main = *m_main;
        main.mnuStart_Click();
        QCOMPARE(QApplication::focusWidget(), main.Option(1).widget());
        for (int key : choose)
            press(key);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(main.Option(k).Value(), k == chosen);
        QCOMPARE(QApplication::focusWidget(), main.cmdNext->widget());

        press(confirm);
        QCOMPARE(main.numTries, qint16(1));
        QVERIFY(!main.cmdNext->Enabled());
        QCOMPARE(QApplication::focusWidget(), main.Option(1).widget());
    }

    void thirtyAnswersByDigitsFinishTheTest()
    {
        frmMain &main = *m_main;
        main.mnuStart_Click();
        for (int i = 0; i < 30; ++i) {
            press(Qt::Key_0 + main.records.at(main.num - 1).rightAnswer);
            press(Qt::Key_Return);
        }
        QCOMPARE(main.numCorrect, qint16(30));
        QVERIFY(!main.Timer2->Enabled());
    }

    void digitsDoNothingWithoutQuestion()
    {
        frmMain &main = *m_main;
        press(Qt::Key_2);
        QVERIFY(main.splashik->Visible());
        QVERIFY(!main.Option(2).Value());
        main.mnuStart_Click();
        main.cmdPouse_Click();
        press(Qt::Key_2);
        QVERIFY(!main.Option(2).Value());
    }

private:
    void press(int key)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : m_main->window(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<frmMain> m_main;
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
