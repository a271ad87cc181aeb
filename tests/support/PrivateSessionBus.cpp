#include "support/PrivateSessionBus.h"

#include <QDBusError>
#include <QFile>
#include <gtest/gtest.h>

namespace orvane::test {

PrivateSessionBus::PrivateSessionBus()
{
    const QString config = folder_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                              "<auth>EXTERNAL</auth>"
                              "<policy context=\"default\"><allow send_destination=\"*\"/>"
                              "<allow receive_type=\"*\"/><allow own=\"*\"/></policy>"
                              "</busconfig>")
                   .arg(folder_.path())
                   .toUtf8());
    file.close();
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                   QStringLiteral("--print-address=1")});
    EXPECT_TRUE(daemon_.waitForStarted()) << "dbus-daemon (Debian package dbus) is missing";
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
    }
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    EXPECT_FALSE(address_.isEmpty()) << daemon_.readAllStandardError().toStdString();
}

PrivateSessionBus::~PrivateSessionBus()
{
    for (const QString& name : connections_)
        QDBusConnection::disconnectFromBus(name);
    daemon_.terminate();
    daemon_.waitForFinished();
}

QDBusConnection PrivateSessionBus::connect(const QString& name)
{
    connections_.push_back(name);
    QDBusConnection connection = QDBusConnection::connectToBus(address_, name);
    EXPECT_TRUE(connection.isConnected()) << connection.lastError().message().toStdString();
    return connection;
}

} // namespace orvane::test
