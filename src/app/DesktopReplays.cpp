// Recording, keeping and watching, around the message loop.
#include "app/DesktopReplays.h"

#include "app/CurrentPlayMode.h"
#include "app/FrameDriver.h"
#include "app/ReplayMenu.h"
#include "app/ReplayText.h"
#include "app/Shell.h"
#include "play/PlayMode.h"
#include "sound/SoundPlayer.h"

namespace {

const char* const kBoxCaption = "Replays";

}  // namespace

DesktopReplays::DesktopReplays(Window& window, std::string folder, ReplayShelf::Report report,
                               FileSystem& files)
    : files_(files), shelf_(std::move(folder), std::move(report), files) {
    if (const PlayMode* play = CurrentPlayMode()) shelf_.Load(play->highScores);
    ShowKept(window);
}

void DesktopReplays::ShowKept(Window& window) {
    window.SetMenuItems(kReplaysMenuIndex, ReplayMenuItems(shelf_));
}

void DesktopReplays::Watch(Window& window, Replay replay) {
    // One replay after another: the title and its tune only come back if none follows.
    const bool wasWatching = playback_ != nullptr;
    playback_.reset();
    std::string error;
    playback_ = ReplayPlayback::Start(window, std::move(replay), error);
    if (playback_ != nullptr) return;
    if (wasWatching) soundPlayer.Play(kTitleTuneSound);
    window.ShowMessageBox(kBoxCaption, error);
}

void DesktopReplays::StopWatching() {
    if (playback_ == nullptr) return;
    playback_.reset();
    soundPlayer.Play(kTitleTuneSound);
}

void DesktopReplays::WatchFile(Window& window, const std::string& path) {
    Replay replay;
    std::string error;
    if (!LoadReplay(path, replay, error, files_)) {
        window.ShowMessageBox(kBoxCaption, "The replay cannot be watched.\n\n" + error);
        return;
    }
    Watch(window, std::move(replay));
}

bool DesktopReplays::HandleReplaysCommand(Window& window, const Message& message) {
    if (message.message != WM_COMMAND) return false;
    const int command = LowWord(message.wParam);
    if (command == IDM_WATCH_LAST_GAME) {
        if (lastGame_) {
            Watch(window, *lastGame_);
        } else if (shelf_.LastGamePath().empty() ||
                   !files_.Identify(shelf_.LastGamePath()).exists) {
            window.ShowMessageBox(kBoxCaption, "No game has been played yet.");
        } else {
            WatchFile(window, shelf_.LastGamePath());
        }
        return true;
    }
    if (command >= IDM_WATCH_ENTRY && command < IDM_WATCH_ENTRY + int(shelf_.Table().size())) {
        const std::string path = shelf_.RowReplayPath(size_t(command - IDM_WATCH_ENTRY));
        if (!path.empty()) WatchFile(window, path);
        return true;
    }
    return false;
}

void DesktopReplays::Dispatch(Window& window, const Message& message) {
    if (HandleReplaysCommand(window, message)) return;
    if (playback_ != nullptr) {
        if (!playback_->Handle(window, message)) StopWatching();
        return;
    }
    recorder_.Dispatch(window, message);
    const PlayMode* play = CurrentPlayMode();
    if (play != nullptr && shelf_.FollowTable(play->highScores)) ShowKept(window);
}

void DesktopReplays::RunFrame(Window& window) {
    if (playback_ != nullptr) {
        if (!playback_->Tick(window)) StopWatching();
        return;
    }
    LoopHooks::RunFrame(window);
    recorder_.FrameRan();
    if (std::optional<Replay> finished = recorder_.TakeFinished()) {
        shelf_.KeepFinishedGame(*finished);
        lastGame_ = std::move(finished);
    }
}
