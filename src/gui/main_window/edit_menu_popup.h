#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <map>

#include "platform/edit_menu.h"

class QAction;
class QLineEdit;
class QMenu;
class QPoint;
class QWidget;

namespace glyphora {

class MainWindowModel;

// The Edit pop-up menu mEdit of the main window's text and combo boxes: Undo, Cut, Copy, Paste,
// Delete and Select All act directly on the box the menu was opened on. Undo in the To-copy,
// picture size and search boxes swaps the text with the box's one-step undo text in the model;
// the other boxes use their own undo. Which items show and which are enabled comes from the
// core's Edit menu rules (EditMenuFor), applied when the menu opens.
class EditMenuPopup : public QObject {
    Q_OBJECT

public:
    EditMenuPopup(MainWindowModel& model, std::function<void()> after, QWidget* parent);

    // A right click in box (a QLineEdit or an editable QComboBox) opens the menu for it.
    void Attach(QWidget* box, EditMenuBox kind);

    QMenu* Menu() const { return mEdit; }
    // Opens the menu for box at a global position.
    void Popup(QWidget* box, const QPoint& at);
    // Runs one of the Edit commands (kEditUndo .. kEditSelectAll) on box.
    void Run(int command, QWidget* box);

private:
    QLineEdit* EditOf(QWidget* box) const;
    EditBoxState StateOf(QWidget* box) const;
    void Prepare(QWidget* box);
    void SetMenuOpen(QWidget* box, bool open);

    MainWindowModel& model_;
    std::function<void()> after_;
    std::map<QWidget*, EditMenuBox> boxes_;
    QPointer<QWidget> target_;

    QMenu* mEdit = nullptr;
    QAction* mEditUndo = nullptr;
    QAction* mEditSeparator1 = nullptr;
    QAction* mEditCut = nullptr;
    QAction* mEditCopy = nullptr;
    QAction* mEditPaste = nullptr;
    QAction* mEditDelete = nullptr;
    QAction* mEditSeparator2 = nullptr;
    QAction* mEditSelectAll = nullptr;
};

}  // namespace glyphora
