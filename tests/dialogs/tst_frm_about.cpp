#include "app/shell_execute.h"
#include "bank/armscii8.h"
#include "dialogs/frm_about.h"
#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/tab_strip.h"
#include "forms/text_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QTabBar>
#include <QTest>

using namespace forms;

namespace {

void moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened << url.toString(); }

private slots:
    void init();
    void cleanup();
    void tabsSwitchBetweenTheTwoPages();
    void linksHandTheirTargetsToTheDesktop_data();
    void linksHandTheirTargetsToTheDesktop();
    void linksTurnRedUnderThePointerAndBlueAway();
    void withoutRecorderLinksReachTheDesktopHandlers();
    void readmeIsArmenianInTheEightBitSet();
    void activationFocusesCloseAndEscapeCloses();
    void secondOpeningBringsSameBoxForward();

private:
    std::unique_ptr<frmAbout> m_about;
    QList<mMain::ShellRequest> m_requests;
    qintptr m_shellResult = 42;
    QStringList m_opened;
};

void TestFrmAbout::init()
{
    m_requests.clear();
    mMain::setShellHandler([this](const mMain::ShellRequest &request) {
        m_requests << request;
        return m_shellResult;
    });
    m_about = std::make_unique<frmAbout>();
    m_about->Load();
}

void TestFrmAbout::cleanup()
{
    m_about.reset();
    mMain::setShellHandler({});
}

void TestFrmAbout::tabsSwitchBetweenTheTwoPages()
{
    QCOMPARE(m_about->Caption(), QStringLiteral("  About Lorvane 2004"));
    QCOMPARE(m_about->TabStrip1->TabCaption(1), QStringLiteral("About Lorvane 2004"));
    QVERIFY(m_about->Frame1->Visible() && !m_about->Frame3->Visible());
    m_about->TabStrip1->tabBar()->setCurrentIndex(1);
    QVERIFY(!m_about->Frame1->Visible() && m_about->Frame3->Visible());
    m_about->TabStrip1->tabBar()->setCurrentIndex(0);
    QVERIFY(m_about->Frame1->Visible() && !m_about->Frame3->Visible());
}

void TestFrmAbout::linksHandTheirTargetsToTheDesktop_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("tag"); // empty: the box's own address
    QTest::addColumn<QString>("prefix");
    QTest::newRow("web") << 1 << QString() << QString();
    QTest::newRow("support") << 0 << QString() << QStringLiteral("mailto:");
    QTest::newRow("web address passes unchanged") << 1 << QStringLiteral("www.example.org/a b?x=1#top")
                                                  << QString();
}

void TestFrmAbout::linksHandTheirTargetsToTheDesktop()
{
    QFETCH(int, index);
    QFETCH(QString, tag);
    QFETCH(QString, prefix);
    Label &link = m_about->lblURL(index);
    QCOMPARE(link.Tag(), link.Caption());
    QVERIFY(link.Tag().contains(QLatin1String("example.org")));
    if (!tag.isEmpty())
        link.setTag(tag);
    m_shellResult = 2; // the desktop refuses; nobody is told
    m_about->Show();
    QTest::mouseClick(link.widget(), Qt::LeftButton);

    QCOMPARE(m_requests.size(), 1);
    QCOMPARE(m_requests[0].file, prefix + link.Tag());
    QVERIFY(m_requests[0].operation.isNull());
    QCOMPARE(m_requests[0].showCommand, 1);
    QVERIFY(m_about->Loaded());
}

void TestFrmAbout::linksTurnRedUnderThePointerAndBlueAway()
{
    const ColorValue red = 0x0000FF, blue = 0xFF0000;
    moveOver(m_about->lblURL(1).widget());
    QCOMPARE(m_about->lblURL(1).ForeColor(), red);
    QCOMPARE(m_about->lblURL(0).ForeColor(), blue);
    moveOver(m_about->lblURL(0).widget());
    QCOMPARE(m_about->lblURL(0).ForeColor(), red);
    moveOver(m_about->Frame1->widget());
    QCOMPARE(m_about->lblURL(0).ForeColor(), blue);
    QCOMPARE(m_about->lblURL(1).ForeColor(), blue);
}

void TestFrmAbout::withoutRecorderLinksReachTheDesktopHandlers()
{
    mMain::setShellHandler({});
    for (const char *scheme : {"http", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    QTest::mouseClick(m_about->lblURL(1).widget(), Qt::LeftButton);
    QTest::mouseClick(m_about->lblURL(0).widget(), Qt::LeftButton);
    for (const char *scheme : {"http", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    const QStringList expected = {m_about->lblURL(1).Tag(), "mailto:" + m_about->lblURL(0).Tag()};
    QCOMPARE(m_opened, expected);
}

void TestFrmAbout::readmeIsArmenianInTheEightBitSet()
{
    for (const QString &text : {frmAbout::readmeText(), frmAbout::closingNote()}) {
        qsizetype bad = 0;
        const QByteArray bytes = bank::encodeArmscii8(text, &bad);
        QCOMPARE(bad, qsizetype(-1));
        QCOMPARE(bank::decodeArmscii8(bytes), text);
        const auto armenian = std::count_if(text.begin(), text.end(), [](QChar c) {
            return c.script() == QChar::Script_Armenian;
        });
        QVERIFY(armenian > text.size() / 3);
    }
    QVERIFY(frmAbout::closingNote().startsWith(QLatin1String("P.S. ")));
    QCOMPARE(m_about->Text1->Text(), frmAbout::readmeText());
    QCOMPARE(m_about->Text1->FontName(), QStringLiteral("Bararan"));
}

void TestFrmAbout::activationFocusesCloseAndEscapeCloses()
{
    m_about->Show();
    m_about->Activate();
    QVERIFY(QTest::qWaitForWindowActive(m_about->window()));
    QTRY_VERIFY(m_about->cmdClose->hasFocus());
    QTest::keyClick(m_about->TabStrip1->tabBar(), Qt::Key_Escape); // Escape is "Close"
    QVERIFY(!m_about->Loaded());
    QVERIFY(!m_about->Visible());
}

void TestFrmAbout::secondOpeningBringsSameBoxForward()
{
    QObject owner;
    QPointer<frmAbout> first = frmAbout::showAbout(owner);
    first->TabStrip1->tabBar()->setCurrentIndex(1);
    QCOMPARE(frmAbout::showAbout(owner), first.data());
    QVERIFY(first->Frame3->Visible());
    first->cmdClose->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(frmAbout::showAbout(owner)->Frame1->Visible());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frm_about.moc"
