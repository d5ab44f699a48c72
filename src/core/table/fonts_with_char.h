#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "fonts/family_glyph_index.h"
#include "table/window_services.h"

namespace glyphora {

class MainWindowModel;

// "Fonts with This Character…" without its window: the installed families that have a glyph for
// the current character, and choosing one of them. It works beside the main window's model and
// changes it only through the model's ordinary handlers.
class FontsWithChar {
public:
    // Both outlive this; the model's font list must be loaded before the first Refresh.
    FontsWithChar(MainWindowModel& model, FontCatalog& catalog);

    // Follows the model: the current character and the chosen font. Returns true when the list
    // of families changed (another character).
    bool Refresh();

    // The character listed for; nullopt when the current cell shows none.
    std::optional<long> CodePoint() const { return code_point_; }
    // Font list items (indices into the model's font list) with a glyph for it, in list order.
    const std::vector<std::size_t>& Families() const { return families_; }
    // The family shown in row `row` of Families().
    const std::u16string& FamilyName(std::size_t row) const;
    // The position in Families() of the chosen font, if it is there.
    std::optional<std::size_t> ChosenRow() const;
    // "12 of 19 fonts": the families listed here of all listed families.
    std::u16string Title() const;

    // Chooses the family in row `row` through the ordinary font choice and keeps the character
    // current: when the new font's coverage leaves its subrange out of the Subranges list,
    // "Show All" is turned on, since that is the only way the table can show it.
    void Choose(std::size_t row);

private:
    MainWindowModel& model_;
    FontCatalog& catalog_;
    std::optional<FamilyGlyphIndex> index_;  // built on the first Refresh
    std::optional<long> code_point_;
    std::vector<std::size_t> families_;
};

}  // namespace glyphora
