#include "MainWindowFixture.h"

#include "colour/ColorWorkspace.h"
#include "colour/Palettes.h"
#include "mainwindow/SpectrumPalette.h"
#include "mainwindow/WebSafePalette.h"
#include "widgets/ColorMime.h"
#include "widgets/SwatchWidget.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

namespace orvane::test {

namespace {

// Geometry in the main window's client area, in pixels.
QRect swatchRect(MainWindow& window, int index)
{
    return window.swatch(index)->geometry();
}

} // namespace

TEST_F(MainWindowTest, SwatchesStandOnTheirGrid)
{
    EXPECT_EQ(swatchRect(*window_, 0), QRect(86, 32, 61, 40));
    EXPECT_EQ(swatchRect(*window_, 4), QRect(302, 83, 61, 40));
    EXPECT_EQ(swatchRect(*window_, 15), QRect(158, 134, 61, 40));
    EXPECT_EQ(swatchRect(*window_, 9), QRect(86, 185, 61, 40));
    EXPECT_EQ(swatchRect(*window_, 16), QRect(8, 97, 53, 53));
    EXPECT_EQ(window_->findChild<WebSafePalette*>("Picture3")->geometry(), QRect(5, 237, 361, 61));
}

TEST_F(MainWindowTest, SwatchHoverClickAndPopup)
{
    SwatchWidget* five = window_->swatch(5);
    const ColorValue color = five->color();
    const QString hash = QString::fromStdString(hashHex(color));

    QTest::mouseMove(five, QPoint(10, 10));
    EXPECT_EQ(window_->statusText(1), QString::fromStdString(statusRgb(color)));
    EXPECT_EQ(window_->statusText(2), "HEX: " + hash);
    EXPECT_EQ(five->toolTip(), hash);
    EXPECT_TRUE(five->accessibleName().endsWith(hash));

    // Right click: the popup acts on the swatch's colour, not on the current colour.
    QTest::mouseClick(five, Qt::RightButton);
    EXPECT_EQ(state_.PopupColor, color);
    action("pop_Copy_HEX")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), hash.mid(1));
    action("AddFav_2")->trigger();
    EXPECT_EQ(state_.FavColors[2], color);
    EXPECT_EQ(state_.UndoPos, 1);
    action("Select_Color")->trigger();
    EXPECT_EQ(window_->currentColor(), color);
    EXPECT_EQ(state_.UndoPos, 2);

    // A left click makes the swatch's colour current, recorded for undo.
    const ColorValue eleven = window_->swatch(11)->color();
    QTest::mouseClick(window_->swatch(11), Qt::LeftButton);
    EXPECT_EQ(window_->currentColor(), eleven);
    EXPECT_EQ(state_.UndoPos, 3);
    EXPECT_EQ(state_.UndoColors[3], eleven);
}

TEST_F(MainWindowTest, DroppingASwatchOnItselfSelectsItAndOthersAreRefused)
{
    SwatchWidget* three = window_->swatch(3);
    const ColorValue color = three->color();
    emit three->dropped(color, true);
    EXPECT_EQ(window_->currentColor(), color);
    EXPECT_EQ(state_.UndoPos, 2);

    // A colour from another swatch is not accepted: colours never copy from swatch to swatch.
    std::unique_ptr<QMimeData> mime(makeColorMime(window_->swatch(7)->color()));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(three, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(MainWindowTest, WebSafeCellsPreviewAndPick)
{
    auto* palette = window_->findChild<WebSafePalette*>("Picture3");
    EXPECT_EQ(palette->cellColor(122), MakeColor(153, 102, 102));
    EXPECT_EQ(palette->cellColor(215), kWhite);

    QTest::mouseMove(palette, WebSafePalette::cellCentre(122));
    EXPECT_EQ(window_->statusText(1), "RGB: 153.102.102");
    EXPECT_EQ(window_->currentColor(), MakeColor(153, 102, 102)) << "the swatch previews the cell";
    EXPECT_EQ(state_.UndoPos, 1);
    EXPECT_EQ(channelTexts()[0], "51") << "the preview is not the current colour";

    // Crossing the background ends the preview with swatch 0's colour.
    QTest::mouseMove(window_->centralWidget(), QPoint(2, 290));
    EXPECT_EQ(window_->statusText(1), "RGB: 153.102.102");
    EXPECT_EQ(window_->currentColor(), window_->swatch(0)->color());

    // Any button picks on the press.
    QTest::mousePress(palette, Qt::RightButton, {}, WebSafePalette::cellCentre(35));
    EXPECT_EQ(window_->currentColor(), MakeColor(0, 255, 255));
    EXPECT_EQ(hexText(), "00FFFF");
    EXPECT_EQ(state_.UndoPos, 2);
}

TEST_F(MainWindowTest, SpectrumToggleAndPick)
{
    QAction* toggle = action("Show_Spectrum_Palette");
    auto* spectrum = window_->findChild<SpectrumPalette*>("Picture4");
    EXPECT_FALSE(spectrum->isVisible());

    toggle->trigger();
    EXPECT_EQ(toggle->text(), "Show Websafe &Palette");
    EXPECT_TRUE(spectrum->isVisible());

    ColorWorkspace ws;
    ws.HSLtoRGB(120, 100, 1.6393442 * 60);
    const ColorValue nearWhiteGreen = MakeColor(ws.OutR, ws.OutG, ws.OutB);
    EXPECT_EQ(spectrum->pixelColor({120, 0}), nearWhiteGreen);

    QTest::mousePress(spectrum, Qt::LeftButton, {}, QPoint(120, 0));
    EXPECT_EQ(window_->currentColor(), nearWhiteGreen);
    EXPECT_EQ(state_.UndoPos, 2);

    // A press outside the picture (the pointer left it while a button was held) changes nothing.
    QTest::mousePress(spectrum, Qt::LeftButton, {}, QPoint(400, 70));
    EXPECT_EQ(window_->currentColor(), nearWhiteGreen);
    EXPECT_EQ(state_.UndoPos, 2);

    toggle->trigger();
    EXPECT_EQ(toggle->text(), "Show Spectrum &Palette");
    EXPECT_FALSE(spectrum->isVisible());
}

} // namespace orvane::test
