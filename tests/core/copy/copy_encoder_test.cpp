#include "copy/copy_encoder.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "copy/ansi_code_page.h"

namespace glyphora {
namespace {

std::string FakeName(char16_t c) { return "NAME " + Hex4(c); }

class CopyEncoderTest : public testing::Test {
protected:
    CodePageConverter converter_;
    CopyContext context_{converter_, kDefaultCodePageRow, FakeName};
};

// Bytes for the byte formats, UTF-8 of the text for the others.
std::string ResultString(const EncodedText& encoded) {
    return encoded.is_bytes ? encoded.bytes : Utf16ToUtf8(encoded.text);
}

// A lone surrogate keeps its own number where the format has one; UTF-8 writes U+FFFD's bytes
// for it, UTF-7 its 16 bits, a code page "?". The code page is the default row, Cyrillic.
TEST_F(CopyEncoderTest, EncodesEveryFormatPerCodePoint) {
    using F = CopyFormat;
    const struct {
        CopyFormat format;
        const char* results[5];  // of U+0041, U+00E9, U+20AC, U+FFFD, U+D800
    } cases[] = {
        {F::Unicode, {"", "", "", "", ""}},
        {F::Rtf,
         {"{\\rtf1\\ansi\\f0\\u65?}", "{\\rtf1\\ansi\\f0\\u233?}", "{\\rtf1\\ansi\\f0\\u8364?}",
          "{\\rtf1\\ansi\\f0\\u65533?}", "{\\rtf1\\ansi\\f0\\u55296?}"}},
        {F::PercentEscape, {"%41", "%e9", "%E2%82%AC", "%EF%BF%BD", "%EF%BF%BD"}},
        {F::Utf8, {"A", "\xC3\xA9", "\xE2\x82\xAC", "\xEF\xBF\xBD", "\xEF\xBF\xBD"}},
        {F::Utf7, {"A", "+AOk-", "+IKw-", "+//0-", "+2AA-"}},
        {F::Ucn, {"\\u0041", "\\u00e9", "\\u20ac", "\\ufffd", "\\ud800"}},
        {F::NcrHex, {"&#x0041;", "&#x00e9;", "&#x20ac;", "&#xfffd;", "&#xd800;"}},
        {F::NcrDec, {"&#65;", "&#233;", "&#8364;", "&#65533;", "&#55296;"}},
        {F::CodePage, {"A", "e", "\x88", "?", "?"}},  // Cyrillic has no é: best fit
        {F::CharName,
         {"NAME 0041\r\n", "NAME 00E9\r\n", "NAME 20AC\r\n", "NAME FFFD\r\n", "NAME D800\r\n"}},
        {F::Picture, {"", "", "", "", ""}},
        {F::Sgml, {"", "", "", "", ""}},
    };
    const char16_t code_points[] = {0x41, 0xE9, 0x20AC, 0xFFFD, 0xD800};
    for (const auto& c : cases) {
        for (int i = 0; i < 5; ++i) {
            const EncodedText encoded = EncodeCodePoint(c.format, code_points[i], context_);
            EXPECT_EQ(encoded.is_bytes, CopyFormatGivesBytes(c.format));
            EXPECT_EQ(ResultString(encoded), c.results[i])
                << CopyFormatCaption(c.format) << " U+" << Hex4(code_points[i]);
        }
    }
}

TEST_F(CopyEncoderTest, PercentEscapeUsesTheCodePointBelow256AndUtf8Above) {
    const std::pair<char16_t, const char*> cases[] = {
        {0x00, "%00"},     {0x0A, "%0a"},        {0xFF, "%ff"},         {0x100, "%C4%80"},
        {0x7FF, "%DF%BF"}, {0x800, "%E0%A0%80"}, {0xFFFF, "%EF%BF%BF"},
    };
    for (const auto& [c, escaped] : cases)
        EXPECT_EQ(EncodeCodePoint(CopyFormat::PercentEscape, c, context_).bytes, escaped);
}

TEST_F(CopyEncoderTest, EncodesATextAsItsPiecesJoinedAndNothingAsNothing) {
    const struct {
        CopyFormat format;
        const char* result;
    } cases[] = {
        {CopyFormat::Unicode, ""},
        {CopyFormat::Rtf, "{\\rtf1\\ansi\\f0\\u65?\\u233?}"},
        {CopyFormat::PercentEscape, "%41%e9"},
        {CopyFormat::Utf8, "A\xC3\xA9"},
        {CopyFormat::Utf7, "A+AOk-"},
        {CopyFormat::Ucn, "\\u0041\\u00e9"},
        {CopyFormat::NcrHex, "&#x0041;&#x00e9;"},
        {CopyFormat::NcrDec, "&#65;&#233;"},
        {CopyFormat::CodePage, "Ae"},
        {CopyFormat::CharName, "NAME 0041\r\nNAME 00E9\r\n"},
        {CopyFormat::Picture, ""},
        {CopyFormat::Sgml, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResultString(EncodeCopyText(c.format, u"A\u00E9", context_)), c.result)
            << CopyFormatCaption(c.format);
        const EncodedText empty = EncodeCopyText(c.format, u"", context_);
        EXPECT_TRUE(empty.empty() && empty.bytes.empty() && empty.text.empty());
    }
    // A surrogate pair stays two separate units.
    const std::u16string pair = u"\U0001F600";
    EXPECT_EQ(EncodeCopyText(CopyFormat::Utf8, pair, context_).bytes, "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(EncodeCopyText(CopyFormat::Utf7, pair, context_).bytes, "+2D0-+3gA-");
    EXPECT_EQ(Utf16ToUtf8(EncodeCopyText(CopyFormat::Rtf, pair, context_).text),
              "{\\rtf1\\ansi\\f0\\u55357?\\u56832?}");
}

TEST_F(CopyEncoderTest, CodePageFollowsTheContextRowAndClampsIt) {
    CopyContext context{converter_, 1, FakeName};  // Japanese
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CodePage, u'\u3042', context).bytes, "\x82\xA0");
    context.code_page_row = 99;  // beyond the list: the last row, Symbol
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CodePage, u'\uF041', context).bytes, "A");
    context.code_page_row = -5;  // Thai
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CodePage, u'\u0E01', context).bytes, "\xA1");
}

TEST_F(CopyEncoderTest, CharNameKeepsNonAsciiNamesAndWithoutLookupGivesBareLineEnds) {
    CopyContext context{converter_, kDefaultCodePageRow, nullptr};
    EXPECT_EQ(EncodeCopyText(CopyFormat::CharName, u"ab", context).text, u"\r\n\r\n");
    context.char_name = [](char16_t) { return "\xC3\xA9t\xC3\xA9"; };
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CharName, u'x', context).text, u"\u00E9t\u00E9\r\n");
}

TEST_F(CopyEncoderTest, ByteResultsComeBackUnchangedThroughText) {
    std::u16string all;
    for (char32_t c = 0; c <= 0xFFFF; c += 7) all.push_back(static_cast<char16_t>(c));
    for (CopyFormat format : {CopyFormat::Utf8, CopyFormat::Utf7, CopyFormat::CodePage}) {
        const EncodedText encoded = EncodeCopyText(format, all, context_);
        EXPECT_EQ(TextToAnsiBytes(encoded.AsText()), encoded.bytes) << CopyFormatCaption(format);
    }
}

TEST(CopyFormatTable, IndexesRoundTrip) {
    for (int i = 0; i < kCopyFormatCount; ++i)
        EXPECT_EQ(CopyFormatIndex(*CopyFormatFromIndex(i)), i);
    EXPECT_FALSE(CopyFormatFromIndex(-1));
    EXPECT_FALSE(CopyFormatFromIndex(12));
    EXPECT_EQ(CopyFormatCaption(CopyFormat::CodePage), "Code Page:");
}

TEST(PadLeft, PadsFromTheTemplateAndNeverCuts) {
    const struct {
        const char *text, *templ, *padded;
    } cases[] = {
        {"a", "00", "0a"},   {"e9", "00", "e9"}, {"", "00", "00"}, {"abc", "00", "abc"},
        {"1", "xyz", "xy1"}, {"", "", ""},       {"ab", "", "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadLeft(std::string_view(c.text), std::string_view(c.templ)), c.padded);
        EXPECT_EQ(PadLeft(Utf8ToUtf16(c.text), Utf8ToUtf16(c.templ)), Utf8ToUtf16(c.padded));
    }
}

}  // namespace
}  // namespace glyphora
