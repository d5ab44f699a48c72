#pragma once

#include "unicode/char_classifier.h"

namespace glyphora {

// Character types from ICU's Unicode properties (ICU's data is newer than Qt's QChar tables).
// The mapping is documented beside the implementation.
class IcuCharClassifier final : public CharClassifier {
public:
    CharTypeWords Classify(char16_t unit) const override;
};

}  // namespace glyphora
