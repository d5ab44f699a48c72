#include "app/version_check.h"

#include <charconv>

namespace glyphora {

namespace {

// Reads the digits at the front of text into value; false when there are none or they overflow.
bool ReadPart(std::string_view& text, int& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end == first) return false;
    text.remove_prefix(static_cast<std::size_t>(end - first));
    return true;
}

}  // namespace

std::optional<LibraryVersion> ParseLibraryVersion(std::string_view text) {
    LibraryVersion version;
    // from_chars would take a leading minus sign.
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    if (!ReadPart(text, version.major)) return std::nullopt;
    int* const rest[] = {&version.minor, &version.patch};
    for (int* part : rest) {
        if (text.size() < 2 || text.front() != '.' || text[1] < '0' || text[1] > '9') break;
        text.remove_prefix(1);
        if (!ReadPart(text, *part)) return std::nullopt;
    }
    return version;
}

bool RuntimeVersionSupported(std::string_view runtime, std::string_view built) {
    const auto found = ParseLibraryVersion(runtime);
    const auto needed = ParseLibraryVersion(built);
    if (!found || !needed) return false;
    return found->major == needed->major && *found >= *needed;
}

}  // namespace glyphora
