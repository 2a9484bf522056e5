// Start-up at the given clock, then one frame per step at 34 ms intervals, with the
// script's events (and the automatic player's) delivered after their step's frame.
#include "SimRunner.h"

#include <algorithm>
#include <optional>

#include "AutoPlayer.h"
#include "JsonWriter.h"
#include "StateDump.h"
#include "app/FrameDriver.h"
#include "app/GameRecorder.h"
#include "app/GameSession.h"
#include "app/ReplayPlayer.h"
#include "app/ReplayState.h"
#include "app/ReplayText.h"
#include "app/Shell.h"
#include "platform/FileReplacement.h"
#include "platform/PngWriter.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/ManualClock.h"
#include "platform/headless/MemorySettingStore.h"
#include "platform/headless/RecordingAudio.h"

namespace {

constexpr uint32_t kStepMs = 34;

// Clock installed for the run's length.
class ClockInstallation {
public:
    explicit ClockInstallation(Clock& clock) { InstallClock(&clock); }
    ~ClockInstallation() { InstallClock(nullptr); }
};

// One run: the headless backend, the game on it, and the step loop.
class Simulation {
public:
    Simulation(const SimOptions& options, std::vector<ScriptEvent> events, const Replay* replay)
        : options_(options),
          events_(std::move(events)),
          startClock_(replay != nullptr ? replay->start.clock : options.clock),
          clock_(startClock_),
          installation_(clock_) {
        if (replay != nullptr) player_.emplace(*replay, true);
        if (!options.recordFile.empty()) recorder_.emplace();
        std::stable_sort(
            events_.begin(), events_.end(),
            [](const ScriptEvent& a, const ScriptEvent& b) { return a.step < b.step; });
        nextEvent_ = events_.begin();
        if (options.soundGiven) {
            settings_.Write(kSettingsKey, kSoundSettingName, options.soundOn ? "Y" : "N");
        }
    }

    int Run(std::ostream* dump, std::string& error) {
        GameSession session(window_, audio_, settings_);
        if (player_) {
            if (!player_->Start(window_, error)) return 2;
            // The replay's game starts here: what start-up played is not part of it.
            audio_.ClearPlayed();
        }
        running_ = DeliverScript(0);
        // Clips started at start-up (and by step 0's events) go into the first dump.
        std::vector<int> played = audio_.Played();
        const long steps = StepCount();
        for (long step = 1; step <= steps && running_; ++step) {
            audio_.ClearPlayed();
            const bool frameRan = RunStep(step);
            const bool last = step == steps || !running_;
            if (dump != nullptr &&
                (last || (options_.dumpEvery > 0 && step % options_.dumpEvery == 0))) {
                played.insert(played.end(), audio_.Played().begin(), audio_.Played().end());
                if (!WriteDump(*dump, step, frameRan, played)) {
                    error = "the dump could not be written";
                    return 1;
                }
                played.clear();
            }
            for (const PngRequest& png : options_.pngs) {
                if (png.step == step && !WritePng(window_.ClientPixels(), png.file)) {
                    error = "could not write " + png.file;
                    return 1;
                }
            }
            if (player_ && uint32_t(step) == player_->Played().frames && !EndedAsRecorded(error)) {
                return 1;
            }
        }
        return recorder_ ? WriteRecording(error) : 0;
    }

private:
    long StepCount() const {
        if (options_.steps) return *options_.steps;
        if (player_) return std::max(1L, long(player_->Played().frames));
        return events_.empty() ? 1 : std::max(1L, events_.back().step + 1);
    }

    // The frame (unless the window is inactive), then the step's events; true when a frame ran.
    bool RunStep(long step) {
        clock_.Set(startClock_ + uint32_t(kStepMs * uint64_t(step)));
        // A replay's frames all ran: its focus changes came between them.
        const bool frameRan = (windowInactive == 0 || player_) && frameDriver != nullptr;
        if (frameRan) {
            frameDriver->RunFrame();
            ApplyModeTransition(window_);
            if (recorder_) recorder_->FrameRan();
            running_ = Pump();
            if (player_) player_->FrameRan(window_);
        }
        running_ = DeliverScript(step) && running_;
        if (options_.autoplay && running_) {
            if (const PlayMode* play = CurrentPlayMode()) {
                for (const Message& message : autoPlayer_.Act(*play)) {
                    if (!Deliver(message)) break;
                }
            }
        }
        return frameRan;
    }

    bool DeliverScript(long step) {
        for (; nextEvent_ != events_.end() && nextEvent_->step == step; ++nextEvent_) {
            for (const Message& message : nextEvent_->messages) {
                if (!Deliver(message)) return false;
            }
        }
        return true;
    }

    // Through the same queue and window procedure as real messages.
    bool Deliver(const Message& message) {
        window_.Post(message);
        running_ = Pump();
        return running_;
    }

    // Delivers what waits in the queue; false once WM_QUIT is taken.
    bool Pump() {
        Message message;
        while (window_.PeekMessage(message)) {
            if (message.message == WM_QUIT) return false;
            if (recorder_) {
                recorder_->Dispatch(window_, message);
            } else {
                window_.Dispatch(message);
            }
        }
        return true;
    }

    // Whether the replay's game ended as the file says it did; the difference when not.
    bool EndedAsRecorded(std::string& error) const {
        const PlayMode* play = CurrentPlayMode();
        const ReplayResult& recorded = player_->Played().result;
        if (play != nullptr && ResultOf(*play) == recorded) return true;
        error = "the replay went otherwise than it was recorded: it ended with " +
                (play != nullptr ? DescribeResult(ResultOf(*play)) : std::string("no game")) +
                ", the file says " + DescribeResult(recorded) + " (made by pebblor " +
                player_->Played().gameVersion + ")";
        return false;
    }

    // The last game the run started, up to its end or to the run's.
    int WriteRecording(std::string& error) {
        const std::optional<Replay> game = recorder_->TakeLatest();
        if (!game) {
            error = "no game was started in the run: there is nothing to record";
            return 1;
        }
        if (const std::error_code result = ReplaceFile(options_.recordFile, FormatReplay(*game))) {
            error = "could not write " + options_.recordFile + ": " + result.message();
            return 1;
        }
        return 0;
    }

    bool WriteDump(std::ostream& dump, long step, bool frameRan, const std::vector<int>& played) {
        StepReport report;
        report.step = step;
        report.clock = clock_.Now();
        report.frameRan = frameRan;
        if (frameRan) report.presented = window_.LastPresented();
        report.played = played;
        report.backBuffer = frameDriver != nullptr ? &frameDriver->BackBuffer() : nullptr;
        json_.Clear();
        WriteStepDump(json_, report);
        dump << json_.Text() << '\n';
        return bool(dump);
    }

    const SimOptions& options_;
    std::vector<ScriptEvent> events_;
    std::vector<ScriptEvent>::const_iterator nextEvent_;
    uint32_t startClock_;
    ManualClock clock_;
    ClockInstallation installation_;
    HeadlessWindow window_;
    RecordingAudio audio_;
    MemorySettingStore settings_;
    AutoPlayer autoPlayer_;
    std::optional<GameRecorder> recorder_;  // with --record
    std::optional<ReplayPlayer> player_;
    JsonWriter json_;
    bool running_ = true;
};

}  // namespace

int RunSimulation(const SimOptions& options, std::vector<ScriptEvent> events, const Replay* replay,
                  std::ostream* dump, std::string& error) {
    Simulation simulation(options, std::move(events), replay);
    return simulation.Run(dump, error);
}
