#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The What's This texts of the help topics, as read from the help file glyphora.help.
//
// The file is UTF-8 text (a byte order mark at the start is allowed) with LF or CR LF line ends,
// meant to be edited by hand:
//
//   # A line whose first non-blank character is "#" is a comment, wherever it stands.
//   [141]
//   The To-copy box gathers the characters you want to copy.
//   Lines of a paragraph are joined with a space.
//
//   An empty line starts a new paragraph.
//   - A line that begins with "- " is a list item and starts a line of its own.
//
// A line holding only a decimal topic number in square brackets starts the text of that topic;
// the text runs to the next such line. Nothing is lost to a mistake elsewhere in the file: text
// before the first topic line is ignored, a bracketed line that is not a number from 1 to
// 2147483647 ("[abc]", "[0]") drops the lines up to the next topic line, a topic given twice
// keeps its later text, bytes that are not UTF-8 become U+FFFD and control characters (tabs
// included) become spaces.
class HelpFile {
public:
    // Never fails: whatever cannot be read is skipped.
    static HelpFile Parse(std::string_view text);

    // The topic's text: paragraphs separated by an empty line ("\n\n"), list items by a line end
    // ("\n"), no blanks at either end, no other control characters. Empty when the file has no
    // text for the topic (an empty block counts as no text).
    std::string_view Text(int topic) const;

    // Whether the file has a block for the topic, even an empty one.
    bool Has(int topic) const { return texts_.contains(topic); }
    std::vector<int> Topics() const;  // ascending
    std::size_t size() const { return texts_.size(); }

private:
    std::map<int, std::string> texts_;
};

// Reads and parses the help file. nullopt when it cannot be read: missing, not a regular file,
// unreadable, or larger than kMaxHelpFileBytes (a help file is a few kilobytes; anything that
// size is not one).
inline constexpr std::size_t kMaxHelpFileBytes = 4 * 1024 * 1024;
std::optional<HelpFile> ReadHelpFile(const std::filesystem::path& file);

}  // namespace glyphora
