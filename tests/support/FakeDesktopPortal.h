#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QList>
#include <QVariantMap>

namespace orvane::test {

// The desktop portal's Screenshot and PickColor, answering as the test plans: each request
// takes the next planned answer, sent on the request path the real portal would use.
class FakeDesktopPortal : public QDBusVirtualObject {
public:
    struct Answer {
        uint code = 0; // 0 granted, 1 cancelled by the user, 2 refused otherwise
        QVariantMap results;
        int delayMs = 0;
        bool sent = true; // false: the desktop never answers
    };
    // What the portal was asked.
    struct Request {
        QString method;
        QVariantMap options;
        bool busyPointer = false; // whether the asking program showed a busy pointer meanwhile
    };

    // Registers the portal on the bus of the connection.
    explicit FakeDesktopPortal(QDBusConnection connection);

    QList<Answer> planned;
    QList<Request> requests;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QDBusConnection connection_;
};

} // namespace orvane::test
