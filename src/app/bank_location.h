#pragma once

#include <QString>

// Where the test file lives, and writing the default one the program carries.
namespace app::mMain {

// The Windows directory ($WinDir) when it is set; elsewhere the user's data directory
// ($XDG_DATA_HOME/Lorvane, default ~/.local/share/Lorvane), which is created when missing.
QString testFileDirectory();
// The directory above followed by "/LVT.lvq"; built afresh at every call.
QString testFilePath();

// True for an existing file (or a link to one); false for an empty path, a folder, or nothing.
bool FileExists(const QString &path);

// The user's data directory, $XDG_DATA_HOME/Lorvane (default ~/.local/share/Lorvane), whatever
// $WinDir says; created when missing.
QString userDataDirectory();
// results/ in the user's data directory: where a finished test is kept unless the ResultsFolder
// setting names another folder, and where it goes when that folder fails.
QString defaultResultsFolder();

// The default test file inside the program.
inline const QString DefaultTestFileResource = QStringLiteral(":/LVT.lvq");

// Writes the default test file to testFilePath(), byte for byte, replacing the file as a
// whole: either the complete new file is there afterwards or the old state is untouched.
// Returns an empty text on success, otherwise a report of the file error for the user.
QString WriteDefaultTestFile();

} // namespace app::mMain
