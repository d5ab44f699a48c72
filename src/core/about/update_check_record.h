#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "about/update_check.h"

namespace glyphora {

// What the program remembers of its last finished check (a cancelled check leaves nothing).
struct UpdateCheckRecord {
    std::chrono::system_clock::time_point checked_at;
    UpdateCheckOutcome outcome;
};

// Where the record goes: the update check only knows the file it was given (localpath).
class UpdateCheckRecorder {
public:
    virtual ~UpdateCheckRecorder() = default;
    virtual void RecordUpdateCheck(const std::filesystem::path& local_path,
                                   const UpdateCheckRecord& record) = 0;
};

// Keeps the record in the settings file, section "ucUpdate": "LastCheck" (UTC,
// "2025-01-31T12:00:00Z"), "LastResult" (-1, 0 or 1) and "LastVersion" (the published version
// read, else empty). A failed write is ignored like every other settings write.
class SettingsUpdateCheckRecorder final : public UpdateCheckRecorder {
public:
    void RecordUpdateCheck(const std::filesystem::path& local_path,
                           const UpdateCheckRecord& record) override;
};

// "2025-01-31T12:00:00Z".
std::string UtcTimeText(std::chrono::system_clock::time_point time);

}  // namespace glyphora
