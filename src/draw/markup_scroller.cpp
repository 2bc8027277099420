#include "draw/markup_scroller.h"

#include "draw/markup_line.h"
#include "forms/picture_box.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

namespace draw {

using forms::PictureBox;

MarkupScroller::MarkupScroller(PictureBox &area) : m_area(area) {}

void MarkupScroller::setRectangles(const QRect &scrollRect, const QRect &lineRect)
{
    m_scrollRect = scrollRect;
    m_lineRect = lineRect;
}

quint32 MarkupScroller::systemTick()
{
    using namespace std::chrono;
    // steady_clock counts from the system's start, like the tick of the windowing system.
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

quint32 MarkupScroller::now() const
{
    return m_clock ? m_clock() : systemTick();
}

void MarkupScroller::run(const QStringList &lines, qint32 &lineIndex, const bool &scrolling)
{
    // While waiting for events the loop must still wake up for the next step; a millisecond
    // ticker bounds every wait without the loop ever spinning.
    std::unique_ptr<QTimer> ticker;
    if (!m_idle) {
        ticker = std::make_unique<QTimer>();
        ticker->setTimerType(Qt::PreciseTimer);
        ticker->start(1);
    }
    do {
        // Unsigned differences stay right when the tick wraps around.
        if (quint32(now() - m_lastStepTick) >= StepMilliseconds) {
            m_lastStepTick = now();
            step(lines, lineIndex);
        }
        letEventsRun();
    } while (lineIndex >= 0 && lineIndex < lines.size() && scrolling);
}

void MarkupScroller::step(const QStringList &lines, qint32 &lineIndex)
{
    const int h = int(m_area.ScaleHeight());
    if (const QRect drawn = drawingRect(); drawn.y() + drawn.height() < h)
        fetchLine(lines, lineIndex);
    m_area.DrawText(drawingRect(), m_currentLine, m_lineFormat);
    m_lineRect.translate(0, -1);
    m_area.ScrollUp(m_scrollRect);
    const double bottom = m_area.ScaleHeight() - 1;
    m_area.Line(0, bottom, m_area.ScaleWidth(), bottom, m_area.BackColor());
    ++m_steps;
}

// A line is drawn at least as tall as its font, rounded up, and the next line is fetched only
// once all of that has come in: glyphs reaching the bottom of the font (a bold "յ", an
// underscore, the descenders of a larger line) keep every row, the last line's too. The next
// line comes at least that far below, so nothing is drawn over it.
QRect MarkupScroller::drawingRect() const
{
    const int fontHeight = int(std::ceil(m_area.TextHeight(QStringLiteral("A"))));
    return QRect(m_lineRect.topLeft(), QSize(m_lineRect.width(), std::max(m_lineRect.height(), fontHeight)));
}

void MarkupScroller::fetchLine(const QStringList &lines, qint32 &lineIndex)
{
    if (lineIndex < 0 || lineIndex >= lines.size())
        return;
    // The gap follows the height of the line before, whose font is still set.
    const int previousHeight = qRound(m_area.TextHeight(QStringLiteral("A")));
    m_lineRect.translate(0, previousHeight + LineGap);
    const MarkupLine line = MarkupLine::parse(lines.at(lineIndex));
    m_currentLine = line.text;
    m_area.setFontBold(line.bold);
    m_lineFormat = line.centred ? PictureBox::AlignCenter : PictureBox::AlignLeft;
    m_area.setFontUnderline(line.underline);
    m_area.setFontSize(line.fontSize);
    m_area.setForeColor(line.color);
    if (line.pause)
        waitOutPause();
    ++lineIndex;
}

void MarkupScroller::waitOutPause()
{
    m_pauseStartTick = now();
    while (quint32(now() - m_pauseStartTick) < PauseMilliseconds)
        letEventsRun();
}

void MarkupScroller::letEventsRun()
{
    if (m_idle)
        m_idle();
    else
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace draw
