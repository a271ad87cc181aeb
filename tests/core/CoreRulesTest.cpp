// SPDX-License-Identifier: MIT
#include "core/CommandLine.h"
#include "core/DesktopSession.h"
#include "core/PickerGeometry.h"
#include "core/TipsFile.h"
#include "core/UndoHistory.h"
#include "core/WindowPlacement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvane {
namespace {

using Strings = std::vector<std::string>;

TEST(CommandLineTest, StartupFileFromArguments)
{
    const std::pair<Strings, std::string> rows[] = {
        {{}, ""},
        {{"x"}, ""}, // one character names no file
        {{"ab"}, "ab"},
        // A path with blanks may arrive split; the pieces are joined by single blanks.
        {{"/home/me/My", "Schemes/sea", "blue.vrx"}, "/home/me/My Schemes/sea blue.vrx"},
        // Surrounding quotes are removed, also when they were split apart with the path.
        {{"\"/home/me/sea blue.vrx\""}, "/home/me/sea blue.vrx"},
        {{"\"/home/me/sea", "blue.vrx\""}, "/home/me/sea blue.vrx"},
        {{"\"/home/me/a.vrx"}, "\"/home/me/a.vrx"}, // a quote on one side only is part of it
        // The first "--" ends the options and is dropped; a later one is part of the path.
        {{"--", "--odd-name.vrx"}, "--odd-name.vrx"},
        {{"--", "a", "--", "b"}, "a -- b"},
        {{"--"}, ""},
    };
    for (const auto& [arguments, file] : rows)
        EXPECT_EQ(startupFileFromArguments(arguments), file) << testing::PrintToString(arguments);
}

// The option is removed wherever and however often it stands before the file is read, up to a
// "--"; a path that merely contains it, or follows the "--", stays a path.
TEST(CommandLineTest, TakeOptionRemovesTheOptionBeforeTheFileIsRead)
{
    const std::string option = "--report-first-paint";
    const std::tuple<Strings, bool, std::string> rows[] = {
        {{option, "/home/me/sea", "blue.vrx"}, true, "/home/me/sea blue.vrx"},
        {{"a.vrx", option, option}, true, "a.vrx"},
        {{"/tmp/" + option + ".vrx"}, false, "/tmp/" + option + ".vrx"},
        {{"--", option}, false, option},
        {{option, "a", "--", option}, true, "a " + option},
    };
    for (auto [arguments, found, file] : rows) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(takeOption(arguments, option), found);
        EXPECT_EQ(startupFileFromArguments(arguments), file);
    }
}

// Only "--frob" exists as a file here.
TEST(CommandLineTest, DecideCommandLine)
{
    using enum CommandLineRequest;
    const auto isFile = [](const std::string& path) { return path == "--frob"; };
    const std::pair<Strings, CommandLineDecision> rows[] = {
        {{}, {}},
        {{"a.vrx"}, {}},
        {{"--help"}, {Help, ""}},
        {{"a.vrx", "--version"}, {Version, ""}},
        {{"--version", "--help", "--bad"}, {Version, ""}}, // the first request wins
        {{"--bad", "--help"}, {UnknownOption, "--bad"}},
        {{"-x"}, {}}, // one dash: a path, as ever
        {{"--report-first-paint", "a.vrx"}, {}},
        // The toolkit's options, with one dash or two, and the values they take.
        {{"--platform", "offscreen", "--style=fusion", "-reverse", "--help"}, {Help, ""}},
        {{"--qwindowtitle", "--bad", "a.vrx"}, {}},
        {{"--platform"}, {}},
        {{"--platforms"}, {UnknownOption, "--platforms"}},
        // After "--" nothing is an option; a file named like an option still opens.
        {{"--", "--help"}, {}},
        {{"--", "--bad"}, {}},
        {{"--frob"}, {}},
        {{"--frob", "--platform", "xcb"}, {}},
        {{"--frob", "x.vrx"}, {UnknownOption, "--frob"}},
    };
    for (const auto& [arguments, decision] : rows)
        EXPECT_EQ(decideCommandLine(arguments, {"--report-first-paint"}, isFile), decision)
            << testing::PrintToString(arguments);
}

constexpr int kW = 1920;
constexpr int kH = 1080;

// The block centres on the pointer, stops at the near edges, and keeps the last 24 pixels once
// the pointer is within 24 pixels of the far edge although a centred block would still fit.
TEST(PickerGeometryTest, MagnifiedBlockCentresOnThePointerAndStopsAtTheEdges)
{
    const std::tuple<PixelPoint, int, int, PixelPoint> cases[] = {
        {{100, 100}, kW, kH, {88, 88}},
        {{12, 12}, kW, kH, {0, 0}},                       // exactly half a block from the edge
        {{kW - 24, kH - 24}, kW, kH, {kW - 36, kH - 36}}, // a block's length from the far edge
        {{kW - 23, 100}, kW, kH, {kW - 24, 88}},
        {{700, 700}, 2560, 720, {688, 696}}, // each axis uses its own extent
    };
    for (const auto& [pointer, width, height, origin] : cases)
        EXPECT_EQ(magnifiedBlockOrigin(pointer, width, height), origin)
            << pointer.x << "," << pointer.y;
    // On a desktop narrower than three half blocks both edge rules apply; the near edge wins.
    EXPECT_EQ(magnifiedBlockStart(11, 30), 0);
    EXPECT_EQ(magnifiedBlockStart(12, 30), 6);
}

// Rows: a logical pointer position, then the device pixel under it and the snapshot pixel that
// shows it; the halves of the first row pick odd device pixels. Screens keep their device origin as
// their logical one, as X11 at a scale factor has it: one at ratio 2 and, to its right, one at
// ratio 1 drawn 2 × 2 in the snapshot; one at 1.25 and one at 1.5 off the origin, each alone.
TEST(PickerGeometryTest, PointerFindsTheDevicePixelUnderItAndItsSnapshotPixel)
{
    const std::vector<ScreenPixels> mixed = {{{0, 0}, {3840, 2160}, 2, {0, 0}, 1},
                                             {{3840, 0}, {1280, 1024}, 1, {7680, 0}, 2}};
    const std::vector<ScreenPixels> at125 = {{{0, 0}, {2400, 1500}, 1.25, {0, 0}, 1}};
    const std::vector<ScreenPixels> at150 = {{{10, 20}, {1501, 900}, 1.5, {0, 0}, 1}};
    const std::tuple<const std::vector<ScreenPixels>*, double, double, PixelPoint, PixelPoint>
        rows[] = {
            {&mixed, 1919.5, 1079.5, {3839, 2159}, {3839, 2159}},
            {&mixed, 3840, 0, {3840, 0}, {7680, 0}},
            {&mixed, 3920, 1023, {3920, 1023}, {7840, 2046}},
            {&at125, 1402 / 1.25, 1 / 1.25, {1402, 1}, {1402, 1}},
            {&at125, 1121.5, 0.7, {1401, 0}, {1401, 0}},
            {&at150, 10 + 934 / 1.5, 20 + 1 / 1.5, {944, 21}, {934, 1}},
        };
    for (const auto& [screens, x, y, device, snapshot] : rows) {
        EXPECT_EQ(devicePixelAt(x, y, screenHolding(x, y, *screens)), device) << x << "," << y;
        EXPECT_EQ(snapshotPixelOf(device, screenHolding(device, *screens)), snapshot)
            << x << "," << y;
    }
    // The X server tells the pointer in device pixels: (3000, 10) lies on the dense screen
    // although its logical rectangle ends at 1920, and (3841, 5) on the other one.
    EXPECT_EQ(snapshotPixelOf({3000, 10}, screenHolding({3000, 10}, mixed)),
              PixelPoint({3000, 10}));
    EXPECT_EQ(snapshotPixelOf({3841, 5}, screenHolding({3841, 5}, mixed)), PixelPoint({7682, 10}));
    // Arrow steps cross onto the next screen, and stop where none continues; on a screen being
    // unplugged, which may report no pixels, they stay.
    EXPECT_EQ(steppedPointer({3839, 5}, 1, 0, mixed), PixelPoint({3840, 5}));
    EXPECT_EQ(steppedPointer({3845, 1020}, 0, 10, mixed), PixelPoint({3845, 1023}));
    EXPECT_EQ(steppedPointer({3835, 2155}, 10, 0, mixed), PixelPoint({3839, 2155}));
    const std::vector<ScreenPixels> unplugged = {{{100, 0}, {0, 0}, 1, {0, 0}, 1}};
    EXPECT_EQ(steppedPointer({100, 0}, 1, 1, unplugged), PixelPoint({100, 0}));
}

// The one picker window spans the screens' device pixels at the ratio of the screen it starts
// on, so a denser or sparser screen beside it shows at a place its logical origin does not give.
TEST(PickerGeometryTest, PickerWindowShowsEachScreenOverItsDevicePixels)
{
    const std::vector<ScreenPixels> mixed = {{{0, 0}, {800, 1200}, 1, {0, 0}, 2},
                                             {{800, 0}, {800, 1200}, 2, {1600, 0}, 1}};
    const ScreenPixels window = pickerWindowPixels(mixed);
    EXPECT_EQ(window.origin, PixelPoint({0, 0}));
    EXPECT_EQ(window.deviceSize, PixelPoint({1600, 1200}));
    EXPECT_EQ(window.ratio, 1);
    const std::vector<SnapshotPiece> pieces = snapshotPieces(window, mixed);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].source, PixelRect({0, 0, 1600, 2400}));
    EXPECT_EQ(pieces[1].targetX, 800);
    EXPECT_EQ(pieces[1].targetWidth, 800);
    EXPECT_EQ(pieces[1].source, PixelRect({1600, 0, 800, 1200}));

    const std::vector<ScreenPixels> dense = {{{0, 0}, {800, 1200}, 2, {0, 0}, 1},
                                             {{800, 0}, {800, 1200}, 2, {1600, 0}, 1}};
    const ScreenPixels denseWindow = pickerWindowPixels(dense);
    EXPECT_EQ(denseWindow.ratio, 2);
    EXPECT_EQ(snapshotPieces(denseWindow, dense)[1].targetX, 400);
    EXPECT_EQ(devicePixelAt(400.5, 10, denseWindow), PixelPoint({801, 20}));
}

// The magnifier panel jumps between the left and the right; fifty is the first left counted as
// the right side.
TEST(PickerGeometryTest, MagnifierPanelJumpsAside)
{
    const int rows[][3] = {{40, kW, kW - 120}, {49, kW, kW - 120}, {50, kW, 40}, {40, 800, 680}};
    for (const auto& [left, width, next] : rows)
        EXPECT_EQ(magnifierPanelLeftOnEnter(left, width), next) << left << " of " << width;
}

// A window stays where a user can still take hold of its title strip; otherwise its corner moves
// onto the nearest screen far enough in for that. Two screens side by side; an unplugged screen
// has an empty area.
TEST(WindowPlacementTest, AWindowStaysWhereItsTitleStripCanBeTakenElseMovesOntoAScreen)
{
    const PixelRect left{0, 0, kW, kH};
    const PixelRect right{kW, 0, 1280, 1024};
    const PixelRect unplugged{};
    using Areas = std::vector<PixelRect>;
    const std::tuple<PixelPoint, int, Areas, PixelPoint> rows[] = {
        {{100, 100}, 300, {left, right}, {100, 100}},
        {{kW - 20, 100}, 300, {left, right}, {kW - 20, 100}}, // the strip is on the right screen
        {{kW - 20, 100}, 300, {left}, {kW - 48, 100}},        // only a corner was on the screen
        {{100, kH - 5}, 300, {left}, {100, kH - 20}},
        {{kW - 20, 100}, 16, {left}, {kW - 20, 100}}, // a narrow window's whole strip is
        {{kW - 10, 100}, 16, {left}, {kW - 16, 100}},
        {{-200, 100}, 300, {left}, {-200, 100}}, // the strip's right part is usable
        {{-260, 100}, 300, {left}, {0, 100}},
        {{-2000, -50}, 300, {left, right}, {0, 0}},
        {{-2000, 500}, 300, {unplugged, right}, {kW, 500}},
        {{-2000, 500}, 300, {unplugged}, {-2000, 500}},
    };
    for (const auto& [wanted, width, areas, placed] : rows)
        EXPECT_EQ(placeOnScreens(wanted, width, areas), placed)
            << wanted.x << "," << wanted.y << " width " << width << " on " << areas.size();
}

// Either variable makes the session a Wayland one; XWayland clients see WAYLAND_DISPLAY too.
TEST(DesktopSessionTest, EitherVariableTellsAWaylandSession)
{
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"", "", false},         {"", "x11", false},         {"", "tty", false},
        {"wayland-0", "", true}, {"wayland-1", "x11", true}, {"", "wayland", true},
    };
    for (const auto& [display, type, wayland] : rows)
        EXPECT_EQ(isWaylandSession(display, type), wayland) << display << "|" << type;
    // Through XWayland only where the user chose no platform and an X display is there.
    EXPECT_TRUE(prefersXWayland("wayland-0", "", "", ":0"));
    EXPECT_TRUE(prefersXWayland("", "wayland", "", ":1"));
    EXPECT_FALSE(prefersXWayland("wayland-0", "", "wayland", ":0"));
    EXPECT_FALSE(prefersXWayland("wayland-0", "wayland", "", ""));
    EXPECT_FALSE(prefersXWayland("", "x11", "", ":0"));
    // Only natively on Wayland does the picker fill its output, or leave several to the desktop.
    EXPECT_EQ(screenPickerKind("xcb", 2), ScreenPickerKind::FrozenDesktop);
    EXPECT_EQ(screenPickerKind("wayland", 1), ScreenPickerKind::FrozenOutput);
    EXPECT_EQ(screenPickerKind("wayland-egl", 2), ScreenPickerKind::DesktopPicker);
}

TEST(TipsFileTest, EveryKindOfLineEndEndsALineButATrailingEndAddsNone)
{
    const std::pair<std::string, Strings> cases[] = {
        {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"A\n\rB", {"A", "", "B"}}, // a line feed belongs to the carriage return before it only
        {"A\r\n\r\n", {"A", ""}},
        {"\r\r\n\n", {"", "", ""}},
        {"", {}},
    };
    for (const auto& [text, tips] : cases)
        EXPECT_EQ(parseTips(text), tips) << testing::PrintToString(text);
    // What is no file, or no regular and readable one, gives no tips; so does a file past the
    // limit, which says so.
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    for (const std::filesystem::path& path :
         {folder, folder / "orvane-absent-tips.txt", std::filesystem::path()})
        EXPECT_TRUE(readTipsFile(path).empty()) << path;
    const std::filesystem::path big = folder / ("orvane-tips-" + std::to_string(::getpid()));
    for (const std::size_t size : {kTipsFileLimit, kTipsFileLimit + 1}) {
        std::ofstream(big) << std::string(size, 'x');
        bool tooLarge = size == kTipsFileLimit;
        EXPECT_EQ(readTipsFile(big, &tooLarge).size(), size == kTipsFileLimit ? 1u : 0u);
        EXPECT_EQ(tooLarge, size > kTipsFileLimit);
    }
    std::filesystem::remove(big);
}

TEST(TipsFileTest, ALanguageReadsItsOwnTipsWhereItHasThem)
{
    const std::filesystem::path programDir =
        std::filesystem::temp_directory_path() / ("orvane-tips-" + std::to_string(::getpid()));
    std::filesystem::create_directory(programDir);
    std::ofstream(programDir / "tips_de.txt") << "Tipp";
    EXPECT_EQ(tipsFileFor(programDir, "de"), programDir / "tips_de.txt");
    for (const char* language : {"", "fr"})
        EXPECT_EQ(tipsFileFor(programDir, language), programDir / "tips.txt") << language;
    std::filesystem::remove_all(programDir);
}

// Distinct, recognisable colours: colour(n) for the n-th recording.
ColorValue colour(int n)
{
    return 0x010000 * n + 0x37;
}

AppState withHistory(int count)
{
    AppState state;
    SetDefaults(state);
    for (int n = 0; n < count; ++n)
        recordUndo(state, colour(n));
    return state;
}

TEST(UndoHistoryTest, FirstColourGoesToSlotOneAndRecordingDropsTheRedoTail)
{
    AppState state = withHistory(1);
    EXPECT_EQ(state.UndoPos, 1);
    EXPECT_EQ(state.UndoColors[1], colour(0));
    EXPECT_FALSE(canUndo(state) || canRedo(state));
    for (const int n : {1, 1, 2})
        recordUndo(state, colour(n)); // the same colour twice makes two entries
    EXPECT_EQ(stepBack(state), colour(1));
    EXPECT_EQ(stepBack(state), colour(1)); // with colour(1) and colour(2) to redo
    recordUndo(state, colour(7));
    EXPECT_EQ(state.UndoPos, 3);
    EXPECT_EQ(state.UndoColors[3], colour(7));
    EXPECT_FALSE(canRedo(state));
    EXPECT_EQ(stepBack(state), colour(1));
    EXPECT_EQ(stepBack(state), colour(0));
    EXPECT_FALSE(canUndo(state));
}

TEST(UndoHistoryTest, OverflowKeepsTheLatestFiftyAndWalksThemBothWays)
{
    AppState state = withHistory(60);
    EXPECT_EQ(state.UndoPos, 50);
    EXPECT_EQ(state.UndoColors[0], colour(9)); // the last one pushed out, out of reach
    for (int step = 1; step <= 49; ++step)
        EXPECT_EQ(stepBack(state), colour(59 - step)) << step;
    EXPECT_EQ(stepBack(state), std::nullopt);
    for (int step = 1; step <= 49; ++step)
        EXPECT_EQ(stepForward(state), colour(10 + step)) << step;
    EXPECT_EQ(stepForward(state), std::nullopt);
}

// A cursor outside 1..50 (a corrupted state) must never lead to an access outside the array.
TEST(UndoHistoryTest, CursorOutOfRangeIsNeverFollowed)
{
    for (const int position : {-32768, -1, 51, 32767}) {
        SCOPED_TRACE(position);
        AppState state = withHistory(50);
        state.UndoPos = static_cast<std::int16_t>(position);
        EXPECT_FALSE(canUndo(state) || canRedo(state));
        EXPECT_FALSE(stepBack(state) || stepForward(state));
        EXPECT_EQ(state.UndoPos, position);
        recordUndo(state, colour(99));
        ASSERT_TRUE(state.UndoPos >= 1 && state.UndoPos <= 50);
        EXPECT_EQ(state.UndoColors[state.UndoPos], colour(99));
    }
}

} // namespace
} // namespace orvane
