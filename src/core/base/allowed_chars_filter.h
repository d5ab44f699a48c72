#pragma once

#include <functional>
#include <string_view>

#include "base/edit_box.h"

namespace glyphora {

// Keeps boxes that take only certain characters (code points, search words, picture sizes) clean
// of the rest.
//
// A rewrite of a box raises the box's change event, so the box's change handler runs again, in
// full, on the filtered text. While that nested run goes on, FilterAllowedChars does nothing and
// returns false; the outer run gets true back and stops, because the nested one has already done
// its work. One counter serves every box, as a rewrite of one box may empty another.
class AllowedCharsFilter {
public:
    // Removes from box every character not in `allowed` (ASCII letters compared without regard to
    // case, so "ABCDEF" lets "abcdef" through as well); the caret moves back by one for each
    // removed character, not below 0. raise_change runs the box's change handler after the
    // rewrite. Returns true when it rewrote the box.
    bool FilterAllowedChars(EditBox& box, std::u16string_view allowed,
                            const std::function<void()>& raise_change);

    // Above 0 while a rewrite's change event runs.
    int Nesting() const { return nesting_; }

    // Whether c is in allowed, ASCII letters compared without regard to case.
    static bool IsAllowed(char16_t c, std::u16string_view allowed);

private:
    int nesting_ = 0;
};

}  // namespace glyphora
