// pebblor: the game on the desktop.
#include <cstdio>
#include <memory>
#include <string>

#include "app/GameSession.h"
#include "app/IconResources.h"
#include "app/MessageLoop.h"
#include "app/Shell.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/FileSettingStore.h"
#include "platform/SaveReport.h"
#include "platform/sdl/DesktopPlatform.h"

int main() {
    FileSettingStore settings(DefaultSettingsPath());
    DesktopOptions options;
    options.title = MainWindowTitle();
    options.menus = MainMenus();
    options.largeIcon = LoadIconResource(107);
    options.smallIcon = LoadIconResource(108);
    options.scale = StoredDisplayScale(settings);

    std::string error;
    std::unique_ptr<DesktopPlatform> desktop = DesktopPlatform::Create(options, error);
    if (!desktop) {
        // Without a window there is no game: say why, and do not report success.
        std::fprintf(stderr, "pebblor: cannot open the game window: %s\n", error.c_str());
        return 1;
    }
    InstallClock(&desktop->SystemTime());
    // A save that fails is told in a box over the game, which goes on with what it holds.
    SaveReporter saveReporter([&desktop](const std::string& text) {
        desktop->MainWindow().ShowMessageBox("Pebblor", Windows1252FromUtf8(text));
    });
    InstallSaveReporter(&saveReporter);
    int exitCode = 0;
    {
        GameSession session(desktop->MainWindow(), desktop->Audio(), settings);
        exitCode = RunMessageLoop(desktop->MainWindow());
    }
    InstallSaveReporter(nullptr);
    InstallClock(nullptr);
    return exitCode;
}
