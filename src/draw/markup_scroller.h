#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace forms {
class PictureBox;
}

namespace draw {

// The results scroll. Marked-up lines (see MarkupLine) enter a picture area at its bottom edge
// and move up one pixel per step, at most one step per 2 ms of the millisecond tick, each line
// t + 5 pixels below the one before (t: the line height in the font of the line before). A
// step draws only the entering line, moves the pixels already drawn up by one and paints the
// bottom row in the back colour. run() blocks but lets window events run on every pass, and
// sleeps until the next event or the next step is due instead of spinning.
//
// The current line, its format and the tick of the last step carry over from one run to the
// next; the rectangles are set up by the caller before each run.
class MarkupScroller
{
public:
    using Clock = std::function<quint32()>;
    using Idle = std::function<void()>;

    static constexpr quint32 StepMilliseconds = 2;
    static constexpr quint32 PauseMilliseconds = 2500;
    static constexpr int LineGap = 5;

    explicit MarkupScroller(forms::PictureBox &area);

    // In pixels of the area; Qt rectangles (a Win32 (l, t, r, b) is QRect(l, t, r - l, b - t)).
    void setRectangles(const QRect &scrollRect, const QRect &lineRect);
    // Scrolls lines[lineIndex] onwards while scrolling stays true, advancing lineIndex; returns
    // right after the last line has been fetched. Event handlers may clear scrolling meanwhile.
    void run(const QStringList &lines, qint32 &lineIndex, const bool &scrolling);

    // Milliseconds since the system started, wrapping at 2^32.
    static quint32 systemTick();

    // Tests replace the tick and the wait between passes; empty restores the real ones.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setIdle(Idle idle) { m_idle = std::move(idle); }
    const QString &currentLine() const { return m_currentLine; }
    int lineFormat() const { return m_lineFormat; }
    QRect lineRect() const { return m_lineRect; }
    QRect scrollRect() const { return m_scrollRect; }
    quint32 lastStepTick() const { return m_lastStepTick; }

    qint64 stepCount() const { return m_steps; } // steps taken since construction

private:
    quint32 now() const;
    void step(const QStringList &lines, qint32 &lineIndex);
    void fetchLine(const QStringList &lines, qint32 &lineIndex);
    QRect drawingRect() const;
    void waitOutPause();
    void letEventsRun();

    forms::PictureBox &m_area;
    Clock m_clock;
    Idle m_idle;
    QString m_currentLine;
    int m_lineFormat = 0;
    QRect m_lineRect;
    QRect m_scrollRect;
    quint32 m_lastStepTick = 0;
    quint32 m_pauseStartTick = 0;
    qint64 m_steps = 0;
};

} // namespace draw
