#pragma once

#include <QByteArray>

namespace app {

// Where no session bus runs (a kiosk, a bare X server), the D-Bus library would start one of its
// own the first time the program asks for it, for the screen-reader bridge: a daemon that
// outlives the program and writes ~/.dbus. Made before the application object, this points the
// program at an address nothing listens on; once the application runs, the program's session
// bus is opened there and fails, Qt keeps that answer, and the environment is put back for the
// programs the program opens. A bus that runs, or an accessibility bus named by
// AT_SPI_BUS_ADDRESS, is used as before.
class SessionBus
{
public:
    SessionBus();
    // Call once the application object exists.
    void settle();

private:
    bool m_goingWithout = false;
    QByteArray m_address; // as the environment had it
    bool m_addressSet = false;
};

} // namespace app
