#include "support/FakeDesktopPortal.h"

#include <QCursor>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane::test {

FakeDesktopPortal::FakeDesktopPortal(QDBusConnection connection) : connection_(connection)
{
    EXPECT_TRUE(
        connection_.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), this));
    EXPECT_TRUE(connection_.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
}

QString FakeDesktopPortal::introspect(const QString&) const
{
    return {};
}

bool FakeDesktopPortal::handleMessage(const QDBusMessage& message, const QDBusConnection&)
{
    if (message.interface() != QLatin1String("org.freedesktop.portal.Screenshot") ||
        message.arguments().size() != 2)
        return false;
    const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().at(1));
    const QCursor* pointer = QGuiApplication::overrideCursor();
    requests.push_back({message.member(), options, pointer && pointer->shape() == Qt::BusyCursor});

    QString sender = message.service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                           QLatin1Char('/') +
                           options.value(QStringLiteral("handle_token")).toString();
    connection_.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));

    const Answer answer = planned.isEmpty() ? Answer{} : planned.takeFirst();
    if (!answer.sent)
        return true;
    QTimer::singleShot(answer.delayMs, [connection = connection_, handle, answer]() mutable {
        QDBusMessage response = QDBusMessage::createSignal(
            handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << answer.code << answer.results;
        connection.send(response);
    });
    return true;
}

} // namespace orvane::test
