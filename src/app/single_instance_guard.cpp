#include "app/single_instance_guard.h"

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#else
#include <QLocalServer>
#include <QLocalSocket>
#endif

namespace app {

SingleInstanceGuard::SingleInstanceGuard(const QString &name) : m_name(name) {}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

QString SingleInstanceGuard::defaultName()
{
#ifdef Q_OS_UNIX
    return QStringLiteral("lorvane-") + QString::number(::getuid());
#else
    return QStringLiteral("lorvane-") + qEnvironmentVariable("USERNAME");
#endif
}

#ifdef Q_OS_LINUX

// Binding an abstract name fails while any process holds it, and the kernel drops the name with
// the last descriptor: nothing to clean up after a crash. A plain socket keeps the program off
// the toolkit's network library, whose loading alone costs a noticeable part of the start-up.
bool SingleInstanceGuard::tryAcquire()
{
    if (m_socket >= 0)
        return true;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = m_name.toUtf8();
    // sun_path[0] stays 0: the abstract namespace.
    const std::size_t length = std::min<std::size_t>(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), length);
    const auto size = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), size) != 0) {
        ::close(fd);
        return false;
    }
    m_socket = fd;
    return true;
}

void SingleInstanceGuard::release()
{
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
}

bool SingleInstanceGuard::isHeld() const
{
    return m_socket >= 0;
}

#else

bool SingleInstanceGuard::tryAcquire()
{
    if (m_server)
        return true;
    {
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(500))
            return false;
    }
    // Nobody answers: whatever is left under the name belongs to a copy that is gone.
    QLocalServer::removeServer(m_name);
    auto server = std::make_unique<QLocalServer>();
    if (!server->listen(m_name))
        return false;
    m_server = std::move(server);
    return true;
}

void SingleInstanceGuard::release()
{
    if (m_server)
        m_server->close();
    m_server.reset();
}

bool SingleInstanceGuard::isHeld() const
{
    return m_server != nullptr;
}

#endif

} // namespace app
