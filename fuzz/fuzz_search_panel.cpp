// Drives the Search frame with arbitrary event sequences (typing, pasting, keys, focus changes,
// history clicks, notation switches, searches) and checks what must hold after every event: the
// boxes keep only their allowed characters, the decimal box never passes 65535, at most one box
// holds text, the history stays within 20 entries and the filter's nesting is back at 0.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/text_measure.h"
#include "panels/search_panel.h"
#include "table/main_window_model.h"
#include "unicode/builtin_data.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/icu_name_service.h"
#include "unicode/name_table.h"

namespace {

using namespace glyphora;

const NameTable& Names() {
    static const NameTable* names = [] {
        auto* table = new NameTable;
        table->LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
        return table;
    }();
    return *names;
}

constexpr char16_t kAlphabet[] = u"0123456789aAfFgGzZ&; ;&xX\u0080\u00E9\u0131\u212A\u20AC!-";

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
    bool More() const { return pos < size; }
    std::uint8_t Byte() { return pos < size ? data[pos++] : 0; }
    // A key of a text box: Enter, one of the edit commands, or a typing key.
    BoxKey Key() {
        const int k = Byte() % 8;
        if (k == 7) return kEnterBoxKey;
        return {k < 6 ? std::optional(static_cast<EditCommand>(k)) : std::nullopt};
    }
    std::u16string Text() {
        std::u16string text;
        for (int n = Byte() % 9; n > 0; --n)
            text += kAlphabet[Byte() % (sizeof kAlphabet / sizeof kAlphabet[0] - 1)];
        return text;
    }
};

void Check(SearchPanel& s) {
    for (char16_t c : s.SearchBox().text)
        if (!AllowedCharsFilter::IsAllowed(c, kSearchAllowedChars)) std::abort();
    for (char16_t c : s.GoToBox().text)
        if (!AllowedCharsFilter::IsAllowed(c, s.GoToHex() ? kHexAllowedChars : kDecAllowedChars))
            std::abort();
    if (!s.GoToHex() && s.GoToBox().text.size() <= 5 && !s.GoToBox().text.empty() &&
        std::stol(std::string(s.GoToBox().text.begin(), s.GoToBox().text.end())) > 65535)
        std::abort();
    if (s.GoToBox().text.size() > s.GoToMaxLength()) std::abort();
    if (s.SearchBox().caret > s.SearchBox().text.size()) std::abort();
    if (s.GoToBox().caret > s.GoToBox().text.size()) std::abort();
    const int filled =
        !s.SearchBox().text.empty() + !s.SymbolBox().text.empty() + !s.GoToBox().text.empty();
    if (filled > 1 || s.SymbolBox().text.size() > 1) std::abort();
    if (s.History().size() > SearchPanel::kHistoryMax || s.Filter().Nesting() != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IcuCharClassifier classifier;
    FixedWidthMeasure measure;
    MainWindowModel model({&Names(), &classifier, &measure, nullptr, nullptr});
    Reader in{data, size};
    model.SetShowAll(in.Byte() % 2 == 0);
    SearchPanel& s = model.Search();
    for (int events = 0; in.More() && events < 64; ++events) {
        switch (in.Byte() % 20) {
            case 0: {
                const std::u16string t = in.Text();
                s.SearchTextChanged(t, in.Byte() % 12);
                break;
            }
            case 1:
                s.Search();
                break;
            case 2:
                s.SearchKeyDown(in.Key());
                break;
            case 3:
                s.HistoryClicked(in.Byte() % 24);
                break;
            case 4:
                s.SearchUndo();
                break;
            case 5: {
                const std::u16string t = in.Text();
                s.GoToTextChanged(t, in.Byte() % 12);
                break;
            }
            case 6:
                s.GoToKeyDown(in.Key());
                break;
            case 7:
                s.SwitchGoToNotation();
                break;
            case 8:
                s.GoToFocusLost();
                break;
            case 9:
                s.SymbolTextChanged(in.Text());
                break;
            case 10:
                s.SymbolBeforePaste();
                break;
            case 11:
                s.SymbolKeyDown(in.Key());
                break;
            case 12:
                s.SymbolFocusLost();
                break;
            case 13:
                s.SetMenuOpen(SearchOption::Symbol, in.Byte() % 2);
                break;
            case 14:
                s.SetMenuOpen(SearchOption::GoTo, in.Byte() % 2);
                break;
            case 15:
                model.RunTableCommand(TableCommand::Right);
                break;
            case 16:
                model.SetShowAll(in.Byte() % 2);
                break;
            case 17:
                s.RestoreGoToNotation(in.Byte() % 2);
                break;
            case 18:
                if (s.CanSearchNext()) s.Search();
                break;
            default:
                s.SetHistory({in.Text(), in.Text()});
                break;
        }
        Check(s);
    }
    return 0;
}
