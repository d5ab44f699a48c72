#include "platform/help_file.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/valid_utf8.h"

namespace glyphora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Well-formed UTF-8 without control characters, blanks trimmed.
std::string CleanLine(std::string_view line) {
    std::string out;
    AppendValidUtf8(out, line);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return std::string(TrimBlanks(out));
}

// The topic of a line "[number]"; 0 for a bracketed line that holds no valid topic; nullopt for
// a line that is not bracketed.
std::optional<int> TopicLine(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    const std::string_view digits = TrimBlanks(line.substr(1, line.size() - 2));
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') return 0;
    int topic = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), topic);
    if (error != std::errc() || end != digits.data() + digits.size() || topic < 1) return 0;
    return topic;
}

// Collects the lines of one topic into paragraphs and list items.
class TextBuilder {
public:
    void Blank() { paragraph_open_ = false; }

    void Line(const std::string& line) {
        if (line.empty()) return Blank();
        const bool item = line.starts_with("- ");
        if (text_.empty()) {
            text_ = line;
        } else if (!paragraph_open_) {
            text_ += "\n\n";
            text_ += line;
        } else {
            text_ += item ? '\n' : ' ';
            text_ += line;
        }
        paragraph_open_ = true;
    }

    std::string Take() {
        paragraph_open_ = false;
        return std::move(text_);
    }

private:
    std::string text_;
    bool paragraph_open_ = false;
};

}  // namespace

HelpFile HelpFile::Parse(std::string_view text) {
    HelpFile file;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    int topic = 0;  // the block being read; 0 while lines are skipped
    TextBuilder builder;
    auto finish = [&] {
        if (topic > 0) file.texts_[topic] = builder.Take();
    };

    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        const std::string_view line = TrimBlanks(raw);
        if (line.starts_with('#')) continue;
        if (const std::optional<int> next = TopicLine(line)) {
            finish();
            topic = *next;
            builder.Take();
            continue;
        }
        if (topic == 0) continue;
        if (line.empty()) {
            builder.Blank();
        } else {
            builder.Line(CleanLine(line));
        }
    }
    finish();
    return file;
}

std::string_view HelpFile::Text(int topic) const {
    const auto it = texts_.find(topic);
    return it == texts_.end() ? std::string_view{} : std::string_view{it->second};
}

std::vector<int> HelpFile::Topics() const {
    std::vector<int> topics;
    topics.reserve(texts_.size());
    for (const auto& [topic, text] : texts_) topics.push_back(topic);
    return topics;
}

std::optional<HelpFile> ReadHelpFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxHelpFileBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return HelpFile::Parse(bytes);
}

}  // namespace glyphora
