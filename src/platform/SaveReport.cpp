// The installed save reporter and the wording of its message.
#include "platform/SaveReport.h"

#include <filesystem>
#include <utility>

#include "platform/Utf8Path.h"

namespace {

SaveReporter* installedReporter = nullptr;

// The player is told where the file is, whatever folder the game was started from.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(path), error);
    return error ? path : Utf8FromPath(absolute.lexically_normal());
}

}  // namespace

SaveReporter::SaveReporter(Show show) : show_(std::move(show)) {}

void SaveReporter::Saved(const std::string& what, const std::string& path, std::error_code result) {
    const std::string file = AbsolutePath(path);
    if (!result) {
        failing_.erase(file);
    } else if (failing_.insert(file).second) {
        show_("Could not save " + what + " to " + file + ": " + result.message());
    }
}

void InstallSaveReporter(SaveReporter* reporter) { installedReporter = reporter; }

void ReportSave(const std::string& what, const std::string& path, std::error_code result) {
    if (installedReporter != nullptr) installedReporter->Saved(what, path, result);
}
