#include "copy/clipboard_rtf.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "copy/code_page_converter.h"
#include "copy/copy_encoder.h"

namespace glyphora {
namespace {

TEST(RtfPlainText, ReadsTheCharactersOfADocument) {
    const struct {
        const char* rtf;
        std::u16string text;
    } cases[] = {
        {"{\\rtf1\\ansi\\f0\\u65?\\u233?}", u"A\u00E9"},
        {"{\\rtf1\\ansi\\f0\\u65533?}", u"\uFFFD"},
        {"{\\rtf1\\u-3?}", u"\uFFFD"},
        {"{\\rtf1\\uc0\\u1046 x}", u"\u0416x"},
        {"{\\rtf1\\uc2\\u1046\\'c6\\'c6x}", u"\u0416x"},
        {"{\\rtf1\\u1046\\'3fy}", u"\u0416y"},
        {"{\\rtf1 a\\'e9\\'80\\{\\}\\\\}", u"a\u00E9\u20AC{}\\"},
        {"{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl;\\red1;}{\\*\\gen x}b\\par c\\tab d}",
         u"b\rc\td"},
        {"{\\rtf1 line\r\nbreaks\n}", u"linebreaks"},
        {"{\\rtf1 a}}}b{{", u"ab"},
        {"\\u", u""},
        {"{\\rtf1\\u99999999999999999999?}", u"\uFFFF"},  // saturated parameter, no overflow
        {"\\'", u""},
        {"\\'4", u""},
        {"\\'zz", u""},
        {"", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(RtfPlainText(c.rtf), c.text) << c.rtf;
}

TEST(SerializeRtf, WritesAnEscapedFontTableSizeAndStylesAndReadsBack) {
    RtfCharFormat format{"DejaVu Serif", 14, true, true, true, true};
    EXPECT_EQ(SerializeRtf(u"A\u0416\u20AC", format),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu "
              "Serif;}}\r\n\\uc1\\pard\\f0\\fs28\\b\\i\\ul\\strike A\\u1046?\\u8364?}");
    format = {"A{b}\\c;d\xD0\x96\t", 10.5, false, false, false, false};
    const std::string rtf = SerializeRtf(u"x", format);
    EXPECT_NE(rtf.find("\\fcharset0 A\\{b\\}\\\\c\\'3bd\\u1046?;}}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\f0\\fs21 x}"), std::string::npos);
    format.point_size = 0;
    EXPECT_NE(SerializeRtf(u"x", format).find("\\f0 x}"), std::string::npos);

    std::u16string all;
    for (char32_t c = 0; c <= 0xFFFF; ++c)
        if (c != u'\r' && c != u'\n') all.push_back(static_cast<char16_t>(c));
    const std::string every = SerializeRtf(all, {"Serif", 12});
    for (char b : every) ASSERT_LT(static_cast<unsigned char>(b), 0x80);
    EXPECT_EQ(RtfPlainText(every), all);
    EXPECT_EQ(RtfPlainText(SerializeRtf(u"a\r\nb\nc\rd", {"Serif", 12})), u"a\rb\rc\rd");
}

TEST(CompleteRtfDocument, InsertsTheColourTableRightAfterTheFontTable) {
    CodePageConverter converter;
    const CopyContext context{converter, kDefaultCodePageRow, nullptr};
    const EncodedText simple = EncodeCopyText(CopyFormat::Rtf, u"\u0416\u20AC}}", context);
    const RtfCharFormat format{"Odd}}Family", 20, false, true, false, false};
    const std::string rtf = CompleteRtfDocument(simple.text, format, 0x0000FF);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Odd\\}\\}Family;}}"
                       "{\\colortbl;\\red255\\green0\\blue0;}\\cf1"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("\\fs40\\i "), std::string::npos) << rtf;
    EXPECT_EQ(RtfPlainText(rtf), u"\u0416\u20AC}}");
    const EncodedText one = EncodeCodePoint(CopyFormat::Rtf, u'\uFFFD', context);
    EXPECT_EQ(RtfPlainText(CompleteRtfDocument(one.text, {"Serif", 12}, 0x00FF00)), u"\uFFFD");
    EXPECT_EQ(RtfPlainText(CompleteRtfDocument(u"", {"Serif", 12}, 0)), u"");
}

}  // namespace
}  // namespace glyphora
