// pebblor in a web page: starts the game the page asks for, then leaves it to the browser's
// animation frames. The page passes "play" or "replay" and then pebblor-sim's options (a
// replay starts at --clock and runs --steps steps of the --script, as pebblor-sim does).
#include <emscripten/emscripten.h>

#include <fstream>
#include <string>
#include <vector>

#include "SimOptions.h"
#include "SimScript.h"
#include "WebGame.h"

namespace {

// clang-format off
EM_JS(void, pebblor_page_refuse, (const char* problem), {
    Module.pebblorPage.refuse(UTF8ToString(problem));
});
// clang-format on

bool ReadScript(const std::string& file, std::vector<ScriptEvent>& events, std::string& error) {
    if (file.empty()) return true;
    std::ifstream in(file);
    if (!in) {
        error = "cannot open script '" + file + "'";
        return false;
    }
    return ParseSimScript(in, events, error);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "play";
    SimOptions options;
    std::vector<ScriptEvent> events;
    std::string error;
    // The options follow the mode as a program's follow its name.
    if ((mode != "play" && mode != "replay") ||
        !ParseSimOptions(argc - 1, argv + 1, options, error) ||
        !ReadScript(options.scriptFile, events, error)) {
        pebblor_page_refuse((error.empty() ? "unknown mode '" + mode + "'" : error).c_str());
        return 2;
    }
    // The game lives as long as the page.
    static WebGame game(options.autoplay);
    if (mode == "replay") {
        game.Replay(options, std::move(events));
    } else {
        game.Start();
    }
    game.Run();
    return 0;
}
