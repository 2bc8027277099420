#pragma once

#include <QtGlobal>

namespace main_window {

class frmMainControls;
struct frmMainFields;

// The test file and the question on screen: reading the file, drawing the next question at
// random and showing a record in the question box and the answer rows.
class QuestionDisplay
{
public:
    QuestionDisplay(frmMainControls &ui, frmMainFields &state);

    void Get_Appname_Datafile();
    void Load_Question();
    void Count_Questions();
    void randomQuestion(qint16 totquest);
    void display_question(qint16 &shown);
    void Advance_if_Wrong(qint16 record);
    void ShowQuestionPicture();

    // The reinstall message, then the end of the program.
    [[noreturn]] static void failTestFile();

private:
    void showRecord(qint16 record);

    frmMainControls &m_ui;
    frmMainFields &m_state;
};

} // namespace main_window
