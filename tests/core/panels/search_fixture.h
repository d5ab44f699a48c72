#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "../table/model_fixture.h"
#include "base/edit_command.h"
#include "panels/search_panel.h"

namespace glyphora::testing {

// The plain reading of the search rule: the first code point in [from, to] whose name holds every
// word, ASCII case ignored.
inline std::optional<long> FirstHolder(const std::vector<std::string>& words, long from = 0,
                                       long to = 0xFFFF) {
    const auto upper = [](std::string_view text) {
        std::string out(text);
        for (char& c : out)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return out;
    };
    for (long cp = std::max(from, 0L); cp <= std::min(to, 0xFFFFL); ++cp) {
        const std::string name = upper(SharedNames().CharName(cp));
        if (std::all_of(words.begin(), words.end(), [&](const std::string& w) {
                return name.find(upper(w)) != std::string::npos;
            }))
            return cp;
    }
    return std::nullopt;
}

// The model of ModelTest with the user's ways into the Search frame.
class SearchTest : public ModelTest {
protected:
    SearchPanel& S() { return M().Search(); }

    // Typing a whole text into cbSearch.
    void TypeSearch(const std::u16string& text) {
        S().BoxFocusGained(SearchOption::Name);
        S().SearchTextChanged(text, text.size());
    }
    std::optional<long> SearchFor(const std::u16string& text) {
        TypeSearch(text);
        return S().Search();
    }
    void PressEnterInSearch() { S().SearchKeyDown(kEnterBoxKey); }

    // One character typed into tbGoTo at its caret; a full box takes no more.
    void TypeGoTo(char16_t c) {
        S().BoxFocusGained(SearchOption::GoTo);
        EditBox box = S().GoToBox();
        if (box.text.size() >= S().GoToMaxLength()) return;
        box.text.insert(box.caret, 1, c);
        S().GoToTextChanged(box.text, box.caret + 1);
    }
    void TypeGoTo(std::u16string_view text) {
        for (char16_t c : text) TypeGoTo(c);
    }
    void ClearGoTo() { S().GoToTextChanged(u"", 0); }

    const std::u16string& SearchText() { return S().SearchBox().text; }
    const std::u16string& GoToText() { return S().GoToBox().text; }
    const std::u16string& SymbolText() { return S().SymbolBox().text; }
};

}  // namespace glyphora::testing
