#pragma once

#include <QWidget>

namespace main_window {

class frmMainControls;

// A frame around the whole answer row that has the keyboard focus, so that a keyboard user sees
// which answer Space and Enter choose. It is drawn around the row on the answers' frame, a black
// line with a white one next to the row: one of the two stands out against any answer colour
// and against the frame.
class AnswerFocusFrame : public QWidget
{
    Q_OBJECT
public:
    static constexpr int LineWidth = 3; // the black line
    static constexpr int GapWidth = 1;  // the white line between it and the row

    explicit AnswerFocusFrame(frmMainControls &ui);

    int row() const { return m_row; } // 1..4, or 0 when no answer has the focus

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focused);
    void place();
    QList<QWidget *> rowWidgets(int k) const;

    frmMainControls &m_ui;
    int m_row = 0;
};

} // namespace main_window
