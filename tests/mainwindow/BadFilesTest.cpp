// Files that are not what they should be. Whatever the file, the program reports it where it
// has something to say, and the window goes on working.

#include "MainWindowFixture.h"
#include "WindowInvariants.h"

#include "core/SettingsRecord.h"
#include "core/TipsFile.h"
#include "toolwindows/TipsWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <random>

namespace orvane::test {

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

void writeBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes randomBytes(std::size_t count)
{
    static std::mt19937 random(86);
    Bytes bytes(count);
    std::generate(bytes.begin(), bytes.end(), [] { return static_cast<std::uint8_t>(random()); });
    return bytes;
}

Bytes recordOf(const AppState& state)
{
    const SettingsRecord record = encodeRecord(state);
    return Bytes(record.begin(), record.end());
}

// Scheme files for every way of opening one: prefixes of a record whose every field differs
// from the defaults, that record with a long tail, and random bytes whose colours may lie
// outside 24 bits.
std::vector<std::pair<std::string, std::optional<Bytes>>> awkwardSchemes()
{
    AppState scheme;
    SetDefaults(scheme);
    scheme.WebColors = {1, 2, 3, 4, 5, 6, 7, 8, 0x0A0B0C};
    scheme.FavColors = {0x0000FF, kNoColor, 0x00FF00, 0, kNoColor};
    scheme.WebLeft = scheme.HarmoniesTop = scheme.FavoritesLeft = scheme.HistoryTop = 900;
    scheme.ToolVisible = {kFlagFalse, kFlagTrue, kFlagTrue, kFlagFalse};
    scheme.SchemeColor = MakeColor(10, 200, 30);
    scheme.ShowTipsAtStart = kFlagFalse;
    Bytes record = recordOf(scheme);
    std::vector<std::pair<std::string, std::optional<Bytes>>> files;
    for (const long size : {0, 1, 85, 86})
        files.emplace_back(std::to_string(size), Bytes(record.begin(), record.begin() + size));
    record.resize(10000, 0xA5);
    files.emplace_back("10000", record);
    for (const std::size_t size : {86, 150, 40})
        files.emplace_back(std::to_string(size) + " random", randomBytes(size));
    return files;
}

} // namespace

class BadFilesTest : public MainWindowTest {
protected:
    fs::path file(const std::string& name) const { return programDir() / name; }

    void runDialog(const char* command, const fs::path& path)
    {
        dialogs_.answers.push_back(DialogChoice{path.string(), path.filename().string(), 1, 0});
        action(command)->trigger();
        QCoreApplication::processEvents();
    }

    // The bytes were read as a scheme over the state before: the fields they cover and no others
    // changed, the tool windows they have open are open on screen, the first colour is current.
    void expectReadAs(const Bytes& bytes, const AppState& before)
    {
        AppState expected = before;
        decodeRecord(bytes, expected);
        EXPECT_EQ(recordOf(state_), recordOf(expected));
        for (int tool = 0; tool < kToolWindowCount; ++tool) {
            ToolWindow* window = window_->toolWindow(static_cast<ToolWindowIndex>(tool));
            EXPECT_EQ(isOpen(window), isSet(expected.ToolVisible[tool])) << "tool " << tool;
            EXPECT_TRUE(!isOpen(window) ||
                        window->screen()->availableGeometry().contains(window->pos()));
        }
        const RgbChannels shown = SplitColor(expected.SchemeColor);
        EXPECT_EQ(window_->currentColor(), MakeColor(shown.red, shown.green, shown.blue));
        EXPECT_EQ(state_.UndoPos, std::min(before.UndoPos + 1, 50));
        EXPECT_TRUE(messages_.shown.empty());
    }

    // Exactly one message, naming the path, and nothing else changed since before.
    void expectReported(const fs::path& path, const AppState& before)
    {
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_TRUE(messages_.shown[0].text.contains(QString::fromStdString(path.string())));
        EXPECT_EQ(recordOf(state_), recordOf(before));
        EXPECT_EQ(state_.UndoPos, before.UndoPos);
    }

    // The window goes on working: a colour set now shows everywhere and every rule holds.
    void expectResponsive(bool storedColoursValid = true)
    {
        window_->SetAll(12, 34, 56, false);
        QCoreApplication::processEvents();
        EXPECT_EQ(hexText(), "0C2238");
        EXPECT_EQ(brokenInvariant(*window_, state_, storedColoursValid), std::nullopt);
    }

    // Starts afresh with this file on the command line and lets the one-shot timer open it.
    // Returns the state as it was just before the timer fired.
    AppState startWith(const fs::path& path)
    {
        window_.reset();
        state_ = AppState{};
        SetDefaults(state_);
        state_.StartupFile = path.string();
        messages_.shown.clear();
        createWindow();
        window_->startUp();
        const AppState before = state_; // the timer may fire at the loop's first turn
        auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
        while (timer->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        return before;
    }
};

TEST_F(BadFilesTest, AwkwardSchemeFilesFromTheMenuAndTheCommandLine)
{
    // Files are read as far as they go. A path that cannot be read is reported by name and
    // changes nothing, but a folder named on the command line is passed over in silence.
    // "failing" stands for a file on a failing disk: every read of it fails, even for root. It
    // is this process's memory file, whose start lies where nothing is mapped.
    fs::create_directory(file("folder.vrx"));
    fs::create_symlink("/proc/self/mem", file("failing.vrx"));
    auto cases = awkwardSchemes();
    cases.emplace_back("folder", std::nullopt);
    cases.emplace_back("failing", std::nullopt);
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const fs::path path = file(name + ".vrx");
        if (bytes)
            writeBytes(path, *bytes);
        runDialog("Save_Scheme", file("shown.vrx")); // brings the stored fields up to date
        AppState before = state_;
        runDialog("Open_Scheme", path);
        if (bytes)
            expectReadAs(*bytes, before);
        else
            expectReported(path, before);
        expectResponsive(false);

        before = startWith(path);
        if (bytes)
            expectReadAs(*bytes, before);
        else if (name == "failing")
            expectReported(path, before);
        else
            EXPECT_TRUE(messages_.shown.empty());
        expectResponsive(false);
    }
    // Saving keeps what follows the record in an existing file, so it reads the file first.
    messages_.shown.clear();
    runDialog("Save_Scheme", file("failing.vrx"));
    expectReported(file("failing.vrx"), state_);
}

TEST_F(BadFilesTest, BadSettingsFilesAtStartLeaveTheDefaultsAndTheProgramStarts)
{
    // An empty file, five bytes (the first web colour only), a folder, a file whose reads fail.
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(kind);
        window_.reset();
        const fs::path settings = file("myset.cfg");
        fs::remove_all(settings);
        if (kind < 2)
            writeBytes(settings, kind == 0 ? Bytes{} : Bytes{0x11, 0x22, 0x33, 0x44, 0x55});
        else if (kind == 2)
            fs::create_directory(settings);
        else
            fs::create_symlink("/proc/self/mem", settings);
        SetDefaults(state_);
        AppState expected = state_;
        expected.WebColors[0] = kind == 1 ? 0x44332211 : expected.WebColors[0];
        const SettingsStore::LoadResult outcome[] = {
            SettingsStore::LoadResult::Loaded, SettingsStore::LoadResult::Loaded,
            SettingsStore::LoadResult::NoFile, SettingsStore::LoadResult::Unreadable};
        EXPECT_EQ(SettingsStore(programDir(), userConfigDir()).load(state_), outcome[kind]);
        EXPECT_EQ(recordOf(state_), recordOf(expected));
        createWindow();
        window_->startUp();
        expectResponsive(false);
    }
}

TEST_F(BadFilesTest, SettingsThatCannotBeWrittenAnywhereAreReportedAtEveryExit)
{
    // Folders that cannot hold files even for root: their paths run through a regular file.
    const fs::path blocker = file("blocker");
    writeBytes(blocker, {'x'});
    window_.reset();
    window_ =
        std::make_unique<MainWindow>(state_, environment(blocker / "program", blocker / "config"));
    window_->startUp();
    state_.FavColors[1] = 0x123456;
    window_->close();
    ASSERT_EQ(messages_.shown.size(), 1u);
    for (const char* folder : {"program", "config"})
        EXPECT_TRUE(messages_.shown[0].text.contains(
            QString::fromStdString((blocker / folder / "myset.cfg").string())));
    EXPECT_EQ(state_.FavColors[1], 0x123456) << "a failed write loses nothing in memory";
    window_->show();
    window_->close();
    EXPECT_EQ(messages_.shown.size(), 2u) << "the next exit tries and reports again";
}

TEST_F(BadFilesTest, TipsFilesOfJunkOrOfSeveralMegabytesShowTheirLinesAndWrap)
{
    const Bytes junk = randomBytes(4096);
    writeBytes(file("tips.txt"), junk);
    const std::size_t tipCount =
        parseTips(std::string_view(reinterpret_cast<const char*>(junk.data()), junk.size())).size();
    ASSERT_GT(tipCount, 1u);
    TipsWindow junkTips(state_, file("tips.txt"), [] { return 0.0; });
    const QString first = junkTips.currentTip();
    for (std::size_t step = 0; step < tipCount; ++step)
        junkTips.showNext();
    EXPECT_EQ(junkTips.currentTip(), first) << "as many Next clicks as tips come back round";

    std::ofstream big(file("tips.txt"), std::ios::binary | std::ios::trunc);
    for (int line = 0; line < 80000; ++line) // about 6 MB
        big << "Tip " << line << ": " << std::string(64, static_cast<char>('a' + line % 26))
            << "\r\n";
    big.close();
    TipsWindow bigTips(state_, file("tips.txt"), [] { return 0.0; });
    EXPECT_TRUE(bigTips.currentTip().startsWith("Tip 0: aaaa"));
    bigTips.showPrevious();
    EXPECT_TRUE(bigTips.currentTip().startsWith("Tip 79999: "));
}

} // namespace orvane::test
