// Character type texts: the panel's rules on fixed words, and the words ICU gives.
#include "unicode/char_type.h"

#include <gtest/gtest.h>

#include <map>

#include "unicode/icu_char_classifier.h"

namespace glyphora {
namespace {

// Answers fixed words for chosen code units and nothing for the rest.
class FakeClassifier final : public CharClassifier {
public:
    explicit FakeClassifier(std::map<char16_t, CharTypeWords> words) : words_(std::move(words)) {}
    CharTypeWords Classify(char16_t unit) const override {
        const auto it = words_.find(unit);
        return it == words_.end() ? CharTypeWords{} : it->second;
    }

private:
    std::map<char16_t, CharTypeWords> words_;
};

struct Described {
    TypeList list;
    std::uint16_t text_flags;
};

Described Describe(CharTypeWords words, int panel_width = 10000) {
    const FakeClassifier classifier({{u'x', words}});
    Described d;
    d.text_flags = DescribeCharType(u'x', classifier, FixedWidthMeasure{7}, panel_width, d.list);
    return d;
}

TEST(DescribeCharType, MenuButtonShowsOnlyWhenTheTextOverflowsThePanel) {
    // "Uppercase, Hex. digit; Left to right" is 36 characters: 252 pixels at 7 per character.
    const CharTypeWords upper_hex_ltr{kClassUpper | kClassXDigit, kBidiLeftToRight, 0};
    EXPECT_TRUE(Describe(upper_hex_ltr, 251).list.menu_button_visible);
    EXPECT_FALSE(Describe(upper_hex_ltr, 252).list.menu_button_visible);
    EXPECT_FALSE(Describe({0, 0, 0}, 0).list.menu_button_visible);
}

TEST(DescribeCharType, StartsFromAnEmptyListAndClassifiesNothingOutsideThePlane) {
    TypeList list;
    list.captions = {"stale", "stale", "stale"};
    list.visible = {true, true, true};
    list.menu_button_visible = true;
    const FakeClassifier classifier({{u'A', {kClassUpper, kBidiLeftToRight, 0}}});
    DescribeCharType(u'A', classifier, FixedWidthMeasure{7}, 10000, list);
    EXPECT_EQ(list.type_text, "Uppercase; Left to right");
    EXPECT_FALSE(list.visible[2] || list.menu_button_visible);
    // 0x10041 must not wrap round to U+0041.
    for (long cp : {0x10041L, -1L}) {
        EXPECT_EQ(DescribeCharType(cp, classifier, FixedWidthMeasure{7}, 100, list), 0);
        EXPECT_EQ(list.type_text, "");
    }
}

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

}  // namespace
}  // namespace glyphora
