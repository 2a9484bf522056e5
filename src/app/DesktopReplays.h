// Replays in the desktop game: every game is recorded, the last one and those of the high
// score table are kept, the Replays menu lists them, and choosing one (or starting with
// --replay) watches it in the window. Stands between the message loop and the game.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/GameRecorder.h"
#include "app/MessageLoop.h"
#include "app/ReplayPlayback.h"
#include "app/ReplayShelf.h"

class DesktopReplays : public LoopHooks {
public:
    // With the game session running: links the table's rows to the replays kept in
    // `folder` and lists them in the window's menu.
    DesktopReplays(Window& window, std::string folder, ReplayShelf::Report report,
                   FileSystem& files = RealFileSystem());

    // Starts watching; a box says why when it cannot.
    void Watch(Window& window, Replay replay);
    bool IsWatching() const { return playback_ != nullptr; }

    void Dispatch(Window& window, const Message& message) override;
    void RunFrame(Window& window) override;

private:
    // Handles the Replays menu's commands; false for any other message.
    bool HandleReplaysCommand(Window& window, const Message& message);
    void WatchFile(Window& window, const std::string& path);
    void StopWatching();
    void ShowKept(Window& window);

    FileSystem& files_;
    ReplayShelf shelf_;
    GameRecorder recorder_;
    std::optional<Replay> lastGame_;  // kept here too, for when it could not be saved
    std::unique_ptr<ReplayPlayback> playback_;
};
