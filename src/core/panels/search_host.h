#pragma once

#include <optional>
#include <string>

#include "base/focus_target.h"

namespace glyphora {

// What the Search frame asks of the window it belongs to: where the table stands, going to a
// character, the Message panel, the focus, and the window's update guard. Nothing more of the
// window is visible to the search.
class SearchHost {
public:
    // The first and last code point the Subranges list holds.
    struct Span {
        long first = 0;
        long last = 0;
    };

    virtual ~SearchHost() = default;
    virtual std::optional<Span> ListedSpan() const = 0;  // nullopt while the list is empty
    virtual long CurrentCodePoint() const = 0;
    virtual bool GoToCodePoint(long cp) = 0;
    virtual void SetMessage(std::u16string text) = 0;
    virtual void RequestFocus(FocusTarget target) = 0;
    // While the window updates itself, change events of its boxes are its own, not the user's.
    virtual int UpdateBusy() const = 0;
    virtual void RaiseUpdateBusy() = 0;
    virtual void LowerUpdateBusy() = 0;
};

}  // namespace glyphora
