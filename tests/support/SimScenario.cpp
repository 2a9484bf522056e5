// Each request is a fresh run in an emptied folder, so a run never sees a file that an
// earlier one wrote.
#include "support/SimScenario.h"

#include <fstream>
#include <stdexcept>

#include "support/SimRun.h"

std::vector<JsonValue> SimScenario::Run(long k, long steps) const {
    const std::string folder = MakeTempFolder("scenario");
    if (!highScoreFile.empty()) {
        std::ofstream(folder + "/hiscores.dat", std::ios::binary) << highScoreFile;
    }
    std::vector<std::string> all = arguments;
    all.insert(all.end(), {"--steps", std::to_string(steps), "--dump-every", std::to_string(k)});
    SimResult result = RunSim(all, script, folder);
    if (result.status != 0) {
        throw std::runtime_error("pebblor-sim exited with " + std::to_string(result.status) + ": " +
                                 result.errorText);
    }
    return std::move(result.dump);
}

JsonValue SimScenario::At(long step) const {
    std::vector<JsonValue> dump = Run(0, step);
    if (dump.size() != 1) throw std::runtime_error("expected one dumped step");
    return std::move(dump.front());
}

long SimScenario::StepScreenBegan(int screen, long steps) const {
    constexpr long kSampleEvery = 50;  // shorter than any screen that is searched for
    for (const JsonValue& state : Run(kSampleEvery, steps)) {
        if (state["screen"].Int() == screen) {
            return long(state["step"].Int() - state["screenTime"].Int());
        }
    }
    throw std::runtime_error("screen " + std::to_string(screen) + " never shown");
}
