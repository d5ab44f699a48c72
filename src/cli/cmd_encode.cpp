// encode: what the Copy button (or, with --current, the table's Copy key) puts on the clipboard.
#include <algorithm>
#include <optional>
#include <string>

#include "base/list_model.h"
#include "base/text.h"
#include "base/text_measure.h"
#include "base/valid_utf8.h"
#include "cli_common.h"
#include "cli_data.h"
#include "copy/clipboard.h"
#include "fonts/font_table.h"
#include "fonts/fontconfig_font_source.h"
#include "panels/copy_panel.h"

namespace glyphora::cli {
namespace {

// Keeps the last write as the bytes a reader of that clipboard format gets.
class CapturingClipboard final : public Clipboard {
public:
    std::optional<std::string> content;

    void PutUnicodeText(std::u16string_view text) override { content = Utf16ToUtf8(text); }
    void PutCp1252Text(std::u16string_view text) override { content = Utf16ToUtf8(text); }
    void PutBytes(std::string_view bytes) override { content = std::string(bytes); }
    void PutRtf(std::string_view document) override { content = std::string(document); }
    bool PutPicture(std::u16string_view code_units) override {
        content = Utf16ToUtf8(code_units);
        return true;
    }
};

int ParseSmall(const std::string& text, const std::string& option, int low, int high) {
    const bool digits =
        !text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int value = digits ? std::stoi(text) : -1;
    if (value < low || value > high)
        throw UsageError{option + " takes a number " + std::to_string(low) + ".." +
                         std::to_string(high) + ", not '" + text + "'"};
    return value;
}

// The family the window starts with when no font is saved: the font list's first item.
std::string FirstListedFamily() {
    FontconfigFontSource source;
    FontTable table;
    ListViewModel list;
    BuildFontList(source, FixedWidthMeasure{}, table, list);
    return list.items.empty() ? std::string() : Utf16ToUtf8(list.items.front().text);
}

}  // namespace

int RunEncode(const CliArgs& args, std::ostream& out) {
    if (args.operands.size() != 1)
        throw UsageError{
            "usage: encode --format N [--code-page ROW] [--font FAMILY] [--current] TEXT"};
    const auto format_text = args.Option("--format");
    if (!format_text) throw UsageError{"encode needs --format N (1..9 or 11)"};
    const int format_index = ParseSmall(*format_text, "--format", 1, kCopyFormatCount - 1);
    const CopyFormat format = *CopyFormatFromIndex(format_index);
    if (format == CopyFormat::Picture) throw UsageError{"--format 10 (a picture) gives no text"};
    const int row = args.Option("--code-page")
                        ? ParseSmall(*args.Option("--code-page"), "--code-page", 0,
                                     static_cast<int>(kCodePageList.size()) - 1)
                        : kDefaultCodePageRow;
    if (!IsValidUtf8(args.operands[0])) throw UsageError{"TEXT is not valid UTF-8"};
    std::u16string text = Utf8ToUtf16(args.operands[0]);
    const bool current = args.Has("--current");
    if (current && text.empty()) throw UsageError{"--current needs a character"};

    std::optional<NameTable> names;
    if (format == CopyFormat::CharName || format == CopyFormat::Sgml)
        names.emplace(LoadCliNameTable(args));
    CapturingClipboard clipboard;
    const int update_busy = 0;
    CopyPanel panel({names ? &*names : nullptr, &clipboard, {}}, update_busy);
    if (format == CopyFormat::Rtf)
        panel.SetRtfFontFamily(args.Option("--font").value_or(FirstListedFamily()));
    panel.ChooseCodePageRow(row);

    const std::optional<char16_t> first =
        text.empty() ? std::nullopt : std::optional<char16_t>(text.front());
    panel.CharacterSelected(first, true);
    panel.ToCopyBeforePaste();
    panel.ToCopyEdited(text, text.size());
    panel.SelectCopyFormat(format, first);
    // A character without an entity name has no "SGML:" option to choose.
    if (panel.CurrentFormat() != format) return 1;

    if (current)
        panel.CopyCurrentCharacter(*first);
    else
        panel.CopyToClipboard();
    if (clipboard.content) out << *clipboard.content;
    return 0;
}

}  // namespace glyphora::cli
