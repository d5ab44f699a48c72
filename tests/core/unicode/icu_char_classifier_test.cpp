#include "unicode/icu_char_classifier.h"

#include <gtest/gtest.h>

#include "unicode/char_type.h"

namespace glyphora {
namespace {

std::string TypeText(long cp) {
    const IcuCharClassifier classifier;
    TypeList list;
    DescribeCharType(cp, classifier, FixedWidthMeasure{7}, 10000, list);
    return list.type_text;
}

TEST(IcuCharClassifier, TypeTextsOfKnownCharacters) {
    struct Case {
        long cp;
        const char* type_text;
    } cases[] = {
        {0x0041, "Uppercase, Hex. digit; Left to right"},
        {0x0030, "Dec. digit, Hex. digit; European number or digit"},
        {0x0020, "Space char., Blank char.; White space"},
        {0x0009, "Space char., Control char., Blank char.; Segment separator"},
        {0x002B, "Punctuation; European numeric separator; Symbol"},
        {0x05D0, "Right to left"},
        {0x0301, "Nonspacing mark, Diacritic nonspacing mark"},
        {0x0640, "Right to left; Arabic Kashida char., Punctuation as word part"},
        {0x4E00, "Left to right; Ideographic char."},
        {0xFF21, "Uppercase, Hex. digit; Left to right; Full-width char."},
        {0x0378, ""},  // unassigned
        {0xD800, ""},  // a lone surrogate is no character
    };
    for (const auto& c : cases) EXPECT_EQ(TypeText(c.cp), c.type_text) << std::hex << c.cp;
}

TEST(IcuCharClassifier, MarksSurrogatesAndKanaCarryTheirBits) {
    const IcuCharClassifier classifier;
    const std::uint16_t marks = kTextNonspacing | kTextDiacritic | kTextVowelMark;
    const std::pair<char16_t, std::uint16_t> cases[] = {
        {u'\u093F', 0},                                 // spacing vowel sign I (Mc)
        {u'\u0941', kTextNonspacing | kTextVowelMark},  // Devanagari vowel sign U
        {u'\u05B8', marks},                             // Hebrew qamats
        {u'\u20DD', kTextNonspacing},                   // enclosing circle (Me)
        {u'\u00B4', 0},                                 // spacing acute accent
    };
    for (const auto& [unit, bits] : cases)
        EXPECT_EQ(classifier.Classify(unit).text_processing & marks, bits) << int{unit};
    EXPECT_EQ(classifier.Classify(u'\xD83D').text_processing, kTextHighSurrogate);
    EXPECT_EQ(classifier.Classify(u'\xDE00').text_processing, kTextLowSurrogate);
    const CharTypeWords a = classifier.Classify(u'A');
    EXPECT_EQ(a.char_class, kClassUpper | kClassXDigit | kClassAlpha | kClassDefined);
    EXPECT_EQ(a.text_processing, kTextAlpha);
    EXPECT_EQ(classifier.Classify(u'\u0301').bidi, kBidiNotApplicable);
    EXPECT_EQ(classifier.Classify(u'\u0378').char_class, 0);
    // Kana shared with Han is neither kana.
    const std::uint16_t kana = kTextKatakana | kTextHiragana;
    EXPECT_EQ(classifier.Classify(u'\u30FC').text_processing & kana, kana);  // prolonged sound
    EXPECT_EQ(classifier.Classify(u'\u3001').text_processing & kana, 0);     // ideographic comma
}

}  // namespace
}  // namespace glyphora
