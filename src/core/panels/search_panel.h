#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/allowed_chars_filter.h"
#include "base/edit_box.h"
#include "base/edit_command.h"
#include "panels/search_host.h"

namespace glyphora {

class NameTable;
class NameSearchIndex;

// Texts of the Search frame and the status bar, exactly as the user sees them.
inline constexpr std::u16string_view kIllegalEntitySyntax = u"Illegal entity syntax.";
inline constexpr std::u16string_view kNoCharacterFound = u"No character found.";
inline constexpr std::u16string_view kNoMoreOccurrences = u"No more occurences.";  // sic
inline constexpr std::u16string_view kSearchCaption = u"S&earch";
inline constexpr std::u16string_view kNextCaption = u"N&ext (F3)";
inline constexpr std::u16string_view kGoToHexCaption = u"&Go to (Hex):";
inline constexpr std::u16string_view kGoToDecCaption = u"&Go to (Dec):";

// Characters each box takes (letters in either case). The search box also takes "+", "\", "#"
// and "%", so that a code pasted as U+20AC, \u20ac, &#x20AC; or %E2%82%AC survives.
inline constexpr std::u16string_view kSearchAllowedChars =
    u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ&; +\\#%";
inline constexpr std::u16string_view kHexAllowedChars = u"0123456789ABCDEF";
inline constexpr std::u16string_view kDecAllowedChars = u"0123456789";

// The option buttons obSearch(0..2), each with its box.
enum class SearchOption : std::uint8_t { GoTo = 0, Symbol = 1, Name = 2 };

// The Search frame without its widgets: the name/entity search box cbSearch with its history and
// the button bbSearch, the symbol box tbSearch and the code point box tbGoTo. Every search ends in
// the main window's GoToCodePoint; results and errors go to its Message panel.
//
// The window turns widget events into the event calls below and mirrors the boxes afterwards
// (text and caret), since a handler may rewrite any of the three boxes. Writes the model makes
// into a box raise that box's change handling, as the widget's own change signal would.
class SearchPanel {
public:
    static constexpr std::size_t kHistoryMax = 20;
    static constexpr long kLargestCodePoint = 0xFFFF;

    // The panel belongs to `window` and lives exactly as long; names may be null (no names).
    SearchPanel(SearchHost& window, const NameTable* names);
    ~SearchPanel();
    SearchPanel(const SearchPanel&) = delete;
    SearchPanel& operator=(const SearchPanel&) = delete;

    // ---- State the window shows --------------------------------------------------------------
    const EditBox& SearchBox() const { return search_; }                     // cbSearch's edit part
    const std::vector<std::u16string>& History() const { return history_; }  // its list
    const std::u16string& UndoText() const { return undo_text_; }
    const std::u16string& ButtonCaption() const { return caption_; }  // bbSearch
    bool ButtonEnabled() const { return button_enabled_; }
    // The code point the next name search starts from; 0 when none is set.
    long SearchPosition() const { return search_position_; }
    SearchOption Option() const { return option_; }  // the chosen obSearch

    const EditBox& SymbolBox() const { return symbol_; }  // tbSearch, at most one character
    // tbSearch's selection after a key went down: all of it, so a typed character replaces it.
    std::size_t SymbolSelectionLength() const { return symbol_selection_length_; }

    const EditBox& GoToBox() const { return go_to_; }  // tbGoTo
    bool GoToHex() const { return go_to_hex_; }        // the go-to notation
    std::u16string_view GoToCaption() const {
        return go_to_hex_ ? kGoToHexCaption : kGoToDecCaption;
    }
    std::size_t GoToMaxLength() const { return go_to_hex_ ? 4 : 5; }

    // The filter the three boxes share; the picture size box uses it too.
    AllowedCharsFilter& Filter() { return filter_; }

    // ---- Start-up and shutdown ---------------------------------------------------------------
    // The restored history (newest first); entries beyond the 20th are dropped.
    void SetHistory(std::vector<std::u16string> history);
    // Sets the notation from the setting by switching once from the opposite one, so the caption
    // and the box are set up by the same code as a double click.
    void RestoreGoToNotation(bool hex);

    // ---- Operations --------------------------------------------------------------------------
    // bbSearch's click (also Enter in cbSearch and F3): the name or entity search for the text of
    // cbSearch, or, when the text is one code in a notation of ParseCodeNotation, the go-to to
    // that code. Returns the code point it went to, nullopt when it found none or did nothing.
    std::optional<long> Search();
    // Where Search() would now go by name, without going: the window prepares that page while
    // the user still types. nullopt for a code, an entity, or no match.
    std::optional<long> NameSearchTarget();
    // F3 repeats the search while a name search is under way.
    bool CanSearchNext() const { return search_position_ >= 1; }
    // The double click on obSearch(0).
    void SwitchGoToNotation();
    // Empties tbGoTo, tbSearch and cbSearch, as the table does when its current character changes
    // by other means than a search.
    void ClearBoxes();

    // ---- The three boxes ---------------------------------------------------------------------
    // A box got the focus: its option is the chosen one.
    void BoxFocusGained(SearchOption box) { option_ = box; }
    // While its Edit menu is open, losing the focus to the menu leaves the symbol or go-to box
    // alone (the search box keeps nothing for it).
    void SetMenuOpen(SearchOption box, bool open);

    // ---- cbSearch ----------------------------------------------------------------------------
    // The user edited the text; caret is where the edit left it.
    void SearchTextChanged(std::u16string text, std::size_t caret);
    // An entry of the drop-down list chosen by a click.
    void HistoryClicked(std::size_t index);
    // A key down (also the Edit menu's command, before the box runs it): Enter searches.
    void SearchKeyDown(BoxKey key);
    // The Edit menu's Undo while cbSearch has the focus: text and undo text change places.
    void SearchUndo();

    // ---- tbSearch ----------------------------------------------------------------------------
    // A key down: the whole box gets selected, so that a typed character replaces the one
    // there; the paste key, like a paste or drop, keeps the new character from being read as a
    // keyboard byte of an 8-bit code page.
    void SymbolKeyDown(BoxKey key);
    void SymbolBeforePaste();  // also before a drop
    // The user typed, pasted or dropped; the box keeps only the first UTF-16 unit.
    void SymbolTextChanged(std::u16string text);
    void SymbolFocusLost();

    // ---- tbGoTo ------------------------------------------------------------------------------
    // The user edited the text; the box takes at most GoToMaxLength() characters.
    void GoToTextChanged(std::u16string text, std::size_t caret);
    // A key down in the box; returns true when the model took it (Enter), which the box must then
    // not process.
    bool GoToKeyDown(BoxKey key);
    void GoToFocusLost();

    // ---- obSearch ----------------------------------------------------------------------------
    // An option button got the focus: the focus moves on to its box.
    void OptionFocusGained(SearchOption option);

private:
    struct Range {
        long first;
        long last;
    };
    // The listed code points from the first listed subrange's start to the last one's end; nullopt
    // when nothing is listed.
    std::optional<Range> SearchRange() const;
    std::optional<long> EntitySearch(std::u16string_view text, std::optional<Range> range);
    std::optional<long> NameSearch(std::u16string_view text, std::optional<Range> range);
    std::optional<long> CodeSearch(char32_t code, const std::u16string& text);
    void AddToHistory(const std::u16string& text);

    // Writes by the model into a box: the box's change handling follows when the text changed.
    void SetSearchText(std::u16string text);
    void SetSymbolText(std::u16string text);
    void SetGoToText(std::u16string text);
    // The change handlers proper, run on the box's current text.
    void SearchChanged();
    void SymbolChanged();
    void GoToChanged();
    void GoToEnter();
    std::u16string_view GoToAllowedChars() const {
        return go_to_hex_ ? kHexAllowedChars : kDecAllowedChars;
    }
    // The box's value in the current notation.
    std::uint64_t GoToValue() const;

    SearchHost& window_;
    const NameTable* names_;
    std::unique_ptr<NameSearchIndex> index_;  // built on the first name search

    AllowedCharsFilter filter_;
    SearchOption option_ = SearchOption::GoTo;

    EditBox search_;
    std::vector<std::u16string> history_;
    std::u16string saved_text_;
    std::u16string undo_text_;
    std::u16string caption_{kSearchCaption};
    bool button_enabled_ = false;
    long search_position_ = 0;

    EditBox symbol_;
    std::size_t symbol_selection_length_ = 0;
    bool conversion_guard_ = false;  // the next change is no keyboard byte (a paste or drop)
    bool symbol_menu_open_ = false;

    EditBox go_to_;
    bool go_to_hex_ = true;
    bool go_to_menu_open_ = false;
};

}  // namespace glyphora
