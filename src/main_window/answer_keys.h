#pragma once

#include <QObject>
#include <QPointer>

namespace main_window {
class frmMain;
}
class QKeyEvent;
class QWidget;

namespace main_window {

// The keyboard way through a test, next to the mouse: digits 1 to 4 choose an answer, Up and
// Down walk the answers, Space or Enter on an answer chooses it, and after an answer has been
// checked the focus returns to the first answer. After a pause the keyboard goes to Next when
// an answer is chosen.
class AnswerKeys : public QObject
{
    Q_OBJECT
public:
    explicit AnswerKeys(frmMain &main);
    ~AnswerKeys() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QWidget *target, const QKeyEvent &key);
    bool leaveCoveredControl(QWidget *widget);
    bool chooseAnswer(int k);
    bool focusAnswer(int k);
    void returnToTheTest();
    int answerRowOf(const QWidget *widget) const; // 1..4, or 0
    bool testOnScreen() const;
    void onFocusChanged(QWidget *old, QWidget *now);

    frmMain &m_main;
};

} // namespace main_window
