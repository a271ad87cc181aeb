// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

// Bit values of the classic OPENFILENAME flags that the dialog record carries.
inline constexpr std::int32_t kOfnReadOnly = 0x1;
inline constexpr std::int32_t kOfnOverwritePrompt = 0x2;
inline constexpr std::int32_t kOfnHideReadOnly = 0x4;
inline constexpr std::int32_t kOfnEnableHook = 0x20;
inline constexpr std::int32_t kOfnEnableTemplate = 0x40;
inline constexpr std::int32_t kOfnAllowMultiSelect = 0x200;
inline constexpr std::int32_t kOfnFileMustExist = 0x1000;

// The classic dialog writes its answers into fixed buffers of these sizes, zero included.
inline constexpr std::size_t kFileBufferSize = 1024;
inline constexpr std::size_t kFileTitleBufferSize = 512;

enum class DialogKind { Open, OpenWithPreview, Save };

// Everything a file dialog backend is told about the dialog to run.
struct DialogRecord {
    DialogKind kind = DialogKind::Open;
    // Window id of the owner window; 0 for none.
    std::int64_t owner = 0;
    // Descriptions and patterns in turn, each ended by '\0', the list ended by one more '\0'.
    std::string filter;
    // 1-based index of the filter to preselect.
    std::int32_t filterIndex = 0;
    // The file name and title the dialog starts with.
    std::string fileName;
    std::string fileTitle;
    std::string initialDirectory;
    std::string title;
    // Appended to a name typed without an extension.
    std::string defaultExtension;
    std::int32_t flags = 0;
};

} // namespace orvane
