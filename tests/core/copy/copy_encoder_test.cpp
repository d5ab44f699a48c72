#include "copy/copy_encoder.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "copy/ansi_code_page.h"

namespace glyphora {
namespace {

std::string FakeName(char16_t c) { return "NAME " + Hex4(c); }

struct Expected {
    CopyFormat format;
    char16_t c;
    const char* result;  // bytes for the byte formats, UTF-8 of the text for the others
};

class CopyEncoderTest : public testing::Test {
protected:
    CodePageConverter converter_;
    CopyContext context_{converter_, kDefaultCodePageRow, FakeName};
};

std::string ResultString(const EncodedText& encoded) {
    return encoded.is_bytes ? encoded.bytes : Utf16ToUtf8(encoded.text);
}

TEST_F(CopyEncoderTest, EncodesEveryFormatPerCodePoint) {
    using F = CopyFormat;
    const Expected cases[] = {
        {F::Unicode, 0x41, ""},
        {F::Rtf, 0x41, "{\\rtf1\\ansi\\f0\\u65?}"},
        {F::PercentEscape, 0x41, "%41"},
        {F::Utf8, 0x41, "A"},
        {F::Utf7, 0x41, "A"},
        {F::Ucn, 0x41, "\\u0041"},
        {F::NcrHex, 0x41, "&#x0041;"},
        {F::NcrDec, 0x41, "&#65;"},
        {F::CodePage, 0x41, "A"},
        {F::CharName, 0x41, "NAME 0041\r\n"},
        {F::Picture, 0x41, ""},
        {F::Sgml, 0x41, ""},

        {F::Rtf, 0xE9, "{\\rtf1\\ansi\\f0\\u233?}"},
        {F::PercentEscape, 0xE9, "%e9"},
        {F::Utf8, 0xE9, "\xC3\xA9"},
        {F::Utf7, 0xE9, "+AOk-"},
        {F::Ucn, 0xE9, "\\u00e9"},
        {F::NcrHex, 0xE9, "&#x00e9;"},
        {F::NcrDec, 0xE9, "&#233;"},
        {F::CodePage, 0xE9, "e"},  // Cyrillic has no é: best fit
        {F::CharName, 0xE9, "NAME 00E9\r\n"},

        {F::Rtf, 0x20AC, "{\\rtf1\\ansi\\f0\\u8364?}"},
        {F::PercentEscape, 0x20AC, "%E2%82%AC"},
        {F::Utf8, 0x20AC, "\xE2\x82\xAC"},
        {F::Utf7, 0x20AC, "+IKw-"},
        {F::Ucn, 0x20AC, "\\u20ac"},
        {F::NcrHex, 0x20AC, "&#x20ac;"},
        {F::NcrDec, 0x20AC, "&#8364;"},
        {F::CodePage, 0x20AC, "\x88"},

        {F::Rtf, 0xFFFD, "{\\rtf1\\ansi\\f0\\u65533?}"},
        {F::PercentEscape, 0xFFFD, "%EF%BF%BD"},
        {F::Utf8, 0xFFFD, "\xEF\xBF\xBD"},
        {F::Utf7, 0xFFFD, "+//0-"},
        {F::Ucn, 0xFFFD, "\\ufffd"},
        {F::NcrHex, 0xFFFD, "&#xfffd;"},
        {F::NcrDec, 0xFFFD, "&#65533;"},
        {F::CodePage, 0xFFFD, "?"},

        // A lone surrogate: its own number where the format has one, U+FFFD's bytes in UTF-8,
        // its 16 bits in UTF-7, "?" in a code page.
        {F::Rtf, 0xD800, "{\\rtf1\\ansi\\f0\\u55296?}"},
        {F::PercentEscape, 0xD800, "%EF%BF%BD"},
        {F::Utf8, 0xD800, "\xEF\xBF\xBD"},
        {F::Utf7, 0xD800, "+2AA-"},
        {F::Ucn, 0xD800, "\\ud800"},
        {F::NcrHex, 0xDFFF, "&#xdfff;"},
        {F::NcrDec, 0xDFFF, "&#57343;"},
        {F::CodePage, 0xDC00, "?"},
        {F::CharName, 0xD800, "NAME D800\r\n"},
        {F::Picture, 0xD800, ""},
    };
    for (const auto& c : cases) {
        const EncodedText encoded = EncodeCodePoint(c.format, c.c, context_);
        EXPECT_EQ(encoded.is_bytes, CopyFormatGivesBytes(c.format));
        EXPECT_EQ(ResultString(encoded), c.result)
            << CopyFormatCaption(c.format) << " U+" << Hex4(c.c);
    }
}

TEST_F(CopyEncoderTest, PercentEscapeUsesTheCodePointBelow256AndUtf8Above) {
    const struct {
        char16_t c;
        const char* escaped;
    } cases[] = {
        {0x00, "%00"},     {0x0A, "%0a"},     {0x41, "%41"},        {0xFF, "%ff"},
        {0x100, "%C4%80"}, {0x7FF, "%DF%BF"}, {0x800, "%E0%A0%80"}, {0xFFFF, "%EF%BF%BF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeCodePoint(CopyFormat::PercentEscape, c.c, context_).bytes, c.escaped)
            << Hex4(c.c);
}

TEST_F(CopyEncoderTest, EncodesTwoCharactersAsTheirPiecesJoined) {
    const std::u16string text = u"A\u00E9";
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
    for (const auto& c : cases)
        EXPECT_EQ(ResultString(EncodeCopyText(c.format, text, context_)), c.result)
            << CopyFormatCaption(c.format);
}

TEST_F(CopyEncoderTest, EmptyTextGivesEmptyResultInEveryFormatRtfWithoutFrame) {
    for (int i = 0; i < kCopyFormatCount; ++i) {
        const CopyFormat format = *CopyFormatFromIndex(i);
        const EncodedText encoded = EncodeCopyText(format, u"", context_);
        EXPECT_TRUE(encoded.empty()) << CopyFormatCaption(format);
        EXPECT_TRUE(encoded.bytes.empty() && encoded.text.empty());
    }
}

TEST_F(CopyEncoderTest, SurrogatePairStaysTwoSeparateUnits) {
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

TEST_F(CopyEncoderTest, CharNameWithoutLookupGivesBareLineEnds) {
    CopyContext context{converter_, kDefaultCodePageRow, nullptr};
    EXPECT_EQ(EncodeCopyText(CopyFormat::CharName, u"ab", context).text, u"\r\n\r\n");
}

TEST_F(CopyEncoderTest, CharNameKeepsNonAsciiNames) {
    CopyContext context{converter_, kDefaultCodePageRow,
                        [](char16_t) { return "\xC3\xA9t\xC3\xA9"; }};
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

TEST(CopyFormatTable, CaptionsAndIndexes) {
    const char* captions[] = {"Unicode",    "RTF",        "% Escape",      "UTF-8",
                              "UTF-7",      "UCN (\\u)",  "NCR (Hex)",     "NCR (Dec)",
                              "Code Page:", "Char. Name", "Picture (BMP)", "SGML:"};
    for (int i = 0; i < kCopyFormatCount; ++i) {
        ASSERT_TRUE(CopyFormatFromIndex(i));
        EXPECT_EQ(CopyFormatIndex(*CopyFormatFromIndex(i)), i);
        EXPECT_EQ(CopyFormatCaption(*CopyFormatFromIndex(i)), captions[i]);
    }
    EXPECT_FALSE(CopyFormatFromIndex(-1));
    EXPECT_FALSE(CopyFormatFromIndex(12));
}

TEST(PadLeft, PadsFromTheTemplateAndNeverCuts) {
    const struct {
        const char* text;
        const char* templ;
        const char* padded;
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
