// SPDX-License-Identifier: MIT
// File > Export Palette and Import Palette, and the Palette window.

#include "MainWindowFixture.h"

#include "core/PaletteFiles.h"
#include "filedialog/FileFilter.h"
#include "toolwindows/PaletteWindow.h"
#include "webpreview/WebPreviewWindow.h"

#include <QTest>

namespace orvane {

void PrintTo(const NamedColor& entry, std::ostream* out)
{
    *out << hashHex(entry.color) << " \"" << entry.name << '"';
}

namespace test {

namespace fs = std::filesystem;
const fs::path kPalettes = fs::path(ORVANE_TEST_DATA) / "palettes";

TEST_F(MainWindowTest, ExportWritesTheTypedExtensionsFormatElseTheFilters)
{
    state_.FavColors[1] = 0x0080FF;
    window_->toggleToolWindow(WebPreviewTool);
    static_cast<WebPreviewWindow*>(window_->toolWindow(WebPreviewTool))->resetColors();
    const std::tuple<const char*, int, PaletteFormat> rows[] = {
        {"typed.JSON", 1, PaletteFormat::Json},
        {"chosen", 4, PaletteFormat::Ase},
        {"notes.txt", 2, PaletteFormat::Css},
        {"plain.gpl", 3, PaletteFormat::Gpl},
    };
    for (const auto& [name, filter, format] : rows) {
        dialogs_.answers.push_back(DialogChoice{(programDir_ / name).string(), name, filter, 0});
        action("Export_Palette")->trigger();
        std::ifstream file(programDir_ / name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        EXPECT_EQ(detectPaletteFormat(bytes), format) << name;
        const std::vector<NamedColor> colors = readPalette(bytes).reading.palette.colors;
        ASSERT_EQ(colors.size(), 27u) << name;
        EXPECT_EQ(colors[0], (NamedColor{"Current", window_->currentColor()}));
        EXPECT_EQ(colors[16], (NamedColor{"Scheme 16", window_->swatch(15)->color()}));
        EXPECT_EQ(colors[17], (NamedColor{"Favorite 2", 0x0080FF}));
        // The open preview's colours, not the stored ones.
        EXPECT_EQ(colors[21], (NamedColor{"Page background", kWhite}));
    }
    const DialogRecord& record = dialogs_.records.at(0);
    EXPECT_EQ(record.kind, DialogKind::Save);
    EXPECT_EQ(record.defaultExtension, "gpl");
    EXPECT_EQ(record.filter, convertFilter("GIMP Palette (*.gpl)|*.gpl|CSS Custom Properties "
                                           "(*.css)|*.css|JSON (*.json)|*.json|Adobe Swatch "
                                           "Exchange (*.ase)|*.ase"));
    EXPECT_TRUE(messages_.shown.empty());
    fs::create_directory(programDir_ / "folder.gpl");
    runDialog("Export_Palette", programDir_ / "missing" / "x.gpl");
    runDialog("Export_Palette", programDir_ / "folder.gpl");
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_TRUE(messages_.shown[0].text.endsWith("x.gpl."));
    EXPECT_TRUE(messages_.shown[1].text.endsWith("not a regular file."));
}

TEST_F(MainWindowTest, ImportedPalettesShowNamedSwatchesToPickFrom)
{
    runDialog("Import_Palette", kPalettes / "gimp.gpl");
    auto* palette = window_->findChild<PaletteWindow*>("Palette");
    ASSERT_TRUE(isOpen(palette));
    EXPECT_EQ(palette->windowTitle(), "Web Safe Corners");
    ASSERT_EQ(palette->swatches().size(), 4u);
    SwatchWidget* green = palette->swatches()[1];
    EXPECT_EQ(green->toolTip(), "Bright green");
    EXPECT_EQ(green->accessibleName(), "Bright green, #00FF00");
    QTest::mouseClick(green, Qt::LeftButton);
    EXPECT_EQ(window_->currentColor(), 0x00FF00);
    EXPECT_EQ(state_.UndoPos, 2);
    QTest::mouseClick(palette->swatches()[0], Qt::RightButton);
    EXPECT_EQ(state_.PopupColor, 0x0000FF);
    EXPECT_TRUE(messages_.shown.empty());

    // The next palette takes the same window; unnamed colours are named by their
    // place, and the entries left out are counted in one message.
    runDialog("Import_Palette", kPalettes / "loose.gpl");
    EXPECT_EQ(window_->findChild<PaletteWindow*>("Palette"), palette);
    EXPECT_EQ(palette->windowTitle(), "Loose ends");
    EXPECT_EQ(palette->swatches().at(2)->toolTip(), "Colour 3");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.startsWith("3 entries of "));

    // A file that is no palette is reported and changes nothing.
    std::ofstream(programDir_ / "notes.gpl") << "Shopping list";
    runDialog("Import_Palette", programDir_ / "notes.gpl");
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_TRUE(messages_.shown[1].text.contains("notes.gpl"));
    EXPECT_EQ(palette->windowTitle(), "Loose ends");
    EXPECT_EQ(state_.UndoPos, 2);
}

} // namespace test
} // namespace orvane
