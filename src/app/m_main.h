#pragma once

#include <QCoreApplication>
#include <QString>

// Strings shared by the program's modules.
namespace app::mMain {

inline QString dataFilePath;        // the test file's path, once it has been accepted
inline QString advanceIfWrongValue; // "True" from start-up on

inline const QString AppTitle = QStringLiteral("Lorvane");
inline const QString ProductName = QStringLiteral("Lorvane 2004"); // the title screen's text
inline QString testFileMissingText()
{
    return QCoreApplication::translate("mMain", "Test File not found, please reinstall Lorvane 2004 program");
}

} // namespace app::mMain
