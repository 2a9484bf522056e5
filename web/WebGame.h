// The game in the page: the web backend, a game session on it, and its loop on the
// browser's animation frames with the desktop's rule (waiting messages first, then a frame
// when more than 33 ms have passed; none while the page is hidden or a dialog is open).
// It can also start from a script, stepped exactly as pebblor-sim steps it, and play on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AutoPlayer.h"
#include "ClipLog.h"
#include "JsonWriter.h"
#include "ScriptedSteps.h"
#include "SimOptions.h"
#include "SimScript.h"
#include "app/GameSession.h"
#include "platform/SaveReport.h"
#include "platform/headless/ManualClock.h"
#include "platform/web/WebAudio.h"
#include "platform/web/WebClock.h"
#include "platform/web/WebSettingStore.h"
#include "platform/web/WebWindow.h"

class WebGame {
public:
    // With autoplay the automatic player plays, and each frame's work is timed.
    explicit WebGame(bool autoplay);
    ~WebGame();
    WebGame(const WebGame&) = delete;
    WebGame& operator=(const WebGame&) = delete;

    // Starts the game on the wall clock.
    void Start();
    // Starts the game at the options' clock and runs their steps of the script as
    // pebblor-sim does; the dump of the last step goes to the page. Play goes on from there.
    void Replay(const SimOptions& options, std::vector<ScriptEvent> events);
    // Leaves the game to the browser's animation frames until it quits.
    void Run();

    // The state as pebblor-sim dumps it, for the page.
    const std::string& StateJson();

private:
    static void Tick(void* game);
    void Tick();
    void End(int exitCode);

    WebWindow window_;
    WebAudio audio_;
    ClipLog clips_;
    WebSettingStore settings_;
    SaveReporter saveReporter_;
    ManualClock replayClock_;
    std::optional<WebClock> clock_;
    std::optional<GameSession> session_;
    bool autoplay_;
    AutoPlayer player_;
    StepHooks hooks_;  // the page keeps no replays: messages and frames as they come
    uint32_t lastFrame_ = 0;
    long framesRun_ = 0;
    JsonWriter json_;
};
