#include <vector>

#include "base/text_measure.h"
#include "cli_common.h"
#include "unicode/char_type.h"
#include "unicode/icu_char_classifier.h"

namespace glyphora::cli {

// type CODE...: the Type text of each code point, as the status bar shows it.
int RunType(const CliArgs& args, std::ostream& out) {
    if (args.operands.empty()) throw UsageError{"type needs at least one CODE"};
    std::vector<long> codes;
    for (const auto& operand : args.operands) codes.push_back(RequireCode(operand));

    const IcuCharClassifier classifier;
    const FixedWidthMeasure measure;
    for (long code : codes) {
        TypeList list;
        // No panel to overflow here: the menu button's visibility is of no interest.
        DescribeCharType(code, classifier, measure, 0, list);
        out << CodeLabel(code) << '\t' << list.type_text << '\n';
    }
    return 0;
}

}  // namespace glyphora::cli
