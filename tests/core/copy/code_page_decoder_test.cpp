// Decoding byte strings in a code page, as the clipboard preview shows them.
#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "copy/ansi_code_page.h"
#include "copy/code_page_converter.h"
#include "copy/code_page_list.h"

namespace glyphora {
namespace {

TEST(ConvertFromCodePage, EveryRowReadsBackWhatItWrote) {
    // One character each row has (the Symbol row keeps Latin-1 characters as they are).
    const char16_t samples[] = {u'\u0E01', u'\u3042', u'\uAC00', u'\uAC00', u'\u4E2D', u'\u4E2D',
                                u'\u0141', u'\u0416', u'\u20AC', u'\u03A9', u'\u011F', u'\u05D0',
                                u'\u0627', u'\u0101', u'\u20AB', u'\u00E9'};
    CodePageConverter converter;
    for (std::size_t row = 0; row < kCodePageList.size(); ++row) {
        const int code_page = kCodePageList[row].code_page;
        const std::u16string text = std::u16string(u"Az ") + samples[row] + u"9";
        const std::string bytes = converter.ConvertToCodePage(text, code_page);
        EXPECT_EQ(converter.ConvertFromCodePage(bytes, code_page), text) << kCodePageList[row].name;
        EXPECT_EQ(converter.ConvertFromCodePage("", code_page), u"");
    }
}

TEST(ConvertFromCodePage, ReadsBytesAsTheCodePageHasThem) {
    const struct {
        int code_page;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {1251, "\xE9", u"\u0439"},  // the byte typed under a Russian layout
        {1252, "\xE9", u"\u00E9"},
        {1252, "\x81\x9D", u"\u0081\u009D"},  // the ANSI code page's filled gaps
        {kAnsiCodePage, "\x80", u"\u20AC"},
        {kSymbolCodePage, "\xE9\x41", u"\u00E9A"},
        {932, "\x82\xA0\x41", u"\u3042A"},  // a double-byte character joined
        {932, "\x82", u"\uFFFD"},           // a lead byte cut off by the end
        {932, "\xA0\x41", u"\uFFFDA"},      // no character at all, then a good one
        {kUtf8CodePage, "\xC3\xA9", u"\u00E9"},
        {kUtf8CodePage,
         "\xFF"
         "A",
         u"\uFFFDA"},
        {kUtf7CodePage, "+AOk-", u"\u00E9"},
        {1258, "a", u"a"},           // held back for a mark, then flushed
        {1258, "A\xF2", u"\u1EA0"},  // base letter and dot below compose
    };
    CodePageConverter converter;
    for (const auto& c : cases)
        EXPECT_EQ(converter.ConvertFromCodePage(c.bytes, c.code_page), c.text)
            << c.code_page << " " << c.bytes;
}

TEST(ConvertFromCodePage, EveryByteOfTheSingleByteRowsGivesOneCharacter) {
    CodePageConverter converter;
    for (int code_page : {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, kSymbolCodePage}) {
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            EXPECT_EQ(converter.ConvertFromCodePage(byte, code_page).size(), 1u)
                << code_page << " byte " << b;
        }
    }
}

TEST(ConvertFromCodePage, UnknownCodePagesGiveNothing) {
    CodePageConverter converter;
    EXPECT_EQ(converter.ConvertFromCodePage("abc", 437), u"");
    EXPECT_EQ(converter.ConvertFromCodePage("abc", -1), u"");
}

}  // namespace
}  // namespace glyphora
