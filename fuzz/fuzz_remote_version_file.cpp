// Reads arbitrary bytes as the remote version file that "Check for Update" fetches from the web,
// and checks that a version it accepts is one the version parser reads and compares consistently.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "about/update_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto version = glyphora::ParseRemoteVersionFile(file);
    const glyphora::UpdateCheckOutcome outcome =
        glyphora::EvaluateRemoteVersionFile(file, "0.01");
    if (version.has_value() != (outcome.result != glyphora::UpdateResult::NotAccessible)) {
        std::abort();
    }
    if (version) {
        const auto number = glyphora::ParseVersionNumber(*version);
        if (!number || outcome.version != *version) std::abort();
        const bool newer = *number > *glyphora::ParseVersionNumber("0.1");
        if (newer != (outcome.result == glyphora::UpdateResult::NewerAvailable)) std::abort();
    }
    // The same bytes read as a bare version text must not upset the parser either.
    glyphora::ParseVersionNumber(file.substr(0, 64));
    return 0;
}
