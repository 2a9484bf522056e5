// Telling the player that a file could not be saved. The running program installs a
// reporter that says how (a message box, a line on standard error); without one nothing
// is said. A failure is told once per file: later failures of the same file stay quiet
// until a save of it succeeds again, so a full disk does not bring a box after every game.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <system_error>

class SaveReporter {
public:
    using Show = std::function<void(const std::string& text)>;

    explicit SaveReporter(Show show);

    // The outcome of saving `what` ("the high scores") to path. A failure reads "Could not
    // save the high scores to /full/path: No space left on device".
    void Saved(const std::string& what, const std::string& path, std::error_code result);

private:
    Show show_;
    std::set<std::string> failing_;
};

// The backend installs its reporter before the game starts; null uninstalls it.
void InstallSaveReporter(SaveReporter* reporter);
// Hands the outcome of a save to the installed reporter.
void ReportSave(const std::string& what, const std::string& path, std::error_code result);
