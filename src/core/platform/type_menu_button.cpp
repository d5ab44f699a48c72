#include "platform/type_menu_button.h"

namespace glyphora {

TypeMenuButton::Response TypeMenuButton::MouseDown(bool right_button, std::int64_t now_ms) const {
    if (right_button) return Response::HelpMenu;
    if (closed_at_ && now_ms - *closed_at_ <= 0) return Response::None;
    return Response::OpenTypeMenu;
}

}  // namespace glyphora
