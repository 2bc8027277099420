#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Hands a document, web address or "mailto:" address to the desktop's default handler for it,
// with the argument list of the Win32 call the program was written against. The owner window,
// parameters and directory are accepted and not used; a null verb means the default action.
namespace app::mMain {

constexpr int SW_SHOWNORMAL = 1;

// Above 32 when the request was accepted, 2 (file not found) when no handler took it.
qintptr ShellExecuteA(quintptr ownerWindow, const QString &operation, const QString &file, const QString &parameters,
                      const QString &directory, int showCommand);

// One request as it reaches the desktop.
struct ShellRequest
{
    QString operation;
    QString file;
    QString parameters;
    QString directory;
    int showCommand = 0;
};

// Tests take over the desktop with a recorder; returns the previous handler. An empty handler
// puts the desktop back.
using ShellHandler = std::function<qintptr(const ShellRequest &request)>;
ShellHandler setShellHandler(ShellHandler handler);

} // namespace app::mMain
