// SPDX-License-Identifier: MIT
#include "filedialog/Win32FileDialogBackend.h"

#include <cderr.h>
#include <shlobj.h>
#include <vfw.h>

#include <algorithm>
#include <array>
#include <climits>
#include <filesystem>
#include <string_view>
#include <vector>

namespace orvane {

namespace {

// UTF-16 of a UTF-8 text, zeros inside it kept; nothing for a text that is no UTF-8.
std::optional<std::wstring> utf16(std::string_view text)
{
    if (text.empty())
        return std::wstring();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const int size = static_cast<int>(text.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length == 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

// UTF-8 of a UTF-16 text, zeros inside it kept; nothing for a text that is no UTF-16.
std::optional<std::string> utf8(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size,
                                           nullptr, 0, nullptr, nullptr);
    if (length == 0)
        return std::nullopt;
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, narrow.data(), length,
                        nullptr, nullptr);
    return narrow;
}

// The dialog takes a missing text where it has nothing to show.
const wchar_t* orNull(const std::wstring& text)
{
    return text.empty() ? nullptr : text.c_str();
}

// After a first choice the start folder is the chosen file itself: start in its folder.
std::wstring startFolder(const std::wstring& initialDirectory)
{
    const DWORD attributes = GetFileAttributesW(initialDirectory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return initialDirectory;
    return std::filesystem::path(initialDirectory).parent_path().wstring();
}

// Copies text into a zeroed buffer of size characters; false when it leaves no room for the
// closing zero.
bool fillBuffer(std::vector<wchar_t>& buffer, std::size_t size, const std::wstring& text)
{
    buffer.assign(size, L'\0');
    if (text.size() >= size)
        return false;
    std::copy(text.begin(), text.end(), buffer.begin());
    return true;
}

// The answer in the file buffer: one path, or the folder and the names of several files, each
// ended by a zero, up to the empty name that ends the list. The names of several files start
// right after the folder's zero.
std::wstring_view chosenFiles(const std::vector<wchar_t>& buffer, const OPENFILENAMEW& dialog)
{
    const std::wstring_view text(buffer.data(), buffer.size());
    std::size_t end = text.find(L'\0');
    if ((dialog.Flags & OFN_ALLOWMULTISELECT) != 0 && end != std::wstring_view::npos &&
        dialog.nFileOffset == end + 1)
        end = text.find(std::wstring_view(L"\0\0", 2));
    return text.substr(0, end);
}

std::wstring_view beforeFirstZero(const std::vector<wchar_t>& buffer)
{
    const std::wstring_view text(buffer.data(), buffer.size());
    return text.substr(0, text.find(L'\0'));
}

BOOL showDialog(DialogKind kind, OPENFILENAMEW& dialog)
{
    switch (kind) {
    case DialogKind::Save:
        return GetSaveFileNameW(&dialog);
    case DialogKind::OpenWithPreview:
        return GetOpenFileNamePreviewW(&dialog);
    case DialogKind::Open:
        break;
    }
    return GetOpenFileNameW(&dialog);
}

} // namespace

std::optional<DialogChoice> Win32FileDialogBackend::run(const DialogRecord& record)
{
    lastError_ = CDERR_INITIALIZATION;
    const std::optional<std::wstring> filter = utf16(record.filter),
                                      fileName = utf16(record.fileName),
                                      fileTitle = utf16(record.fileTitle),
                                      initialDirectory = utf16(record.initialDirectory),
                                      title = utf16(record.title),
                                      defaultExtension = utf16(record.defaultExtension);
    std::vector<wchar_t> fileBuffer, titleBuffer;
    if (!filter || !fileName || !fileTitle || !initialDirectory || !title || !defaultExtension ||
        !fillBuffer(fileBuffer, kFileBufferSize, *fileName) ||
        !fillBuffer(titleBuffer, kFileTitleBufferSize, *fileTitle))
        return std::nullopt;
    const std::wstring start = initialDirectory->empty() ? L"" : startFolder(*initialDirectory);

    OPENFILENAMEW dialog{};
    // The record's first layout, without the fields added to it later.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = reinterpret_cast<HWND>(static_cast<std::intptr_t>(record.owner));
    dialog.lpstrFilter = filter->c_str();
    dialog.nFilterIndex = static_cast<DWORD>(record.filterIndex);
    dialog.lpstrFile = fileBuffer.data();
    dialog.nMaxFile = static_cast<DWORD>(fileBuffer.size());
    dialog.lpstrFileTitle = titleBuffer.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(titleBuffer.size());
    dialog.lpstrInitialDir = orNull(start);
    dialog.lpstrTitle = orNull(*title);
    dialog.lpstrDefExt = orNull(*defaultExtension);
    // Only the Explorer style separates several chosen files by zeros, and a hook needs it too.
    const DWORD asked = static_cast<DWORD>(record.flags);
    const DWORD added = OFN_EXPLORER | (hook_.procedure ? OFN_ENABLEHOOK : 0);
    dialog.Flags = asked | added;
    dialog.lpfnHook = hook_.procedure;
    dialog.lCustData = hook_.data;
    if (!showDialog(record.kind, dialog)) {
        lastError_ = CommDlgExtendedError();
        return std::nullopt;
    }

    const std::optional<std::string> chosen = utf8(chosenFiles(fileBuffer, dialog)),
                                     chosenTitle = utf8(beforeFirstZero(titleBuffer));
    if (!chosen || !chosenTitle) {
        lastError_ = FNERR_INVALIDFILENAME;
        return std::nullopt;
    }
    lastError_ = 0;
    DialogChoice choice;
    choice.fileName = *chosen;
    choice.fileTitle = *chosenTitle;
    choice.filterIndex = static_cast<std::int32_t>(dialog.nFilterIndex);
    // The flags come back as the dialog left them, without those this backend added.
    choice.flags = static_cast<std::int32_t>(dialog.Flags & ~(added & ~asked));
    return choice;
}

std::optional<std::string> Win32FileDialogBackend::specialFolder(int folderId)
{
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folderId, &list)))
        return std::nullopt;
    // The shell writes at most MAX_PATH characters; the classic buffer is larger still.
    std::array<wchar_t, kFileBufferSize> path{};
    const bool found = SHGetPathFromIDListW(list, path.data());
    CoTaskMemFree(list);
    if (!found)
        return std::nullopt;
    return utf8(path.data());
}

} // namespace orvane
