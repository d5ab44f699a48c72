// The name/entity search box with its history and button, and the symbol box.
#include "panels/search_panel.h"

#include <algorithm>

#include "base/edit_command.h"
#include "base/text.h"
#include "copy/cp1252.h"
#include "search/code_notation.h"
#include "search/name_search_index.h"
#include "unicode/name_table.h"

namespace glyphora {

namespace {

std::u16string_view TrimSpaces16(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// Split at every single space: two spaces in a row give an empty word.
std::vector<std::string> SplitWords(std::u16string_view text) {
    std::vector<std::string> words;
    for (;;) {
        const auto space = text.find(u' ');
        words.push_back(Utf16ToUtf8(text.substr(0, space)));
        if (space == std::u16string_view::npos) break;
        text.remove_prefix(space + 1);
    }
    return words;
}

}  // namespace

SearchPanel::SearchPanel(SearchHost& window, const NameTable* names)
    : window_(window), names_(names) {}

SearchPanel::~SearchPanel() = default;

void SearchPanel::SetHistory(std::vector<std::u16string> history) {
    if (history.size() > kHistoryMax) history.resize(kHistoryMax);
    history_ = std::move(history);
}

// ---- Search ---------------------------------------------------------------------------------

std::optional<SearchPanel::Range> SearchPanel::SearchRange() const {
    const auto listed = window_.ListedSpan();
    if (!listed) return std::nullopt;
    return Range{listed->first, std::min(listed->last, kLargestCodePoint)};
}

std::optional<long> SearchPanel::Search() {
    if (search_.text.empty()) return std::nullopt;
    window_.SetMessage({});
    const std::optional<Range> range = SearchRange();
    const std::u16string text = search_.text;  // a copy: the go-to below runs the table's handlers
    if (const auto code = ParseCodeNotation(text)) return CodeSearch(*code, text);
    if (text.front() == u'&') return EntitySearch(text, range);
    return NameSearch(text, range);
}

std::optional<long> SearchPanel::NameSearchTarget() {
    const std::u16string& text = search_.text;
    if (text.empty() || text.front() == u'&' || ParseCodeNotation(text)) return std::nullopt;
    const std::optional<Range> range = SearchRange();
    if (!range) return std::nullopt;
    if (!index_) index_ = std::make_unique<NameSearchIndex>(names_, true);
    const long from = search_position_ != 0 ? search_position_ : range->first;
    return index_->FindAll(SplitWords(TrimSpaces16(text)), from, range->last);
}

std::optional<long> SearchPanel::EntitySearch(std::u16string_view text,
                                              std::optional<Range> range) {
    const std::u16string_view s = TrimSpaces16(text);
    const bool closed = s.size() >= 2 && s.back() == u';';
    const std::u16string_view name = closed ? s.substr(1, s.size() - 2) : std::u16string_view();
    if (!closed || name.find_first_of(u" &;") != std::u16string_view::npos) {
        window_.SetMessage(std::u16string(kIllegalEntitySyntax));
        window_.RequestFocus(FocusTarget::SearchBox);
        return std::nullopt;
    }
    // The entity search leaves the search position alone: F3 never repeats it.
    std::optional<long> found;
    if (range && names_) found = names_->FindEntity(Utf16ToUtf8(name), range->first, range->last);
    if (!found) {
        window_.SetMessage(std::u16string(kNoCharacterFound));
        return std::nullopt;
    }
    button_enabled_ = false;
    window_.GoToCodePoint(*found);
    AddToHistory(std::u16string(text));
    return found;
}

std::optional<long> SearchPanel::NameSearch(std::u16string_view text, std::optional<Range> range) {
    std::optional<long> found;
    if (range) {
        if (search_position_ == 0) search_position_ = range->first;
        if (!index_) index_ = std::make_unique<NameSearchIndex>(names_, true);
        found = index_->FindAll(SplitWords(TrimSpaces16(text)), search_position_, range->last);
    }
    if (!found) {
        if (search_position_ != 0) {
            window_.SetMessage(std::u16string(kNoMoreOccurrences));
            caption_ = kSearchCaption;
            button_enabled_ = false;
            window_.RequestFocus(FocusTarget::Table);
        } else {
            window_.SetMessage(std::u16string(kNoCharacterFound));
        }
        return std::nullopt;
    }
    window_.GoToCodePoint(*found);
    search_position_ = *found + 1;
    caption_ = kNextCaption;
    AddToHistory(std::u16string(text));
    return found;
}

// A pasted code goes where the entity search would: one place, nothing for F3 to repeat.
std::optional<long> SearchPanel::CodeSearch(char32_t code, const std::u16string& text) {
    if (code > static_cast<char32_t>(kLargestCodePoint)) {
        window_.SetMessage(OutsidePlaneMessage(code));
        return std::nullopt;
    }
    button_enabled_ = false;
    window_.GoToCodePoint(static_cast<long>(code));
    AddToHistory(text);
    return static_cast<long>(code);
}

void SearchPanel::AddToHistory(const std::u16string& text) {
    const bool known = std::any_of(history_.begin(), history_.end(), [&](const std::u16string& e) {
        return CompareNoCase(e, text) == 0;
    });
    if (!known) history_.insert(history_.begin(), text);
    while (history_.size() > kHistoryMax) history_.pop_back();
}

void SearchPanel::ClearBoxes() {
    SetGoToText({});
    SetSymbolText({});
    SetSearchText({});
}

// ---- cbSearch -------------------------------------------------------------------------------

void SearchPanel::SearchTextChanged(std::u16string text, std::size_t caret) {
    search_.text = std::move(text);
    search_.caret = std::min(caret, search_.text.size());
    SearchChanged();
}

void SearchPanel::SetSearchText(std::u16string text) {
    if (text == search_.text) return;
    search_.caret = text.size();
    search_.text = std::move(text);
    SearchChanged();
}

void SearchPanel::SearchChanged() {
    if (filter_.FilterAllowedChars(search_, kSearchAllowedChars, [this] { SearchChanged(); }))
        return;
    if (search_.text != saved_text_) undo_text_ = saved_text_;
    button_enabled_ = !search_.text.empty();
    if (search_.text.empty()) return;
    SetSymbolText({});
    SetGoToText({});
    search_position_ = 0;
    caption_ = kSearchCaption;
}

void SearchPanel::HistoryClicked(std::size_t index) {
    if (index >= history_.size()) return;
    if (index > 0) {
        std::u16string entry = std::move(history_[index]);
        history_.erase(history_.begin() + static_cast<std::ptrdiff_t>(index));
        history_.insert(history_.begin(), std::move(entry));
    }
    // Choosing an entry raises no change of its own, yet the entry is a new search.
    search_.text = history_.front();
    search_.caret = search_.text.size();
    SearchChanged();
}

void SearchPanel::SearchKeyDown(BoxKey key) {
    if (!button_enabled_) return;
    if (key.enter) {
        window_.RequestFocus(FocusTarget::SearchButton);
        Search();
    }
    saved_text_ = search_.text;
    if (key.command == EditCommand::Undo) SearchUndo();
}

void SearchPanel::SearchUndo() {
    std::swap(search_.text, undo_text_);
    search_.caret = std::min(search_.caret, search_.text.size());
    SearchChanged();
}

// ---- tbSearch -------------------------------------------------------------------------------

void SearchPanel::SymbolKeyDown(BoxKey key) {
    if (key.command == EditCommand::Paste) SymbolBeforePaste();
    symbol_.caret = 0;
    symbol_selection_length_ = 1;
}

void SearchPanel::SymbolBeforePaste() { conversion_guard_ = true; }

void SearchPanel::SymbolTextChanged(std::u16string text) {
    if (text.size() > 1) text.resize(1);
    symbol_selection_length_ = 0;
    if (text == symbol_.text) return;
    symbol_.text = std::move(text);
    symbol_.caret = symbol_.text.size();
    SymbolChanged();
}

void SearchPanel::SetSymbolText(std::u16string text) {
    if (text == symbol_.text) return;
    symbol_.text = std::move(text);
    symbol_.caret = symbol_.text.size();
    symbol_selection_length_ = 0;
    SymbolChanged();
}

void SearchPanel::SymbolChanged() {
    if (window_.UpdateBusy() > 0 || symbol_.text.empty()) return;
    SetSearchText({});
    SetGoToText({});
    if (!conversion_guard_) {
        // A typed character below 256 came as a byte of the keyboard's 8-bit code page. Only the
        // C1 range reads differently there (0x80 is the euro sign): the keyboard cannot type C1
        // controls, so such a code is always a byte.
        const char16_t typed = symbol_.text.front();
        if (typed < 0x100) {
            const char16_t meant = Cp1252ByteToChar(static_cast<unsigned char>(typed));
            if (meant != typed) {
                window_.RaiseUpdateBusy();
                SetSymbolText(std::u16string(1, meant));
                window_.LowerUpdateBusy();
            }
        }
    }
    conversion_guard_ = false;
    window_.GoToCodePoint(symbol_.text.front());
}

void SearchPanel::SymbolFocusLost() {
    if (symbol_menu_open_) return;
    if (!symbol_.text.empty() && symbol_.text.front() != window_.CurrentCodePoint())
        SetSymbolText({});
}

// ---- obSearch -------------------------------------------------------------------------------

void SearchPanel::SetMenuOpen(SearchOption box, bool open) {
    if (box == SearchOption::Symbol) symbol_menu_open_ = open;
    if (box == SearchOption::GoTo) go_to_menu_open_ = open;
}

void SearchPanel::OptionFocusGained(SearchOption option) {
    switch (option) {
        case SearchOption::GoTo:
            window_.RequestFocus(FocusTarget::GoToBox);
            break;
        case SearchOption::Symbol:
            window_.RequestFocus(FocusTarget::SymbolBox);
            break;
        case SearchOption::Name:
            window_.RequestFocus(FocusTarget::SearchBox);
            break;
    }
}

}  // namespace glyphora
