#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/text_measure.h"
#include "panels/copy_panel.h"
#include "panels/picture_panel.h"
#include "panels/search_host.h"
#include "panels/search_panel.h"
#include "table/char_page.h"
#include "table/character_status.h"
#include "table/font_list.h"
#include "table/subrange_list.h"
#include "table/table_command.h"
#include "table/table_scroll_bar.h"
#include "table/window_services.h"

namespace glyphora {

class NameTable;

// The main window without its widgets. It holds the window's parts (the page, its scroll bar, the
// Subranges list, the font list, the current character's status, and the copy, picture and
// search panels) and the handlers that move several of them at once: paging, selecting, choosing
// a subrange, a code point or a font. The window mirrors the parts and turns its events into
// these calls; tests drive it directly.
class MainWindowModel {
public:
    static constexpr int kCells = CharPage::kCells;
    static constexpr int kRows = CharPage::kRows;

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

    // ---- The window's parts ------------------------------------------------------------------
    const CharPage& Page() const { return page_; }
    const TableScrollBar& ScrollBar() const { return scroll_bar_; }
    // The window sets the lists' widths and the restored "Show All", subrange and code view
    // through these before the first font choice; everything else goes through the handlers.
    const SubrangeList& Subranges() const { return subranges_; }
    SubrangeList& Subranges() { return subranges_; }
    const FontList& Fonts() const { return fonts_; }
    FontList& Fonts() { return fonts_; }
    const CharacterStatus& Status() const { return status_; }
    CharacterStatus& Status() { return status_; }
    // The copy frame: formats, To-copy box, entity box, preview, clipboard writes.
    CopyPanel& Copy() { return copy_; }
    const CopyPanel& Copy() const { return copy_; }
    // The Picture frame: size box, styles and colours of the character view and the bitmap copy.
    PicturePanel& Picture() { return picture_; }
    // The Search frame: cbSearch, bbSearch, tbSearch, tbGoTo and the obSearch options.
    SearchPanel& Search() { return search_; }
    const SearchPanel& Search() const { return search_; }

    // Fills the font list from the catalogue (once, at start-up).
    void LoadFonts();
    // The control a handler asked to focus, cleared by taking it; the last request wins.
    FocusTarget TakeFocusRequest();
    void RequestFocus(FocusTarget target) { focus_request_ = target; }
    FocusTarget FocusRequest() const { return focus_request_; }
    // The code point the last go-to asked for (0 once the search boxes were cleared).
    long RequestedCodePoint() const { return requested_code_point_; }
    // While raised, selection and scroll bar events do nothing (start-up raises it around the
    // restored settings).
    int UpdateBusy() const { return update_busy_; }
    void RaiseUpdateBusy() { ++update_busy_; }
    void LowerUpdateBusy() {
        if (update_busy_ > 0) --update_busy_;
    }
    void SetScrollTrackPixels(int pixels) { scroll_bar_.SetTrackPixels(pixels); }
    // Cells whose look changed since the last call: the window repaints only these.
    std::bitset<kCells> TakeDirtyCells() { return page_.TakeDirtyCells(); }

    // ---- The table ---------------------------------------------------------------------------
    // Fills the page holding cp (within the current subrange where it can).
    void FillPage(long cp);
    void PageDown();
    // The page before the current one (Page Up and a track click above the thumb); false when
    // the table shows no page.
    bool PageUp();
    // Scroll bar events: the thumb is being dragged; the value changed.
    void ScrollBarScroll() { scroll_bar_.StartDrag(); }
    void ScrollBarChange(int value);
    void SelectCell(int i);
    void CellDoubleClick();
    void ToggleMark(int i) { page_.ToggleMark(i); }  // Cell > Mark
    void ViewPatternClick(bool checked) { status_.ClickViewPattern(checked, update_busy_ > 0); }
    void CodePanelDoubleClick() { status_.ToggleHexView(page_.CurrentCodePoint()); }
    void RunTableCommand(TableCommand command);
    void TableFocusLost();
    void TableFocusGained();

    // ---- Subranges, code points and fonts ----------------------------------------------------
    void ChooseSubrange(std::size_t item);
    void ShowAllChanged();     // chRange click handler, after its value changed
    void SetShowAll(bool on);  // a click that sets "Show All" to on
    void ComboSubrangeChosen(std::size_t entry);
    bool GoToCodePoint(long cp);
    void SelectFont(std::optional<std::size_t> item);
    // An obFormat button was chosen.
    void SelectCopyFormat(CopyFormat format);

private:
    long First(std::size_t k) const { return subranges_.First(k); }
    long Last(std::size_t k) const { return subranges_.Last(k); }
    std::size_t ItemCount() const { return subranges_.Count(); }
    int FillRows(std::size_t k0, long start);
    void FillCell(int i, long x, bool in_subrange);
    void FillPageAtThumb();
    long PageBack(std::size_t item, long from, long count, bool fill);
    bool ScrollRowUp();
    bool ScrollRowDown();
    void SetCurrentSubrange(std::size_t item);
    void SyncScrollBar(long cp);
    void AdjustScrollEnds();
    void ClearPage();
    void ClearSearchBoxes();
    void FitPictureSize();
    void NotSupportedMessage(long cp);

    // The search sees the window through this, and nothing else of it.
    class SearchLink final : public SearchHost {
    public:
        explicit SearchLink(MainWindowModel& window) : window_(window) {}
        std::optional<Span> ListedSpan() const override;
        long CurrentCodePoint() const override { return window_.page_.CurrentCodePoint(); }
        bool GoToCodePoint(long cp) override { return window_.GoToCodePoint(cp); }
        void SetMessage(std::u16string text) override {
            window_.status_.SetMessage(std::move(text));
        }
        void RequestFocus(FocusTarget target) override { window_.RequestFocus(target); }
        int UpdateBusy() const override { return window_.UpdateBusy(); }
        void RaiseUpdateBusy() override { window_.RaiseUpdateBusy(); }
        void LowerUpdateBusy() override { window_.LowerUpdateBusy(); }

    private:
        MainWindowModel& window_;
    };

    Services services_;
    CharPage page_;
    TableScrollBar scroll_bar_;
    SubrangeList subranges_;
    FontList fonts_;
    CharacterStatus status_;

    SearchLink search_link_{*this};
    SearchPanel search_;
    FocusTarget focus_request_ = FocusTarget::None;

    int update_busy_ = 0;
    bool keep_search_text_ = false;   // a go-to keeps what the search boxes hold
    bool quiet_select_ = false;       // selecting leaves the message and the focus alone
    bool focus_from_select_ = false;  // the table's focus comes from a selection's request
    bool table_focused_ = false;      // between the table's focus-gained and focus-lost handlers
    long requested_code_point_ = 0;

    CopyPanel copy_;
    PicturePanel picture_;
};

}  // namespace glyphora
