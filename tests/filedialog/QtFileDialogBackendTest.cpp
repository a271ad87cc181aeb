#include "filedialog/QtFileDialogBackend.h"
#include "filedialog/FileFilter.h"
#include "filedialog/cFileDlg.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;

DialogRecord recordOf(DialogKind kind, std::int32_t flags)
{
    DialogRecord record;
    record.kind = kind;
    record.flags = flags;
    record.title = "Orvane";
    return record;
}

TEST(QtFileDialogBackendTest, OpenFlagsChooseTheFileMode)
{
    struct Case {
        std::int32_t flags;
        QFileDialog::FileMode mode;
    };
    const Case cases[] = {
        {kOfnFileMustExist | kOfnHideReadOnly, QFileDialog::ExistingFile},
        {kOfnFileMustExist | kOfnAllowMultiSelect, QFileDialog::ExistingFiles},
        {kOfnAllowMultiSelect, QFileDialog::ExistingFiles},
        {kOfnHideReadOnly, QFileDialog::AnyFile},
    };
    for (const DialogKind kind : {DialogKind::Open, DialogKind::OpenWithPreview}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.flags);
            QFileDialog dialog;
            QtFileDialogBackend::configureDialog(dialog, recordOf(kind, c.flags));
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(dialog.fileMode(), c.mode);
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Orvane"));
        }
    }
}

TEST(QtFileDialogBackendTest, SaveAsksBeforeReplacingOnlyWithTheOverwriteBit)
{
    for (const bool prompt : {true, false}) {
        SCOPED_TRACE(prompt);
        DialogRecord record =
            recordOf(DialogKind::Save, kOfnHideReadOnly | (prompt ? kOfnOverwritePrompt : 0));
        record.defaultExtension = "vrx";
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontConfirmOverwrite, prompt);
        QtFileDialogBackend::configureDialog(dialog, record);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !prompt);
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("vrx"));
    }
}

TEST(QtFileDialogBackendTest, FilterEntriesBecomeNameFiltersQtCanSplit)
{
    EXPECT_EQ(QtFileDialogBackend::nameFilters(convertFilter("Orvane File (*.vrx)|*.vrx")),
              QStringList{QStringLiteral("Orvane File (*.vrx)")});
    EXPECT_EQ(QtFileDialogBackend::nameFilters(
                  convertFilter("HTML File (*.html;*.htm)|*.html;*.htm|Text|*.txt; *.log|All|*.*")),
              (QStringList{QStringLiteral("HTML File (*.html *.htm)"),
                           QStringLiteral("Text (*.txt *.log)"), QStringLiteral("All (*)")}));
    EXPECT_TRUE(QtFileDialogBackend::nameFilters("\0\0"s).isEmpty());
}

TEST(QtFileDialogBackendTest, FilterIndexPreselectsFromOne)
{
    const std::string filter = convertFilter("Text|*.txt|Pages|*.html");
    for (const std::int32_t index : {-1, 0, 1, 2, 3}) {
        SCOPED_TRACE(index);
        DialogRecord record = recordOf(DialogKind::Open, kOfnFileMustExist);
        record.filter = filter;
        record.filterIndex = index;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QtFileDialogBackend::configureDialog(dialog, record);
        EXPECT_EQ(dialog.selectedNameFilter(),
                  index == 2 ? QStringLiteral("Pages (*.html)") : QStringLiteral("Text (*.txt)"));
    }
}

TEST(QtFileDialogBackendTest, StartsInTheFolderOrBesideTheFileFromBefore)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::ofstream((dir.path() + QStringLiteral("/chosen.vrx")).toStdString()) << "x";
    QDir::root().mkpath(dir.path() + QStringLiteral("/inner"));

    DialogRecord record = recordOf(DialogKind::Open, kOfnFileMustExist);
    record.initialDirectory = (dir.path() + QStringLiteral("/inner")).toStdString();
    QFileDialog inFolder;
    QtFileDialogBackend::configureDialog(inFolder, record);
    EXPECT_EQ(inFolder.directory().absolutePath(), dir.path() + QStringLiteral("/inner"));

    record.initialDirectory = (dir.path() + QStringLiteral("/chosen.vrx")).toStdString();
    QFileDialog besideFile;
    QtFileDialogBackend::configureDialog(besideFile, record);
    EXPECT_EQ(besideFile.directory().absolutePath(), dir.path());
}

TEST(QtFileDialogBackendTest, OwnerIsFoundByItsWindowId)
{
    QWidget owner;
    DialogRecord record = recordOf(DialogKind::Save, 0);
    record.owner = static_cast<std::int64_t>(owner.winId());
    EXPECT_EQ(QtFileDialogBackend::ownerOf(record), &owner);
    record.owner = 0;
    EXPECT_EQ(QtFileDialogBackend::ownerOf(record), nullptr);
}

TEST(QtFileDialogBackendTest, DocumentsFolderIsTheStartFolder)
{
    QtFileDialogBackend backend;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(backend.specialFolder(cFileDlg::kPersonalFolder), documents.toStdString());
    EXPECT_EQ(cFileDlg(backend).InitDirectory(), documents.toStdString());
    EXPECT_EQ(backend.specialFolder(40),
              QStandardPaths::writableLocation(QStandardPaths::HomeLocation).toStdString());
    EXPECT_EQ(backend.specialFolder(1234), std::nullopt);
}

// Runs a real save dialog and answers it from a timer, as a user would.
TEST(QtFileDialogBackendTest, ConfirmedSaveReportsPathTitleAndFilter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtFileDialogBackend backend;
    DialogRecord record = recordOf(DialogKind::Save, kOfnOverwritePrompt | kOfnHideReadOnly);
    record.filter = convertFilter("Text|*.txt|Pages|*.html");
    record.filterIndex = 2;
    record.defaultExtension = "html";
    record.initialDirectory = dir.path().toStdString();

    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        dialog->selectFile(QStringLiteral("page"));
        static_cast<QDialog*>(dialog)->accept(); // as the dialog's own button does
        answered = true;
    });
    // Never let a dialog that did not close hang the run.
    QTimer::singleShot(5000, [] {
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->close();
    });
    const std::optional<DialogChoice> choice = backend.run(record);
    ASSERT_TRUE(answered);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->fileName, (dir.path() + QStringLiteral("/page.html")).toStdString());
    EXPECT_EQ(choice->fileTitle, "page.html");
    EXPECT_EQ(choice->filterIndex, 2);
    EXPECT_EQ(choice->flags, record.flags);
}

} // namespace
} // namespace orvane
