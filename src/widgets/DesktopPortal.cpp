// SPDX-License-Identifier: MIT
#include "widgets/DesktopPortal.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

namespace orvane {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");
const QString kResponseSignature = QStringLiteral("ua{sv}");
constexpr uint kGranted = 0;

// Where the portal publishes the answer to a request made with this token: its own path, the
// sender's unique name without the colon and with its dots as underscores, then the token.
QString requestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName.mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

// Holds the event loop that waits for one answer, and the answer once it came.
class ResponseWaiter : public QObject {
    Q_OBJECT
public:
    QEventLoop loop;
    std::optional<uint> code;
    QVariantMap results;

public slots:
    void take(uint response, const QVariantMap& answer)
    {
        code = response;
        results = answer;
        loop.quit();
    }
};

} // namespace

DesktopPortal::DesktopPortal(const QDBusConnection& bus, std::chrono::milliseconds timeout)
    : bus_(bus), timeout_(timeout)
{
}

std::optional<QUrl> DesktopPortal::screenshot()
{
    std::optional<Response> response =
        request(QStringLiteral("Screenshot"), {{QStringLiteral("interactive"), false}});
    // A desktop that will not hand the screen over silently may still do so once the user
    // agrees in its dialog.
    if (response && response->code != kGranted)
        response = request(QStringLiteral("Screenshot"), {{QStringLiteral("interactive"), true}});
    if (!response || response->code != kGranted)
        return std::nullopt;
    const QUrl uri(response->results.value(QStringLiteral("uri")).toString());
    if (!uri.isValid() || uri.isEmpty())
        return std::nullopt;
    return uri;
}

DesktopColorPick DesktopPortal::pickColor()
{
    using Outcome = DesktopColorPick::Outcome;
    const std::optional<Response> response = request(QStringLiteral("PickColor"), {});
    if (!response)
        return {Outcome::NoAnswer};
    if (response->code != kGranted)
        return {Outcome::Cancelled};
    const QVariant color = response->results.value(QStringLiteral("color"));
    if (!color.canConvert<QDBusArgument>())
        return {Outcome::Cancelled};
    const QDBusArgument channels = color.value<QDBusArgument>();
    if (channels.currentSignature() != QStringLiteral("(ddd)"))
        return {Outcome::Cancelled};
    double red = 0;
    double green = 0;
    double blue = 0;
    channels.beginStructure();
    channels >> red >> green >> blue;
    channels.endStructure();
    const QColor picked = QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green),
                                           static_cast<float>(blue));
    return {Outcome::Picked, MakeColor(picked.red(), picked.green(), picked.blue())};
}

std::optional<DesktopPortal::Response> DesktopPortal::request(const QString& method,
                                                              QVariantMap options)
{
    if (!bus_.isConnected())
        return std::nullopt;
    const QString token =
        QStringLiteral("orvane%1").arg(QRandomGenerator::global()->generate64(), 0, 16);
    options.insert(QStringLiteral("handle_token"), token);
    const QString path = requestPath(bus_.baseService(), token);

    // Subscribed before the call, as the answer may come before the call's own reply does. The
    // path holds this connection's unique name and a fresh token, so only this request's answer
    // arrives there.
    ResponseWaiter waiter;
    bus_.connect(QString(), path, kRequestInterface, kResponse, kResponseSignature, &waiter,
                 SLOT(take(uint, QVariantMap)));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kScreenshotInterface, method);
    call << QString() << options;
    const QDBusPendingCallWatcher reply(bus_.asyncCall(call, static_cast<int>(timeout_.count())));
    // Without a portal on the bus, or when it rejects the call, no answer will come.
    QObject::connect(&reply, &QDBusPendingCallWatcher::finished, &waiter.loop, [&] {
        if (reply.isError())
            waiter.loop.quit();
    });
    QTimer::singleShot(timeout_, &waiter.loop, &QEventLoop::quit);
    waiter.loop.exec();
    bus_.disconnect(QString(), path, kRequestInterface, kResponse, kResponseSignature, &waiter,
                    SLOT(take(uint, QVariantMap)));

    if (!waiter.code)
        return std::nullopt;
    return Response{*waiter.code, waiter.results};
}

} // namespace orvane

#include "DesktopPortal.moc"
