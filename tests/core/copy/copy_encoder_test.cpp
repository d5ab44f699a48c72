#include "copy/copy_encoder.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "copy/cp1252.h"

namespace glyphora {
namespace {

std::string FakeName(char16_t c) { return "NAME " + Hex4(c); }

class CopyEncoderTest : public testing::Test {
protected:
    // Bytes for the byte formats, UTF-8 of the text for the others.
    std::string Encoded(CopyFormat format, std::u16string_view text) {
        const EncodedText encoded = EncodeCopyText(format, text, context_);
        EXPECT_EQ(encoded.is_bytes, CopyFormatGivesBytes(format));
        return encoded.is_bytes ? encoded.bytes : Utf16ToUtf8(encoded.text);
    }

    CodePageConverter converter_;
    CopyContext context_{converter_, kDefaultCodePageRow, FakeName};
};

// A lone surrogate keeps its own number where the format has one; UTF-8 writes U+FFFD's bytes
// for it, UTF-7 its 16 bits, a code page "?". The code page is the default row, Cyrillic, which
// has no é: the best fit. A text is its pieces joined.
TEST_F(CopyEncoderTest, EncodesEveryFormat) {
    using F = CopyFormat;
    const std::pair<CopyFormat, const char*> cases[] = {
        {F::Unicode, ""},
        {F::Rtf, "{\\rtf1\\ansi\\f0\\u65?\\u233?\\u8364?\\u55296?}"},
        {F::PercentEscape, "%41%e9%E2%82%AC%EF%BF%BD"},
        {F::Utf8, "A\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBD"},
        {F::Utf7, "A+AOk-+IKw-+2AA-"},
        {F::Ucn, "\\u0041\\u00e9\\u20ac\\ud800"},
        {F::NcrHex, "&#x0041;&#x00e9;&#x20ac;&#xd800;"},
        {F::NcrDec, "&#65;&#233;&#8364;&#55296;"},
        {F::CodePage, "Ae\x88?"},
        {F::CharName, "NAME 0041\r\nNAME 00E9\r\nNAME 20AC\r\nNAME D800\r\n"},
        {F::Picture, ""},
        {F::Sgml, ""},
    };
    for (const auto& [format, result] : cases) {
        EXPECT_EQ(Encoded(format, u"A\u00E9\u20AC\xD800"), result) << CopyFormatCaption(format);
        EXPECT_TRUE(EncodeCopyText(format, u"", context_).empty());
    }
    EXPECT_EQ(Encoded(F::Utf7, u"\U0001F600"), "+2D0-+3gA-");  // a pair stays two units
    EXPECT_EQ(Encoded(F::Utf7, u"a+"), "a+-");
    EXPECT_EQ(Utf16ToUtf8(EncodeCodePoint(F::NcrDec, u'\uFFFD', context_).text), "&#65533;");
}

TEST_F(CopyEncoderTest, PercentEscapeUsesTheCodePointBelow256AndUtf8Above) {
    const std::pair<char16_t, const char*> cases[] = {
        {u'\0', "%00"},        {u'\x0A', "%0a"},      {u'\xFF', "%ff"},
        {u'\u0100', "%C4%80"}, {u'\u07FF', "%DF%BF"}, {u'\u0800', "%E0%A0%80"},
    };
    for (auto [c, escaped] : cases)
        EXPECT_EQ(EncodeCodePoint(CopyFormat::PercentEscape, c, context_).bytes, escaped);
}

TEST_F(CopyEncoderTest, CodePageFollowsTheContextRowAndClampsIt) {
    CopyContext context{converter_, 1, nullptr};  // Japanese
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CodePage, u'\u3042', context).bytes, "\x82\xA0");
    context.code_page_row = 99;  // beyond the list: the last row, Symbol
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CodePage, u'\uF041', context).bytes, "A");
    context.code_page_row = -5;  // Thai
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CodePage, u'\u0E01', context).bytes, "\xA1");
    // Without a name lookup the names are empty; a name may hold any character.
    EXPECT_EQ(EncodeCopyText(CopyFormat::CharName, u"ab", context).text, u"\r\n\r\n");
    context.char_name = [](char16_t) { return "\xC3\xA9t\xC3\xA9"; };
    EXPECT_EQ(EncodeCodePoint(CopyFormat::CharName, u'x', context).text, u"\u00E9t\u00E9\r\n");
}

TEST_F(CopyEncoderTest, ByteResultsComeBackUnchangedThroughText) {
    std::u16string all;
    for (char32_t c = 0; c <= 0xFFFF; c += 7) all.push_back(static_cast<char16_t>(c));
    for (CopyFormat format : {CopyFormat::Utf8, CopyFormat::Utf7, CopyFormat::CodePage}) {
        const EncodedText encoded = EncodeCopyText(format, all, context_);
        EXPECT_EQ(TextToCp1252Bytes(encoded.AsText()), encoded.bytes) << CopyFormatCaption(format);
    }
}

TEST(CopyFormat, IndexesRoundTripAndPadLeftPadsFromTheTemplateWithoutCutting) {
    for (int i = 0; i < kCopyFormatCount; ++i)
        EXPECT_EQ(CopyFormatIndex(*CopyFormatFromIndex(i)), i);
    EXPECT_FALSE(CopyFormatFromIndex(-1) || CopyFormatFromIndex(12));
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"a", "00", "0a"}, {"abc", "00", "abc"}, {"1", "xyz", "xy1"}, {"ab", "", "ab"}};
    for (auto [text, templ, padded] : cases) {
        EXPECT_EQ(PadLeft(std::string_view(text), std::string_view(templ)), padded);
        EXPECT_EQ(PadLeft(Utf8ToUtf16(text), Utf8ToUtf16(templ)), Utf8ToUtf16(padded));
    }
}

}  // namespace
}  // namespace glyphora
