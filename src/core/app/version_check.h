#pragma once

#include <optional>
#include <string_view>

namespace glyphora {

// A library version as "major.minor.patch" text gives it.
struct LibraryVersion {
    int major = 0;
    int minor = 0;
    int patch = 0;
    auto operator<=>(const LibraryVersion&) const = default;
};

// The leading "major[.minor[.patch]]" of a version text ("6.4.2", "6.5.0-rc1", "6.4"); nullopt
// when the text does not start with a number or a part does not fit an int.
std::optional<LibraryVersion> ParseLibraryVersion(std::string_view text);

// Whether the program can run against the library it found at run time: the same major version
// and at least the version it was built with (a newer minor keeps binary compatibility, an older
// one may lack what the program calls). An unreadable version text is refused, since nothing
// can be promised about it.
bool RuntimeVersionSupported(std::string_view runtime, std::string_view built);

// The refusal shown in a message box before anything is written.
inline constexpr std::string_view kUnsupportedSystemText =
    "This program cannot be run in your system.";

}  // namespace glyphora
