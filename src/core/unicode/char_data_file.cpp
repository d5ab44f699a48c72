#include "unicode/char_data_file.h"

#include <fstream>
#include <system_error>

#include "base/text.h"

namespace glyphora {

namespace {

constexpr long kLastCodePoint = 0xFFFF;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Spaces trimmed, then commas at either end dropped, trimming again after each.
std::string_view TrimSpacesAndCommas(std::string_view text) {
    text = TrimSpaces(text);
    while (!text.empty() && text.front() == ',') text = TrimSpaces(text.substr(1));
    while (!text.empty() && text.back() == ',') text = TrimSpaces(text.substr(0, text.size() - 1));
    return text;
}

std::optional<long> ParseCode(std::string_view text) {
    const auto value = ParseHexField(text);
    if (!value || *value > kLastCodePoint) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> ReadDataFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || ec) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return content;
}

bool TakeLine(std::string_view& text, std::string_view& line) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (text.empty()) return false;
    std::size_t end = 0;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    line = text.substr(0, end);
    if (end < text.size()) {
        const bool cr_lf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        end += cr_lf ? 2 : 1;
    }
    text.remove_prefix(end);
    return true;
}

bool IsCommentLine(std::string_view line) {
    return line.starts_with(';') || line.starts_with("//");
}

std::optional<NameEntry> ParseNameLine(std::string_view line) {
    if (IsCommentLine(line)) return std::nullopt;
    const std::size_t comma = line.find(',');
    const std::string_view code_text =
        comma == std::string_view::npos ? line : line.substr(0, comma);
    const std::string_view name_text =
        comma == std::string_view::npos ? line : line.substr(comma + 1);
    const auto code_point = ParseCode(code_text);
    const std::string_view name = TrimSpacesAndCommas(name_text);
    if (!code_point || name.empty()) return std::nullopt;
    return NameEntry{*code_point, name};
}

std::optional<EntityEntry> ParseEntityLine(std::string_view line) {
    if (IsCommentLine(line)) return std::nullopt;
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::string_view rest = TrimSpaces(line.substr(comma + 1));
    const std::size_t flag_end = rest.find(',');
    std::string_view flag;
    std::string_view entities;
    if (flag_end != std::string_view::npos) {
        flag = TrimSpaces(rest.substr(0, flag_end));
        entities = TrimSpacesAndCommas(rest.substr(flag_end + 1));
    }
    const auto code_point = ParseCode(line.substr(0, comma));
    if (!code_point || entities.empty()) return std::nullopt;
    return EntityEntry{*code_point, EqualsNoCase(flag, "IE"), entities};
}

}  // namespace glyphora
