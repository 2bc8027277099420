#pragma once

#include "app/m_registry.h"
#include "app/program_end.h"
#include "draw/markup_scroller.h"
#include "forms/command_button.h"
#include "forms/menu_item.h"
#include "forms/msg_box.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "forms/toolbar.h"
#include "main_window/frm_main.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTest>
#include <memory>

using main_window::frmMain;

// Thrown in place of ending the program, so a test can see that the program would end.
struct ProgramEnded
{
    int exitCode;
};

// A private home plus a recorder of message boxes and of the program's end.
class MainWindowFixture
{
public:
    MainWindowFixture()
    {
        forms::setMessageBoxHandler(
            [this](const QString &text, const QString &title) { messages << title + ": " + text; });
        app::mMain::setEndProgramHandler([](int code) { throw ProgramEnded{code}; });
    }

    ~MainWindowFixture() { forms::setMessageBoxHandler({}), app::mMain::setEndProgramHandler({}); }

    // A bank of n records: question "Q<n>", answers "A<n>.<k>", right answer (n mod 4) + 1;
    // the first question begins with the signature's full stop.
    static QByteArray bank(int n)
    {
        QByteArray out;
        for (int i = 1; i <= n; ++i) {
            out += "\"" + QByteArray(i == 1 ? "." : "") + "Q" + QByteArray::number(i) + "\"";
            for (int k = 1; k <= 4; ++k)
                out += ",\"A" + QByteArray::number(i) + "." + QByteArray::number(k) + "\"";
            out += "," + QByteArray::number(i % 4 + 1) + (i < n ? "\r\n" : QByteArray(1, '\0'));
        }
        return out;
    }

    static void store(const QString &name, const QString &value)
    {
        app::mRegistry::WriteRegString(app::mRegistry::HKEY_CURRENT_USER, app::mRegistry::OptionsKey, name, value);
    }

    // A window loaded from a bank of n records whose splash second passes in one step of its
    // clock, and shown. The results scroll runs on this fixture's tick, one millisecond per
    // pass, calling onScrollPass on each; the question clocks tick when told.
    std::unique_ptr<frmMain> loadedWindow(int n = 171)
    {
        env.writeTestFile(bank(n));
        auto main = std::make_unique<frmMain>();
        main->setSplashClock([t = qint64(0)]() mutable { return std::exchange(t, t + 1000); });
        main->Load();
        main->Timer4_Timer();
        main->Timer2->setInterval(3600 * 1000);
        main->Timer3->setInterval(3600 * 1000);
        main->resultsScroller().setClock([this] { return tick; });
        main->resultsScroller().setIdle([this] {
            ++tick;
            if (onScrollPass)
                onScrollPass();
        });
        return main;
    }

    TestEnvironment env;
    QStringList messages;
    quint32 tick = 0;
    std::function<void()> onScrollPass;
};

// Chooses the right answer, or the one after it, and checks it.
inline void answer(frmMain &main, bool right)
{
    const int correct = main.records.at(main.num - 1).rightAnswer;
    main.harc_Click(right ? correct : correct % 4 + 1);
    main.cmdNext_Click();
}

// The title screen with Start offered, or a question with Stop and Pause offered.
inline void verifyLook(const frmMain &main, bool running)
{
    const QString caption = running ? QStringLiteral("Stop") : QStringLiteral("Start");
    QVERIFY(main.mnuStart->Caption() == caption && main.cmdStart->Caption() == caption);
    QVERIFY(main.splashik->Visible() != running && main.Timer2->Enabled() == running);
    QVERIFY(main.Toolbar1->Buttons(2).Visible() != running && main.Toolbar1->Buttons(3).Visible() == running);
    QCOMPARE(main.Toolbar1->Buttons(QStringLiteral("Pause")).Enabled(), running);
}

inline bool shows(const QImage &image, QRgb colour)
{
    for (int i = 0; i < image.width() * image.height(); ++i)
        if (((image.pixel(i % image.width(), i / image.width()) ^ colour) & 0xFFFFFF) == 0)
            return true;
    return false;
}

inline void moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Picks an entry of a drop-down list as the user does.
inline void pick(forms::Control &box, int row)
{
    auto *combo = static_cast<QComboBox *>(box.widget());
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}
