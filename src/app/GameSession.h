// Start-up and shut-down of the game around a window that already exists: what runs
// before the message loop and after it.
#pragma once

#include "app/GameFiles.h"
#include "platform/AudioDevice.h"
#include "platform/SettingStore.h"
#include "platform/Window.h"

class GameSession {
public:
    // Routes the window's messages to the game, creates the fonts, reads and applies the
    // sound setting, and creates the frame driver with its play mode, which reads its
    // pictures and keeps its table where `files` says.
    GameSession(Window& window, AudioDevice& audio, SettingStore& settings,
                const GameFiles& files = GameFiles{});
    // Deletes the fonts, then the frame driver and its modes.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;
};
