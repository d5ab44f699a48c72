#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/edit_command.h"
#include "platform/edit_menu.h"
#include "platform/type_menu_button.h"

class QAction;
class QContextMenuEvent;
class QLineEdit;
class QMenu;
class QWidget;

namespace glyphora {

class ContextHelp;

// The pop-up menus of the main window's controls: a right click on a text or combo box opens the
// Edit menu (mEdit) prepared from that box, on the font and subrange lists an Edit menu with Copy
// alone, and on every other control with a help topic the Help menu (mHelp) with "What's This?";
// the table's header buttons show the table's topic and the status bars the topic of the panel
// under the pointer. The cells keep their own Cell menu, which gains "What's This?" too. The
// boxes' own context menus are never shown. The small button on the "Type" panel (pbType) opens
// the Type menu (mType) on a press and on Alt+Down.
class ContextMenus : public QObject {
    Q_OBJECT

public:
    // What the menus need of the boxes' models; every hook may be empty.
    struct EditHooks {
        // The text a box's one-step Undo returns to; nullopt for a box without such a buffer.
        std::function<std::optional<std::u16string>(EditMenuBox)> undo_text;
        // An item's command (Undo, Cut, Copy, Paste, Delete), seen by the box's own handling
        // before the box runs it, as the command's key would be; true when that handling ran it
        // already (the one-step Undo of a box with such a buffer), so the box must not.
        std::function<bool(EditMenuBox, EditCommand)> command;
        // The Edit menu of the box opens (true) or closes (false).
        std::function<void(EditMenuBox, bool)> menu_open;
    };

    ContextMenus(QWidget* window, ContextHelp& help, EditHooks hooks);
    ~ContextMenus() override;

    QMenu* EditMenu() const { return mEdit; }
    QMenu* HelpMenu() const { return mHelp; }
    // The control whose Edit menu is or was last open.
    QWidget* EditBox() const { return edit_box_; }

    // Right-button Help menu for a topic (ShowHelpMenu): "What's This?" shows it.
    void ShowHelpMenu(int topic, const QPoint& global_position);
    // The Edit menu for a box (the control named after it, or a child of it).
    void ShowEditMenu(QWidget* box, EditMenuBox kind, const QPoint& global_position);

    // The clock of the Type button's guard, in milliseconds (tests set their own).
    void SetClock(std::function<std::int64_t()> now_ms) { now_ms_ = std::move(now_ms); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ContextMenuRequested(QWidget* widget, QContextMenuEvent& event);
    bool TypeButtonEvent(QEvent& event);
    void OpenTypeMenu();
    QLineEdit* LineOf(QWidget* box) const;
    void RunEditCommand(QAction* item);
    void BuildMenus();

    QWidget* window_;
    ContextHelp& help_;
    EditHooks hooks_;
    std::function<std::int64_t()> now_ms_;

    QMenu* mHelp = nullptr;
    QAction* mHelpWhatsThis = nullptr;
    QMenu* mEdit = nullptr;
    QAction* mEditUndo = nullptr;
    QAction* mEditSeparator1 = nullptr;
    QAction* mEditCut = nullptr;
    QAction* mEditCopy = nullptr;
    QAction* mEditPaste = nullptr;
    QAction* mEditDelete = nullptr;
    QAction* mEditSeparator2 = nullptr;
    QAction* mEditSelectAll = nullptr;

    QPointer<QWidget> edit_box_;
    EditMenuBox edit_kind_ = EditMenuBox::tbCopy;
    QPointer<QWidget> type_button_widget_;
    TypeMenuButton type_button_;
};

}  // namespace glyphora
