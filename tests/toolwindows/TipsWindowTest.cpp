#include "toolwindows/TipsWindow.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace orvane
{
namespace
{

const QString kNoTips = QStringLiteral("No tips are available: tips.txt is missing or empty.");

class TipsWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        SetDefaults(state_);
    }

    std::filesystem::path tipsPath() const
    {
        return std::filesystem::path(folder_.path().toStdString()) / "tips.txt";
    }

    void writeTips(const std::string& bytes)
    {
        std::ofstream(tipsPath(), std::ios::binary) << bytes;
    }

    // Opens the window with the random number fixed.
    TipsWindow& open(double random)
    {
        window_ = std::make_unique<TipsWindow>(state_, tipsPath(), [random] { return random; });
        return *window_;
    }

    QPushButton* button(const char* name) const { return window_->findChild<QPushButton*>(name); }
    QCheckBox* checkBox() const { return window_->findChild<QCheckBox*>("Check1"); }

    QTemporaryDir folder_;
    AppState state_;
    std::unique_ptr<TipsWindow> window_;
};

TEST_F(TipsWindowTest, LayoutTextsAndPlace)
{
    writeTips("A\r\n");
    TipsWindow& tips = open(0);
    EXPECT_EQ(tips.objectName(), "Tips");
    EXPECT_EQ(tips.windowTitle(), "Quick Tips");
    EXPECT_EQ(tips.minimumSize(), QSize(294, 136));
    EXPECT_EQ(tips.maximumSize(), QSize(294, 136));

    auto* text = tips.findChild<QPlainTextEdit*>("Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), QRect(7, 6, 280, 100));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(button("Command1")->text(), "Previous");
    EXPECT_EQ(button("Command1")->geometry(), QRect(160, 112, 60, 20));
    EXPECT_EQ(button("Command2")->text(), "Next");
    EXPECT_EQ(button("Command2")->geometry(), QRect(224, 112, 60, 20));
    EXPECT_EQ(checkBox()->text(), "Show in start-up");
    EXPECT_EQ(checkBox()->geometry(), QRect(7, 115, 124, 14));
    for (const QWidget* control :
         {static_cast<QWidget*>(text), static_cast<QWidget*>(checkBox()),
          static_cast<QWidget*>(button("Command1")), static_cast<QWidget*>(button("Command2"))})
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();

    EXPECT_EQ(tips.geometry().center(), tips.screen()->availableGeometry().center());
}

TEST_F(TipsWindowTest, ThreeTipsWrapBothWays)
{
    writeTips("A\r\nB\r\nC\r\n");
    TipsWindow& tips = open(0.99);
    EXPECT_EQ(tips.currentTip(), "C");
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(tips.currentTip(), "A");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_EQ(tips.currentTip(), "C");
    tips.showPrevious();
    EXPECT_EQ(tips.currentTip(), "B");
    tips.showNext();
    tips.showNext();
    EXPECT_EQ(tips.currentTip(), "A");
    tips.showPrevious();
    EXPECT_EQ(tips.currentTip(), "C");
}

// The first tip is the random number times the last index, rounded half to even.
TEST_F(TipsWindowTest, RandomNumberPicksTheFirstTip)
{
    writeTips("A\r\nB\r\nC\r\n");
    EXPECT_EQ(open(0).currentTip(), "A");
    EXPECT_EQ(open(0.25).currentTip(), "A") << "0.5 rounds to 0";
    EXPECT_EQ(open(0.26).currentTip(), "B");
    EXPECT_EQ(open(0.75).currentTip(), "C") << "1.5 rounds to 2";
    EXPECT_EQ(open(0.99).currentTip(), "C");

    writeTips("A\r\nB\r\nC\r\nD\r\nE");
    EXPECT_EQ(open(0.625).currentTip(), "C") << "2.5 rounds to 2";
    EXPECT_EQ(open(0.875).currentTip(), "E") << "3.5 rounds to 4";
}

TEST_F(TipsWindowTest, OneTipStaysOnNextAndPrevious)
{
    writeTips("The only tip");
    TipsWindow& tips = open(0.7);
    EXPECT_EQ(tips.currentTip(), "The only tip");
    tips.showNext();
    EXPECT_EQ(tips.currentTip(), "The only tip");
    tips.showPrevious();
    tips.showPrevious();
    EXPECT_EQ(tips.currentTip(), "The only tip");
}

TEST_F(TipsWindowTest, EmptyLinesAndLineFeedsMakeTips)
{
    writeTips("A\r\n\r\nB\r\n");
    TipsWindow& tips = open(0.5);
    EXPECT_EQ(tips.currentTip(), "");
    EXPECT_TRUE(tips.findChild<QPlainTextEdit*>("Text1")->toPlainText().isEmpty());
    tips.showNext();
    EXPECT_EQ(tips.currentTip(), "B");

    writeTips("One\nTwo\nThree");
    TipsWindow& lf = open(0);
    EXPECT_EQ(lf.currentTip(), "One");
    lf.showNext();
    EXPECT_EQ(lf.currentTip(), "Two");
    lf.showPrevious();
    lf.showPrevious();
    EXPECT_EQ(lf.currentTip(), "Three");
}

TEST_F(TipsWindowTest, MissingOrEmptyFileSaysSo)
{
    TipsWindow& missing = open(0.99);
    EXPECT_EQ(missing.currentTip(), kNoTips);
    missing.showNext();
    EXPECT_EQ(missing.currentTip(), kNoTips);
    missing.showPrevious();
    missing.showPrevious();
    EXPECT_EQ(missing.currentTip(), kNoTips);

    writeTips("");
    TipsWindow& empty = open(0.5);
    EXPECT_EQ(empty.currentTip(), kNoTips);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(empty.currentTip(), kNoTips);
}

TEST_F(TipsWindowTest, StartUpBoxIsStoredHoweverTheWindowCloses)
{
    writeTips("A\r\nB\r\n");
    state_.ShowTipsAtStart = kFlagTrue;
    open(0);
    EXPECT_TRUE(checkBox()->isChecked());
    checkBox()->setChecked(false);
    EXPECT_EQ(state_.ShowTipsAtStart, kFlagTrue) << "nothing is stored before closing";
    window_->reject();
    EXPECT_EQ(state_.ShowTipsAtStart, kFlagFalse);

    open(0);
    EXPECT_FALSE(checkBox()->isChecked());
    checkBox()->setChecked(true);
    window_->show();
    window_->close();
    EXPECT_EQ(state_.ShowTipsAtStart, kFlagTrue);

    open(0);
    window_->show();
    checkBox()->setChecked(false);
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(state_.ShowTipsAtStart, kFlagFalse);

    // Only a clear box turns the tips off; a greyed one counts as ticked.
    open(0);
    checkBox()->setCheckState(Qt::PartiallyChecked);
    window_->accept();
    EXPECT_EQ(state_.ShowTipsAtStart, kFlagTrue);
}

} // namespace
} // namespace orvane
