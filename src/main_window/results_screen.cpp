#include "main_window/results_screen.h"

#include "app/m_main.h"
#include "app/m_registry.h"
#include "app/text_number.h"
#include "draw/markup_line.h"
#include "draw/markup_scroller.h"
#include "draw/text_placement.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "main_window/frm_main_controls.h"
#include "main_window/frm_main_fields.h"
#include "main_window/results_template.h"
#include "main_window/test_look.h"

#include <QWidget>

namespace main_window {

using mRegistry::ReadSetting;
namespace Settings = mRegistry::Settings;

ResultsScreen::ResultsScreen(frmMainControls &ui, frmMainFields &state)
    : ui(ui), state(state), m_scroller(std::make_unique<draw::MarkupScroller>(*ui.iScroll))
{
}

ResultsScreen::~ResultsScreen() = default;

void ResultsScreen::show()
{
    ui.iScroll->setLeft((ui.splashik->ScaleWidth() - ui.iScroll->Width()) / 2 + 60);
    ui.iScroll->setTop(ui.splashik->Top() - 300);
    mMain::ClearForBoldText(*ui.splashik, 46);
    mMain::PrintLowTitle(*ui.splashik, mMain::ProductName);

    state.resultsTemplate = ui.srcTextBox->Text();
    fillInResults();
    ui.iScroll->setVisible(true);
    ui.splashik->setVisible(true);
    state.lineIndex = 0;
    ui.iScroll->Cls();
    state.resultLines = ResultsTemplate::splitLines(ui.srcTextBox->Text());
    describeResults();
    const int w = qRound(ui.iScroll->ScaleWidth());
    const int h = qRound(ui.iScroll->ScaleHeight());
    const int t = qRound(ui.iScroll->TextHeight(QStringLiteral("A")));
    m_scroller->setRectangles(QRect(0, 1, w, h - 1), QRect(0, h, w, t));
    state.lineIndex = 0;
    ui.iScroll->Cls();
    state.Scrolling = true;
    Scroll_Results();
}

// For a screen reader: the results as plain lines, without the markup that colours them.
void ResultsScreen::describeResults()
{
    QStringList lines;
    for (const QString &line : std::as_const(state.resultLines)) {
        if (const QString text = draw::MarkupLine::parse(line).text.trimmed(); !text.isEmpty())
            lines << text;
    }
    ui.iScroll->widget()->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

// The name goes in first, so a name holding a placeholder gets that part filled in as well.
void ResultsScreen::fillInResults()
{
    const auto fill = [this](const QString &placeholder, const QString &value) {
        QString text = ui.srcTextBox->Text();
        if (!text.contains(placeholder))
            return;
        ui.srcTextBox->setText(text.replace(placeholder, value));
    };
    fill(QStringLiteral("<uN>"), ReadSetting(Settings::UserName));
    fill(QStringLiteral("<cor>"), QString::number(state.numCorrect));
    fill(QStringLiteral("<wrong>"), numberText(leadingNumber(ui.Text1->Text()) + state.numWrong));
}

void ResultsScreen::Scroll_Results()
{
    m_scroller->run(state.resultLines, state.lineIndex, state.Scrolling);
    applyTestLook(ui, TestLook::Idle);
    state.Scrolling = false;
    ui.srcTextBox->setText(state.resultsTemplate);
    state.resultsTemplate.clear();
}

} // namespace main_window
