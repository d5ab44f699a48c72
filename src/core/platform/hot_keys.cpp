#include "platform/hot_keys.h"

namespace glyphora {

HotKey FormKeyDown(HotKey key, const HotKeyState& state) {
    switch (key.action) {
        case HotKeyAction::None:
        case HotKeyAction::FontProperties:
            return key;
        case HotKeyAction::WhatsThis:
            if (state.focused_topic > 0) return key;
            break;
        case HotKeyAction::SearchNext:
            if (state.search_position >= 1) return key;
            break;
        case HotKeyAction::ChooseFormat:
            if (key.format >= 0 &&
                static_cast<std::size_t>(key.format) < state.formats_enabled.size() &&
                state.formats_enabled.test(static_cast<std::size_t>(key.format)))
                return key;
            break;
    }
    return {};
}

}  // namespace glyphora
