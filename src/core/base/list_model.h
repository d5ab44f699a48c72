#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// One row of a headless list view (the Subranges list, the font list): what the window shows,
// without the widget.
struct ListItem {
    long id = 0;  // a subrange's first code point; a font's record in the font table
    std::u16string text;
    long last = 0;       // a subrange's last code point; unused by the font list
    int bit = 0;         // a subrange's signature bit
    bool check = false;  // the "Check" small icon
};

// A list view with a single resizable column and at most one selected item.
struct ListViewModel {
    std::vector<ListItem> items;
    int column_width = 0;  // pixels
    int view_width = 0;    // pixels; the column is never narrower than this
    std::optional<std::size_t> selected;

    void Clear() {
        items.clear();
        selected.reset();
    }
    // Index of the item with this id, if any.
    std::optional<std::size_t> FindId(long id) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].id == id) return i;
        return std::nullopt;
    }
    // Index of the first item with this text (exact), if any.
    std::optional<std::size_t> FindText(const std::u16string& text) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].text == text) return i;
        return std::nullopt;
    }
};

// A combo box entry: the text shown and the id of the list item it stands for.
struct ComboEntry {
    std::u16string text;
    long id = 0;
};

struct ComboModel {
    std::vector<ComboEntry> entries;
    std::optional<std::size_t> selected;

    void Clear() {
        entries.clear();
        selected.reset();
    }
};

// How the command line names a list item: "D." + id.
std::string ItemKey(long id);

}  // namespace glyphora
