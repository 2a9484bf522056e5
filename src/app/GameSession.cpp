// The order of start-up and shut-down.
#include "app/GameSession.h"

#include "app/FrameDriver.h"
#include "app/Shell.h"
#include "app/WindowProcedure.h"
#include "app/WindowSettings.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "platform/Clock.h"
#include "sound/SoundPlayer.h"

GameSession::GameSession(Window& window, AudioDevice& audio, SettingStore& settings,
                         const GameFiles& files) {
    window.SetProcedure(GameWindowProcedure);
    mainWindow = &window;
    settingStore = &settings;
    soundPlayer.SetDevice(&audio);
    randomGenerator.Seed(timeGetTime());
    CreateFonts();
    LoadSoundSetting();
    ApplySoundSetting();
    RemoveUnfittingSizeItems(window);
    dirtyRects.SetArtFolder(files.artFolder);
    frameDriver = new FrameDriver(window, files.highScoreFile);
}

GameSession::~GameSession() {
    DeleteFonts();
    delete frameDriver;
    frameDriver = nullptr;
    soundPlayer.SetDevice(nullptr);
    settingStore = nullptr;
    mainWindow = nullptr;
}
