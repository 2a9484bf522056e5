// Saving, linking and deleting the kept replays.
#include "app/ReplayShelf.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/ReplayFileNames.h"
#include "app/ReplayText.h"
#include "platform/FileReplacement.h"
#include "platform/Utf8Path.h"

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

bool SameTable(const HighScoreTable& a, const HighScoreTable& b) {
    return std::equal(a.begin(), a.end(), b.begin(), SameEntry);
}

}  // namespace

ReplayShelf::ReplayShelf(std::string folder, Report report, FileSystem& files)
    : folder_(std::move(folder)), report_(std::move(report)), files_(files) {}

std::string ReplayShelf::PathOf(const std::string& name) const {
    return Utf8FromPath(PathFromUtf8(folder_) / PathFromUtf8(name));
}

std::string ReplayShelf::LastGamePath() const {
    return folder_.empty() ? std::string() : PathOf(kLastGameFileName);
}

std::string ReplayShelf::RowReplayPath(size_t row) const {
    if (row >= rowFiles_.size() || rowFiles_[row].empty()) return std::string();
    return PathOf(rowFiles_[row]);
}

void ReplayShelf::Load(const HighScoreTable& table) {
    table_ = table;
    rowFiles_.fill(std::string());
    if (folder_.empty()) return;
    const std::vector<std::string> names = files_.ListFolder(folder_);
    RemoveKilledSaves(names);
    std::vector<std::pair<EntryReplayName, std::string>> kept;
    for (const std::string& name : names) {
        if (std::optional<EntryReplayName> parsed = ParseEntryReplayFileName(name)) {
            kept.emplace_back(*parsed, name);
        }
    }
    std::sort(kept.begin(), kept.end(),
              [](const auto& a, const auto& b) { return a.first.number < b.first.number; });
    std::vector<bool> linked(kept.size(), false);
    for (size_t row = 0; row < table.size(); ++row) {
        for (size_t i = 0; i < kept.size(); ++i) {
            if (!linked[i] && SameEntry(kept[i].first.entry, table[row])) {
                linked[i] = true;
                rowFiles_[row] = kept[i].second;
                break;
            }
        }
    }
    for (size_t i = 0; i < kept.size(); ++i) {
        if (!linked[i]) files_.Remove(PathOf(kept[i].second));
    }
}

void ReplayShelf::RemoveKilledSaves(const std::vector<std::string>& names) {
    // ".NAME.tmp-XXXXXX", which a save killed midway leaves behind.
    for (const std::string& name : names) {
        const size_t mark = name.rfind(kTemporaryMark);
        if (name.empty() || name[0] != '.' || mark == std::string::npos) continue;
        const std::string target = name.substr(1, mark - 1);
        if (target.ends_with(".replay") && IsTemporaryOf(name, target)) {
            files_.RemoveUnlessHeld(PathOf(name));
        }
    }
}

bool ReplayShelf::Save(const std::string& name, const Replay& replay) {
    std::error_code result;
    std::filesystem::create_directories(PathFromUtf8(folder_), result);
    if (!result) result = ReplaceFile(PathOf(name), FormatReplay(replay), files_);
    if (result && report_) {
        report_("could not keep the replay " + PathOf(name) + ": " + result.message());
    }
    return !result;
}

void ReplayShelf::KeepFinishedGame(const Replay& replay) {
    if (folder_.empty()) return;
    Save(kLastGameFileName, replay);
    awaitingRow_.reset();
    if (replay.result.madeHighScore != 0) awaitingRow_ = replay;
}

bool ReplayShelf::FollowTable(const HighScoreTable& table) {
    if (SameTable(table, table_)) return false;
    if (awaitingRow_) {
        // The new entry is the first row that differs.
        size_t row = 0;
        while (row < table.size() && SameEntry(table[row], table_[row])) ++row;
        const ReplayResult& result = awaitingRow_->result;
        if (row < table.size() && table[row].score == result.score &&
            table[row].level == result.level) {
            uint64_t number = 0;
            for (const std::string& name : files_.ListFolder(folder_)) {
                if (auto parsed = ParseEntryReplayFileName(name)) {
                    number = std::max(number, parsed->number);
                }
            }
            Save(EntryReplayFileName(table[row], number + 1), *awaitingRow_);
        }
        awaitingRow_.reset();
    }
    Load(table);
    return true;
}
