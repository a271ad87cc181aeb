#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace orvane::test {

// A session bus of the test's own: a dbus-daemon with a configuration that starts no services,
// so that nothing the machine has installed answers in place of the test's own services.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // A new connection to the bus, under a name unique in this process.
    QDBusConnection connect(const QString& name);

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QStringList connections_;
};

} // namespace orvane::test
