// Reads arbitrary bytes as RTF, then checks that writing the characters out and reading them back
// gives the same characters (line ends folded to CR, as the writer makes every line end one
// paragraph mark).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "copy/clipboard_rtf.h"
#include "copy/rtf_document.h"

namespace {

std::u16string FoldLineEnds(std::u16string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        out.push_back(text[i] == u'\n' ? u'\r' : text[i]);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    const std::u16string text = glyphora::RtfPlainText(rtf);
    const glyphora::RtfCharFormat format{std::string(rtf.substr(0, 16)), 12, true, false, true};
    const std::string written = glyphora::SerializeRtf(text, format);
    if (glyphora::RtfPlainText(written) != FoldLineEnds(text)) std::abort();
    const std::string completed = glyphora::CompleteRtfDocument(
        std::u16string(rtf.begin(), rtf.end()), format, static_cast<std::uint32_t>(size * 977));
    if (completed.find("{\\colortbl;") == std::string::npos) std::abort();
    return 0;
}
