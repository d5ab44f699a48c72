#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What "Check for Update" decides once the remote version file has arrived. Fetching the file is
// the window's business (it needs the network); everything after that is here.
//
// The remote version file (remotepath, "<site>/Products/Glyphora/Glyphora.js") is a tiny
// JavaScript file, so that the product page can include it as well:
//
//     // Glyphora release information
//     var version = "0.2.0";
//
// Format: UTF-8 (a byte-order mark is skipped), at most kRemoteFileSizeLimit bytes, lines ending
// in LF or CR LF. The first line of the form
//     [var|let|const] version = "TEXT" [;]
// (single or double quotes, blanks anywhere between the parts) gives the published version; every
// other line is ignored. TEXT is 1 to 4 decimal numbers of at most 5 digits and at most 65535,
// separated by dots ("0.2", "5.02.0025"); parts compare as numbers, missing parts count as 0.
namespace glyphora {

// The result codes of a check: -1 remote file not reachable (or not usable), 0 up to date,
// 1 a newer version is available. A cancelled check has no result of its own.
enum class UpdateResult : int {
    NotAccessible = -1,
    UpToDate = 0,
    NewerAvailable = 1,
    Cancelled = 2,
};

struct UpdateCheckOutcome {
    UpdateResult result = UpdateResult::NotAccessible;
    std::string version;  // the published version as the file writes it, when one was read
};

inline constexpr std::size_t kRemoteFileSizeLimit = 64 * 1024;

struct VersionNumber {
    std::array<std::uint32_t, 4> parts{};
    friend auto operator<=>(const VersionNumber&, const VersionNumber&) = default;
};

// "5.02.0025" -> {5, 2, 25, 0}; nullopt for anything else than 1 to 4 dot-separated numbers.
std::optional<VersionNumber> ParseVersionNumber(std::string_view text);

// The version text of the first valid "version" assignment, or nullopt when the file holds none
// or is larger than the limit.
std::optional<std::string> ParseRemoteVersionFile(std::string_view file_text);

// The outcome for a fetched file against the running program's version (its long version text).
UpdateCheckOutcome EvaluateRemoteVersionFile(std::string_view file_text,
                                             std::string_view local_version);

// The text the About box shows for an outcome; empty for a cancelled check.
std::string UpdateResultText(const UpdateCheckOutcome& outcome);

}  // namespace glyphora
