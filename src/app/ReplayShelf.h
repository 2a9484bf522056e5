// Where replays are kept: the last game's, and one beside each high score entry that was
// played with a recording. A kept replay is linked to its row by its file name, which holds
// the entry (see ReplayFileNames): the folder is its own index, so nothing can disagree
// with it after a crash, and a restart links the rows again by reading the names. Equal
// entries are told apart by the names' numbers, which grow with every replay kept: the
// table puts a new entry below the equal ones already there, so the n-th of equal rows
// takes the n-th oldest of their files. Replays whose row has left the table are deleted.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/Replay.h"
#include "platform/FileSystem.h"
#include "play/HighScores.h"

class ReplayShelf {
public:
    // Told a line when a replay cannot be kept.
    using Report = std::function<void(const std::string& text)>;

    // `folder` empty: nothing is kept.
    ReplayShelf(std::string folder, Report report, FileSystem& files = RealFileSystem());

    // Links the table's rows to the replays in the folder and deletes those of rows the
    // table no longer has.
    void Load(const HighScoreTable& table);
    // A game that ended: kept as the last game; when it made a high score, also kept back
    // until the table shows its row.
    void KeepFinishedGame(const Replay& replay);
    // Brings the links up to date with the table: the row a kept game entered gets its
    // replay, a row pushed out loses its own. True when the table had changed.
    bool FollowTable(const HighScoreTable& table);

    std::string LastGamePath() const;
    // The replay file of each row of the table ("" where there is none).
    std::string RowReplayPath(size_t row) const;
    const HighScoreTable& Table() const { return table_; }

private:
    std::string PathOf(const std::string& name) const;
    bool Save(const std::string& name, const Replay& replay);
    void RemoveKilledSaves(const std::vector<std::string>& names);

    std::string folder_;
    Report report_;
    FileSystem& files_;
    HighScoreTable table_{};
    std::array<std::string, std::tuple_size_v<HighScoreTable>> rowFiles_;
    std::optional<Replay> awaitingRow_;
};
