#include "platform/hot_keys.h"

#include "base/edit_command.h"

namespace glyphora {

HotKey FormKeyDown(int key_code, int shift, const HotKeyState& state) {
    const bool alt = (shift & kAltBit) != 0;
    if (key_code == hot_keys::kF1) {
        if (state.focused_topic > 0) return {HotKeyAction::WhatsThis};
    } else if (key_code == hot_keys::kF3) {
        if (state.search_position >= 1) return {HotKeyAction::SearchNext};
    } else if (key_code == hot_keys::kEnter) {
        if (alt) return {HotKeyAction::FontProperties};
    } else if (key_code >= hot_keys::kDigit0 && key_code <= hot_keys::kDigit9 && alt) {
        const int format = key_code - hot_keys::kDigit0;
        if (state.formats_enabled.test(static_cast<std::size_t>(format)))
            return {HotKeyAction::ChooseFormat, format};
    }
    return {};
}

}  // namespace glyphora
