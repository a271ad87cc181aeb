#include "MainWindowFixture.h"

#include "core/SettingsRecord.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>

namespace orvane::test {

namespace {

DialogChoice choose(const std::filesystem::path& path)
{
    return {path.string(), path.filename().string(), 1, 0};
}

std::vector<char> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST_F(MainWindowTest, SavingAndOpeningASchemeRestoresItsWindowsColoursAndFavourites)
{
    const auto scheme = programDir() / "sunset.vrx";
    window_->toolWindow(FavoritesTool)->close();
    action("Show_Harmonies")->trigger();
    window_->toolWindow(HarmoniesTool)->move(150, 90);
    window_->SetAll(200, 60, 20, false);
    state_.FavColors = {0x0000FF, kNoColor, kNoColor, 0, kNoColor};
    const ColorValue firstSwatch = window_->swatch(0)->color();

    dialogs_.answers.push_back(choose(scheme));
    action("Save_Scheme")->trigger();
    ASSERT_EQ(dialogs_.records.size(), 1u);
    EXPECT_EQ(dialogs_.records[0].kind, DialogKind::Save);
    EXPECT_EQ(dialogs_.records[0].defaultExtension, "vrx");
    EXPECT_EQ(dialogs_.records[0].filter, std::string("Orvane File (*.vrx)\0*.vrx\0\0", 27));
    ASSERT_EQ(readBytes(scheme).size(), kRecordSize);
    EXPECT_FALSE(std::filesystem::exists(programDir() / "myset.cfg"))
        << "saving a scheme is not exiting";

    // Change everything the scheme holds, then open it again.
    window_->toolWindow(HarmoniesTool)->close();
    action("Show_History")->trigger();
    action("Show_Favorites")->trigger();
    state_.FavColors.fill(kNoColor);
    window_->SetAll(1, 2, 3, false);
    const int undoPos = state_.UndoPos;

    dialogs_.answers.push_back(choose(scheme));
    action("Toolbar1_1")->trigger();
    EXPECT_EQ(dialogs_.records.back().kind, DialogKind::Open);
    EXPECT_FALSE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_FALSE(isOpen(window_->toolWindow(HistoryTool)));
    ASSERT_TRUE(isOpen(window_->toolWindow(HarmoniesTool)));
    EXPECT_EQ(window_->toolWindow(HarmoniesTool)->pos(), QPoint(150, 90));
    EXPECT_EQ(action("Show_History")->text(), "Show &History");
    EXPECT_EQ(state_.FavColors,
              (std::array<ColorValue, 5>{0x0000FF, kNoColor, kNoColor, 0, kNoColor}));
    EXPECT_EQ(window_->currentColor(), firstSwatch);
    EXPECT_EQ(state_.UndoPos, undoPos + 1) << "the scheme's colour is recorded for undo";
}

TEST_F(MainWindowTest, AWindowOpenBeforeAndInTheSchemeStaysOpen)
{
    // The scheme closes the Favorites window and opens it again at once; the closed one is only
    // deleted later, which must not take the reopened window with it.
    const auto scheme = programDir() / "favourites.vrx";
    dialogs_.answers.push_back(choose(scheme));
    action("Save_Scheme")->trigger();
    dialogs_.answers.push_back(choose(scheme));
    action("Open_Scheme")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();

    EXPECT_TRUE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_EQ(action("Show_Favorites")->text(), "Hide &Favorites");
}

TEST_F(MainWindowTest, CancelledDialogsChangeNothing)
{
    const int undoPos = state_.UndoPos;
    action("Open_Scheme")->trigger();
    action("Save_Scheme")->trigger();
    EXPECT_EQ(dialogs_.records.size(), 2u);
    EXPECT_EQ(state_.UndoPos, undoPos);
    EXPECT_TRUE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MainWindowTest, AnUnreadableSchemeIsReportedAndChangesNothing)
{
    const auto folder = programDir() / "not-a-file.vrx";
    std::filesystem::create_directories(folder);
    state_.FavColors[1] = 0x123456;
    const AppState before = state_;

    dialogs_.answers.push_back(choose(folder));
    action("Open_Scheme")->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("not-a-file.vrx"));
    EXPECT_TRUE(isOpen(window_->toolWindow(FavoritesTool))) << "no window was closed";
    EXPECT_EQ(state_.FavColors, before.FavColors);
    EXPECT_EQ(state_.UndoPos, before.UndoPos);
}

TEST_F(MainWindowTest, ASchemeThatCannotBeWrittenIsReportedAndTheOldFileKept)
{
    const auto blocker = programDir() / "blocker";
    std::ofstream(blocker) << "x";
    dialogs_.answers.push_back(choose(blocker / "scheme.vrx"));
    action("Save_Scheme")->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("scheme.vrx"));

    // Saving over a longer file keeps what lies past the record.
    const auto longer = programDir() / "longer.vrx";
    std::ofstream(longer, std::ios::binary) << std::string(120, 'z');
    dialogs_.answers.push_back(choose(longer));
    action("Save_Scheme")->trigger();
    const std::vector<char> bytes = readBytes(longer);
    ASSERT_EQ(bytes.size(), 120u);
    EXPECT_EQ(bytes[86], 'z');
    EXPECT_NE(bytes[0], 'z');
}

class StartupFileTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        std::filesystem::create_directories(programDir());
        SetDefaults(state_);
    }

    void startWith(const std::string& startupFile)
    {
        state_.StartupFile = startupFile;
        createWindow();
        window_->startUp();
        // The scheme is opened by a one-shot timer once the window is up.
        EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
        QTest::qWait(20);
    }
};

TEST_F(StartupFileTest, ASchemeNamedOnTheCommandLineOpensRightAfterStartUp)
{
    AppState scheme;
    SetDefaults(scheme);
    scheme.ToolVisible = {kFlagFalse, kFlagFalse, kFlagTrue, kFlagFalse};
    scheme.SchemeColor = MakeColor(10, 200, 30);
    ASSERT_TRUE(SaveSettings(programDir() / "my scheme.vrx", scheme));

    startWith((programDir() / "my scheme.vrx").string());
    EXPECT_EQ(window_->currentColor(), MakeColor(10, 200, 30));
    EXPECT_FALSE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_TRUE(isOpen(window_->toolWindow(HistoryTool)));
    EXPECT_EQ(state_.UndoPos, 2);
}

TEST_F(StartupFileTest, AMissingCommandLineFileIsIgnored)
{
    startWith((programDir() / "nowhere.vrx").string());
    EXPECT_EQ(window_->currentColor(), MakeColor(51, 35, 231));
    EXPECT_TRUE(isOpen(window_->toolWindow(FavoritesTool)));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(state_.UndoPos, 1);
}

} // namespace orvane::test
