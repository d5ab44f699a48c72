#pragma once

#include <cstddef>
#include <string>

namespace glyphora {

// The text of an editable box and where its caret stands (in UTF-16 code units, 0 = before the
// first unit). The window mirrors both after each event the model handled.
struct EditBox {
    std::u16string text;
    std::size_t caret = 0;
};

}  // namespace glyphora
