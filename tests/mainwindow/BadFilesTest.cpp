// Files that are not what they should be: scheme files of every awkward size and of random
// bytes, paths that cannot be read, settings that cannot be written and tips files of junk.
// Whatever the file, the program says what happened where it has something to say, and the
// window goes on working.

#include "MainWindowFixture.h"
#include "WindowInvariants.h"

#include "core/SettingsRecord.h"
#include "core/TipsFile.h"
#include "mainwindow/ValueEntryPanel.h"
#include "toolwindows/TipsWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <unistd.h>

namespace orvane::test {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kRandomBytesSeed = 86;

DialogChoice choose(const std::filesystem::path& path)
{
    return {path.string(), path.filename().string(), 1, 0};
}

void writeBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes randomBytes(std::mt19937& random, std::size_t count)
{
    Bytes bytes(count);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::uint8_t& value : bytes)
        value = static_cast<std::uint8_t>(byte(random));
    return bytes;
}

Bytes recordOf(const AppState& state)
{
    const SettingsRecord record = encodeRecord(state);
    return Bytes(record.begin(), record.end());
}

// A scheme whose every stored field differs from the defaults.
AppState distinctScheme()
{
    AppState scheme;
    SetDefaults(scheme);
    scheme.WebColors = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0,
                        0x010203, 0x040506, 0x070809, 0x0A0B0C};
    scheme.FavColors = {0x0000FF, kNoColor, 0x00FF00, 0, kNoColor};
    scheme.WebLeft = 1500;
    scheme.WebTop = 1200;
    scheme.HarmoniesLeft = 3000;
    scheme.HarmoniesTop = 900;
    scheme.FavoritesLeft = 600;
    scheme.FavoritesTop = 2400;
    scheme.HistoryLeft = 4500;
    scheme.HistoryTop = 300;
    scheme.ToolVisible = {kFlagFalse, kFlagTrue, kFlagTrue, kFlagFalse};
    scheme.SchemeColor = MakeColor(10, 200, 30);
    scheme.ShowTipsAtStart = kFlagFalse;
    return scheme;
}

// The colour a stored value shows as: its low 24 bits.
ColorValue shownColor(ColorValue value)
{
    const RgbChannels c = SplitColor(value);
    return MakeColor(c.red, c.green, c.blue);
}

// Acts on the Quick Tips window once it is up. The window is modal, so the command that opens
// it waits meanwhile; the watch looks at every turn of the event loop until the window shows,
// and ends with its scope.
class TipsWatch {
public:
    explicit TipsWatch(std::function<void(TipsWindow&)> act) : act_(std::move(act))
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* tips = qobject_cast<TipsWindow*>(QApplication::activeModalWidget())) {
                timer_.stop();
                seen_ = true;
                act_(*tips);
            }
        });
        timer_.start();
    }
    bool seen() const { return seen_; }

private:
    std::function<void(TipsWindow&)> act_;
    QTimer timer_;
    bool seen_ = false;
};

const QString kNoTips = QStringLiteral("No tips are available: tips.txt is missing or empty.");

} // namespace

class BadFilesTest : public MainWindowTest {
protected:
    // The event loop's turn after a command, deferred deletions included.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::filesystem::path file(const std::string& name) const { return programDir() / name; }

    void openScheme(const std::filesystem::path& path)
    {
        dialogs_.answers.push_back(choose(path));
        action("Open_Scheme")->trigger();
        settle();
    }

    // Saves a scheme, which brings the stored fields up to date with what the window shows.
    void storeWhatIsShown()
    {
        dialogs_.answers.push_back(choose(file("shown.vrx")));
        action("Save_Scheme")->trigger();
        ASSERT_TRUE(messages_.shown.empty());
    }

    std::array<bool, kToolWindowCount> openTools() const
    {
        std::array<bool, kToolWindowCount> open{};
        for (int tool = 0; tool < kToolWindowCount; ++tool)
            open[tool] = isOpen(window_->toolWindow(static_cast<ToolWindowIndex>(tool)));
        return open;
    }

    // A file of these bytes was read as a scheme over the state before: the stored fields it
    // covers come from it and the others are kept, the tool windows it has open (and no
    // others) are open, and its first colour has been made current and recorded.
    void expectReadAs(const Bytes& bytes, const AppState& before)
    {
        AppState expected = before;
        decodeRecord(bytes, expected);
        EXPECT_EQ(recordOf(state_), recordOf(expected));
        for (int tool = 0; tool < kToolWindowCount; ++tool) {
            ToolWindow* window = window_->toolWindow(static_cast<ToolWindowIndex>(tool));
            EXPECT_EQ(isOpen(window), isSet(expected.ToolVisible[tool])) << "tool window " << tool;
            if (isOpen(window)) {
                EXPECT_TRUE(window->screen()->availableGeometry().contains(window->pos()))
                    << "tool window " << tool;
            }
        }
        EXPECT_EQ(window_->currentColor(), shownColor(expected.SchemeColor));
        EXPECT_EQ(state_.UndoPos, std::min(before.UndoPos + 1, 50));
        EXPECT_TRUE(messages_.shown.empty());
    }

    // The path was reported by name and nothing else happened.
    void expectReportedAndUnchanged(const std::filesystem::path& path, const Bytes& record,
                                    const std::array<bool, kToolWindowCount>& open,
                                    ColorValue current, int undoPos)
    {
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_TRUE(messages_.shown[0].text.contains(QString::fromStdString(path.string())))
            << messages_.shown[0].text.toStdString();
        EXPECT_EQ(recordOf(state_), record);
        EXPECT_EQ(openTools(), open);
        EXPECT_EQ(window_->currentColor(), current);
        EXPECT_EQ(state_.UndoPos, undoPos);
    }

    // Opening this path is refused with a message naming it, and changes nothing.
    void expectOpeningReported(const std::filesystem::path& path)
    {
        action("Show_History")->trigger();
        const Bytes record = recordOf(state_);
        const auto open = openTools();
        const ColorValue current = window_->currentColor();
        const int undoPos = state_.UndoPos;
        openScheme(path);
        expectReportedAndUnchanged(path, record, open, current, undoPos);
        expectResponsive();
    }

    // The window goes on working: a colour set now shows everywhere and every rule holds.
    void expectResponsive(bool storedColoursValid = true)
    {
        window_->SetAll(12, 34, 56, false);
        settle();
        EXPECT_EQ(window_->currentColor(), MakeColor(12, 34, 56));
        EXPECT_EQ(hexText(), "0C2238");
        EXPECT_EQ(channelTexts(), (std::array<QString, 3>{"12", "34", "56"}));
        EXPECT_EQ(brokenInvariant(*window_, state_, storedColoursValid), std::nullopt);
    }

    // Stands for a file on a failing disk: every read of it fails, even for root. It is this
    // process's memory file, whose start lies where nothing is mapped.
    std::filesystem::path fileWhoseReadsFail(const std::string& name) const
    {
        const auto link = file(name);
        std::filesystem::create_symlink("/proc/self/mem", link);
        return link;
    }
};

TEST_F(BadFilesTest, AnEmptySchemeFileChangesNoStoredFieldAndLeavesTheWindowsAsTheyWere)
{
    action("Show_History")->trigger();
    window_->SetAll(200, 100, 50, false);
    storeWhatIsShown();
    const Bytes record = recordOf(state_);
    const auto open = openTools();
    const ColorValue firstSwatch = window_->swatch(0)->color();
    const int undoPos = state_.UndoPos;

    writeBytes(file("empty.vrx"), {});
    openScheme(file("empty.vrx"));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(recordOf(state_), record);
    EXPECT_EQ(openTools(), open) << "the windows that were open are open again";
    EXPECT_EQ(window_->currentColor(), firstSwatch) << "the first swatch is made current";
    EXPECT_EQ(state_.UndoPos, undoPos + 1);
    expectResponsive();
}

TEST_F(BadFilesTest, AShortSchemeFileSetsTheFieldsItHoldsAndKeepsTheOthers)
{
    const AppState scheme = distinctScheme();
    const Bytes full = recordOf(scheme);
    for (const std::size_t size : {1, 40, 85}) {
        SCOPED_TRACE(size);
        storeWhatIsShown();
        const AppState before = state_;
        const Bytes part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        writeBytes(file("short.vrx"), part);
        openScheme(file("short.vrx"));
        expectReadAs(part, before);
        if (size == 1) {
            EXPECT_EQ(recordOf(state_), recordOf(before)) << "one byte holds no whole field";
        } else if (size == 40) {
            EXPECT_EQ(state_.WebColors, scheme.WebColors);
            EXPECT_EQ(state_.FavColors[0], scheme.FavColors[0]);
            EXPECT_TRUE(std::equal(state_.FavColors.begin() + 1, state_.FavColors.end(),
                                   before.FavColors.begin() + 1));
        } else {
            EXPECT_EQ(state_.SchemeColor, scheme.SchemeColor);
            EXPECT_EQ(state_.ShowTipsAtStart, before.ShowTipsAtStart)
                << "the last field is one byte short";
        }
        expectResponsive();
    }
}

TEST_F(BadFilesTest, AWholeRecordAndALongerFileAreReadFromTheirFirst86Bytes)
{
    const Bytes record = recordOf(distinctScheme());
    std::mt19937 random(kRandomBytesSeed);
    for (const std::size_t size : {86, 10000}) {
        SCOPED_TRACE(size);
        state_.FavColors.fill(kNoColor);
        action("Show_Web_Preview")->trigger();
        storeWhatIsShown();
        const AppState before = state_;
        Bytes bytes = record;
        const Bytes tail = randomBytes(random, size - record.size());
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        writeBytes(file("scheme.vrx"), bytes);
        openScheme(file("scheme.vrx"));
        expectReadAs(bytes, before);
        EXPECT_EQ(recordOf(state_), record);
        expectResponsive();
    }
}

TEST_F(BadFilesTest, SchemeFilesOfRandomBytesAreReadAsTheyAreAndTheWindowGoesOn)
{
    std::mt19937 random(kRandomBytesSeed);
    for (int round = 0; round < 12; ++round) {
        const std::size_t size =
            round == 0 ? kRecordSize : std::uniform_int_distribution<std::size_t>(0, 200)(random);
        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(size) + " bytes");
        storeWhatIsShown();
        const AppState before = state_;
        const Bytes bytes = randomBytes(random, size);
        writeBytes(file("noise.vrx"), bytes);
        openScheme(file("noise.vrx"));
        expectReadAs(bytes, before);
        expectResponsive(false);
    }
}

TEST_F(BadFilesTest, OpeningAFolderIsReportedByName)
{
    std::filesystem::create_directory(file("folder.vrx"));
    expectOpeningReported(file("folder.vrx"));
}

TEST_F(BadFilesTest, OpeningAFileWithoutReadPermissionIsReportedByName)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not keep root from reading a file";
    writeBytes(file("locked.vrx"), recordOf(distinctScheme()));
    std::filesystem::permissions(file("locked.vrx"), std::filesystem::perms::none);
    expectOpeningReported(file("locked.vrx"));
}

TEST_F(BadFilesTest, OpeningAFileWhoseReadsFailIsReportedByName)
{
    expectOpeningReported(fileWhoseReadsFail("failing.vrx"));
}

TEST_F(BadFilesTest, SavingOverAFileWhoseReadsFailIsReportedByName)
{
    // Saving keeps whatever follows the record in an existing file, so it reads the file first.
    const auto path = fileWhoseReadsFail("failing.vrx");
    dialogs_.answers.push_back(choose(path));
    action("Save_Scheme")->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains(QString::fromStdString(path.string())));
    expectResponsive();
}

// The same files named on the command line, opened by the one-shot timer after start-up.
class BadStartupFileTest : public BadFilesTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        std::filesystem::create_directories(programDir());
    }

    // Starts afresh with this command-line file and lets the timer open it. Returns the state
    // as it was just before the timer fired.
    AppState startWith(const std::filesystem::path& path)
    {
        window_.reset();
        state_ = AppState{};
        SetDefaults(state_);
        state_.StartupFile = path.string();
        messages_.shown.clear();
        createWindow();
        window_->startUp();
        // Taken before the event loop turns, since the timer may fire at its first turn.
        const AppState before = state_;
        auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
        while (timer->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        settle();
        return before;
    }
};

TEST_F(BadStartupFileTest, ShortLongAndRandomFilesAreReadAsSchemes)
{
    const Bytes record = recordOf(distinctScheme());
    std::mt19937 random(kRandomBytesSeed);
    std::vector<std::pair<std::string, Bytes>> files;
    for (const std::size_t size : {0, 1, 85, 86})
        files.emplace_back(
            std::to_string(size) + " bytes",
            Bytes(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(size)));
    Bytes longer = record;
    longer.resize(10000, 0xA5);
    files.emplace_back("10000 bytes", longer);
    files.emplace_back("86 random bytes", randomBytes(random, 86));
    files.emplace_back("150 random bytes", randomBytes(random, 150));

    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        writeBytes(file("start.vrx"), bytes);
        const AppState before = startWith(file("start.vrx"));
        expectReadAs(bytes, before);
        expectResponsive(false);
    }
}

TEST_F(BadStartupFileTest, AFolderIsPassedOverInSilence)
{
    std::filesystem::create_directory(file("folder.vrx"));
    const AppState before = startWith(file("folder.vrx"));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(recordOf(state_), recordOf(before));
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    expectResponsive();
}

TEST_F(BadStartupFileTest, AFileWithoutReadPermissionIsReportedByName)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not keep root from reading a file";
    writeBytes(file("locked.vrx"), recordOf(distinctScheme()));
    std::filesystem::permissions(file("locked.vrx"), std::filesystem::perms::none);
    const AppState before = startWith(file("locked.vrx"));
    expectReportedAndUnchanged(file("locked.vrx"), recordOf(before), {true, false, false, false},
                               MakeColor(51, 35, 231), 1);
    expectResponsive();
}

TEST_F(BadStartupFileTest, AFileWhoseReadsFailIsReportedByName)
{
    const auto path = fileWhoseReadsFail("failing.vrx");
    const AppState before = startWith(path);
    expectReportedAndUnchanged(path, recordOf(before), {true, false, false, false},
                               MakeColor(51, 35, 231), 1);
    expectResponsive();
}

TEST_F(BadFilesTest, SettingsThatCannotBeWrittenAnywhereAreReportedAtEveryExit)
{
    // Folders that cannot hold files even for root: their paths run through a regular file.
    const auto blocker = file("blocker");
    writeBytes(blocker, {'x'});
    window_.reset();
    window_ =
        std::make_unique<MainWindow>(state_, environment(blocker / "program", blocker / "config"));
    window_->startUp();
    settle();
    state_.PopupColor = 0x123456;
    action("AddFav_1")->trigger();

    window_->close();
    ASSERT_EQ(messages_.shown.size(), 1u);
    const QString& text = messages_.shown[0].text;
    EXPECT_TRUE(text.contains(QString::fromStdString((blocker / "program" / "myset.cfg").string())))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString((blocker / "config" / "myset.cfg").string())))
        << text.toStdString();
    EXPECT_EQ(state_.FavColors[1], 0x123456) << "a failed write loses nothing in memory";
    EXPECT_FALSE(std::filesystem::exists(userConfigDir() / "myset.cfg"));

    window_->show();
    expectResponsive();
    window_->close();
    EXPECT_EQ(messages_.shown.size(), 2u) << "the next exit tries and reports again";
}

TEST_F(BadFilesTest, AProgramFolderWithoutWritePermissionSendsTheSettingsToTheUserFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not keep root from writing a folder";
    std::filesystem::permissions(programDir(), std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_exec);
    state_.FavColors[4] = 0x654321;
    window_->close();
    std::filesystem::permissions(programDir(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(programDir() / "myset.cfg"));
    AppState reread;
    SetDefaults(reread);
    ASSERT_TRUE(LoadSettings(userConfigDir() / "myset.cfg", reread));
    EXPECT_EQ(reread.FavColors[4], 0x654321);
}

TEST_F(BadFilesTest, AFolderInPlaceOfTheSettingsFileSendsThemToTheUserFolder)
{
    std::filesystem::create_directory(programDir() / "myset.cfg");
    state_.FavColors[2] = 0x00AA00;
    window_->close();
    EXPECT_TRUE(messages_.shown.empty());
    AppState reread;
    SetDefaults(reread);
    ASSERT_TRUE(LoadSettings(userConfigDir() / "myset.cfg", reread));
    EXPECT_EQ(reread.FavColors[2], 0x00AA00);
}

// The settings file read at start-up, before any window exists.
class BadSettingsFileTest : public BadFilesTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        std::filesystem::create_directories(programDir());
        SetDefaults(state_);
    }

    SettingsStore::LoadResult load()
    {
        return SettingsStore(programDir(), userConfigDir()).load(state_);
    }

    // The state is fit to start the program with.
    void startAndExpectResponsive()
    {
        createWindow();
        window_->startUp();
        settle();
        EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
        expectResponsive(false);
    }

    const std::filesystem::path settingsFile_ = programDir() / "myset.cfg";
};

TEST_F(BadSettingsFileTest, AnEmptyFileIsReadAndChangesNothing)
{
    writeBytes(settingsFile_, {});
    const Bytes defaults = recordOf(state_);
    EXPECT_EQ(load(), SettingsStore::LoadResult::Loaded);
    EXPECT_EQ(recordOf(state_), defaults);
    startAndExpectResponsive();
}

TEST_F(BadSettingsFileTest, AFiveByteFileSetsOnlyTheFirstWebColour)
{
    writeBytes(settingsFile_, {0x11, 0x22, 0x33, 0x44, 0x55});
    AppState expected = state_;
    expected.WebColors[0] = 0x44332211;
    EXPECT_EQ(load(), SettingsStore::LoadResult::Loaded);
    EXPECT_EQ(recordOf(state_), recordOf(expected));
    startAndExpectResponsive();
}

TEST_F(BadSettingsFileTest, AFolderIsUnreadableAndChangesNothing)
{
    std::filesystem::create_directory(settingsFile_);
    const Bytes defaults = recordOf(state_);
    EXPECT_EQ(load(), SettingsStore::LoadResult::Unreadable);
    EXPECT_EQ(recordOf(state_), defaults);
    startAndExpectResponsive();
}

TEST_F(BadSettingsFileTest, AFileWhoseReadsFailIsUnreadableAndChangesNothing)
{
    std::filesystem::create_symlink("/proc/self/mem", settingsFile_);
    const Bytes defaults = recordOf(state_);
    EXPECT_EQ(load(), SettingsStore::LoadResult::Unreadable);
    EXPECT_EQ(recordOf(state_), defaults);
    startAndExpectResponsive();
}

class BadTipsFileTest : public BadFilesTest {
protected:
    std::filesystem::path tipsFile() const { return programDir() / "tips.txt"; }

    // Opens Quick Tips from the Help menu, clicks Next as often as asked and notes each tip
    // shown, the first one included.
    std::vector<QString> tipsShown(int nextClicks)
    {
        std::vector<QString> shown;
        const TipsWatch watch([&](TipsWindow& tips) {
            shown.push_back(tips.currentTip());
            auto* next = tips.findChild<QPushButton*>(QStringLiteral("Command2"));
            for (int click = 0; click < nextClicks; ++click) {
                QTest::mouseClick(next, Qt::LeftButton);
                shown.push_back(tips.currentTip());
            }
            tips.reject();
        });
        action("Quick_Tips")->trigger();
        EXPECT_TRUE(watch.seen());
        settle();
        return shown;
    }
};

TEST_F(BadTipsFileTest, RandomBytesShowTheirLinesAndStepAroundThem)
{
    std::mt19937 random(kRandomBytesSeed);
    const Bytes bytes = randomBytes(random, 4096);
    writeBytes(tipsFile(), bytes);
    const std::size_t tipCount =
        parseTips(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
            .size();
    ASSERT_GT(tipCount, 1u);

    // The random number is 0, so the first line shows first; as many Next clicks as there are
    // tips come back to it.
    const std::vector<QString> shown = tipsShown(static_cast<int>(tipCount));
    ASSERT_EQ(shown.size(), tipCount + 1);
    EXPECT_EQ(shown.back(), shown.front());
    EXPECT_NE(shown[1], kNoTips);
    expectResponsive();
}

TEST_F(BadTipsFileTest, AFileOfSeveralMegabytesShowsItsFirstTipAndWraps)
{
    std::string text;
    constexpr int kLines = 80000; // about 6 MB
    for (int line = 0; line < kLines; ++line)
        text += "Tip " + std::to_string(line) + ": " + std::string(64, 'a' + line % 26) + "\r\n";
    std::ofstream(tipsFile(), std::ios::binary) << text;
    ASSERT_GT(std::filesystem::file_size(tipsFile()), 5'000'000u);

    settle(); // the window becomes the active one, where its shortcuts work
    const TipsWatch watch([](TipsWindow& tips) {
        EXPECT_TRUE(tips.currentTip().startsWith("Tip 0: aaaa"));
        tips.showPrevious();
        EXPECT_TRUE(tips.currentTip().startsWith("Tip 79999: "));
        tips.reject();
    });
    QTest::keyClick(window_->valueEntry()->channelBox(0), Qt::Key_F2);
    EXPECT_TRUE(watch.seen()) << "F2 opens Quick Tips";
    settle();
    expectResponsive();
}

TEST_F(BadTipsFileTest, AMissingFileAFolderOrAFileWhoseReadsFailSaysThereAreNoTips)
{
    EXPECT_EQ(tipsShown(1), (std::vector<QString>{kNoTips, kNoTips}));
    std::filesystem::create_directory(tipsFile());
    EXPECT_EQ(tipsShown(1), (std::vector<QString>{kNoTips, kNoTips}));
    std::filesystem::remove(tipsFile());
    fileWhoseReadsFail("tips.txt");
    EXPECT_EQ(tipsShown(1), (std::vector<QString>{kNoTips, kNoTips}));
    expectResponsive();
}

} // namespace orvane::test
