// Files that are not what they should be. Whatever the file, the program reports it where it
// has something to say, and the window goes on working.

#include "MainWindowFixture.h"
#include "WindowInvariants.h"

#include "core/SettingsRecord.h"

#include <QScreen>
#include <QTimer>
#include <algorithm>
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

Bytes recordOf(const AppState& state)
{
    const SettingsRecord record = encodeRecord(state);
    return Bytes(record.begin(), record.end());
}

} // namespace

class BadFilesTest : public MainWindowTest {
protected:
    // Starts afresh with this file on the command line and lets the one-shot timer open it once
    // the window is up. Returns the state as it was before.
    AppState startWith(const fs::path& path)
    {
        messages_.shown.clear();
        restart(path.string());
        const AppState before = state_;
        EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
        auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
        while (timer->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        return before;
    }

    // The file was read over the state before as far as it goes (bytes), or changed nothing and
    // was reported by name or not at all. The tool windows on screen are the state's, and the
    // window goes on working.
    void expectOutcome(const fs::path& path, const std::optional<Bytes>& bytes, bool reported,
                       const AppState& before)
    {
        AppState expected = before;
        if (bytes)
            decodeRecord(*bytes, expected);
        EXPECT_EQ(recordOf(state_), recordOf(expected));
        EXPECT_EQ(state_.UndoPos, std::min(before.UndoPos + (bytes ? 1 : 0), 50));
        for (int tool = 0; tool < kToolWindowCount; ++tool) {
            ToolWindow* window = window_->toolWindow(static_cast<ToolWindowIndex>(tool));
            EXPECT_EQ(isOpen(window), isSet(expected.ToolVisible[tool])) << "tool " << tool;
            EXPECT_TRUE(!isOpen(window) ||
                        window->screen()->availableGeometry().contains(window->pos()));
        }
        EXPECT_TRUE(!bytes || window_->currentColor() == (expected.SchemeColor & 0xFFFFFF));
        ASSERT_EQ(messages_.shown.size(), reported ? 1u : 0u);
        EXPECT_TRUE(!reported ||
                    messages_.shown[0].text.contains(QString::fromStdString(path.string())));
        expectResponsive();
    }

    // A colour set now shows everywhere and every rule holds.
    void expectResponsive()
    {
        window_->SetAll(12, 34, 56, false);
        QCoreApplication::processEvents();
        EXPECT_EQ(window_->valueEntry()->hexText(), "0C2238");
        EXPECT_EQ(brokenInvariant(*window_, state_, false), std::nullopt);
    }
};

TEST_F(BadFilesTest, AwkwardSchemeFilesFromTheMenuAndTheCommandLine)
{
    // Scheme files are read as far as they go: prefixes of a record whose every field differs
    // from the defaults, that record with a long tail, and random bytes whose colours may lie
    // outside 24 bits.
    AppState scheme;
    SetDefaults(scheme);
    scheme.WebColors = {1, 2, 3, 4, 5, 6, 7, 8, 0x0A0B0C};
    scheme.FavColors = {0x0000FF, kNoColor, 0x00FF00, 0, kNoColor};
    scheme.WebLeft = scheme.HarmoniesTop = scheme.FavoritesLeft = scheme.HistoryTop = 900;
    scheme.ToolVisible = {kFlagFalse, kFlagTrue, kFlagTrue, kFlagFalse};
    scheme.SchemeColor = MakeColor(10, 200, 30);
    scheme.ShowTipsAtStart = kFlagFalse;
    Bytes record = recordOf(scheme);
    Bytes tailed = record;
    tailed.resize(10000, 0xA5);
    std::mt19937 random(86);
    Bytes noise(150);
    std::generate(noise.begin(), noise.end(), [&] { return static_cast<std::uint8_t>(random()); });

    // A path that cannot be read is reported by name, but one named on the command line is
    // passed over in silence unless it exists. "failing" stands for a file on a failing disk:
    // every read of it fails, even for root. It is this process's memory file, whose start lies
    // where nothing is mapped.
    fs::create_directory(programDir_ / "folder.vrx");
    fs::create_symlink("/proc/self/mem", programDir_ / "failing.vrx");
    // Rows: name, bytes, reported from the menu, reported from the command line.
    const std::tuple<std::string, std::optional<Bytes>, bool, bool> rows[] = {
        {"0", Bytes{}, false, false},
        {"1", Bytes(record.begin(), record.begin() + 1), false, false},
        {"85", Bytes(record.begin(), record.begin() + 85), false, false},
        {"86", record, false, false},
        {"10000", tailed, false, false},
        {"86 random", Bytes(noise.begin(), noise.begin() + 86), false, false},
        {"150 random", noise, false, false},
        {"folder", std::nullopt, true, false},
        {"failing", std::nullopt, true, true},
        {"missing", std::nullopt, true, false},
    };
    for (const auto& [name, bytes, menuReports, startReports] : rows) {
        SCOPED_TRACE(name);
        const fs::path path = programDir_ / (name + ".vrx");
        if (bytes)
            writeBytes(path, *bytes);
        runDialog("Save_Scheme", programDir_ / "shown.vrx"); // brings the stored fields up to date
        messages_.shown.clear();
        AppState before = state_;
        runDialog("Open_Scheme", path);
        expectOutcome(path, bytes, menuReports, before);
        before = startWith(path);
        expectOutcome(path, bytes, startReports, before);
    }
    // Saving keeps what follows the record in an existing file, so it reads the file first.
    messages_.shown.clear();
    runDialog("Save_Scheme", programDir_ / "failing.vrx");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("failing.vrx"));
}

TEST_F(BadFilesTest, BadSettingsFilesAtStartLeaveTheDefaultsAndTheProgramStarts)
{
    // An empty file, five bytes (the first web colour only), a folder (passed over), a file
    // whose reads fail.
    const fs::path settings = programDir_ / "myset.cfg";
    const SettingsStore::LoadResult outcome[] = {
        SettingsStore::LoadResult::Loaded, SettingsStore::LoadResult::Loaded,
        SettingsStore::LoadResult::NoFile, SettingsStore::LoadResult::Unreadable};
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(kind);
        window_.reset();
        fs::remove_all(settings);
        if (kind < 2)
            writeBytes(settings, kind == 0 ? Bytes{} : Bytes{0x11, 0x22, 0x33, 0x44, 0x55});
        else if (kind == 2)
            fs::create_directory(settings);
        else
            fs::create_symlink("/proc/self/mem", settings);
        AppState expected;
        SetDefaults(expected);
        expected.WebColors[0] = kind == 1 ? 0x44332211 : expected.WebColors[0];
        restart();
        EXPECT_EQ(loaded_, outcome[kind]);
        EXPECT_EQ(recordOf(state_), recordOf(expected));
        EXPECT_TRUE(messages_.shown.empty());
        expectResponsive();
    }
}

TEST_F(BadFilesTest, SettingsThatCannotBeWrittenAnywhereAreReportedAtEveryExit)
{
    // Folders that cannot hold files even for root: their paths run through a regular file.
    const fs::path blocker = programDir_ / "blocker";
    writeBytes(blocker, {'x'});
    programDir_ = blocker / "program";
    configDir_ = blocker / "config";
    restart();
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

} // namespace orvane::test
