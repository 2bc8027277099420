#pragma once

namespace main_window {

struct frmMainFields;

// The test file behind the main window: finding it at start-up, reading its records and
// counting them; a file that cannot be read ends the program with the reinstall message.
class TestFileLoader
{
public:
    explicit TestFileLoader(frmMainFields &state);

    void Get_Appname_Datafile();
    void Load_Question();
    void Count_Questions();

    // The reinstall message, then the end of the program.
    [[noreturn]] static void failTestFile();

private:
    frmMainFields &m_state;
};

} // namespace main_window
