#include "copy/copy_encoder.h"

#include "base/text.h"
#include "copy/cp1252.h"

namespace glyphora {
namespace {

constexpr char kLowerHex[] = "0123456789abcdef";
constexpr char kUpperHex[] = "0123456789ABCDEF";

template <typename Char>
std::basic_string<Char> PadLeftImpl(std::basic_string_view<Char> text,
                                    std::basic_string_view<Char> templ) {
    std::basic_string<Char> out;
    if (templ.size() > text.size()) out = templ.substr(0, templ.size() - text.size());
    out.append(text);
    return out;
}

std::string LowerHex(unsigned value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), kLowerHex[value & 0xF]);
        value >>= 4;
    } while (value > 0);
    return digits;
}

void AppendDecimal(unsigned value, std::u16string& out) {
    char16_t digits[8];
    int n = 0;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n > 0) out.push_back(digits[--n]);
}

void AppendHex4(char16_t c, std::u16string& out) {
    for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kLowerHex[(c >> shift) & 0xF]);
}

void AppendAscii(std::string_view ascii, std::u16string& out) {
    out.append(ascii.begin(), ascii.end());
}

void AppendPercentEscape(char16_t c, CodePageConverter& converter, std::string& out) {
    if (c < 256) {
        out.push_back('%');
        out.append(PadLeft(LowerHex(c), "00"));
        return;
    }
    std::string utf8;
    converter.AppendCodeUnit(c, kUtf8CodePage, utf8);
    for (char byte : utf8) {
        const auto b = static_cast<unsigned char>(byte);
        out.push_back('%');
        if (b >= 16) out.push_back(kUpperHex[b >> 4]);
        out.push_back(kUpperHex[b & 0xF]);
    }
}

// Appends one unit's result to result (whose is_bytes the caller has set for the format).
void AppendEncoded(CopyFormat format, char16_t c, const CopyContext& context, EncodedText& result) {
    switch (format) {
        case CopyFormat::Rtf:
            AppendAscii("{\\rtf1\\ansi\\f0\\u", result.text);
            AppendDecimal(c, result.text);
            AppendAscii("?}", result.text);
            return;
        case CopyFormat::PercentEscape:
            AppendPercentEscape(c, context.converter, result.bytes);
            return;
        case CopyFormat::Utf8:
            context.converter.AppendCodeUnit(c, kUtf8CodePage, result.bytes);
            return;
        case CopyFormat::Utf7:
            context.converter.AppendCodeUnit(c, kUtf7CodePage, result.bytes);
            return;
        case CopyFormat::Ucn:
            AppendAscii("\\u", result.text);
            AppendHex4(c, result.text);
            return;
        case CopyFormat::NcrHex:
            AppendAscii("&#x", result.text);
            AppendHex4(c, result.text);
            result.text.push_back(u';');
            return;
        case CopyFormat::NcrDec:
            AppendAscii("&#", result.text);
            AppendDecimal(c, result.text);
            result.text.push_back(u';');
            return;
        case CopyFormat::CodePage:
            context.converter.AppendCodeUnit(c, CodePageRowAt(context.code_page_row).code_page,
                                             result.bytes);
            return;
        case CopyFormat::CharName:
            if (context.char_name) result.text.append(Utf8ToUtf16(context.char_name(c)));
            AppendAscii("\r\n", result.text);
            return;
        case CopyFormat::Unicode:
        case CopyFormat::Picture:
        case CopyFormat::Sgml:
            return;
    }
}

}  // namespace

std::u16string EncodedText::AsText() const { return is_bytes ? Cp1252BytesToText(bytes) : text; }

std::string PadLeft(std::string_view text, std::string_view templ) {
    return PadLeftImpl(text, templ);
}

std::u16string PadLeft(std::u16string_view text, std::u16string_view templ) {
    return PadLeftImpl(text, templ);
}

EncodedText EncodeCodePoint(CopyFormat format, char16_t c, const CopyContext& context) {
    EncodedText result;
    result.is_bytes = CopyFormatGivesBytes(format);
    AppendEncoded(format, c, context, result);
    return result;
}

EncodedText EncodeCopyText(CopyFormat format, std::u16string_view text,
                           const CopyContext& context) {
    EncodedText result;
    result.is_bytes = CopyFormatGivesBytes(format);
    if (format == CopyFormat::Rtf) {
        if (text.empty()) return result;
        result.text.reserve(text.size() * 9 + 16);
        AppendAscii("{\\rtf1\\ansi\\f0", result.text);
        for (char16_t c : text) {
            AppendAscii("\\u", result.text);
            AppendDecimal(c, result.text);
            result.text.push_back(u'?');
        }
        result.text.push_back(u'}');
        return result;
    }
    if (result.is_bytes)
        result.bytes.reserve(text.size() * 3);
    else
        result.text.reserve(text.size() * 8);
    for (char16_t c : text) AppendEncoded(format, c, context, result);
    return result;
}

}  // namespace glyphora
