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

using app::leadingNumber;
using app::numberText;
using app::mRegistry::ReadSetting;
namespace Settings = app::mRegistry::Settings;

ResultsScreen::ResultsScreen(frmMainControls &ui, frmMainFields &state)
    : m_ui(ui), m_state(state), m_scroller(std::make_unique<draw::MarkupScroller>(*m_ui.iScroll))
{}

ResultsScreen::~ResultsScreen() = default;

void ResultsScreen::show()
{
    m_ui.iScroll->setLeft((m_ui.splashik->ScaleWidth() - m_ui.iScroll->Width()) / 2 + 60);
    m_ui.iScroll->setTop(m_ui.splashik->Top() - 300);
    draw::ClearForBoldText(*m_ui.splashik, 46);
    draw::PrintLowTitle(*m_ui.splashik, app::mMain::ProductName);

    m_state.resultsTemplate = m_ui.srcTextBox->Text();
    fillInResults();
    m_ui.iScroll->setVisible(true);
    m_ui.splashik->setVisible(true);
    m_state.lineIndex = 0;
    m_ui.iScroll->Cls();
    m_state.resultLines = ResultsTemplate::splitLines(m_ui.srcTextBox->Text());
    describeResults();
    const int w = qRound(m_ui.iScroll->ScaleWidth());
    const int h = qRound(m_ui.iScroll->ScaleHeight());
    const int t = qRound(m_ui.iScroll->TextHeight(QStringLiteral("A")));
    m_scroller->setRectangles(QRect(0, 1, w, h - 1), QRect(0, h, w, t));
    m_state.lineIndex = 0;
    m_ui.iScroll->Cls();
    m_state.Scrolling = true;
    Scroll_Results();
}

// For a screen reader: the results as plain lines, without the markup that colours them.
void ResultsScreen::describeResults()
{
    QStringList lines;
    for (const QString &line : std::as_const(m_state.resultLines)) {
        if (const QString text = draw::MarkupLine::parse(line).text.trimmed(); !text.isEmpty())
            lines << text;
    }
    m_ui.iScroll->widget()->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

// The name goes in first, so a name holding a placeholder gets that part filled in as well.
void ResultsScreen::fillInResults()
{
    const auto fill = [this](const QString &placeholder, const QString &value) {
        QString text = m_ui.srcTextBox->Text();
        if (!text.contains(placeholder))
            return;
        m_ui.srcTextBox->setText(text.replace(placeholder, value));
    };
    fill(QStringLiteral("<uN>"), ReadSetting(Settings::UserName));
    fill(QStringLiteral("<cor>"), QString::number(m_state.numCorrect));
    fill(QStringLiteral("<wrong>"), numberText(leadingNumber(m_ui.Text1->Text()) + m_state.numWrong));
}

void ResultsScreen::Scroll_Results()
{
    m_scroller->run(m_state.resultLines, m_state.lineIndex, m_state.Scrolling);
    applyTestLook(m_ui, TestLook::Idle);
    m_state.Scrolling = false;
    m_ui.srcTextBox->setText(m_state.resultsTemplate);
    m_state.resultsTemplate.clear();
}

} // namespace main_window
