// inspect, decode: any text of any plane, character by character, and escapes back into text.
#include <string>

#include "base/text.h"
#include "base/text_measure.h"
#include "cli_common.h"
#include "cli_data.h"
#include "search/code_notation.h"
#include "unicode/char_type.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/icu_name_service.h"

namespace glyphora::cli {

namespace {

// The one TEXT operand, which must be well-formed UTF-8: a character cannot be told from a
// broken byte otherwise.
const std::string& RequireUtf8Text(const CliArgs& args, const char* usage) {
    if (args.operands.size() != 1) throw UsageError{std::string("usage: ") + usage};
    const std::string& text = args.operands.front();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeUtf8At(text, i, false).length;
        if (length == 0) {
            throw UsageError{args.command + ": TEXT is not valid UTF-8 (byte " +
                             std::to_string(i + 1) + " is 0x" +
                             Hex4(static_cast<unsigned char>(text[i])).substr(2) + ")"};
        }
        i += length;
    }
    return text;
}

// Characters that would break the one-line, TAB-separated output are not written out.
bool Printable(char32_t cp, const CharTypeWords& words) {
    return (words.char_class & kClassCntrl) == 0 && cp != 0x2028 && cp != 0x2029;
}

}  // namespace

// inspect TEXT: one line per character: code, the character, name, Type text. The plane's
// names come from the name table as the window shows them; other planes' from ICU.
int RunInspect(const CliArgs& args, std::ostream& out) {
    const std::string& text = RequireUtf8Text(args, "inspect TEXT");
    const NameTable names = LoadCliNameTable(args);
    const FixedWidthMeasure measure;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Sequence character = DecodeUtf8At(text, i, false);
        const char32_t cp = character.code_point;
        const CharTypeWords words = ClassifyCodePoint(cp);
        TypeList types;
        // No panel to overflow here: the menu button's visibility is of no interest.
        DescribeCharTypeWords(words, measure, 0, types);
        const std::string name =
            cp <= 0xFFFF ? std::string(names.CharName(static_cast<long>(cp))) : IcuCharName(cp);
        out << CodeLabel(static_cast<long>(cp)) << '\t'
            << (Printable(cp, words) ? text.substr(i, character.length) : std::string()) << '\t'
            << name << '\t' << types.type_text << '\n';
        i += character.length;
    }
    return 0;
}

// decode TEXT: the text with every code notation and known entity replaced by its character.
int RunDecode(const CliArgs& args, std::ostream& out) {
    const std::string& text = RequireUtf8Text(args, "decode TEXT");
    const NameTable names = LoadCliNameTable(args);
    out << DecodeCodeNotations(text, [&](std::string_view name) { return names.FindEntity(name); })
        << '\n';
    return 0;
}

}  // namespace glyphora::cli
