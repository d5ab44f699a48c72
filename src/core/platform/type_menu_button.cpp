#include "platform/type_menu_button.h"

#include "base/edit_command.h"

namespace glyphora {
namespace {
constexpr int kKeyDown = 40;
}  // namespace

TypeMenuButton::Response TypeMenuButton::MouseDown(bool right_button, std::int64_t now_ms) const {
    if (right_button) return Response::HelpMenu;
    if (closed_at_ && now_ms - *closed_at_ <= 0) return Response::None;
    return Response::OpenTypeMenu;
}

TypeMenuButton::Response TypeMenuButton::KeyDown(int key_code, int shift,
                                                 std::int64_t now_ms) const {
    if (key_code != kKeyDown || (shift & kAltBit) == 0) return Response::None;
    return MouseDown(false, now_ms);
}

}  // namespace glyphora
