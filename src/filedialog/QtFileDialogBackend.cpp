// SPDX-License-Identifier: MIT
#include "filedialog/QtFileDialogBackend.h"

#include "filedialog/FileFilter.h"
#include "filedialog/SelectionText.h"
#include "widgets/QtConversions.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <filesystem>
#include <vector>

namespace orvane {

namespace {

// One filter entry as QFileDialog reads it: the patterns in the last parentheses, separated by
// spaces. "*.*" means every file to the classic dialog, but only names with a dot to Qt.
QString nameFilter(const FilterPair& pair)
{
    QString description = qText(pair.description);
    const QString pattern = qText(pair.pattern);
    QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
    for (QString& one : patterns) {
        one = one.trimmed();
        if (one == QLatin1String("*.*"))
            one = QStringLiteral("*");
    }
    // A description that already shows its patterns, as in "Text (*.txt;*.log)", keeps its
    // wording; only the patterns are written the way Qt splits them.
    const QString shown = u'(' + pattern + u')';
    if (description.endsWith(shown))
        description.chop(shown.size());
    else
        description += u' ';
    return description + u'(' + patterns.join(u' ') + u')';
}

// The extension of a filter entry's first pattern ("css" for "*.css;*.txt"); empty when that
// pattern names no one extension.
QString firstExtension(const FilterPair& pair)
{
    const QString first = qText(pair.pattern).split(u';').first().trimmed();
    if (!first.startsWith(QLatin1String("*.")))
        return {};
    const QString extension = first.mid(2);
    return extension.contains(u'*') || extension.contains(u'?') ? QString() : extension;
}

// As the classic dialog does, a save dialog with a default extension gives a name typed without
// one the extension of the filter chosen, and the default extension only where the filter has
// none.
void followFilterExtension(QFileDialog& dialog, const DialogRecord& record)
{
    const QString fallback = qText(record.defaultExtension);
    QStringList extensions;
    for (const FilterPair& pair : filterPairs(record.filter)) {
        const QString extension = firstExtension(pair);
        extensions << (extension.isEmpty() ? fallback : extension);
    }
    const QStringList filters = dialog.nameFilters();
    const auto follow = [&dialog, filters, extensions](const QString& chosen) {
        const qsizetype index = filters.indexOf(chosen);
        if (index >= 0 && index < extensions.size())
            dialog.setDefaultSuffix(extensions.at(index));
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
}

} // namespace

QStringList QtFileDialogBackend::nameFilters(const std::string& convertedFilter)
{
    QStringList filters;
    for (const FilterPair& pair : filterPairs(convertedFilter))
        filters << nameFilter(pair);
    return filters;
}

QWidget* QtFileDialogBackend::ownerOf(const DialogRecord& record)
{
    if (record.owner == 0)
        return nullptr;
    return QWidget::find(static_cast<WId>(record.owner));
}

void QtFileDialogBackend::configureDialog(QFileDialog& dialog, const DialogRecord& record)
{
    dialog.setWindowTitle(qText(record.title));
    if (record.kind == DialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         (record.flags & kOfnOverwritePrompt) == 0);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if ((record.flags & kOfnAllowMultiSelect) != 0)
            dialog.setFileMode(QFileDialog::ExistingFiles);
        else if ((record.flags & kOfnFileMustExist) != 0)
            dialog.setFileMode(QFileDialog::ExistingFile);
        else
            dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.setDefaultSuffix(qText(record.defaultExtension));

    const QStringList filters = nameFilters(record.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (record.filterIndex >= 1 && record.filterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(record.filterIndex - 1));
        if (record.kind == DialogKind::Save && !record.defaultExtension.empty())
            followFilterExtension(dialog, record);
    }

    // After a first choice the start folder is the chosen file itself: start in its folder.
    if (!record.initialDirectory.empty()) {
        const QFileInfo start(pathToQString(record.initialDirectory));
        dialog.setDirectory(start.exists() && !start.isDir() ? start.absolutePath()
                                                             : start.filePath());
    }
    if (!record.fileName.empty())
        dialog.selectFile(pathToQString(record.fileName));
}

std::optional<DialogChoice> QtFileDialogBackend::run(const DialogRecord& record)
{
    QFileDialog dialog(ownerOf(record));
    configureDialog(dialog, record);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList selected = dialog.selectedFiles();
    if (selected.isEmpty())
        return std::nullopt;

    std::vector<std::filesystem::path> files;
    for (const QString& file : selected)
        files.emplace_back(pathFromQString(file));
    DialogChoice choice;
    choice.fileName = selectionText(files);
    choice.fileTitle = pathFromQString(QFileInfo(selected.first()).fileName());
    const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    choice.filterIndex = filter >= 0 ? static_cast<std::int32_t>(filter + 1) : record.filterIndex;
    choice.flags = record.flags;
    return choice;
}

std::optional<std::string> QtFileDialogBackend::specialFolder(int folderId)
{
    QStandardPaths::StandardLocation location;
    switch (folderId) {
    case 0: // the desktop
        location = QStandardPaths::DesktopLocation;
        break;
    case 5: // the user's documents
        location = QStandardPaths::DocumentsLocation;
        break;
    case 13: // music
        location = QStandardPaths::MusicLocation;
        break;
    case 14: // videos
        location = QStandardPaths::MoviesLocation;
        break;
    case 39: // pictures
        location = QStandardPaths::PicturesLocation;
        break;
    case 40: // the user's home folder
        location = QStandardPaths::HomeLocation;
        break;
    default:
        return std::nullopt;
    }
    const QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty())
        return std::nullopt;
    return pathFromQString(path);
}

} // namespace orvane
