#include "about/update_check_record.h"

#include <ctime>

#include "app/settings_store.h"

namespace glyphora {

std::string UtcTimeText(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm parts{};
    if (::gmtime_r(&seconds, &parts) == nullptr) return {};
    char text[32];
    if (std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts) == 0) return {};
    return text;
}

void SettingsUpdateCheckRecorder::RecordUpdateCheck(const std::filesystem::path& local_path,
                                                    const UpdateCheckRecord& record) {
    if (record.outcome.result == UpdateResult::Cancelled) return;
    constexpr std::string_view kSection = "ucUpdate";
    WriteSettingText(local_path, kSection, "LastCheck", UtcTimeText(record.checked_at));
    WriteSettingNumber(local_path, kSection, "LastResult", static_cast<int>(record.outcome.result));
    WriteSettingText(local_path, kSection, "LastVersion", record.outcome.version);
}

}  // namespace glyphora
