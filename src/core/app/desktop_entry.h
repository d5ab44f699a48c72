#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/paths.h"

namespace glyphora {

// The freedesktop desktop entry that lets the desktop find the program: its menu entry, where the
// executable stands, and which version was last started from there.

// $XDG_DATA_HOME/applications/<base name>.desktop (~/.local/share when the variable is unset or
// relative); nullopt without a usable folder (no absolute XDG_DATA_HOME and no HOME).
std::optional<std::filesystem::path> DesktopEntryPath(const PathEnvironment& env,
                                                      std::string_view base_name);

// The entry's text: Exec = the executable (quoted when its path needs it), TryExec = its path,
// Path = its folder, X-Glyphora-Version = the long version text. nullopt when the executable's
// path cannot be written in an entry (a relative path, or a line break or other control
// character in it).
std::optional<std::string> DesktopEntryText(const std::filesystem::path& executable,
                                            std::string_view long_version);

enum class DesktopEntryWrite {
    Written,
    Unchanged,  // the file already held exactly this text and was not touched
    Failed,     // not written; whatever stood there is as it was
};

// Writes the text when the file does not already hold it, through a temporary file and a rename.
// Callers ignore a failure: the program runs the same without its entry.
DesktopEntryWrite WriteDesktopEntry(const std::filesystem::path& file, std::string_view text);

}  // namespace glyphora
