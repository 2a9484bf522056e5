// The faulty file system and the report recorder.
#include "support/SaveFaults.h"

#include <csignal>
#include <cstdlib>

namespace {

// Ends the process at once, as a kill does: nothing is flushed, closed or destroyed.
[[noreturn]] void KillThisProcess() {
#ifdef _WIN32
    std::_Exit(137);
#else
    std::raise(SIGKILL);
    std::_Exit(137);
#endif
}

}  // namespace

std::string StepName(SaveStep step) {
    static const std::array<const char*, kSaveSteps.size()> names = {
        "Create", "Write", "Sync", "Close", "Rename", "SyncFolder"};
    return names[size_t(step)];
}

FaultyFileSystem FaultyFileSystem::KillingAt(SaveStep step) {
    FaultyFileSystem files(step, std::errc{});
    files.kill_ = true;
    return files;
}

bool FaultyFileSystem::Faulty(SaveStep step) const {
    if (step != step_) return false;
    if (kill_) KillThisProcess();
    return true;
}

std::error_code FaultyFileSystem::CreateTemporary(std::string& path, FileHandle& file) {
    if (Faulty(SaveStep::Create)) return std::make_error_code(error_);
    return SystemFileSystem::CreateTemporary(path, file);
}

std::error_code FaultyFileSystem::Write(FileHandle file, std::string_view bytes) {
    if (!Faulty(SaveStep::Write)) return SystemFileSystem::Write(file, bytes);
    SystemFileSystem::Write(file, bytes.substr(0, bytes.size() / 2));
    return std::make_error_code(error_);
}

std::error_code FaultyFileSystem::Sync(FileHandle file) {
    if (Faulty(SaveStep::Sync)) return std::make_error_code(error_);
    return SystemFileSystem::Sync(file);
}

std::error_code FaultyFileSystem::Close(FileHandle file) {
    const bool faulty = Faulty(SaveStep::Close);
    const std::error_code closed = SystemFileSystem::Close(file);
    return faulty ? std::make_error_code(error_) : closed;
}

std::error_code FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    if (Faulty(SaveStep::Rename)) return std::make_error_code(error_);
    return SystemFileSystem::Rename(from, to);
}

std::error_code FaultyFileSystem::SyncFolder(const std::string& folder) {
    if (Faulty(SaveStep::SyncFolder)) return std::make_error_code(error_);
    return SystemFileSystem::SyncFolder(folder);
}

RecordedReports::RecordedReports()
    : reporter_([this](const std::string& text) { texts.push_back(text); }) {
    InstallSaveReporter(&reporter_);
}

RecordedReports::~RecordedReports() { InstallSaveReporter(nullptr); }
