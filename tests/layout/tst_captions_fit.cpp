// Every caption of every window is drawn whole: a label, button or option whose text needs more
// room than its inside would be cut off. CTest runs this at the scales desktops use as well.
#include "../main_window/main_window_fixture.h"

#include "dialogs/frm_about.h"
#include "dialogs/frm_properties.h"
#include "dialogs/frm_splash.h"
#include "forms/tab_strip.h"
#include "main_window/frm_main.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

namespace {

// Room a push button's frame leaves for its text; boxes with an indicator leave less.
int textRoom(const QAbstractButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle &style = *button.style();
    if (button.inherits("QPushButton"))
        return button.width() - 2 * style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
    return button.width() - style.pixelMetric(QStyle::PM_IndicatorWidth, &option, &button)
        - style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, &button);
}

QString clipped(const QWidget &widget)
{
    const QFontMetrics metrics(widget.font());
    const auto report = [&widget](const QString &text, QSize needed, QSize room) {
        return QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
            .arg(widget.objectName(), text).arg(needed.width()).arg(needed.height())
            .arg(room.width()).arg(room.height());
    };
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return {};
        const QString text = QString(label->text()).remove(QLatin1Char('&'));
        const QSize needed = metrics.size(0, text);
        const QSize room = label->contentsRect().size();
        return needed.width() > room.width() || needed.height() > room.height()
            ? report(text, needed, room) : QString();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget)) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const auto *tool = qobject_cast<const QToolButton *>(button);
        if (text.isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            return {};
        const QSize needed = metrics.size(Qt::TextShowMnemonic, text);
        const QSize room(textRoom(*button), button->height());
        return needed.width() > room.width() || needed.height() > room.height()
            ? report(text, needed, room) : QString();
    }
    return {};
}

QStringList clippedCaptions(const QWidget &window)
{
    QStringList found;
    for (const QWidget *widget : window.findChildren<QWidget *>())
        if (widget->isVisibleTo(&window))
            if (const QString problem = clipped(*widget); !problem.isEmpty())
                found << problem;
    return found;
}

void verifyWhole(const QWidget &window)
{
    const QStringList found = clippedCaptions(window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

} // namespace

class TestCaptionsFit : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowDuringAQuestion();
    void dialogsAndSplash();
};

void TestCaptionsFit::mainWindowDuringAQuestion()
{
    MainWindowFixture fixture;
    fixture.env.writeTestFile(MainWindowFixture::bank(171));
    frmMain main;
    main.Load();
    QTRY_VERIFY_WITH_TIMEOUT(main.Visible(), 2000);
    verifyWhole(*main.window());
    main.mnuStart_Click();
    verifyWhole(*main.window());

    frmProperties properties(main);
    properties.Load();
    properties.setVisible(true);
    verifyWhole(*properties.window());
}

void TestCaptionsFit::dialogsAndSplash()
{
    frmAbout about;
    about.Load();
    about.setVisible(true);
    verifyWhole(*about.window());
    about.TabStrip1->setSelectedIndex(2);
    verifyWhole(*about.window());

    frmSplash splash;
    splash.Load();
    splash.setVisible(true);
    verifyWhole(*splash.window());
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captions_fit.moc"
