// Start-up, the scripted start, and the loop on animation frames.
#include "WebGame.h"

#include <emscripten/emscripten.h>

#include "ScriptedSteps.h"
#include "StateDump.h"
#include "app/FrameDriver.h"
#include "app/MessageLoop.h"
#include "app/Shell.h"
#include "app/WindowSettings.h"
#include "platform/Cp1252.h"
#include "platform/web/WebFileSystem.h"
#include "sound/WaveResources.h"

namespace {

// clang-format off
EM_JS(void, pebblor_page_attach_game, (void* game), { Module.pebblorPage.attachGame(game); });

EM_JS(void, pebblor_page_replayed, (const char* dump), {
    Module.pebblorPage.replayed(UTF8ToString(dump));
});

EM_JS(void, pebblor_page_frame_shown, (double workMs), {
    Module.pebblorPage.frameShown(workMs);
});

EM_JS(void, pebblor_page_stopped, (), { Module.pebblorPage.stopped(); });
// clang-format on

// The pictures the page preloaded, and the high score table in the player's storage.
GameFiles PageFiles() {
    GameFiles files;
    files.artFolder = "/pictures";
    files.highScoreFile = std::string(kPlayerFolder) + "/" + kHighScoreFileName;
    return files;
}

}  // namespace

WebGame::WebGame(bool autoplay)
    : audio_(FindWaveResource),
      clips_(audio_),
      // A save that fails is told in a box over the game, which goes on with what it holds.
      saveReporter_([this](const std::string& text) {
          window_.ShowMessageBox("Pebblor", Windows1252FromUtf8(text));
      }),
      autoplay_(autoplay) {
    InstallSaveReporter(&saveReporter_);
    // The field's size is the page's display setting.
    window_.SetWindowSize(StoredDisplayScale(settings_));
    window_.SetSizeListener([this](int presetScale) {
        settings_.Write(kSettingsKey, kDisplayScaleSettingName, std::to_string(presetScale));
    });
    pebblor_page_attach_game(this);
}

WebGame::~WebGame() {
    session_.reset();
    InstallClock(nullptr);
    InstallSaveReporter(nullptr);
}

void WebGame::Start() {
    clock_.emplace(WebClock::WallClock());
    InstallClock(&*clock_);
    session_.emplace(window_, clips_, settings_, PageFiles());
    lastFrame_ = 0;
}

void WebGame::Replay(const SimOptions& options, std::vector<ScriptEvent> events) {
    replayClock_.Set(options.clock);
    InstallClock(&replayClock_);
    if (options.soundGiven) {
        settings_.Write(kSettingsKey, kSoundSettingName, options.soundOn ? "Y" : "N");
    }
    clips_.SetRecording(true);
    session_.emplace(window_, clips_, settings_, PageFiles());
    ScriptedSteps steps(
        window_, [this](const Message& message) { window_.Post(message); }, replayClock_,
        std::move(events), options.autoplay, hooks_);
    steps.Start();
    // As pebblor-sim dumps only the last step: the clips of start-up and of that step.
    std::vector<int> played = clips_.Played();
    const long count = options.steps ? *options.steps : steps.ScriptLength();
    StepReport report;
    for (long step = 1; step <= count && steps.Running(); ++step) {
        clips_.Clear();
        report.step = step;
        report.frameRan = steps.Step(step);
    }
    played.insert(played.end(), clips_.Played().begin(), clips_.Played().end());
    clips_.SetRecording(false);
    clips_.Clear();
    report.clock = replayClock_.Now();
    report.played = played;
    json_.Clear();
    WriteStepDump(json_, report);
    pebblor_page_replayed(json_.Text().c_str());
    framesRun_ = report.step;
    // The live clock counts on from the last step, whose frame was the last one.
    clock_.emplace(replayClock_.Now());
    InstallClock(&*clock_);
    lastFrame_ = replayClock_.Now();
    if (!steps.Running()) window_.PostQuitMessage(0);
}

void WebGame::Run() { emscripten_set_main_loop_arg(Tick, this, 0, false); }

void WebGame::Tick(void* game) { static_cast<WebGame*>(game)->Tick(); }

void WebGame::Tick() {
    Message message;
    while (!window_.IsBoxOpen() && window_.PeekMessage(message)) {
        if (message.message == WM_QUIT) {
            End(int(message.wParam));
            return;
        }
        window_.Dispatch(message);
    }
    if (window_.IsBoxOpen()) return;
    const double started = emscripten_get_now();
    if (!RunDueFrame(window_, timeGetTime(), lastFrame_, hooks_)) return;
    ++framesRun_;
    pebblor_page_frame_shown(emscripten_get_now() - started);
    if (autoplay_) {
        if (const PlayMode* play = CurrentPlayMode()) {
            for (const Message& move : player_.Act(*play)) window_.Post(move);
        }
    }
}

void WebGame::End(int) {
    emscripten_cancel_main_loop();
    session_.reset();
    pebblor_page_stopped();
}

const std::string& WebGame::StateJson() {
    StepReport report;
    report.step = framesRun_;
    report.clock = timeGetTime();
    report.frameRan = frameDriver != nullptr;
    json_.Clear();
    WriteStepDump(json_, report);
    return json_.Text();
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* pebblor_state(WebGame* game) {
    return game->StateJson().c_str();
}
