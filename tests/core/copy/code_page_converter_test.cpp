#include "copy/code_page_converter.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <string>

#include "base/text.h"
#include "copy/code_page_list.h"
#include "copy/cp1252.h"

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

}  // namespace
}  // namespace glyphora
