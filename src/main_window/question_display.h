#pragma once

#include <QtGlobal>

namespace main_window {

class frmMainControls;
struct frmMainFields;

// The question on screen: drawing the next question at random and showing a record in the
// question box and the answer rows.
class QuestionDisplay
{
public:
    QuestionDisplay(frmMainControls &ui, frmMainFields &state);

    void randomQuestion(qint16 totquest);
    void display_question(qint16 &shown);
    void Advance_if_Wrong(qint16 record);
    void ShowQuestionPicture();

private:
    void showRecord(qint16 record);

    frmMainControls &m_ui;
    frmMainFields &m_state;
};

} // namespace main_window
