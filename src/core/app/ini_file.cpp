#include "app/ini_file.h"

#include "base/text.h"

namespace glyphora {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string_view TrimStart(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The name of a "[section]" line, or nullopt for any other line. A "[" without a closing "]"
// opens no section.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimStart(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    line = TrimStart(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

bool IsBlank(std::string_view line) { return Trim(line).empty(); }

std::string HeaderLine(std::string_view section) {
    std::string line;
    line.reserve(section.size() + 2);
    line += '[';
    line += section;
    line += ']';
    return line;
}

std::string EntryLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line += key;
    line += '=';
    line += value;
    return line;
}

struct Entry {
    std::string_view key;    // trimmed
    std::size_t equals = 0;  // position of the first "=" in the line
};

std::optional<Entry> EntryOf(std::string_view line) {
    if (IsComment(line) || SectionName(line)) return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Entry{Trim(line.substr(0, equals)), equals};
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    bool end_seen = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        Line line;
        if (newline == std::string_view::npos) {
            line.text = std::string(text.substr(start));
            start = text.size();
        } else {
            const bool crlf = newline > start && text[newline - 1] == '\r';
            line.text = std::string(text.substr(start, newline - start - (crlf ? 1 : 0)));
            line.end = crlf ? End::CrLf : End::Lf;
            if (!end_seen) file.line_end_ = crlf ? LineEnd::CrLf : LineEnd::Lf;
            end_seen = true;
            start = newline + 1;
        }
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::string IniFile::Serialize() const {
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.text.size() + 2;
    std::string text;
    text.reserve(size);
    for (const Line& line : lines_) {
        text += line.text;
        if (line.end == End::CrLf) text += "\r\n";
        if (line.end == End::Lf) text += '\n';
    }
    return text;
}

std::optional<IniFile::Span> IniFile::FindSection(std::string_view section) const {
    section = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i].text);
        if (!name || !EqualsNoCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end].text)) ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

bool IniFile::HasSection(std::string_view section) const {
    return FindSection(section).has_value();
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    const auto span = FindSection(section);
    if (!span) return std::nullopt;
    key = Trim(key);
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const std::string_view text = lines_[i].text;
        const auto entry = EntryOf(text);
        if (entry && EqualsNoCase(entry->key, key)) {
            return std::string(Trim(text.substr(entry->equals + 1)));
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniFile::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    const auto span = FindSection(section);
    if (!span) return entries;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const std::string_view text = lines_[i].text;
        if (const auto entry = EntryOf(text)) {
            entries.emplace_back(entry->key, Trim(text.substr(entry->equals + 1)));
        }
    }
    return entries;
}

void IniFile::InsertLines(std::size_t position, std::vector<std::string> texts) {
    std::vector<Line> added;
    added.reserve(texts.size());
    for (std::string& text : texts) added.push_back(Line{std::move(text), NewLineEnd()});
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position),
                  std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    FixLineEnds();
}

void IniFile::FixLineEnds() {
    // Only the file's last line may lack a line end; a line that was last before a change and is
    // followed by new lines now needs one.
    for (std::size_t i = 0; i + 1 < lines_.size(); ++i) {
        if (lines_[i].end == End::None) lines_[i].end = NewLineEnd();
    }
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsValidSectionName(section) || !IsValidKey(key) || !IsValidValue(value)) return false;
    section = Trim(section);
    key = Trim(key);
    const auto span = FindSection(section);
    if (!span) {
        InsertLines(lines_.size(), {HeaderLine(section), EntryLine(key, value)});
        return true;
    }
    std::size_t after = span->header + 1;  // where a new key line goes
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        std::string& text = lines_[i].text;
        const auto entry = EntryOf(text);
        if (!entry) continue;
        if (EqualsNoCase(entry->key, key)) {
            // Keep the key as the file spells it; only the value changes.
            text.replace(entry->equals + 1, std::string::npos, value);
            return true;
        }
        after = i + 1;
    }
    InsertLines(after, {EntryLine(key, value)});
    return true;
}

bool IniFile::ReplaceSection(std::string_view section,
                             const std::vector<std::pair<std::string, std::string>>& entries) {
    if (!IsValidSectionName(section)) return false;
    for (const auto& [key, value] : entries) {
        if (!IsValidKey(key) || !IsValidValue(value)) return false;
    }
    section = Trim(section);
    std::vector<std::string> texts;
    texts.reserve(entries.size());
    for (const auto& [key, value] : entries) texts.push_back(EntryLine(Trim(key), value));

    const auto span = FindSection(section);
    if (!span) {
        if (texts.empty()) return true;
        texts.insert(texts.begin(), HeaderLine(section));
        InsertLines(lines_.size(), std::move(texts));
        return true;
    }
    // The new lines go where the first replaced line stood, else right below the header.
    std::vector<Line> body;
    bool placed = false;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        Line& line = lines_[i];
        if (IsComment(line.text) || IsBlank(line.text)) {
            body.push_back(std::move(line));
        } else if (!placed) {
            for (std::string& text : texts) body.push_back(Line{std::move(text), NewLineEnd()});
            placed = true;
        }
    }
    if (!placed) {
        std::vector<Line> added;
        for (std::string& text : texts) added.push_back(Line{std::move(text), NewLineEnd()});
        body.insert(body.begin(), std::make_move_iterator(added.begin()),
                    std::make_move_iterator(added.end()));
    }
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(span->header + 1);
    lines_.erase(first, lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(span->header + 1),
                  std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));
    FixLineEnds();
    return true;
}

bool IniFile::IsValidSectionName(std::string_view name) {
    return !Trim(name).empty() && !HasLineBreakOrNul(name) &&
           name.find(']') == std::string_view::npos;
}

bool IniFile::IsValidKey(std::string_view key) {
    const std::string_view trimmed = Trim(key);
    return !trimmed.empty() && !HasLineBreakOrNul(key) && key.find('=') == std::string_view::npos &&
           trimmed.front() != '[' && trimmed.front() != ';' && trimmed.front() != '#';
}

bool IniFile::IsValidValue(std::string_view value) { return !HasLineBreakOrNul(value); }

}  // namespace glyphora
