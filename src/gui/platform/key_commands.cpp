#include "platform/key_commands.h"

#include <QKeyEvent>

namespace glyphora {

namespace {

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

std::optional<TableCommand> TableCommandForKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (modifiers & Qt::AltModifier) return std::nullopt;
    if (EditCommandForKey(key) == EditCommand::Copy) return TableCommand::CopyCharacter;
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    switch (key.key()) {
        case Qt::Key_Home:
            return ctrl ? TableCommand::First : TableCommand::RowStart;
        case Qt::Key_End:
            return ctrl ? TableCommand::Last : TableCommand::RowEnd;
        case Qt::Key_Left:
            return TableCommand::Left;
        case Qt::Key_Right:
            return TableCommand::Right;
        case Qt::Key_Up:
            return TableCommand::Up;
        case Qt::Key_Down:
            return TableCommand::Down;
        case Qt::Key_PageUp:
            return TableCommand::PageUp;
        case Qt::Key_PageDown:
            return TableCommand::PageDown;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return TableCommand::Activate;
        default:
            return std::nullopt;
    }
}

std::optional<EditCommand> EditCommandForKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    const bool alt = (modifiers & Qt::AltModifier) != 0;
    const int k = key.key();
    if (ctrl && k == Qt::Key_A) return EditCommand::SelectAll;
    if ((ctrl && k == Qt::Key_Z) || (alt && k == Qt::Key_Backspace)) return EditCommand::Undo;
    if ((ctrl && k == Qt::Key_X) || (shift && k == Qt::Key_Delete)) return EditCommand::Cut;
    if (ctrl && (k == Qt::Key_Insert || k == Qt::Key_C)) return EditCommand::Copy;
    if ((shift && k == Qt::Key_Insert) || (ctrl && k == Qt::Key_V)) return EditCommand::Paste;
    if (k == Qt::Key_Delete && !shift && !ctrl && !alt) return EditCommand::Delete;
    return std::nullopt;
}

BoxKey BoxKeyOf(const QKeyEvent& key) { return {EditCommandForKey(key), IsEnterKey(key.key())}; }

bool ReadOnlyBoxKeyPasses(const QKeyEvent& key, bool is_entity) {
    const int k = key.key();
    if (k >= Qt::Key_Home && k <= Qt::Key_Down) return true;  // Home, End and the arrows
    if (is_entity ? IsEnterKey(k) : k == Qt::Key_Tab) return true;
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (modifiers == Qt::NoModifier || (modifiers & Qt::ShiftModifier)) return false;
    return !(k == Qt::Key_V && (modifiers & Qt::ControlModifier));
}

HotKey HotKeyOf(const QKeyEvent& key) {
    const int k = key.key();
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool alt = (modifiers & Qt::AltModifier) != 0;
    if (k == Qt::Key_F1) return {HotKeyAction::WhatsThis};
    if (k == Qt::Key_F3) return {HotKeyAction::SearchNext};
    if (alt && IsEnterKey(k)) return {HotKeyAction::FontProperties};
    // The keypad's digits are keys of their own.
    if (alt && k >= Qt::Key_0 && k <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier))
        return {HotKeyAction::ChooseFormat, k - Qt::Key_0};
    return {};
}

bool IsDropDownKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Down && (key.modifiers() & Qt::AltModifier);
}

}  // namespace glyphora
