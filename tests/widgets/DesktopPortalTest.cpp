#include "widgets/DesktopPortal.h"
#include "support/FakeDesktopPortal.h"
#include "support/PrivateSessionBus.h"

#include <QDBusArgument>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using test::FakeDesktopPortal;
using Answer = FakeDesktopPortal::Answer;

const QVariantMap kPicture = {{QStringLiteral("uri"), QStringLiteral("file:///tmp/shot.png")}};

Answer granted(QVariantMap results, int delayMs = 0)
{
    return {0, std::move(results), delayMs, true};
}

Answer refused(uint code)
{
    return {code, {}, 0, true};
}

class DesktopPortalTest : public testing::Test {
protected:
    test::PrivateSessionBus bus_;
    FakeDesktopPortal service_{bus_.connect(QStringLiteral("service"))};
    DesktopPortal portal_{bus_.connect(QStringLiteral("client")), 400ms};
};

// A refusal of the silent request (by the user or otherwise) earns one more request that lets
// the desktop ask; a late answer still counts, a missing one gives up after the timeout.
TEST_F(DesktopPortalTest, ScreenshotAsksAgainWithADialogOnlyAfterARefusal)
{
    const Answer never{0, kPicture, 0, false};
    const struct {
        const char* name;
        QList<Answer> answers;
        bool picture;
        QList<bool> interactive;
    } rows[] = {
        {"granted", {granted(kPicture)}, true, {false}},
        {"granted late", {granted(kPicture, 250)}, true, {false}},
        {"cancelled, then granted", {refused(1), granted(kPicture)}, true, {false, true}},
        {"refused, then granted", {refused(2), granted(kPicture)}, true, {false, true}},
        {"refused twice", {refused(2), refused(1)}, false, {false, true}},
        {"never answered", {never}, false, {false}},
        {"granted without a picture", {granted({})}, false, {false}},
    };
    for (const auto& row : rows) {
        service_.planned = row.answers;
        service_.requests.clear();
        const std::optional<QUrl> uri = portal_.screenshot();
        EXPECT_EQ(uri.has_value(), row.picture) << row.name;
        if (uri) {
            EXPECT_EQ(*uri, QUrl(QStringLiteral("file:///tmp/shot.png"))) << row.name;
        }
        QList<bool> interactive;
        for (const FakeDesktopPortal::Request& request : service_.requests) {
            EXPECT_EQ(request.method, QStringLiteral("Screenshot"));
            interactive.push_back(request.options.value(QStringLiteral("interactive")).toBool());
        }
        EXPECT_EQ(interactive, row.interactive) << row.name;
    }
}

TEST_F(DesktopPortalTest, PickColorReadsTheChannelsOrNothing)
{
    QDBusArgument channels;
    channels.beginStructure();
    channels << 0.2 << 0.6 << 1.0;
    channels.endStructure();
    service_.planned = {granted({{QStringLiteral("color"), QVariant::fromValue(channels)}}),
                        refused(1)};
    EXPECT_EQ(portal_.pickColor(), QColor(51, 153, 255));
    EXPECT_EQ(portal_.pickColor(), std::nullopt) << "cancelled";
    ASSERT_EQ(service_.requests.size(), 2);
    EXPECT_EQ(service_.requests[0].method, QStringLiteral("PickColor"));
}

// Without a portal on the bus the requests fail at once rather than after the timeout.
TEST(DesktopPortalWithoutServiceTest, GivesNothing)
{
    test::PrivateSessionBus bus;
    DesktopPortal portal(bus.connect(QStringLiteral("client")), 60s);
    EXPECT_EQ(portal.screenshot(), std::nullopt);
    EXPECT_EQ(portal.pickColor(), std::nullopt);
}

} // namespace
} // namespace orvane
