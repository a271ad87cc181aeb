// SPDX-License-Identifier: MIT
#pragma once

#include "filedialog/FileDialogBackend.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Answers each dialog with the next scripted choice (cancelling once the script runs out) and
// keeps every record it was handed.
class ScriptedBackend : public FileDialogBackend {
public:
    std::optional<DialogChoice> run(const DialogRecord& record) override
    {
        records.push_back(record);
        if (answers.empty())
            return std::nullopt;
        std::optional<DialogChoice> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> specialFolder(int folderId) override
    {
        const auto found = folders.find(folderId);
        return found == folders.end() ? std::nullopt : std::optional(found->second);
    }

    std::deque<std::optional<DialogChoice>> answers;
    std::map<int, std::string> folders{{5, "/home/ann/Documents"}};
    std::vector<DialogRecord> records;
};

} // namespace orvane
