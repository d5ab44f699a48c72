// Encodes arbitrary UTF-16 text in every copy format and every code page row, checking what must
// hold whatever the text: byte results survive the trip through Windows-1252 text, UTF-7 is 7-bit.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "copy/copy_encoder.h"
#include "copy/cp1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    std::u16string text;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    static glyphora::CodePageConverter converter;  // reused across runs, as the program does
    const glyphora::CopyContext context{converter, data[0] % 16,
                                        [](char16_t c) { return std::string(c % 5, 'N'); }};
    for (int f = 0; f < glyphora::kCopyFormatCount; ++f) {
        const auto format = *glyphora::CopyFormatFromIndex(f);
        const glyphora::EncodedText encoded = glyphora::EncodeCopyText(format, text, context);
        if (encoded.is_bytes && glyphora::TextToCp1252Bytes(encoded.AsText()) != encoded.bytes)
            std::abort();
        if (format == glyphora::CopyFormat::Utf7)
            for (char b : encoded.bytes)
                if (static_cast<unsigned char>(b) >= 0x80) std::abort();
        if (!text.empty() && format != glyphora::CopyFormat::Unicode &&
            format != glyphora::CopyFormat::Picture && format != glyphora::CopyFormat::Sgml &&
            encoded.empty())
            std::abort();
    }
    return 0;
}
