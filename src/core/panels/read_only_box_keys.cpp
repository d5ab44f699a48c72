#include "panels/read_only_box_keys.h"

#include "base/edit_command.h"

namespace glyphora {

bool ReadOnlyBoxKeyPasses(int key_code, int shift, bool is_entity) {
    constexpr int kTab = 9;
    constexpr int kEnter = 13;
    constexpr int kEnd = 35;
    constexpr int kDown = 40;
    constexpr int kV = 86;
    if (key_code >= kEnd && key_code <= kDown) return true;  // End, Home and the arrows
    if (key_code == (is_entity ? kEnter : kTab)) return true;
    if (shift == 0 || (shift & kShiftBit)) return false;
    if (key_code == kV && (shift & kCtrlBit)) return false;
    return true;
}

}  // namespace glyphora
