#include "copy/code_page_converter.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <string>

#include "base/text.h"
#include "copy/ansi_code_page.h"
#include "copy/code_page_list.h"

namespace glyphora {
namespace {

TEST(CodePageConverter, EveryRowConvertsWhatItHasAndBestFitsOrMarksWhatItLacks) {
    const struct {
        int row;
        char16_t has;
        const char* has_bytes;
        char16_t lacks;
        const char* lacks_bytes;
    } cases[] = {
        {0, u'\u0E01', "\xA1", u'\u4E00', "?"},      // Thai ko kai
        {1, u'\u3042', "\x82\xA0", u'\u0E01', "?"},  // Hiragana a
        {2, u'\uAC00', "\xB0\xA1", u'\u0E01', "?"},  // Hangul ga
        {3, u'\uAC00', "\x88\x61", u'\u0E01', "?"},  // Hangul ga in Johab
        {4, u'\u4E2D', "\xD6\xD0", u'\u0E01', "?"},  // zhong, GBK
        {5, u'\u4E2D', "\xA4\xA4", u'\u0E01', "?"},  // zhong, Big5
        {6, u'\u0141', "\xA3", u'\u0100', "A"},      // Ł; Ā fits as A
        {7, u'\u0416', "\xC6", u'\u00E9', "e"},      // Ж; é fits as e
        {8, u'\u20AC', "\x80", u'\u0100', "A"},      // €; Ā fits as A
        {9, u'\u03A9', "\xD9", u'\u0416', "?"},      // Ω
        {10, u'\u011F', "\xF0", u'\u0100', "A"},     // ğ
        {11, u'\u05D0', "\xE0", u'\u0416', "?"},     // alef
        {12, u'\u0627', "\xC7", u'\u0E01', "?"},     // alef
        {13, u'\u0101', "\xE2", u'\u0416', "?"},     // ā
        {14, u'\u20AB', "\xFE", u'\u4E00', "?"},     // dong sign
        {15, u'\uF041', "A", u'\u0416', "?"},        // Symbol
    };
    CodePageConverter converter;
    for (const auto& c : cases) {
        const int code_page = kCodePageList[c.row].code_page;
        EXPECT_EQ(converter.ConvertToCodePage(std::u16string(1, c.has), code_page), c.has_bytes)
            << kCodePageList[c.row].name;
        EXPECT_EQ(converter.ConvertToCodePage(std::u16string(1, c.lacks), code_page), c.lacks_bytes)
            << kCodePageList[c.row].name;
        EXPECT_EQ(converter.ConvertToCodePage(u"\xD800", code_page), "?");
        EXPECT_EQ(converter.ConvertToCodePage(u"", code_page), "");
        // Every row reads back what it wrote; Symbol reads its bytes as Latin-1 characters.
        const std::u16string text = std::u16string(u"Az ") + c.has + u"9";
        if (code_page == kSymbolCodePage) continue;
        EXPECT_EQ(
            converter.ConvertFromCodePage(converter.ConvertToCodePage(text, code_page), code_page),
            text);
    }
}

TEST(CodePageConverter, SymbolKeepsTheLowByteOfItsTwoRangesAndUtf7ShiftsAllButSetD) {
    CodePageConverter converter;
    const std::pair<char16_t, const char*> symbol[] = {
        {0xF020, " "}, {0xF0FF, "\xFF"}, {0xF01F, "?"}, {0xF100, "?"},
        {0x0020, " "}, {0x00FF, "\xFF"}, {0x001F, "?"}, {0x0100, "?"},
    };
    for (auto [c, bytes] : symbol)
        EXPECT_EQ(converter.ConvertToCodePage(std::u16string(1, c), kSymbolCodePage), bytes) << int{c};
    const std::pair<std::u16string, const char*> utf7[] = {
        {u"Hi Mom -:)-", "Hi Mom -:)-"}, {u"+", "+-"},         {u"!", "+ACE-"},
        {u"\u65E5\u672C", "+ZeU-+Zyw-"}, {u"\xDFFF", "+3/8-"}, {u"\r\n\t", "\r\n\t"},
    };
    for (const auto& [text, bytes] : utf7)
        EXPECT_EQ(converter.ConvertToCodePage(text, kUtf7CodePage), bytes) << bytes;
}

TEST(CodePageConverter, BestFitIgnoresTheThreadLocaleAndMarksWhatItCannotFit) {
    locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    ASSERT_NE(c_locale, nullptr);
    const locale_t previous = uselocale(c_locale);
    CodePageConverter converter;
    const std::string fitted = converter.ConvertToCodePage(u"\u0100", 1250);
    uselocale(previous);
    freelocale(c_locale);
    EXPECT_EQ(fitted, "A");
    EXPECT_EQ(converter.ConvertToCodePage(u"\u0301", 1251), "?");      // fitted to nothing
    EXPECT_EQ(converter.ConvertToCodePage(u"\u1EA0", 1258), "A\xF2");  // decomposed
}

TEST(CodePageConverter, UnknownCodePagesGiveNothingAndAMovedFromConverterStillConverts) {
    CodePageConverter first;
    for (int code_page : {1, 437, 1259, 65002, -1}) {
        EXPECT_FALSE(CodePageConverter::IsKnownCodePage(code_page));
        EXPECT_EQ(first.ConvertToCodePage(u"A\u00E9", code_page), "") << code_page;
        EXPECT_EQ(first.ConvertFromCodePage("abc", code_page), u"") << code_page;
    }
    EXPECT_EQ(first.ConvertToCodePage(u"\u0416", 1251), "\xC6");
    CodePageConverter second = std::move(first);
    EXPECT_EQ(second.ConvertToCodePage(u"\u0416", 1251), "\xC6");
    EXPECT_EQ(first.ConvertToCodePage(u"\u0416", 1251), "\xC6");  // NOLINT(bugprone-use-after-move)
}

TEST(ConvertFromCodePage, ReadsBytesAsTheCodePageHasThem) {
    const struct {
        int code_page;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {1251, "\xE9", u"\u0439"},            // the byte typed under a Russian layout
        {1252, "\x81\x9D", u"\u0081\u009D"},  // the ANSI code page's filled gaps
        {kAnsiCodePage, "\x80", u"\u20AC"},
        {kSymbolCodePage, "\xE9\x41", u"\u00E9A"},
        {932, "\x82\xA0\x41", u"\u3042A"},  // a double-byte character joined
        {932, "\x82", u"\uFFFD"},           // a lead byte cut off by the end
        {932, "\xA0\x41", u"\uFFFDA"},      // no character at all, then a good one
        {kUtf8CodePage, "\xFF\x41", u"\uFFFDA"},
        {kUtf7CodePage, "+AOk-", u"\u00E9"},
        {1258, "A\xF2", u"\u1EA0"},  // base letter and dot below compose
    };
    CodePageConverter converter;
    for (const auto& c : cases)
        EXPECT_EQ(converter.ConvertFromCodePage(c.bytes, c.code_page), c.text)
            << c.code_page << " " << c.bytes;
}

TEST(AnsiCodePage, TextOfOtherCharactersIsNoByteStringAndTheRestIsWindows1252) {
    std::string all_bytes;
    for (int b = 0; b < 256; ++b) all_bytes.push_back(static_cast<char>(b));
    CodePageConverter converter;
    EXPECT_EQ(converter.ConvertToCodePage(AnsiBytesToText(all_bytes), 1252), all_bytes);
    EXPECT_EQ(converter.ConvertToCodePage(u"\u0100\u4E00", kAnsiCodePage), "A?");
    EXPECT_EQ(TextToAnsiBytes(u"A\u20AC\u0081"), std::string("A\x80\x81"));
    EXPECT_EQ(TextToAnsiBytes(u"A\u0100"), std::nullopt);
    EXPECT_EQ(TextToAnsiBytes(u"\u0080"), std::nullopt);  // the C1 control 0x80 is not a gap
    EXPECT_EQ(AnsiBytesToText(""), u"");
}

}  // namespace
}  // namespace glyphora
