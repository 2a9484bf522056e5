// Start-up at the given clock, then the scripted steps on the headless backend, with the
// dumps and pictures the options ask for.
#include "SimRunner.h"

#include <algorithm>
#include <optional>

#include "JsonWriter.h"
#include "ScriptedSteps.h"
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

// Clock installed for the run's length.
class ClockInstallation {
public:
    explicit ClockInstallation(Clock& clock) { InstallClock(&clock); }
    ~ClockInstallation() { InstallClock(nullptr); }
};

// One run: the headless backend, the game on it, and the step loop.
class Simulation : private StepHooks {
public:
    Simulation(const SimOptions& options, std::vector<ScriptEvent> events, const Replay* replay)
        : options_(options),
          startClock_(replay != nullptr ? replay->start.clock : options.clock),
          clock_(startClock_),
          installation_(clock_),
          steps_(
              window_, [this](const Message& message) { window_.Post(message); }, clock_,
              std::move(events), options.autoplay, *this) {
        if (replay != nullptr) player_.emplace(*replay, true);
        if (!options.recordFile.empty()) recorder_.emplace();
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
        steps_.Start();
        // Clips started at start-up (and by step 0's events) go into the first dump.
        std::vector<int> played = audio_.Played();
        const long steps = StepCount();
        for (long step = 1; step <= steps && steps_.Running(); ++step) {
            audio_.ClearPlayed();
            const bool frameRan = steps_.Step(step);
            const bool last = step == steps || !steps_.Running();
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
        return steps_.ScriptLength();
    }

    // A replay's frames all ran: its focus changes came between them.
    bool FramesWhileInactive() const override { return player_.has_value(); }

    void Dispatch(Window& window, const Message& message) override {
        if (recorder_) {
            recorder_->Dispatch(window, message);
        } else {
            window.Dispatch(message);
        }
    }

    void RunFrame(Window& window) override {
        LoopHooks::RunFrame(window);
        if (recorder_) recorder_->FrameRan();
    }

    // The replay's events of the frame come once the messages it posted are handled.
    void FrameSettled(Window& window) override {
        if (player_) player_->FrameRan(window);
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
        report.played = played;
        json_.Clear();
        WriteStepDump(json_, report);
        dump << json_.Text() << '\n';
        return bool(dump);
    }

    const SimOptions& options_;
    uint32_t startClock_;
    ManualClock clock_;
    ClockInstallation installation_;
    HeadlessWindow window_;
    RecordingAudio audio_;
    MemorySettingStore settings_;
    std::optional<GameRecorder> recorder_;  // with --record
    std::optional<ReplayPlayer> player_;
    ScriptedSteps steps_;
    JsonWriter json_;
};

}  // namespace

int RunSimulation(const SimOptions& options, std::vector<ScriptEvent> events, const Replay* replay,
                  std::ostream* dump, std::string& error) {
    Simulation simulation(options, std::move(events), replay);
    return simulation.Run(dump, error);
}
