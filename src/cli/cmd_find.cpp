// glyphora-cli find, and the Search frame's actions of glyphora-cli page.
#include <algorithm>

#include "base/text.h"
#include "cli_model.h"

namespace glyphora::cli {

namespace {

void TypeIntoSearchBox(SearchPanel& panel, const std::string& text) {
    const std::u16string typed = Utf8ToUtf16(text);
    panel.BoxFocusGained(SearchOption::Name);
    panel.SearchTextChanged(typed, typed.size());
}

// Keystrokes into the code box, entered from the keyboard: the focus selects the whole text, so
// the first character replaces it; each further one goes in at the caret; a full box takes no
// more.
void TypeIntoGoToBox(SearchPanel& panel, const std::string& text) {
    panel.BoxFocusGained(SearchOption::GoTo);
    bool selected = true;
    for (char16_t c : Utf8ToUtf16(text)) {
        EditBox box = panel.GoToBox();
        if (selected) box = {};
        selected = false;
        if (box.text.size() >= panel.GoToMaxLength()) continue;
        box.text.insert(box.caret, 1, c);
        panel.GoToTextChanged(box.text, box.caret + 1);
    }
    if (panel.GoToBox().text.size() < panel.GoToMaxLength()) panel.GoToKeyDown(kEnterBoxKey);
}

bool ParseShowAll(const std::optional<std::string>& value) {
    if (!value || *value == "off") return false;
    if (*value == "on") return true;
    throw UsageError{"--show-all takes on or off, not '" + *value + "'"};
}

long ParseCount(const std::string& text) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw UsageError{"--next takes a count 0..65536, not '" + text + "'"};
    const long n = std::stol(text);
    if (n > 65536) throw UsageError{"--next takes a count 0..65536, not '" + text + "'"};
    return n;
}

}  // namespace

bool RunSearchAction(MainWindowModel& model, const std::string& action, const std::string& value) {
    SearchPanel& panel = model.Search();
    if (action == "--search") {
        TypeIntoSearchBox(panel, value);
        panel.SearchKeyDown(kEnterBoxKey);
    } else if (action == "--search-next") {
        if (panel.CanSearchNext()) panel.Search();
    } else if (action == "--symbol") {
        if (value.empty()) throw UsageError{"--symbol takes a character"};
        panel.BoxFocusGained(SearchOption::Symbol);
        panel.SymbolKeyDown({});
        panel.SymbolTextChanged(Utf8ToUtf16(value));
    } else if (action == "--goto-box") {
        TypeIntoGoToBox(panel, value);
    } else if (action == "--notation") {
        if (value != "hex" && value != "dec")
            throw UsageError{"--notation takes hex or dec, not '" + value + "'"};
        if ((value == "hex") != panel.GoToHex()) panel.SwitchGoToNotation();
    } else {
        return false;
    }
    return true;
}

int RunFind(const CliArgs& args, std::ostream& out) {
    if (args.operands.empty()) throw UsageError{"find needs the TEXT to search for"};
    std::string text;
    for (const std::string& word : args.operands) text += (text.empty() ? "" : " ") + word;
    const long next = args.Option("--next") ? ParseCount(*args.Option("--next")) : 0;
    const bool show_all = ParseShowAll(args.Option("--show-all"));

    CliModel cli(args, args.Option("--font"), show_all);
    SearchPanel& panel = cli.Model().Search();
    TypeIntoSearchBox(panel, text);
    if (panel.SearchBox().text.empty())
        throw UsageError{"nothing to search for: the box keeps letters, digits, '&', ';', spaces"};

    // The first run is the button's click; the rest are F3, which stops when no name search is
    // under way (after an entity search or a fresh miss).
    bool any = false;
    for (long run = 0; run <= next; ++run) {
        if (run > 0 && !panel.CanSearchNext()) break;
        if (const auto found = panel.Search()) {
            out << CodeLabel(*found) << '\t' << cli.Names().CharName(*found) << '\n';
            any = true;
        } else {
            out << Utf16ToUtf8(cli.Model().Status().MessagePanel()) << '\n';
        }
    }
    return any ? 0 : 1;
}

}  // namespace glyphora::cli
