#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/list_model.h"
#include "base/text_measure.h"
#include "fonts/glyph_ranges.h"
#include "panels/copy_panel.h"
#include "panels/picture_panel.h"
#include "panels/search_host.h"
#include "panels/search_panel.h"
#include "table/table_command.h"
#include "table/window_services.h"
#include "unicode/char_type.h"
#include "unicode/subrange_views.h"

namespace glyphora {

class NameTable;

// How a cell is painted: the window turns these into the desktop theme's colours.
enum class PaintState : std::uint8_t { Normal = 0, Selected = 1, SelectedInactive = 2 };

// One cell of the 16 x 16 character table.
struct Cell {
    long code_point = 0;     // 0 for a cell the page does not fill
    std::u16string caption;  // the character, " " (known but not shown), or empty
    // Empty-cell pattern copy 0 or 1 (inactive), -1 none: the one sign of a shown character,
    // since U+0020 shows the same caption as a code point without a glyph.
    int pattern = -1;
    PaintState state = PaintState::Normal;
    bool marked = false;  // Cell > Mark: red text in every state
};

// The vertical scroll bar beside the table, in table rows.
struct ScrollBarState {
    int value = 0;
    int max = 0;  // -1 when nothing is listed
    static constexpr int kSmallChange = 1;
    static constexpr int kLargeChange = 16;
};

// Which picture the character view lays over the enlarged character.
enum class ViewPattern : std::uint8_t { None, Overhang, Combining };

// The main window without its widgets: every field and algorithm of the character table, the
// Subranges list, the font choice and the status display. The window mirrors this state and turns
// its events into these calls; tests drive it directly.
class MainWindowModel {
public:
    static constexpr int kCells = 256;
    static constexpr int kRows = 16;

    struct Services {
        const NameTable* names = nullptr;
        const CharClassifier* classifier = nullptr;
        const TextMeasure* measure = nullptr;
        GlyphMetrics* metrics = nullptr;  // may be null: no side bearings, no picture size
        FontCatalog* fonts = nullptr;     // may be null: no fonts
        Clipboard* clipboard = nullptr;   // may be null: copies go nowhere
    };

    explicit MainWindowModel(Services services);
    // The search panel refers back to its window.
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // ---- Start-up ----------------------------------------------------------------------------
    // Fills the font list from the catalogue (once, at start-up).
    void LoadFonts();

    // ---- State the window shows --------------------------------------------------------------
    const std::array<Cell, kCells>& Cells() const { return cells_; }
    const std::array<std::string, kRows>& RowLabels() const { return row_labels_; }
    const std::array<bool, kRows>& Separators() const { return separators_; }
    const ScrollBarState& ScrollBar() const { return scroll_; }
    const SubrangeViews& Subranges() const { return subranges_; }  // lvRange and cbRange
    const ListViewModel& FontList() const { return font_list_; }   // lvFont
    std::optional<std::size_t> RangeItemToShow() const { return range_item_to_show_; }

    // Status panels of the first and second bar.
    const std::u16string& HexPanel() const { return hex_panel_; }
    const std::u16string& NamePanel() const { return name_panel_; }
    const std::string& TypePanel() const { return type_.type_text; }
    const std::u16string& MessagePanel() const { return message_panel_; }
    const TypeList& TypeMenu() const { return type_; }

    // Character view (tlView, ibView, chView).
    const std::u16string& ViewCaption() const { return view_caption_; }
    ViewPattern ViewPatternChoice() const { return view_pattern_; }
    bool ViewPatternVisible() const { return view_pattern_visible_; }
    bool ViewPatternEnabled() const { return view_pattern_enabled_; }  // chView
    bool ViewPatternChecked() const { return view_pattern_checked_; }

    // The copy frame: formats, To-copy box, entity box, preview, clipboard writes.
    CopyPanel& Copy() { return copy_; }
    const CopyPanel& Copy() const { return copy_; }

    // The Picture frame: size box, styles and colours of the character view and the bitmap copy.
    PicturePanel& Picture() { return picture_; }
    const PicturePanel& Picture() const { return picture_; }

    // The Search frame: cbSearch, bbSearch, tbSearch, tbGoTo and the obSearch options.
    SearchPanel& Search() { return search_; }
    const SearchPanel& Search() const { return search_; }

    // The control a handler asked to focus, cleared by taking it; the last request wins.
    FocusTarget TakeFocusRequest();
    void RequestFocus(FocusTarget target) { focus_request_ = target; }
    // Cells whose look changed since the last call: the window repaints only these.
    std::bitset<kCells> TakeDirtyCells();

    // The current font (lvFont's chosen item) and what came with it.
    const std::u16string& FontFamily() const { return font_family_; }
    const std::string& Coverage() const { return coverage_; }
    const GlyphRanges& FontGlyphRanges() const { return glyph_ranges_; }
    const std::string& PropertiesTarget() const { return properties_target_; }  // bbFont's tag
    bool PropertiesEnabled() const { return !properties_target_.empty(); }
    int PictureMaxSize() const { return picture_max_size_; }

    // ---- Fields ------------------------------------------------------------------------------
    int CurrentCell() const { return current_cell_; }
    long CurrentSubrangeStart() const { return current_subrange_start_; }
    long LastScrollValue() const { return last_scroll_value_; }
    bool QuietSelect() const { return quiet_select_; }
    bool FocusFromSelect() const { return focus_from_select_; }
    bool KeepSearchText() const { return keep_search_text_; }
    long RequestedCodePoint() const { return requested_code_point_; }
    bool CellMarks(int i) const { return cells_[i].marked; }
    int UpdateBusy() const { return update_busy_; }
    bool HexView() const { return hex_view_; }
    bool ShowAll() const { return show_all_; }
    long ListedCount() const { return subranges_.listed_count; }
    long CurrentCodePoint() const { return cells_[current_cell_].code_point; }

    // Restored settings, set before the first font choice (the update-busy count is raised by the
    // caller where start-up requires it).
    void SetHexView(bool on) { hex_view_ = on; }
    void SetShowAllQuiet(bool on) { show_all_ = on; }
    void SetCurrentSubrangeStart(long start) { current_subrange_start_ = start < 0 ? 0 : start; }
    void RaiseUpdateBusy() { ++update_busy_; }
    void LowerUpdateBusy() {
        if (update_busy_ > 0) --update_busy_;
    }
    // The window reports its geometry: the scroll bar's track height and the list view's width.
    void SetScrollTrackPixels(int pixels) { scroll_track_pixels_ = pixels > 0 ? pixels : 1; }
    void SetRangeListWidth(int pixels) { subranges_.list.view_width = pixels; }
    void SetFontListWidth(int pixels) { font_list_.view_width = pixels; }
    void SetTypePanelWidth(int pixels) { type_panel_width_ = pixels; }

    // ---- Table (paging) ----------------------------------------------------------------------
    void FillPage(long cp);
    bool HasGlyph(long cp) const;
    long PageBack(std::size_t item, long from, long count, bool fill);
    bool ScrollRowUp();
    bool ScrollRowDown();
    void PageDown();
    // The page before the current one (Page Up and a track click above the thumb); false when
    // the table shows no page.
    bool PageUp();
    void SetCurrentSubrange(std::size_t item);
    void SyncScrollBar(long cp);
    void AdjustScrollEnds();
    void PaintCell(int i, PaintState state);
    void ClearSearchBoxes();
    // Scroll bar events: the thumb is being dragged; the value changed.
    void ScrollBarScroll();
    void ScrollBarChange(int value);

    // ---- Selection and status ----------------------------------------------------------------
    void SelectCell(int i);
    void UpdateCodePanel();
    void CellDoubleClick();
    void ToggleMark(int i);               // Cell > Mark
    void ViewPatternClick(bool checked);  // chView
    void CodePanelDoubleClick();          // the "Hex" panel
    void SetMessage(std::u16string text) { message_panel_ = std::move(text); }

    // ---- Commands and focus of the table -----------------------------------------------------
    void RunTableCommand(TableCommand command);
    void TableFocusLost();
    void TableFocusGained();

    // ---- Subranges and fonts -----------------------------------------------------------------
    void ChooseSubrange(std::size_t item);
    void ShowAllChanged();     // chRange click handler, after its value changed
    void SetShowAll(bool on);  // a click that sets "Show All" to on
    void ComboSubrangeChosen(std::size_t entry);
    bool GoToCodePoint(long cp);
    void SelectFont(std::optional<std::size_t> item);
    std::optional<std::size_t> FontItemByName(const std::u16string& name) const;

    // ---- Copy format (an obFormat button was chosen) -----------------------------------------
    void SelectCopyFormat(CopyFormat format);

private:
    // Bounds of list item k of the Subranges list.
    long First(std::size_t k) const;
    long Last(std::size_t k) const;
    std::size_t ItemCount() const { return subranges_.list.items.size(); }
    // The item whose key is "D." + start, if listed.
    std::optional<std::size_t> ItemByStart(long start) const;
    // The listed subrange holding cp, else the next one after it, else the last one.
    std::optional<std::size_t> ItemHolding(long cp) const;
    void RebuildItemIndex();
    bool PageIsFull() const;
    long PageEndCodePoint() const;  // code point of the page's last filled cell, -1 when empty
    void ClearPage();
    int FillRows(std::size_t k0, long start);
    void FillPageAtThumb();
    void FillCell(int i, long x, bool in_subrange);
    void SetCellLook(int i, std::u16string caption, int pattern);
    void MarkDirty(int i) { dirty_.set(static_cast<std::size_t>(i)); }
    void RefreshFontIcons(int bit);
    // The current cell's character; nullopt for a cell the page does not fill.
    std::optional<char16_t> CurrentCharacter() const;
    void RefreshCharacterView(long cp);

    // The search sees the window through this, and nothing else of it.
    class SearchLink final : public SearchHost {
    public:
        explicit SearchLink(MainWindowModel& window) : window_(window) {}
        std::optional<Span> ListedSpan() const override;
        long CurrentCodePoint() const override { return window_.CurrentCodePoint(); }
        bool GoToCodePoint(long cp) override { return window_.GoToCodePoint(cp); }
        void SetMessage(std::u16string text) override { window_.SetMessage(std::move(text)); }
        void RequestFocus(FocusTarget target) override { window_.RequestFocus(target); }
        int UpdateBusy() const override { return window_.UpdateBusy(); }
        void RaiseUpdateBusy() override { window_.RaiseUpdateBusy(); }
        void LowerUpdateBusy() override { window_.LowerUpdateBusy(); }

    private:
        MainWindowModel& window_;
    };

    Services services_;

    std::array<Cell, kCells> cells_{};
    std::array<std::string, kRows> row_labels_{};
    std::array<bool, kRows> separators_{};
    std::bitset<kCells> dirty_;
    ScrollBarState scroll_;
    SubrangeViews subranges_;
    std::vector<long> item_first_;  // first code point of each listed subrange
    std::optional<std::size_t> range_item_to_show_;
    ListViewModel font_list_;
    std::vector<std::string> font_coverage_;  // per font list item

    std::u16string hex_panel_, name_panel_, message_panel_;
    TypeList type_;
    int type_panel_width_ = 200;

    std::u16string view_caption_;
    ViewPattern view_pattern_ = ViewPattern::None;
    bool view_pattern_visible_ = false;
    bool view_pattern_enabled_ = false;
    bool view_pattern_checked_ = false;

    SearchLink search_link_{*this};
    SearchPanel search_;
    FocusTarget focus_request_ = FocusTarget::None;

    std::u16string font_family_;
    std::string coverage_;
    GlyphRanges glyph_ranges_;
    std::string properties_target_;
    int picture_max_size_ = 0;

    int current_cell_ = 0;
    long current_subrange_start_ = 0;
    int update_busy_ = 0;
    long last_scroll_value_ = 0;
    bool keep_search_text_ = false;
    bool quiet_select_ = false;
    bool focus_from_select_ = false;
    bool table_focused_ = false;  // between the table's focus-gained and focus-lost handlers
    long requested_code_point_ = 0;
    bool hex_view_ = true;
    bool show_all_ = false;
    int scroll_track_pixels_ = 368;  // 16 rows of 22-pixel cells and their 1-pixel gaps

    CopyPanel copy_;
    PicturePanel picture_;
};

}  // namespace glyphora
