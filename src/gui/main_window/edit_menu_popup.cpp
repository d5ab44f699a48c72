#include "main_window/edit_menu_popup.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>

#include "copy/edit_command.h"
#include "table/main_window_model.h"

namespace glyphora {

namespace {

QAction* Item(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void Apply(QAction* action, const EditMenuItem& item) {
    action->setVisible(item.visible);
    action->setEnabled(item.enabled);
}

}  // namespace

EditMenuPopup::EditMenuPopup(MainWindowModel& model, std::function<void()> after, QWidget* parent)
    : QObject(parent), model_(model), after_(std::move(after)) {
    mEdit = new QMenu(QStringLiteral("&Edit"), parent);
    mEdit->setObjectName(QStringLiteral("mEdit"));
    mEditUndo = Item(mEdit, QStringLiteral("&Undo"), "mEditUndo");
    mEditSeparator1 = Separator(mEdit, "mEditSeparator1");
    mEditCut = Item(mEdit, QStringLiteral("Cu&t"), "mEditCut");
    mEditCopy = Item(mEdit, QStringLiteral("&Copy"), "mEditCopy");
    mEditPaste = Item(mEdit, QStringLiteral("&Paste"), "mEditPaste");
    mEditDelete = Item(mEdit, QStringLiteral("&Delete"), "mEditDelete");
    mEditSeparator2 = Separator(mEdit, "mEditSeparator2");
    mEditSelectAll = Item(mEdit, QStringLiteral("Select &All"), "mEditSelectAll");

    const std::pair<QAction*, int> commands[] = {
        {mEditUndo, kEditUndo},   {mEditCut, kEditCut},       {mEditCopy, kEditCopy},
        {mEditPaste, kEditPaste}, {mEditDelete, kEditDelete}, {mEditSelectAll, kEditSelectAll}};
    for (const auto& [action, command] : commands) {
        connect(action, &QAction::triggered, this, [this, command = command] {
            if (target_) Run(command, target_);
        });
    }
    connect(mEdit, &QMenu::aboutToHide, this, [this] {
        if (target_) SetMenuOpen(target_, false);
    });
}

void EditMenuPopup::Attach(QWidget* box, EditMenuBox kind) {
    boxes_[box] = kind;
    QList<QWidget*> surfaces{box};
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        surfaces.push_back(combo->lineEdit());
    for (QWidget* surface : surfaces) {
        surface->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(surface, &QWidget::customContextMenuRequested, this,
                [this, box, surface](const QPoint& at) { Popup(box, surface->mapToGlobal(at)); });
    }
}

QLineEdit* EditMenuPopup::EditOf(QWidget* box) const {
    if (auto* edit = qobject_cast<QLineEdit*>(box)) return edit;
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->lineEdit();
    return nullptr;
}

EditBoxState EditMenuPopup::StateOf(QWidget* box) const {
    EditBoxState state;
    const auto kind = boxes_.find(box);
    if (kind != boxes_.end()) state.box = kind->second;
    if (auto* view = qobject_cast<QAbstractItemView*>(box)) {
        state.has_selected_item = view->currentIndex().isValid();
        return state;
    }
    QLineEdit* edit = EditOf(box);
    if (!edit) return state;
    state.text = edit->text().toStdU16String();
    state.sel_start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    state.sel_length = static_cast<int>(edit->selectedText().size());
    state.native_can_undo = edit->isUndoAvailable();
    switch (state.box) {
        case EditMenuBox::tbCopy:
            state.undo_text = model_.Copy().ToCopyBox().undo_text;
            break;
        case EditMenuBox::cbPicture:
            state.undo_text = model_.Picture().UndoText();
            break;
        case EditMenuBox::cbSearch:
            state.undo_text = model_.Search().UndoText();
            break;
        default:
            state.undo_text = state.text;
            break;
    }
    return state;
}

void EditMenuPopup::Prepare(QWidget* box) {
    const EditMenuState menu =
        EditMenuFor(StateOf(box), QGuiApplication::clipboard()->text().toStdU16String());
    Apply(mEditUndo, menu.undo);
    Apply(mEditSeparator1, menu.separator1);
    Apply(mEditCut, menu.cut);
    Apply(mEditCopy, menu.copy);
    Apply(mEditPaste, menu.paste);
    Apply(mEditDelete, menu.del);
    Apply(mEditSeparator2, menu.separator2);
    Apply(mEditSelectAll, menu.select_all);
}

void EditMenuPopup::SetMenuOpen(QWidget* box, bool open) {
    const auto kind = boxes_.find(box);
    if (kind == boxes_.end()) return;
    // While the menu is open the box keeps its text, though it has lost the focus to the menu.
    if (kind->second == EditMenuBox::tbSearch) model_.Search().SetSymbolMenuOpen(open);
    if (kind->second == EditMenuBox::tbGoTo) model_.Search().SetGoToMenuOpen(open);
}

void EditMenuPopup::Popup(QWidget* box, const QPoint& at) {
    target_ = box;
    if (QLineEdit* edit = EditOf(box); edit && !edit->hasFocus())
        edit->setFocus(Qt::MouseFocusReason);
    Prepare(box);
    SetMenuOpen(box, true);
    mEdit->popup(at);
}

void EditMenuPopup::Run(int command, QWidget* box) {
    const auto kind = boxes_.find(box);
    const std::optional<EditMenuBox> which =
        kind == boxes_.end() ? std::nullopt : std::optional(kind->second);
    if (auto* view = qobject_cast<QAbstractItemView*>(box)) {
        // A list copies the name of its chosen item.
        if (command == kEditCopy && view->currentIndex().isValid())
            model_.Copy().PutTextOnClipboard(
                view->currentIndex().data().toString().toStdU16String());
        after_();
        return;
    }
    QLineEdit* edit = EditOf(box);
    if (!edit) return;
    switch (command) {
        case kEditUndo:
            if (which == EditMenuBox::tbCopy)
                model_.Copy().UndoToCopy();
            else if (which == EditMenuBox::cbPicture)
                model_.Picture().SizeUndo();
            else if (which == EditMenuBox::cbSearch)
                model_.Search().SearchUndo();
            else
                edit->undo();
            break;
        case kEditCut:
            edit->cut();
            break;
        case kEditCopy:
            edit->copy();
            break;
        case kEditPaste:
            if (which == EditMenuBox::tbCopy) model_.Copy().ToCopyBeforePaste();
            if (which == EditMenuBox::tbSearch) model_.Search().SymbolBeforePaste();
            edit->paste();
            break;
        case kEditDelete:
            edit->del();
            break;
        case kEditSelectAll:
            edit->selectAll();
            break;
        default:
            break;
    }
    after_();
}

}  // namespace glyphora
