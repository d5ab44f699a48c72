#include "cli_common.h"

#include "base/text.h"

namespace glyphora::cli {

std::optional<long> ParseCodeArg(const std::string& text) {
    std::string_view digits = text;
    if (digits.size() > 2 && (digits[0] == 'U' || digits[0] == 'u') && digits[1] == '+')
        digits.remove_prefix(2);
    else if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.remove_prefix(2);
    if (digits.empty() || digits.size() > 6) return std::nullopt;
    const auto value = ParseHexField(digits);
    if (!value || *value > 0xFFFF) return std::nullopt;
    return value;
}

long RequireCode(const std::string& text) {
    const auto code = ParseCodeArg(text);
    if (!code) throw UsageError{"not a code point of U+0000..U+FFFF: '" + text + "'"};
    return *code;
}

std::string CodeLabel(long code_point) { return "U+" + Hex4(code_point); }

}  // namespace glyphora::cli
