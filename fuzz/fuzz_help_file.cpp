// Parses arbitrary bytes as a help file. Checks: every text is well-formed UTF-8 without control
// characters other than the line ends that separate paragraphs ("\n\n") and list items ("\n- "),
// with no blanks at either end; CR LF and LF files read alike; a comment line in front changes
// nothing; a topic appended at the end reads back as written and leaves every other topic alone.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/valid_utf8.h"
#include "platform/help_file.h"

namespace {

using glyphora::HelpFile;

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckText(std::string_view text) {
    Check(glyphora::IsValidUtf8(text));
    if (text.empty()) return;
    Check(text.front() != ' ' && text.back() != ' ' && text.front() != '\n' && text.back() != '\n');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        Check((byte >= 0x20 && byte != 0x7F) || byte == '\n');
        if (byte != '\n') continue;
        if (text[i + 1] == '\n') {
            Check(text[i + 2] != '\n' && text[i + 2] != ' ');  // one empty line between paragraphs
            ++i;
        } else {
            Check(text.substr(i + 1, 2) == "- ");  // a list item
        }
    }
}

bool SameTexts(const HelpFile& a, const HelpFile& b) {
    if (a.Topics() != b.Topics()) return false;
    for (int topic : a.Topics())
        if (a.Text(topic) != b.Text(topic)) return false;
    return true;
}

std::string WithoutCrBeforeLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const HelpFile help = HelpFile::Parse(text);
    for (int topic : help.Topics()) {
        Check(topic > 0);
        CheckText(help.Text(topic));
    }

    Check(SameTexts(help, HelpFile::Parse(WithoutCrBeforeLf(text))));

    if (!text.starts_with("\xEF\xBB\xBF")) {
        Check(SameTexts(help, HelpFile::Parse("# added\r\n" + std::string(text))));
    }

    const HelpFile appended =
        HelpFile::Parse(std::string(text) + "\n[2147483647]\nAppended  text\n\n- item\n");
    Check(appended.Text(2147483647) == "Appended  text\n\n- item");
    for (int topic : help.Topics()) {
        if (topic != 2147483647) Check(appended.Text(topic) == help.Text(topic));
    }
    return 0;
}
