#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace glyphora {

// Converts text to the byte strings of the copy formats, one UTF-16 code unit at a time: the
// output of a text is the concatenation of its units' outputs, so a surrogate pair never joins
// and every UTF-7 character is a complete shifted sequence of its own.
//
// Code pages:
// - 65001 UTF-8 (RFC 3629). A lone surrogate, which UTF-8 cannot carry, gives the bytes of
//   U+FFFD (EF BF BD), the replacement a UTF-8 decoder would make of it anyway.
// - 65000 UTF-7 (RFC 2152). Written directly: letters, digits, ' ( ) , - . / : ? and space, tab,
//   CR, LF; "+" becomes "+-"; every other unit, lone surrogates included, is "+", its 16 bits in
//   three base64 digits, and "-".
// - 874, 932, 936, 949, 950, 1250..1258 and 1361 (Johab) through iconv. A character the code
//   page lacks gets iconv's transliteration (Ā -> "A", ™ -> "(TM)"), else "?"; a lone surrogate
//   gives "?". Transliteration always uses the C.UTF-8 rules, whatever the process locale.
// - 1252 and 0 (the default, also Windows-1252) map U+0081, U+008D, U+008F, U+0090 and U+009D to
// their
//   own bytes as well, so that they agree with Cp1252BytesToText.
// - 42 (Symbol): U+F020..U+F0FF and U+0020..U+00FF give their low byte, any other unit "?".
// - Any other number gives the empty string, as a conversion that cannot be made.
//
// Owns its iconv descriptors (opened on first use, kept until destruction), so keep one converter
// per thread and reuse it.
class CodePageConverter {
public:
    CodePageConverter();
    ~CodePageConverter();
    CodePageConverter(CodePageConverter&&) noexcept;
    CodePageConverter& operator=(CodePageConverter&&) noexcept;
    CodePageConverter(const CodePageConverter&) = delete;
    CodePageConverter& operator=(const CodePageConverter&) = delete;

    std::string ConvertToCodePage(std::u16string_view text, int code_page);

    // The characters a byte string stands for in a code page, as text drawn with that code
    // page's character set shows them:
    // - 0 and 1252: Cp1252BytesToText (lossless, one character per byte).
    // - 42 (Symbol): each byte as the Latin-1 character of the same value. The encoder takes
    //   U+0020..U+00FF to their own byte, so this is its inverse there; the private-use form
    //   U+F0xx would show only in symbol fonts, and the preview is drawn in the window's font.
    // - 65001, 65000 and the iconv code pages above: the code page's decoding, multi-byte
    //   sequences joined. A byte that starts no valid sequence, or a sequence cut off by the end,
    //   gives U+FFFD per byte and decoding goes on with the next byte.
    // - Any other number gives the empty text.
    std::u16string ConvertFromCodePage(std::string_view bytes, int code_page);

    // Appends the bytes of one code unit to out.
    void AppendCodeUnit(char16_t unit, int code_page, std::string& out);

    // Whether the code page is one of those above (its conversions may still fail if the C
    // library lacks it).
    static bool IsKnownCodePage(int code_page);

private:
    struct Impl;
    Impl& GetImpl();
    std::unique_ptr<Impl> impl_;
};

}  // namespace glyphora
