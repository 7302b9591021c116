// Points both buses at nothing before any test runs, so that no cut of the window's tests
// reaches a desktop.
#include <QByteArray>

namespace {
const bool kNoBus = qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent") &&
                    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent");
} // namespace
