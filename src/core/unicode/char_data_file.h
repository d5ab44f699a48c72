#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Reading the name data file (glyphora.csv) and the entity data file (glyphora.ent): the whole
// file, its lines, and one entry per line. The parsers return views into the line they are given.
namespace glyphora {

// The content of a data file; nullopt when there is no usable file: missing, not a regular file
// (a folder, a device, a pipe) or unreadable. Those cases all count as "no file".
std::optional<std::string> ReadDataFile(const std::filesystem::path& path);

// Takes the next line off the front of text into line and returns true; false at the end. A line
// ends at CR LF, LF or a lone CR; the end is not part of the line. A UTF-8 byte order mark at the
// start of a line is dropped: editors put one before the first line, where it would hide the code.
bool TakeLine(std::string_view& text, std::string_view& line);

// Lines that begin with ";" or "//".
bool IsCommentLine(std::string_view line);

// One entry of the name data file: "0221,Latin Small Letter D With Curl".
struct NameEntry {
    long code_point = 0;
    std::string_view name;  // trimmed, outer commas dropped, never empty; may be invalid UTF-8
};

// The entry of a name data line, or nullopt when the line is ignored: a comment, a code field
// that is not hexadecimal, a code above FFFF, or an empty name. The code field is the text before
// the first comma (empty text is 0), the name the text after it; a line without a comma is both.
std::optional<NameEntry> ParseNameLine(std::string_view line);

// One entry of the entity data file: "00A0,IE,nbsp,NonBreakingSpace".
struct EntityEntry {
    long code_point = 0;
    bool ie_flag = false;  // the flag field is "IE" in any case
    std::string_view
        entities;  // "nbsp,NonBreakingSpace": trimmed, outer commas dropped, never empty
};

// The entry of an entity data line, or nullopt when the line is ignored: a comment, a line
// without a comma, a code field that is not hexadecimal, a code above FFFF, or no names.
std::optional<EntityEntry> ParseEntityLine(std::string_view line);

}  // namespace glyphora
