#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text_measure.h"
#include "unicode/char_classifier.h"

namespace glyphora {

// The entries of the "&Type" menu (mTypeList(1..3)).
enum class TypeEntry { Class = 0, Bidi = 1, TextProcessing = 2 };

// What the status bar and the "&Type" menu show about the current character's type.
struct TypeList {
    std::array<std::string, 3> captions;  // by TypeEntry; an empty caption hides its entry
    std::array<bool, 3> visible{};        // entry shown: caption not empty
    std::string type_text;                // the "Type" status panel: non-empty captions, "; "
    bool menu_button_visible = false;     // pbType: shown when type_text overflows the panel
};

// Appends text to the entry's caption (after ", " when the caption already holds something)
// when flags and mask share a bit.
void AddTypeText(TypeList& list, TypeEntry entry, std::uint32_t flags, std::uint32_t mask,
                 std::string_view text);

// Describes cp's type into list, which is emptied first: the three captions and their
// visibility, the Type text, and whether the menu button is needed (the Type text measured with
// measure is wider than panel_width pixels). Returns the text-processing answer word, whose
// nonspacing, diacritic and vowel-mark bits decide how the character view draws a mark. A cp
// outside U+0000..U+FFFF is classified as nothing.
std::uint16_t DescribeCharType(long cp, const CharClassifier& classifier,
                               const TextMeasure& measure, int panel_width, TypeList& list);
// The same from answer words already looked up (characters beyond the plane, which the command
// line describes).
std::uint16_t DescribeCharTypeWords(const CharTypeWords& words, const TextMeasure& measure,
                                    int panel_width, TypeList& list);

}  // namespace glyphora
