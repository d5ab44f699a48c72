#pragma once

#include <cstdint>

namespace glyphora {

// The three answer words that describe one UTF-16 code unit: class flags, a bidirectional
// category and text-processing flags. The type texts and the character view's drawing rules are
// written against these bit values.
struct CharTypeWords {
    std::uint16_t char_class = 0;       // class flags, kClass*
    std::uint16_t bidi = 0;             // bidirectional category, kBidi* (0..11)
    std::uint16_t text_processing = 0;  // text-processing flags, kText*
};

// Class flags.
inline constexpr std::uint16_t kClassUpper = 0x0001;
inline constexpr std::uint16_t kClassLower = 0x0002;
inline constexpr std::uint16_t kClassDigit = 0x0004;
inline constexpr std::uint16_t kClassSpace = 0x0008;
inline constexpr std::uint16_t kClassPunct = 0x0010;
inline constexpr std::uint16_t kClassCntrl = 0x0020;
inline constexpr std::uint16_t kClassBlank = 0x0040;
inline constexpr std::uint16_t kClassXDigit = 0x0080;
inline constexpr std::uint16_t kClassAlpha = 0x0100;
inline constexpr std::uint16_t kClassDefined = 0x0200;

// Bidirectional categories (one value, not flags).
inline constexpr std::uint16_t kBidiNotApplicable = 0;
inline constexpr std::uint16_t kBidiLeftToRight = 1;
inline constexpr std::uint16_t kBidiRightToLeft = 2;
inline constexpr std::uint16_t kBidiEuropeanNumber = 3;
inline constexpr std::uint16_t kBidiEuropeanSeparator = 4;
inline constexpr std::uint16_t kBidiEuropeanTerminator = 5;
inline constexpr std::uint16_t kBidiArabicNumber = 6;
inline constexpr std::uint16_t kBidiCommonSeparator = 7;
inline constexpr std::uint16_t kBidiBlockSeparator = 8;
inline constexpr std::uint16_t kBidiSegmentSeparator = 9;
inline constexpr std::uint16_t kBidiWhiteSpace = 10;
inline constexpr std::uint16_t kBidiOtherNeutral = 11;

// Text-processing flags.
inline constexpr std::uint16_t kTextNonspacing = 0x0001;
inline constexpr std::uint16_t kTextDiacritic = 0x0002;
inline constexpr std::uint16_t kTextVowelMark = 0x0004;
inline constexpr std::uint16_t kTextSymbol = 0x0008;
inline constexpr std::uint16_t kTextKatakana = 0x0010;
inline constexpr std::uint16_t kTextHiragana = 0x0020;
inline constexpr std::uint16_t kTextHalfWidth = 0x0040;
inline constexpr std::uint16_t kTextFullWidth = 0x0080;
inline constexpr std::uint16_t kTextIdeograph = 0x0100;
inline constexpr std::uint16_t kTextKashida = 0x0200;
inline constexpr std::uint16_t kTextLexical = 0x0400;
inline constexpr std::uint16_t kTextHighSurrogate = 0x0800;
inline constexpr std::uint16_t kTextLowSurrogate = 0x1000;
inline constexpr std::uint16_t kTextAlpha = 0x8000;

// Classifies single UTF-16 code units. A surrogate is a code unit of its own here, never half of
// a pair.
class CharClassifier {
public:
    virtual ~CharClassifier() = default;
    virtual CharTypeWords Classify(char16_t unit) const = 0;
};

}  // namespace glyphora
