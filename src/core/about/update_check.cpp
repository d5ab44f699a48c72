#include "about/update_check.h"

namespace glyphora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
}

// A small cursor over one line; every step skips the blanks before what it reads.
class LineReader {
public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    void SkipBlanks() {
        while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
    }
    std::string_view Name() {
        SkipBlanks();
        std::size_t n = 0;
        while (n < rest_.size() && IsNameChar(rest_[n])) ++n;
        std::string_view name = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return name;
    }
    bool Take(char c) {
        SkipBlanks();
        if (rest_.empty() || rest_.front() != c) return false;
        rest_.remove_prefix(1);
        return true;
    }
    std::optional<std::string_view> Quoted() {
        SkipBlanks();
        if (rest_.empty() || (rest_.front() != '"' && rest_.front() != '\'')) return std::nullopt;
        const char quote = rest_.front();
        const std::size_t end = rest_.find(quote, 1);
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view value = rest_.substr(1, end - 1);
        rest_.remove_prefix(end + 1);
        return value;
    }
    bool AtEnd() {
        SkipBlanks();
        return rest_.empty();
    }

private:
    std::string_view rest_;
};

std::optional<std::string_view> VersionAssignment(std::string_view line) {
    LineReader reader(line);
    std::string_view name = reader.Name();
    if (name == "var" || name == "let" || name == "const") name = reader.Name();
    if (name != "version" || !reader.Take('=')) return std::nullopt;
    const auto value = reader.Quoted();
    if (!value) return std::nullopt;
    reader.Take(';');
    if (!reader.AtEnd()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<VersionNumber> ParseVersionNumber(std::string_view text) {
    VersionNumber number;
    std::size_t count = 0;
    while (true) {
        std::size_t digits = 0;
        std::uint32_t value = 0;
        while (digits < text.size() && IsDigit(text[digits])) {
            value = value * 10 + static_cast<std::uint32_t>(text[digits] - '0');
            if (++digits > 5) return std::nullopt;
        }
        if (digits == 0 || value > 65535 || count == number.parts.size()) return std::nullopt;
        number.parts[count++] = value;
        text.remove_prefix(digits);
        if (text.empty()) return number;
        if (text.front() != '.') return std::nullopt;
        text.remove_prefix(1);
    }
}

std::optional<std::string> ParseRemoteVersionFile(std::string_view file_text) {
    if (file_text.size() > kRemoteFileSizeLimit) return std::nullopt;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (file_text.starts_with(kByteOrderMark)) file_text.remove_prefix(kByteOrderMark.size());
    while (!file_text.empty()) {
        const std::size_t end = file_text.find('\n');
        std::string_view line = file_text.substr(0, end);
        file_text.remove_prefix(end == std::string_view::npos ? file_text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const auto value = VersionAssignment(line);
        if (value && ParseVersionNumber(*value)) return std::string(*value);
    }
    return std::nullopt;
}

UpdateCheckOutcome EvaluateRemoteVersionFile(std::string_view file_text,
                                             std::string_view local_version) {
    const auto remote_text = ParseRemoteVersionFile(file_text);
    const auto local = ParseVersionNumber(local_version);
    if (!remote_text || !local) return {UpdateResult::NotAccessible, {}};
    const auto remote = ParseVersionNumber(*remote_text);
    if (*remote > *local) return {UpdateResult::NewerAvailable, *remote_text};
    return {UpdateResult::UpToDate, *remote_text};
}

std::string UpdateResultText(const UpdateCheckOutcome& outcome) {
    switch (outcome.result) {
        case UpdateResult::NotAccessible:
            return "Remote resource is not accessible now. Please try later.";
        case UpdateResult::UpToDate:
            return "Your copy of the application is up to date.";
        case UpdateResult::NewerAvailable:
            return "Version " + outcome.version + "\nis now available\nto download.";
        case UpdateResult::Cancelled:
            break;
    }
    return {};
}

}  // namespace glyphora
