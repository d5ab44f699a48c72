#include "copy/clipboard_rtf.h"

#include "base/text.h"

namespace glyphora {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// 1-based position of the first occurrence of needle in haystack at or after start (1-based),
// compared without regard to ASCII case; 0 when there is none.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t start) {
    if (start == 0 || needle.size() > haystack.size()) return 0;
    for (std::size_t i = start - 1; i + needle.size() <= haystack.size(); ++i) {
        std::size_t k = 0;
        while (k < needle.size() && LowerAscii(haystack[i + k]) == LowerAscii(needle[k])) ++k;
        if (k == needle.size()) return i + 1;
    }
    return 0;
}

}  // namespace

RgbColor ColorToRgb(std::uint32_t colour) {
    return {static_cast<int>(colour % 256), static_cast<int>((colour / 256) % 256),
            static_cast<int>((colour / 65536) % 256)};
}

std::string ColorTableText(RgbColor colour) {
    return "{\\colortbl;\\red" + std::to_string(colour.red) + "\\green" +
           std::to_string(colour.green) + "\\blue" + std::to_string(colour.blue) + ";}\\cf1";
}

std::string InsertAt(std::string_view s, long position, long count, std::string_view text) {
    if (position < 1 || static_cast<std::size_t>(position) > s.size()) return std::string(s);
    const std::size_t head = static_cast<std::size_t>(position - 1);
    std::string out(s.substr(0, head));
    out.append(text);
    if (count >= 0) {
        const std::size_t rest = head + static_cast<std::size_t>(count);
        if (rest < s.size()) out.append(s.substr(rest));
    }
    return out;
}

std::string CompleteRtfDocument(std::u16string_view simple_rtf, const RtfCharFormat& format,
                                std::uint32_t fore_colour) {
    const std::string document = SerializeRtf(RtfPlainText(Utf16ToUtf8(simple_rtf)), format);
    const std::size_t table = FindNoCase(document, "{\\fonttbl", 1);
    if (table == 0) return document;
    const std::size_t table_end = FindNoCase(document, "}}", table);
    if (table_end == 0) return document;
    return InsertAt(document, static_cast<long>(table_end + 2), 0,
                    ColorTableText(ColorToRgb(fore_colour)));
}

}  // namespace glyphora
