#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// One row of a headless list view (the Subranges list, the font list): what the window shows,
// without the widget.
struct ListItem {
    std::string key;     // "D." + number
    std::u16string text;
    long tag = 0;        // last code point of a subrange; unused by the font list
    int sub_item = 0;    // signature bit of a subrange
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
    // Index of the item with this key (exact), if any.
    std::optional<std::size_t> FindKey(const std::string& key) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].key == key) return i;
        return std::nullopt;
    }
    // Index of the first item with this text (exact), if any.
    std::optional<std::size_t> FindText(const std::u16string& text) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].text == text) return i;
        return std::nullopt;
    }
};

// A two-column combo box: column 0 shown, column 1 a key.
struct ComboEntry {
    std::u16string text;
    std::string key;
};

struct ComboModel {
    std::vector<ComboEntry> entries;
    std::optional<std::size_t> selected;

    void Clear() {
        entries.clear();
        selected.reset();
    }
};

// The number after "D." in a key ("D.880" gives 880); nullopt when there is none.
std::optional<long> KeyNumber(const std::string& key);
// "D." + n.
std::string MakeKey(long n);

}  // namespace glyphora
