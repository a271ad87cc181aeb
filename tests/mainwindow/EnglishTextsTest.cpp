// SPDX-License-Identifier: MIT
// Every text the windows show without a translation, against a list kept in tests/data: a text
// changed by accident, on its way into the translation system or elsewhere, shows up here.
#include "MainWindowFixture.h"

#include "toolwindows/AboutWindow.h"
#include "toolwindows/ScreenPickerWindow.h"
#include "toolwindows/TipsWindow.h"

#include "widgets/QtConversions.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QToolBar>

namespace orvane::test {
namespace {

// One line for each text an object shows, named by the path of object names (class names where
// there is none) that leads to it.
void collectTexts(const QObject* object, const QString& parentPath, QStringList& lines)
{
    const QString name = object->objectName();
    const QString path =
        parentPath + u'/' +
        (name.isEmpty() ? QString::fromLatin1(object->metaObject()->className()) : name);
    const auto add = [&](const char* what, const QString& text) {
        if (!text.isEmpty())
            lines << path + u' ' + QLatin1String(what) + u'=' +
                         QString(text).replace(u'\n', QLatin1String("\\n"));
    };
    for (const char* property : {"windowTitle", "title", "text", "plainText", "toolTip",
                                 "statusTip", "accessibleName", "accessibleDescription"})
        add(property, object->property(property).toString());
    if (const auto* box = qobject_cast<const QComboBox*>(object))
        for (int item = 0; item < box->count(); ++item)
            add("item", box->itemText(item));
    for (const QObject* child : object->children())
        collectTexts(child, path, lines);
}

} // namespace

TEST_F(MainWindowTest, EveryEnglishTextStaysAsItWas)
{
    QStringList lines;
    collectTexts(window_.get(), QString(), lines);

    // Every window open, every toggled caption in its other state, every message and dialog.
    for (const char* command : {"Add_to_Favorites", "Show_History", "Show_Harmonies",
                                "Show_Web_Preview", "Show_Spectrum_Palette", "Deuteranopia"})
        action(command)->trigger();
    auto* webToolbar = window_->findChild<QWidget*>("Web")->findChild<QToolBar*>("Toolbar1");
    for (const char* button : {"Toolbar1_1", "Toolbar1_3"}) // saving, the contrast lines
        webToolbar->findChild<QAction*>(button)->trigger();
    std::filesystem::copy(std::filesystem::path(ORVANE_TEST_DATA) / "palettes" / "loose.gpl",
                          programDir_ / "loose.gpl");
    runDialog("Import_Palette", programDir_ / "loose.gpl");
    for (const char* command : {"Open_Scheme", "Export_Palette"})
        action(command)->trigger();
    window_->valueEntry()->setHexText(QStringLiteral("12"));
    window_->findChild<QPushButton*>("Command2")->click();
    state_.FavColors = {1, 2, 3, 4, 5};
    action("Add_to_Favorites")->trigger();
    action("Screen_Color_Picker")->trigger(); // the desktop refuses a picture
    new TipsWindow(
        state_, programDir_ / "tips.txt", [] { return 0.0; }, window_.get());
    new AboutWindow(window_.get());
    QImage snapshot(40, 30, QImage::Format_RGB32);
    snapshot.fill(Qt::white);
    new ScreenPickerWindow(snapshot, {ScreenPixels{{0, 0}, {40, 30}, 1, {0, 0}, 1}}, window_.get());
    collectTexts(window_.get(), QString(), lines);
    for (const auto& message : messages_.shown)
        lines << QStringLiteral("message %1: %2").arg(message.title, message.text);
    for (const DialogRecord& record : dialogs_.records)
        lines << QStringLiteral("dialog %1: %2").arg(qText(record.title), qText(record.filter));

    const QString shown =
        lines.join(u'\n')
            .replace(pathToQString(programDir_.string()), QStringLiteral("PROGRAM"))
            .replace(u'\0', u'|') +
        u'\n';
    QFile golden(QStringLiteral(ORVANE_TEST_DATA "/english-texts.txt"));
    const QString expected =
        golden.open(QIODevice::ReadOnly) ? QString::fromUtf8(golden.readAll()) : QString();
    if (shown != expected) {
        // Written beside the test for a diff against the list.
        QFile actual(QStringLiteral("english-texts.actual"));
        ASSERT_TRUE(actual.open(QIODevice::WriteOnly));
        actual.write(shown.toUtf8());
    }
    EXPECT_EQ(shown.toStdString(), expected.toStdString())
        << "compare english-texts.actual with tests/data/english-texts.txt";
}

} // namespace orvane::test
