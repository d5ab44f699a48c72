#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphora {

// The text of an INI file: "[section]" lines open sections, "key=value" lines hold values (the
// first "=" separates key and value), ";" or "#" lines are comments. Section and key names match
// without regard to ASCII case and to the blanks around them.
//
// The file is kept as its lines, each with its own line end, so that a change touches only the
// lines it is about: every other line, comment, blank line and byte (NUL bytes and invalid UTF-8
// included) comes out of Serialize() as it went into Parse(). Lines added by a change end with the
// file's line end (that of its first line; LF for a file without one).
//
// Only the first section of a name counts; a later section of the same name is kept as it is.
class IniFile {
public:
    enum class LineEnd { Lf, CrLf };

    IniFile() = default;
    static IniFile Parse(std::string_view text);
    std::string Serialize() const;

    LineEnd line_end() const { return line_end_; }

    bool HasSection(std::string_view section) const;

    // The value of the first line of the section with that key, blanks trimmed from both ends;
    // nullopt when the section or the key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Every key line of the section in file order as (key, value), both trimmed; empty when the
    // section is missing.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

    // Sets a value: replaces what follows the "=" of the key's line, else adds a line after the
    // section's last key line, else appends the section. Returns false, changing nothing, when a
    // name or the value cannot be written in this layout (see the IsValid... checks).
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the key lines of the section (and any other line there that is neither a comment
    // nor blank) by the given entries, in order, where the first of them stood. Comments and blank
    // lines stay. An empty list leaves the section header alone with its comments; a missing
    // section is appended, unless the list is empty. Returns false, changing nothing, when a name
    // or value cannot be written.
    bool ReplaceSection(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>>& entries);

    // A section name: not blank, no "]", no line break or NUL.
    static bool IsValidSectionName(std::string_view name);
    // A key: not blank, no "=", no line break or NUL, not starting like a section or a comment.
    static bool IsValidKey(std::string_view key);
    // A value: no line break or NUL (it would end the line and let the rest pose as a new line).
    static bool IsValidValue(std::string_view value);

private:
    enum class End : unsigned char { None, Lf, CrLf };
    struct Line {
        std::string text;  // without its line end
        End end = End::None;
    };
    struct Span {
        std::size_t header;  // index of the "[section]" line
        std::size_t end;     // one past the section's last line
    };

    std::optional<Span> FindSection(std::string_view section) const;
    End NewLineEnd() const { return line_end_ == LineEnd::CrLf ? End::CrLf : End::Lf; }
    void InsertLines(std::size_t position, std::vector<std::string> texts);
    void FixLineEnds();

    std::vector<Line> lines_;
    LineEnd line_end_ = LineEnd::Lf;
};

}  // namespace glyphora
