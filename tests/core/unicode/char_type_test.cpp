#include "unicode/char_type.h"

#include <gtest/gtest.h>

#include <map>

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

TEST(AddTypeText, AppendsOnlyWhenAMaskBitIsSet) {
    TypeList list;
    AddTypeText(list, TypeEntry::Class, 0x81, 0x02, "Lowercase");
    EXPECT_EQ(list.captions[0], "");
    AddTypeText(list, TypeEntry::Class, 0x81, 0x01, "Uppercase");
    AddTypeText(list, TypeEntry::Class, 0x81, 0x80, "Hex. digit");
    EXPECT_EQ(list.captions[0], "Uppercase, Hex. digit");
    AddTypeText(list, TypeEntry::TextProcessing, 0x10000, 0x10000, "wide");
    EXPECT_EQ(list.captions[2], "wide");
    EXPECT_EQ(list.captions[1], "");
}

TEST(DescribeCharType, JoinsNonEmptyEntriesWithSemicolons) {
    struct Case {
        CharTypeWords words;
        std::string captions[3];
        std::string type_text;
    } cases[] = {
        {{kClassUpper | kClassXDigit | kClassAlpha, kBidiLeftToRight, 0},
         {"Uppercase, Hex. digit", "Left to right", ""},
         "Uppercase, Hex. digit; Left to right"},
        {{0, 0, kTextSymbol}, {"", "", "Symbol"}, "Symbol"},
        {{kClassPunct, 0, kTextSymbol}, {"Punctuation", "", "Symbol"}, "Punctuation; Symbol"},
        {{0, kBidiArabicNumber, kTextFullWidth},
         {"", "Arabic number", "Full-width char."},
         "Arabic number; Full-width char."},
        {{kClassDigit, kBidiEuropeanNumber, kTextHalfWidth},
         {"Dec. digit", "European number or digit", "Half-width char."},
         "Dec. digit; European number or digit; Half-width char."},
        {{0, kBidiWhiteSpace, 0}, {"", "White space", ""}, "White space"},
        {{0, 0, 0}, {"", "", ""}, ""},
    };
    for (const auto& c : cases) {
        const Described d = Describe(c.words);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(d.list.captions[i], c.captions[i]) << c.type_text;
            EXPECT_EQ(d.list.visible[i], !c.captions[i].empty()) << c.type_text;
        }
        EXPECT_EQ(d.list.type_text, c.type_text);
    }
}

TEST(DescribeCharType, AllEightClassFlagsInTableOrder) {
    // Bits above the eight (alphabetic, defined) add nothing.
    const Described d = Describe({0xFFFF, 0, 0});
    EXPECT_EQ(d.list.captions[0],
              "Uppercase, Lowercase, Dec. digit, Space char., Punctuation, Control char., "
              "Blank char., Hex. digit");
}

TEST(DescribeCharType, AllElevenTextProcessingFlagsInTableOrder) {
    const Described d = Describe({0, 0, 0x07FF});
    EXPECT_EQ(d.list.captions[2],
              "Nonspacing mark, Diacritic nonspacing mark, Vowel nonspacing mark, Symbol, "
              "Katakana char., Hiragana char., Half-width char., Full-width char., "
              "Ideographic char., Arabic Kashida char., Punctuation as word part");
    EXPECT_EQ(d.text_flags, 0x07FF);
    // The higher bits reach the caller but add no text.
    EXPECT_EQ(Describe({0, 0, 0x07FF | kTextAlpha}).text_flags, 0x07FF | kTextAlpha);
    EXPECT_EQ(Describe({0, 0, kTextAlpha | kTextHighSurrogate}).list.type_text, "");
}

TEST(DescribeCharType, BidiValuesOutsideOneToTenGiveNoText) {
    struct Case {
        std::uint16_t value;
        const char* text;
    } cases[] = {{0, ""},
                 {1, "Left to right"},
                 {4, "European numeric separator"},
                 {5, "European numeric terminator"},
                 {7, "Common numeric separator"},
                 {9, "Segment separator"},
                 {10, "White space"},
                 {11, ""},
                 {12, ""},
                 {0xFFFF, ""}};
    for (const auto& c : cases) {
        const Described d = Describe({0, c.value, 0});
        EXPECT_EQ(d.list.captions[1], c.text) << c.value;
        EXPECT_EQ(d.list.visible[1], *c.text != 0) << c.value;
    }
}

TEST(DescribeCharType, MenuButtonShowsOnlyWhenTheTextOverflowsThePanel) {
    // "Uppercase, Hex. digit; Left to right" is 36 characters: 252 pixels at 7 per character.
    const CharTypeWords upper_hex_ltr{kClassUpper | kClassXDigit, kBidiLeftToRight, 0};
    EXPECT_TRUE(Describe(upper_hex_ltr, 100).list.menu_button_visible);
    EXPECT_TRUE(Describe(upper_hex_ltr, 251).list.menu_button_visible);
    EXPECT_FALSE(Describe(upper_hex_ltr, 252).list.menu_button_visible);
    EXPECT_FALSE(Describe({0, 0, 0}, 0).list.menu_button_visible);
}

TEST(DescribeCharType, StartsFromAnEmptyList) {
    TypeList list;
    list.captions = {"stale", "stale", "stale"};
    list.visible = {true, true, true};
    list.type_text = "stale";
    list.menu_button_visible = true;
    const FakeClassifier classifier({{u'a', {kClassLower, kBidiLeftToRight, 0}}});
    DescribeCharType(u'a', classifier, FixedWidthMeasure{7}, 10000, list);
    EXPECT_EQ(list.type_text, "Lowercase; Left to right");
    EXPECT_EQ(list.captions[2], "");
    EXPECT_FALSE(list.visible[2]);
    EXPECT_FALSE(list.menu_button_visible);
}

TEST(DescribeCharType, CodePointOutsideThePlaneIsClassifiedAsNothing) {
    // 0x10041 must not wrap round to U+0041.
    const FakeClassifier classifier({{u'A', {kClassUpper, kBidiLeftToRight, kTextSymbol}}});
    for (long cp : {0x10041L, -1L}) {
        TypeList list;
        EXPECT_EQ(DescribeCharType(cp, classifier, FixedWidthMeasure{7}, 100, list), 0);
        EXPECT_EQ(list.type_text, "");
    }
}

}  // namespace
}  // namespace glyphora
