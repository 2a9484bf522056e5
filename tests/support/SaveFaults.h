// Faults for saves: the real file system with one step of a save failing or killing the
// process, and a recorder of what the player is told.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/SaveReport.h"
#include "support/SystemFileSystem.h"

enum class SaveStep { Create, Write, Sync, Close, Rename, SyncFolder };
inline constexpr std::array kSaveSteps = {SaveStep::Create, SaveStep::Write,  SaveStep::Sync,
                                          SaveStep::Close,  SaveStep::Rename, SaveStep::SyncFolder};
std::string StepName(SaveStep step);
inline void PrintTo(SaveStep step, std::ostream* out) { *out << StepName(step); }

// An error and the words the system has for it.
struct SaveError {
    std::errc code;
    const char* words;
};
inline constexpr std::array kSaveErrors = {
    SaveError{std::errc::no_space_on_device, "No space left on device"},
    SaveError{std::errc::io_error, "Input/output error"},
    SaveError{std::errc::permission_denied, "Permission denied"},
};
inline void PrintTo(const SaveError& error, std::ostream* out) { *out << error.words; }

class FaultyFileSystem : public SystemFileSystem {
public:
    // `step` fails with `error` after doing what a real failure would have done first: a
    // write puts half its bytes on the disk, a close still closes.
    FaultyFileSystem(SaveStep step, std::errc error) : step_(step), error_(error) {}
    // The process is killed just before `step` runs.
    static FaultyFileSystem KillingAt(SaveStep step);

    std::error_code CreateTemporary(std::string& path, FileHandle& file) override;
    std::error_code Write(FileHandle file, std::string_view bytes) override;
    std::error_code Sync(FileHandle file) override;
    std::error_code Close(FileHandle file) override;
    std::error_code Rename(const std::string& from, const std::string& to) override;
    std::error_code SyncFolder(const std::string& folder) override;

private:
    // Kills the process at the chosen step; true when the step is to fail.
    bool Faulty(SaveStep step) const;

    SaveStep step_;
    std::errc error_;
    bool kill_ = false;
};

// Installs a reporter that keeps the texts for the scope's length.
class RecordedReports {
public:
    RecordedReports();
    ~RecordedReports();
    RecordedReports(const RecordedReports&) = delete;
    RecordedReports& operator=(const RecordedReports&) = delete;

    std::vector<std::string> texts;

private:
    SaveReporter reporter_;
};
