// SPDX-License-Identifier: MIT
#include "widgets/DesktopPortal.h"
#include "widgets/PortalScreenGrabber.h"

#include <QCursor>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;

struct Answer {
    uint code = 0; // 0 granted, 1 cancelled by the user, 2 refused otherwise
    QVariantMap results;
    int delayMs = 0;
};

// The portal's Screenshot and PickColor: each request takes the next planned answer and sends it
// on the request path the real portal uses. Notes each request as the program made it.
class FakePortal : public QDBusVirtualObject {
public:
    QList<Answer> planned;
    QStringList requests;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override
    {
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        const QCursor* pointer = QGuiApplication::overrideCursor();
        requests.push_back(message.member() +
                           (options.value("interactive").toBool() ? " interactive" : "") +
                           (pointer && pointer->shape() == Qt::BusyCursor ? " busy" : ""));
        const QString handle = "/org/freedesktop/portal/desktop/request/" +
                               message.service().mid(1).replace('.', '_') + '/' +
                               options.value("handle_token").toString();
        bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        const Answer answer = planned.isEmpty() ? Answer{0, {}, 60000} : planned.takeFirst();
        const QDBusMessage response =
            QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response")
            << answer.code << answer.results;
        QTimer::singleShot(answer.delayMs, this, [bus, response] { bus.send(response); });
        return true;
    }
};

// Each test has a session bus of its own with the fake portal on it.
class DesktopPortalTest : public testing::Test {
protected:
    DesktopPortalTest()
    {
        daemon_.start("dbus-daemon", {"--config-file=" TEST_BUS_CONFIG, "--print-address"});
        daemon_.waitForReadyRead(5000);
        const QString address = QString::fromUtf8(daemon_.readLine()).trimmed();
        EXPECT_FALSE(address.isEmpty()) << "no dbus-daemon (Debian package dbus) started";
        client_ = QDBusConnection::connectToBus(address, "client");
        QDBusConnection service = QDBusConnection::connectToBus(address, "service");
        EXPECT_TRUE(service.registerVirtualObject("/org/freedesktop/portal/desktop", &portal_));
        EXPECT_TRUE(service.registerService("org.freedesktop.portal.Desktop"));
    }
    ~DesktopPortalTest() override
    {
        QDBusConnection::disconnectFromBus("client");
        QDBusConnection::disconnectFromBus("service");
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    QProcess daemon_;
    QDBusConnection client_{"client"};
    FakePortal portal_;
};

// A refusal of the silent request (by the user or otherwise) earns one more request that lets
// the desktop ask; a late answer still counts, one after the timeout does not.
TEST_F(DesktopPortalTest, ScreenshotAsksAgainWithADialogOnlyAfterARefusal)
{
    const QUrl shot("file:///tmp/shot.png");
    const QVariantMap picture = {{"uri", shot.toString()}};
    const QStringList twice = {"Screenshot", "Screenshot interactive"};
    const std::tuple<const char*, QList<Answer>, std::optional<QUrl>, QStringList> rows[] = {
        {"granted", {{0, picture}}, shot, {"Screenshot"}},
        {"granted late", {{0, picture, 300}}, shot, {"Screenshot"}},
        {"cancelled, then granted", {{1, {}}, {0, picture}}, shot, twice},
        {"refused, then granted", {{2, {}}, {0, picture}}, shot, twice},
        {"refused twice", {{2, {}}, {1, {}}}, std::nullopt, twice},
        {"granted after the timeout", {{0, picture, 3000}}, std::nullopt, {"Screenshot"}},
        {"granted without a picture", {{0, {}}}, std::nullopt, {"Screenshot"}},
    };
    DesktopPortal portal(client_, 1s);
    for (const auto& [name, answers, uri, requests] : rows) {
        portal_.planned = answers;
        portal_.requests.clear();
        EXPECT_EQ(portal.screenshot(), uri) << name;
        EXPECT_EQ(portal_.requests, requests) << name;
    }
}

// A cancel counts even with a colour sent along; without a portal, requests fail at once.
TEST_F(DesktopPortalTest, PickColorReadsTheChannelsOrNothing)
{
    QDBusArgument channels;
    channels.beginStructure();
    channels << 0.2 << 0.6 << 1.0;
    channels.endStructure();
    const QVariantMap color = {{"color", QVariant::fromValue(channels)}};
    portal_.planned = {{0, color}, {1, color}};
    DesktopPortal portal(client_, 60s);
    const DesktopColorPick picked = portal.pickColor();
    EXPECT_EQ(picked.outcome, DesktopColorPick::Outcome::Picked);
    EXPECT_EQ(picked.color, MakeColor(51, 153, 255));
    EXPECT_EQ(portal.pickColor().outcome, DesktopColorPick::Outcome::Cancelled);
    EXPECT_EQ(portal_.requests, QStringList({"PickColor", "PickColor"}));

    QDBusConnection("service").unregisterService("org.freedesktop.portal.Desktop");
    const QDeadlineTimer patience(30s);
    EXPECT_EQ(portal.screenshot(), std::nullopt);
    EXPECT_EQ(portal.pickColor().outcome, DesktopColorPick::Outcome::NoAnswer);
    EXPECT_FALSE(patience.hasExpired()) << "waited for a portal that is not there";
}

// The portal's picture becomes the snapshot, with its device pixels to a logical one, and goes
// when it lies in the temporary folder. An all-black picture is no snapshot.
TEST_F(DesktopPortalTest, GrabberLoadsThePortalsPictureAndTidiesUp)
{
    const QTemporaryDir pictures;
    const QString temporary = pictures.filePath("tmp");
    QDir().mkpath(temporary);
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temporary.toUtf8());
    QImage black(desktopGeometry().size() * 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    QImage blackButOne = black;
    blackButOne.setPixel(black.width() - 1, black.height() - 1, qRgb(0, 0, 1));
    const std::tuple<QImage, QString, QImage, bool> rows[] = {
        {blackButOne, temporary, blackButOne, true},
        {blackButOne, pictures.path(), blackButOne, false},
        {black, temporary, QImage(), true},
    };
    PortalScreenGrabber grabber(DesktopPortal(client_, 1s));
    for (const auto& [picture, folder, expected, removed] : rows) {
        const QString path = folder + "/shot.png";
        ASSERT_TRUE(picture.save(path));
        portal_.planned = {{0, {{"uri", QUrl::fromLocalFile(path).toString()}}}};
        const QImage snapshot = grabber.grabDesktop();
        EXPECT_EQ(snapshot, expected) << path.toStdString();
        EXPECT_EQ(snapshot.devicePixelRatio(), expected.isNull() ? 1.0 : 2.0);
        EXPECT_EQ(!QFile::exists(path), removed) << path.toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    qputenv("TMPDIR", savedTemp);
    EXPECT_EQ(portal_.requests, QStringList(std::size(rows), "Screenshot busy"));
}

} // namespace
} // namespace orvane
