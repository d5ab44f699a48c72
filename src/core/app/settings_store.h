#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/fixed4.h"

// The settings file: an INI file of sections, keys and values. Every call reads the file afresh
// and every write replaces it whole and atomically (see WriteFileAtomically), so nothing is cached
// between calls and an interrupted write never leaves half a file. Nothing here throws.
namespace glyphora {

enum class SettingWrite {
    Written,    // the file now holds the value
    Unchanged,  // the file already held it and was not touched
    Ignored,    // empty file path, section or key: nothing to do
    Failed,     // not written; whatever was at the path is as it was
};

// Longest value texts read, in characters (UTF-8 sequences; a stray byte counts as one).
inline constexpr std::size_t kSettingTextLimit = 32766;
inline constexpr std::size_t kSettingNumberLimit = 254;
// Size of a whole section as ReadSettingList reads it: every "key=value" line and a terminator
// per line, plus one final terminator. Lines beyond it are left out whole.
inline constexpr std::size_t kSettingSectionLimit = 32767;
// A larger file is not a settings file of ours: it reads as all defaults and is never rewritten.
inline constexpr std::size_t kSettingsFileSizeLimit = 16u << 20;

// The stored text with spaces trimmed from both ends, or default_text when the file, section or
// key is missing, unreadable or empty. A NUL byte ends the stored text.
std::string ReadSettingText(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view default_text = {});

// The leading number of the stored text (Fixed4::ParseLeading; 0 when it does not start with a
// number), or default_number when the key is absent. An empty file path, section or key gives the
// default without reading.
Fixed4 ReadSettingNumber(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, Fixed4 default_number = {});

// Writes only when ReadSettingText would not already return value; an empty value is stored as a
// single space (which reads back as empty). Creates the file, its folder and the section when
// they are missing. A read-only file is written all the same and stays read-only. A value with a
// line break or NUL, or a name that the file's layout cannot hold, fails without writing.
SettingWrite WriteSettingText(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view value);

// Writes the decimal text of value ("-3", "0.25") unless the key already reads as value; 0 is
// always written, since an absent key reads as 0 too (a file already holding exactly that text
// is left untouched).
SettingWrite WriteSettingNumber(const std::filesystem::path& file, std::string_view section,
                                std::string_view key, Fixed4 value);

// The values (text after the first "=", trimmed) of every key line of the section, in file order;
// the keys are ignored. Empty when the file or section is missing.
std::vector<std::string> ReadSettingList(const std::filesystem::path& file,
                                         std::string_view section);

// Replaces the section's entries by "0=first", "1=second", ... in list order; an empty list
// leaves the section empty. Comments and blank lines in the section stay.
SettingWrite WriteSettingList(const std::filesystem::path& file, std::string_view section,
                              const std::vector<std::string>& entries);

}  // namespace glyphora
