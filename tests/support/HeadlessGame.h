// The whole game on the headless backend, started at a given clock, for tests.
#pragma once

#include <functional>
#include <memory>

#include "app/FrameDriver.h"
#include "app/GameRecorder.h"
#include "app/GameSession.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/ManualClock.h"
#include "platform/headless/MemorySettingStore.h"
#include "platform/headless/RecordingAudio.h"

class HeadlessGame {
public:
    // `prepare` may fill the settings store before start-up reads it.
    explicit HeadlessGame(uint32_t startClock = 1000,
                          const std::function<void(MemorySettingStore&)>& prepare = {},
                          const GameFiles& files = GameFiles{})
        : clock(startClock) {
        if (prepare) prepare(settings);
        InstallClock(&clock);
        session = std::make_unique<GameSession>(window, audio, settings, files);
    }
    ~HeadlessGame() {
        session.reset();
        InstallClock(nullptr);
    }

    // Delivers what waits in the queue; false once WM_QUIT was taken.
    bool Pump() {
        Message message;
        while (window.PeekMessage(message)) {
            if (message.message == WM_QUIT) return false;
            if (recorder != nullptr) {
                recorder->Dispatch(window, message);
            } else {
                window.Dispatch(message);
            }
        }
        return true;
    }
    bool Send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        window.Post(Message{message, wParam, lParam});
        return Pump();
    }
    void Frame() {
        clock.Advance(34);
        frameDriver->RunFrame();
        ApplyModeTransition(window);
        if (recorder != nullptr) recorder->FrameRan();
    }

    ManualClock clock;
    HeadlessWindow window;
    RecordingAudio audio;
    MemorySettingStore settings;
    std::unique_ptr<GameSession> session;
    // When set, records the games as the desktop does.
    GameRecorder* recorder = nullptr;
};
