#include "unicode/char_type.h"

#include "base/text.h"

namespace glyphora {

namespace {

struct FlagText {
    std::uint16_t mask;
    std::string_view text;
};

constexpr FlagText kClassTexts[] = {
    {kClassUpper, "Uppercase"},   {kClassLower, "Lowercase"},   {kClassDigit, "Dec. digit"},
    {kClassSpace, "Space char."}, {kClassPunct, "Punctuation"}, {kClassCntrl, "Control char."},
    {kClassBlank, "Blank char."}, {kClassXDigit, "Hex. digit"},
};

// Indexed by the category value; 0 and 11 (other neutral) say nothing worth showing.
constexpr std::string_view kBidiTexts[] = {
    "",
    "Left to right",
    "Right to left",
    "European number or digit",
    "European numeric separator",
    "European numeric terminator",
    "Arabic number",
    "Common numeric separator",
    "Block separator",
    "Segment separator",
    "White space",
};

constexpr FlagText kTextProcessingTexts[] = {
    {kTextNonspacing, "Nonspacing mark"},       {kTextDiacritic, "Diacritic nonspacing mark"},
    {kTextVowelMark, "Vowel nonspacing mark"},  {kTextSymbol, "Symbol"},
    {kTextKatakana, "Katakana char."},          {kTextHiragana, "Hiragana char."},
    {kTextHalfWidth, "Half-width char."},       {kTextFullWidth, "Full-width char."},
    {kTextIdeograph, "Ideographic char."},      {kTextKashida, "Arabic Kashida char."},
    {kTextLexical, "Punctuation as word part"},
};

std::string& Caption(TypeList& list, TypeEntry entry) {
    return list.captions[static_cast<std::size_t>(entry)];
}

}  // namespace

void AddTypeText(TypeList& list, TypeEntry entry, std::uint32_t flags, std::uint32_t mask,
                 std::string_view text) {
    if ((flags & mask) == 0) return;
    std::string& caption = Caption(list, entry);
    if (!caption.empty()) caption += ", ";
    caption += text;
}

std::uint16_t DescribeCharType(long cp, const CharClassifier& classifier,
                               const TextMeasure& measure, int panel_width, TypeList& list) {
    CharTypeWords words;
    if (cp >= 0 && cp <= 0xFFFF) words = classifier.Classify(static_cast<char16_t>(cp));
    return DescribeCharTypeWords(words, measure, panel_width, list);
}

std::uint16_t DescribeCharTypeWords(const CharTypeWords& words, const TextMeasure& measure,
                                    int panel_width, TypeList& list) {
    list = TypeList{};

    for (const auto& row : kClassTexts)
        AddTypeText(list, TypeEntry::Class, words.char_class, row.mask, row.text);
    if (words.bidi < std::size(kBidiTexts)) Caption(list, TypeEntry::Bidi) = kBidiTexts[words.bidi];
    for (const auto& row : kTextProcessingTexts)
        AddTypeText(list, TypeEntry::TextProcessing, words.text_processing, row.mask, row.text);

    for (std::size_t i = 0; i < list.captions.size(); ++i) {
        const std::string& caption = list.captions[i];
        list.visible[i] = !caption.empty();
        if (caption.empty()) continue;
        if (!list.type_text.empty()) list.type_text += "; ";
        list.type_text += caption;
    }

    list.menu_button_visible = measure.TextWidth(Utf8ToUtf16(list.type_text)) > panel_width;
    return words.text_processing;
}

}  // namespace glyphora
