#include "unicode/icu_char_classifier.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf16.h>

namespace glyphora {

// How ICU's properties become the three answer words.
//
// Unassigned code points (general category Cn, noncharacters included) get nothing at all: the
// type panel then stays empty, as it should for a character that does not exist. A surrogate
// code unit on its own is no character either: it gets only "defined" and the surrogate flags.
//
// Class flags
//   Uppercase      Unicode Uppercase property (Lu plus Other_Uppercase such as U+24B6, U+2160)
//   Lowercase      Unicode Lowercase property (Ll plus Other_Lowercase such as U+00AA, U+02B0)
//   Dec. digit     general category Nd (decimal digits of every script; not superscripts)
//   Space char.    White_Space property (TAB..CR, U+0085, NBSP, the Zs, Zl and Zp characters)
//   Punctuation    general categories P* and S*: like C's ispunct, symbols such as "+" and "$"
//                  count as punctuation here; the text-processing word tells symbols apart
//   Control char.  general category Cc
//   Blank char.    TAB and the space separators Zs (u_isblank)
//   Hex. digit     Hex_Digit property (0-9, A-F, a-f and their full-width forms)
//   alpha (256)    Alphabetic property
//   defined (512)  every assigned code point
//
// Bidirectional category (ICU bidi class -> value)
//   L -> 1, R and AL -> 2, EN -> 3, ES -> 4, ET -> 5, AN -> 6, CS -> 7, B -> 8, S -> 9,
//   WS -> 10, ON -> 11. NSM (takes its base's direction), BN and the explicit embedding,
//   override and isolate controls have no category of their own: 0, not applicable.
//
// Text-processing flags
//   Nonspacing mark      general categories Mn and Me
//   Diacritic ...        a nonspacing mark with the Diacritic property
//   Vowel ...            a nonspacing mark that writes a vowel: Indic_Syllabic_Category
//                        Vowel_Dependent, the Hebrew vowel points U+05B0..U+05BB and U+05C7,
//                        and the Arabic short vowels and tanween U+064B..U+0650
//   Symbol               general categories S*
//   Katakana / Hiragana  used with that kana script and not with Han (script extensions), so
//                        the prolonged sound mark and the voicing marks count for both kana,
//                        while CJK punctuation shared with Han counts for neither
//   Half-width char.     East_Asian_Width Halfwidth
//   Full-width char.     East_Asian_Width Fullwidth (not Wide: an ideograph is not a
//                        full-width variant of anything)
//   Ideographic char.    Ideographic property
//   Arabic Kashida char. U+0640 ARABIC TATWEEL
//   Punctuation as word part
//                        what joins or continues a word rather than separating words: the
//                        Hyphen property, the apostrophes U+0027 and U+2019, the tatweel, the
//                        ordinal indicators U+00AA and U+00BA, and the equals sign
//   high/low surrogate   U+D800..U+DBFF / U+DC00..U+DFFF (0x0800 / 0x1000)
//   alpha (0x8000)       Alphabetic property

namespace {

bool InCategories(UChar32 c, std::uint32_t mask) { return (U_GET_GC_MASK(c) & mask) != 0; }

std::uint16_t ClassFlags(UChar32 c) {
    std::uint16_t flags = kClassDefined;
    if (u_hasBinaryProperty(c, UCHAR_UPPERCASE)) flags |= kClassUpper;
    if (u_hasBinaryProperty(c, UCHAR_LOWERCASE)) flags |= kClassLower;
    if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER) flags |= kClassDigit;
    if (u_hasBinaryProperty(c, UCHAR_WHITE_SPACE)) flags |= kClassSpace;
    if (InCategories(c, U_GC_P_MASK | U_GC_S_MASK)) flags |= kClassPunct;
    if (u_charType(c) == U_CONTROL_CHAR) flags |= kClassCntrl;
    if (u_isblank(c)) flags |= kClassBlank;
    if (u_hasBinaryProperty(c, UCHAR_HEX_DIGIT)) flags |= kClassXDigit;
    if (u_hasBinaryProperty(c, UCHAR_ALPHABETIC)) flags |= kClassAlpha;
    return flags;
}

std::uint16_t BidiCategory(UChar32 c) {
    switch (u_charDirection(c)) {
        case U_LEFT_TO_RIGHT:
            return kBidiLeftToRight;
        case U_RIGHT_TO_LEFT:
        case U_RIGHT_TO_LEFT_ARABIC:
            return kBidiRightToLeft;
        case U_EUROPEAN_NUMBER:
            return kBidiEuropeanNumber;
        case U_EUROPEAN_NUMBER_SEPARATOR:
            return kBidiEuropeanSeparator;
        case U_EUROPEAN_NUMBER_TERMINATOR:
            return kBidiEuropeanTerminator;
        case U_ARABIC_NUMBER:
            return kBidiArabicNumber;
        case U_COMMON_NUMBER_SEPARATOR:
            return kBidiCommonSeparator;
        case U_BLOCK_SEPARATOR:
            return kBidiBlockSeparator;
        case U_SEGMENT_SEPARATOR:
            return kBidiSegmentSeparator;
        case U_WHITE_SPACE_NEUTRAL:
            return kBidiWhiteSpace;
        case U_OTHER_NEUTRAL:
            return kBidiOtherNeutral;
        default:
            return kBidiNotApplicable;
    }
}

bool IsVowelMark(UChar32 c) {
    if (u_getIntPropertyValue(c, UCHAR_INDIC_SYLLABIC_CATEGORY) == U_INSC_VOWEL_DEPENDENT)
        return true;
    return (c >= 0x05B0 && c <= 0x05BB) || c == 0x05C7 || (c >= 0x064B && c <= 0x0650);
}

bool IsKanaOnly(UChar32 c, UScriptCode kana) {
    return uscript_hasScript(c, kana) && !uscript_hasScript(c, USCRIPT_HAN);
}

bool IsWordPart(UChar32 c) {
    return u_hasBinaryProperty(c, UCHAR_HYPHEN) || c == 0x0027 || c == 0x2019 || c == 0x0640 ||
           c == 0x00AA || c == 0x00BA || c == 0x003D;
}

std::uint16_t TextProcessingFlags(UChar32 c) {
    std::uint16_t flags = 0;
    const bool nonspacing = InCategories(c, U_GC_MN_MASK | U_GC_ME_MASK);
    if (nonspacing) {
        flags |= kTextNonspacing;
        if (u_hasBinaryProperty(c, UCHAR_DIACRITIC)) flags |= kTextDiacritic;
        if (IsVowelMark(c)) flags |= kTextVowelMark;
    }
    if (InCategories(c, U_GC_S_MASK)) flags |= kTextSymbol;
    if (IsKanaOnly(c, USCRIPT_KATAKANA)) flags |= kTextKatakana;
    if (IsKanaOnly(c, USCRIPT_HIRAGANA)) flags |= kTextHiragana;
    const auto width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    if (width == U_EA_HALFWIDTH) flags |= kTextHalfWidth;
    if (width == U_EA_FULLWIDTH) flags |= kTextFullWidth;
    if (u_hasBinaryProperty(c, UCHAR_IDEOGRAPHIC)) flags |= kTextIdeograph;
    if (c == 0x0640) flags |= kTextKashida;
    if (IsWordPart(c)) flags |= kTextLexical;
    if (u_hasBinaryProperty(c, UCHAR_ALPHABETIC)) flags |= kTextAlpha;
    return flags;
}

}  // namespace

CharTypeWords IcuCharClassifier::Classify(char16_t unit) const { return ClassifyCodePoint(unit); }

CharTypeWords ClassifyCodePoint(char32_t code_point) {
    CharTypeWords words;
    if (code_point > 0x10FFFF) return words;
    const auto c = static_cast<UChar32>(code_point);
    if (U16_IS_SURROGATE(c)) {
        words.char_class = kClassDefined;
        words.text_processing = U16_IS_LEAD(c) ? kTextHighSurrogate : kTextLowSurrogate;
        return words;
    }
    if (u_charType(c) == U_UNASSIGNED) return words;
    words.char_class = ClassFlags(c);
    words.bidi = BidiCategory(c);
    words.text_processing = TextProcessingFlags(c);
    return words;
}

}  // namespace glyphora
