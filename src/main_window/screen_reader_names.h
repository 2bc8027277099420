#pragma once

#include <QObject>

namespace main_window {

class frmMain;

// What a screen reader says about the main window. Each answer row is read as its option
// button ("2. the answer's text", checked or not); the question box, the countdowns, the
// question's ordinal and the title screen get names of their own, and the number pictures are named
// by their number instead of being read as nameless graphics. The countdown speaks up at ten
// seconds and at zero only, not every second.
class ScreenReaderNames : public QObject
{
    Q_OBJECT
public:
    explicit ScreenReaderNames(frmMain &main);

private:
    void nameFixedParts();
    void nameAnswer(int k);
    void nameQuestionShown();
    void nameCountdown();
    void namePause();

    frmMain &m_main;
};

} // namespace main_window
