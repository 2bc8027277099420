#include "app/session_bus.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <QDBusConnection>

#include <sys/stat.h>
#endif

namespace app {

namespace {

const char *const AddressVariable = "DBUS_SESSION_BUS_ADDRESS";

// Never a socket, so a connection to it fails at once.
const QByteArray Unreachable = "unix:path=/dev/null";

#ifdef Q_OS_LINUX
// The socket a user's session bus listens on where the system runs one per user.
bool userBusSocketExists()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat status = {};
    return !runtime.isEmpty() && ::stat((runtime + "/bus").constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}
#endif

} // namespace

SessionBus::SessionBus()
{
#ifdef Q_OS_LINUX
    m_addressSet = qEnvironmentVariableIsSet(AddressVariable);
    m_address = qgetenv(AddressVariable);
    const bool named = !m_address.isEmpty() && !m_address.startsWith("autolaunch:");
    m_goingWithout = !named && !userBusSocketExists();
    if (m_goingWithout)
        qputenv(AddressVariable, Unreachable);
#endif
}

void SessionBus::settle()
{
#ifdef Q_OS_LINUX
    if (!m_goingWithout)
        return;
    QDBusConnection::sessionBus(); // fails; Qt answers every later request with this connection
    if (m_addressSet)
        qputenv(AddressVariable, m_address);
    else
        qunsetenv(AddressVariable);
#endif
}

} // namespace app
