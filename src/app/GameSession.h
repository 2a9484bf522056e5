// Start-up and shut-down of the game around a window that already exists: what runs
// before the message loop and after it.
#pragma once

#include "platform/AudioDevice.h"
#include "platform/SettingStore.h"
#include "platform/Window.h"

class GameSession {
public:
    // Routes the window's messages to the game, creates the fonts, reads and applies the
    // sound setting, and creates the frame driver with its play mode.
    GameSession(Window& window, AudioDevice& audio, SettingStore& settings);
    // Deletes the fonts, then the frame driver and its modes.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;
};
