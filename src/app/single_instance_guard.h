#pragma once

#include <QString>

#include <memory>

class QLocalServer;

namespace app {

// Keeps a second copy of the program from running for the same user. The first copy to
// acquire holds a local socket under a per-user name; no file is left behind, so a copy that
// crashed never blocks the next start. On Linux the name lives in the abstract socket
// namespace and disappears with the process; elsewhere a local server holds it.
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString &name = defaultName());
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // True when this guard holds the name now (also when it held it already).
    bool tryAcquire();
    void release();
    bool isHeld() const;

    // "lorvane-" followed by the user's id.
    static QString defaultName();

private:
    QString m_name;
#ifdef Q_OS_LINUX
    int m_socket = -1; // bound to the abstract name while held
#else
    std::unique_ptr<QLocalServer> m_server;
#endif
};

} // namespace app
