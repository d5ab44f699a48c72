#pragma once

#include "unicode/char_classifier.h"

namespace glyphora {

// Character types from ICU's Unicode properties (ICU's data is newer than Qt's QChar tables).
// The mapping is documented beside the implementation.
class IcuCharClassifier final : public CharClassifier {
public:
    CharTypeWords Classify(char16_t unit) const override;
};

// The same answer words for a code point of any plane (surrogate code points answer as the code
// units above); nothing above U+10FFFF.
CharTypeWords ClassifyCodePoint(char32_t code_point);

}  // namespace glyphora
