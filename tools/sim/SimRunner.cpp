// Start-up at the given clock, then one frame per step at 34 ms intervals, with the
// script's events delivered after their step's frame.
#include "SimRunner.h"

#include <algorithm>

#include "AutoPlayer.h"
#include "JsonWriter.h"
#include "StateDump.h"
#include "app/FrameDriver.h"
#include "app/GameSession.h"
#include "app/Shell.h"
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

// Delivers queued messages through the window procedure; false once WM_QUIT is taken.
bool Pump(HeadlessWindow& window) {
    Message message;
    while (window.PeekMessage(message)) {
        if (message.message == WM_QUIT) return false;
        window.Dispatch(message);
    }
    return true;
}

}  // namespace

int RunSimulation(const SimOptions& options, std::vector<ScriptEvent> events,
                  std::ostream* dump, std::string& error) {
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.step < b.step; });
    long steps = 1;
    if (!events.empty()) steps = std::max(steps, events.back().step + 1);
    if (options.steps) steps = *options.steps;

    ManualClock clock(options.clock);
    ClockInstallation installation(clock);
    HeadlessWindow window;
    RecordingAudio audio;
    MemorySettingStore settings;
    if (options.soundGiven) {
        settings.Write(kSettingsKey, kSoundSettingName, options.soundOn ? "Y" : "N");
    }
    GameSession session(window, audio, settings);

    auto nextEvent = events.begin();
    auto deliver = [&](long step) {
        bool running = true;
        for (; nextEvent != events.end() && nextEvent->step == step; ++nextEvent) {
            for (const Message& message : nextEvent->messages) {
                window.Post(message);
                running = Pump(window) && running;
                if (!running) return false;
            }
        }
        return running;
    };
    bool running = deliver(0);

    JsonWriter json;
    AutoPlayer player;
    for (long step = 1; step <= steps && running; ++step) {
        if (step > 1) audio.ClearPlayed();
        clock.Set(options.clock + uint32_t(kStepMs * uint64_t(step)));
        const bool frameRan = windowInactive == 0 && frameDriver != nullptr;
        if (frameRan) {
            frameDriver->RunFrame();
            ApplyModeTransition(window);
            running = Pump(window);
        }
        running = deliver(step) && running;
        if (options.autoplay && running) {
            if (const PlayMode* play = CurrentPlayMode()) {
                for (const Message& message : player.Act(*play)) {
                    window.Post(message);
                    running = Pump(window);
                    if (!running) break;
                }
            }
        }
        const bool last = step == steps || !running;

        if (dump != nullptr && (last || (options.dumpEvery > 0 && step % options.dumpEvery == 0))) {
            StepReport report;
            report.step = step;
            report.clock = clock.Now();
            report.frameRan = frameRan;
            if (frameRan) report.presented = window.LastPresented();
            report.played = audio.Played();
            report.backBuffer = frameDriver != nullptr ? &frameDriver->BackBuffer() : nullptr;
            json.Clear();
            WriteStepDump(json, report);
            *dump << json.Text() << '\n';
            if (!*dump) {
                error = "the dump could not be written";
                return 1;
            }
        }
        for (const PngRequest& png : options.pngs) {
            if (png.step == step && !WritePng(window.ClientPixels(), png.file)) {
                error = "could not write " + png.file;
                return 1;
            }
        }
    }
    return 0;
}
