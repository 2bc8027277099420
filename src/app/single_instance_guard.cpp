#include "app/single_instance_guard.h"

#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

bool SingleInstanceGuard::tryAcquire()
{
    if (m_server)
        return true;
    auto server = std::make_unique<QLocalServer>();
#ifdef Q_OS_LINUX
    // Binding an abstract name fails while any process holds it, and the name goes with the
    // process: nothing to clean up after a crash.
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
#else
    {
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(500))
            return false;
    }
    // Nobody answers: whatever is left under the name belongs to a copy that is gone.
    QLocalServer::removeServer(m_name);
#endif
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
