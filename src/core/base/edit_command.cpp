#include "base/edit_command.h"

namespace glyphora {
namespace {

constexpr int kKeyBackspace = 8;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;

}  // namespace

int EditCommandForKey(int key_code, int shift) {
    const bool with_shift = (shift & kShiftBit) != 0;
    const bool with_ctrl = (shift & kCtrlBit) != 0;
    const bool with_alt = (shift & kAltBit) != 0;
    if (with_ctrl && key_code == 'A') return kEditSelectAll;
    if ((with_ctrl && key_code == 'Z') || (with_alt && key_code == kKeyBackspace)) return kEditUndo;
    if ((with_ctrl && key_code == 'X') || (with_shift && key_code == kKeyDelete)) return kEditCut;
    if (with_ctrl && (key_code == kKeyInsert || key_code == 'C')) return kEditCopy;
    if ((with_shift && key_code == kKeyInsert) || (with_ctrl && key_code == 'V')) return kEditPaste;
    if (key_code == kKeyDelete && !with_shift && !with_ctrl && !with_alt) return kEditDelete;
    return kEditNone;
}

}  // namespace glyphora
