#include "app/shell_execute.h"

#include <QDesktopServices>
#include <QUrl>

namespace app::mMain {

namespace {

constexpr qintptr Accepted = 42;
constexpr qintptr FileNotFound = 2;

ShellHandler &currentHandler()
{
    static ShellHandler handler;
    return handler;
}

qintptr openOnDesktop(const ShellRequest &request)
{
    // fromUserInput keeps a full address as it is and still understands "www.example.org".
    const QUrl target = QUrl::fromUserInput(request.file);
    if (!target.isValid())
        return FileNotFound;
    return QDesktopServices::openUrl(target) ? Accepted : FileNotFound;
}

} // namespace

qintptr ShellExecuteA(quintptr ownerWindow, const QString &operation, const QString &file, const QString &parameters,
                      const QString &directory, int showCommand)
{
    Q_UNUSED(ownerWindow);
    const ShellRequest request{operation, file, parameters, directory, showCommand};
    if (const ShellHandler &handler = currentHandler())
        return handler(request);
    return openOnDesktop(request);
}

ShellHandler setShellHandler(ShellHandler handler)
{
    ShellHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace app::mMain
