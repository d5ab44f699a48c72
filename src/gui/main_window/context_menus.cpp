#include "main_window/context_menus.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QWhatsThis>
#include <algorithm>
#include <array>
#include <chrono>
#include <utility>

#include "main_window/context_help.h"
#include "main_window/status_bar.h"
#include "platform/help_topics.h"
#include "platform/key_commands.h"
#include "table/char_table.h"

namespace glyphora {

namespace {

constexpr std::array<std::pair<const char*, EditMenuBox>, 9> kEditBoxes = {{
    {"tbCopy", EditMenuBox::tbCopy},
    {"tbSearch", EditMenuBox::tbSearch},
    {"tbGoTo", EditMenuBox::tbGoTo},
    {"cbPreview", EditMenuBox::cbPreview},
    {"cbSearch", EditMenuBox::cbSearch},
    {"cbEntity", EditMenuBox::cbEntity},
    {"cbPicture", EditMenuBox::cbPicture},
    {"lvFont", EditMenuBox::lvFont},
    {"lvRange", EditMenuBox::lvRange},
}};

std::optional<EditMenuBox> EditBoxKind(const QString& name) {
    for (const auto& [box_name, kind] : kEditBoxes)
        if (name == QLatin1String(box_name)) return kind;
    return std::nullopt;
}

bool IsList(EditMenuBox kind) {
    return kind == EditMenuBox::lvFont || kind == EditMenuBox::lvRange;
}

// The header buttons show the topic of the first cell, which is the table's.
int TableTopic() { return HelpTopicFor("tlCell[0]"); }

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
    QAction* item = menu->addSeparator();
    item->setObjectName(QLatin1String(name));
    return item;
}

void Apply(QAction* action, const EditMenuItem& item) {
    action->setVisible(item.visible);
    action->setEnabled(item.enabled);
}

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

ContextMenus::ContextMenus(QWidget* window, ContextHelp& help, EditHooks hooks)
    : QObject(window),
      window_(window),
      help_(help),
      hooks_(std::move(hooks)),
      now_ms_(SteadyMilliseconds) {
    setObjectName("ContextMenus");
    BuildMenus();
    type_button_widget_ = window_->findChild<QWidget*>(QStringLiteral("pbType"));
    if (auto* type_menu = window_->findChild<QMenu*>(QStringLiteral("mType"))) {
        // The click that closes the menu over the button must not open it again.
        connect(type_menu, &QMenu::aboutToHide, this,
                [this] { type_button_.MenuClosed(now_ms_()); });
    }
    qApp->installEventFilter(this);
}

ContextMenus::~ContextMenus() { qApp->removeEventFilter(this); }

void ContextMenus::BuildMenus() {
    mHelp = new QMenu(QStringLiteral("&Help"), window_);
    mHelp->setObjectName("mHelp");
    mHelpWhatsThis = AddItem(mHelp, "mHelpWhatsThis", QStringLiteral("&What's This?"));
    connect(mHelpWhatsThis, &QAction::triggered, this, [this] {
        if (mHelpWhatsThis->isEnabled())
            help_.ShowTopic(mHelpWhatsThis->data().toInt(), mHelp->pos());
    });

    mEdit = new QMenu(QStringLiteral("&Edit"), window_);
    mEdit->setObjectName("mEdit");
    mEditUndo = AddItem(mEdit, "mEditUndo", QStringLiteral("&Undo"));
    mEditSeparator1 = AddSeparator(mEdit, "mEditSeparator1");
    mEditCut = AddItem(mEdit, "mEditCut", QStringLiteral("Cu&t"));
    mEditCopy = AddItem(mEdit, "mEditCopy", QStringLiteral("&Copy"));
    mEditPaste = AddItem(mEdit, "mEditPaste", QStringLiteral("&Paste"));
    mEditDelete = AddItem(mEdit, "mEditDelete", QStringLiteral("&Delete"));
    mEditSeparator2 = AddSeparator(mEdit, "mEditSeparator2");
    mEditSelectAll = AddItem(mEdit, "mEditSelectAll", QStringLiteral("Select &All"));
    connect(mEdit, &QMenu::triggered, this, &ContextMenus::RunEditCommand);
    connect(mEdit, &QMenu::aboutToHide, this, [this] {
        if (hooks_.menu_open && edit_box_) hooks_.menu_open(edit_kind_, false);
    });

    // The cells' own menu offers their help as well.
    if (auto* cell_menu = window_->findChild<QMenu*>(QStringLiteral("mCell"))) {
        cell_menu->addSeparator();
        QAction* item = AddItem(cell_menu, "mCellWhatsThis", QStringLiteral("&What's This?"));
        connect(item, &QAction::triggered, this,
                [this, cell_menu] { help_.ShowTopic(TableTopic(), cell_menu->pos()); });
    }
}

void ContextMenus::ShowHelpMenu(int topic, const QPoint& global_position) {
    mHelpWhatsThis->setData(topic);
    mHelpWhatsThis->setEnabled(topic > 0 && !help_.TopicText(topic).isEmpty());
    mHelp->popup(global_position);
}

QLineEdit* ContextMenus::LineOf(QWidget* box) const {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line;
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->lineEdit();
    return nullptr;
}

void ContextMenus::ShowEditMenu(QWidget* box, EditMenuBox kind, const QPoint& global_position) {
    EditBoxState state;
    state.box = kind;
    QPoint at = global_position;
    if (QLineEdit* line = LineOf(box)) {
        state.text = line->text().toStdU16String();
        state.sel_length = static_cast<int>(line->selectedText().size());
        state.sel_start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        state.native_can_undo = line->isUndoAvailable();
    } else if (auto* combo = qobject_cast<QComboBox*>(box)) {
        // A box that cannot be edited shows one text, which counts as selected: Copy copies it.
        state.text = combo->currentText().toStdU16String();
        state.sel_length = static_cast<int>(state.text.size());
    } else if (auto* list = qobject_cast<QAbstractItemView*>(box)) {
        const QModelIndex current = list->currentIndex();
        state.has_selected_item = current.isValid() && list->selectionModel() &&
                                  list->selectionModel()->isSelected(current);
        if (current.isValid()) {
            // Beside the selected item, at its top.
            const QPoint local = list->viewport()->mapFromGlobal(global_position);
            const QRect item = list->visualRect(current);
            if (list->viewport()->rect().intersects(item))
                at = list->viewport()->mapToGlobal(QPoint(local.x(), item.top()));
        }
    }
    const std::optional<std::u16string> undo_text =
        hooks_.undo_text ? hooks_.undo_text(kind) : std::nullopt;
    state.undo_text = undo_text.value_or(state.text);

    const QString clipboard = QGuiApplication::clipboard()->text();
    const EditMenuState menu = EditMenuFor(state, clipboard.toStdU16String());
    Apply(mEditUndo, menu.undo);
    Apply(mEditSeparator1, menu.separator1);
    Apply(mEditCut, menu.cut);
    Apply(mEditCopy, menu.copy);
    Apply(mEditPaste, menu.paste);
    Apply(mEditDelete, menu.del);
    Apply(mEditSeparator2, menu.separator2);
    Apply(mEditSelectAll, menu.select_all);

    edit_box_ = box;
    edit_kind_ = kind;
    if (hooks_.menu_open) hooks_.menu_open(kind, true);
    mEdit->popup(at);
}

void ContextMenus::RunEditCommand(QAction* item) {
    QWidget* box = edit_box_;
    if (box == nullptr || !item->isEnabled()) return;
    const EditMenuBox kind = edit_kind_;
    if (IsList(kind)) {
        if (item != mEditCopy) return;
        const auto* list = qobject_cast<QAbstractItemView*>(box);
        if (list && list->currentIndex().isValid())
            QGuiApplication::clipboard()->setText(list->currentIndex().data().toString());
        return;
    }
    QLineEdit* line = LineOf(box);
    if (line == nullptr) {
        // A box that cannot be edited: its text is all there is to copy.
        if (item == mEditCopy) {
            if (auto* combo = qobject_cast<QComboBox*>(box))
                QGuiApplication::clipboard()->setText(combo->currentText());
        }
        return;
    }
    // Select All changes no text: the box's own handling does not see it.
    if (item == mEditSelectAll) return line->selectAll();
    const std::pair<QAction*, EditCommand> commands[] = {
        {mEditUndo, EditCommand::Undo},     {mEditCut, EditCommand::Cut},
        {mEditCopy, EditCommand::Copy},     {mEditPaste, EditCommand::Paste},
        {mEditDelete, EditCommand::Delete},
    };
    const auto found = std::find_if(std::begin(commands), std::end(commands),
                                    [item](const auto& entry) { return entry.first == item; });
    if (found == std::end(commands)) return;
    if (hooks_.command && hooks_.command(kind, found->second)) return;
    switch (found->second) {
        case EditCommand::Undo:
            return line->undo();
        case EditCommand::Cut:
            return line->cut();
        case EditCommand::Copy:
            return line->copy();
        case EditCommand::Paste:
            return line->paste();
        default:
            return line->del();
    }
}

bool ContextMenus::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    // A disabled control gets no mouse events, so no menu either.
    if (widget == nullptr || widget->window() != window_ || !widget->isEnabled() ||
        QWhatsThis::inWhatsThisMode()) {
        return false;
    }
    if (widget == type_button_widget_) {
        if (TypeButtonEvent(*event)) return true;
    }
    if (event->type() == QEvent::ContextMenu)
        return ContextMenuRequested(widget, *static_cast<QContextMenuEvent*>(event));
    return false;
}

bool ContextMenus::ContextMenuRequested(QWidget* widget, QContextMenuEvent& event) {
    const bool keyboard = event.reason() == QContextMenuEvent::Keyboard;
    const QPoint global =
        keyboard ? widget->mapToGlobal(widget->rect().center()) : event.globalPos();
    // The boxes' own menus are replaced by the Edit menu, whose items follow the program's rules.
    for (QWidget* w = widget; w != nullptr && w != window_; w = w->parentWidget()) {
        if (const auto kind = EditBoxKind(w->objectName())) {
            ShowEditMenu(w, *kind, global);
            return true;
        }
    }
    QWidget* target = ContextHelp::HelpTarget(widget, window_);
    if (target == nullptr) return false;
    if (auto* table = qobject_cast<CharTable*>(target)) {
        // A cell has its own menu; the header buttons show the table's help.
        if (keyboard || table->CellAt(widget->mapTo(table, event.pos())) >= 0) return false;
        ShowHelpMenu(TableTopic(), global);
        return true;
    }
    // The scroll bar keeps its own menu of scroll commands.
    if (target->objectName() == QLatin1String("sbTable")) return false;
    const int topic = keyboard && qobject_cast<StatusBar*>(target) == nullptr
                          ? ContextHelp::TopicOf(target)
                          : ContextHelp::TopicAt(widget, event.pos(), window_);
    // A click beside every panel of a status bar offers nothing.
    if (topic > 0) ShowHelpMenu(topic, global);
    return true;
}

bool ContextMenus::TypeButtonEvent(QEvent& event) {
    TypeMenuButton::Response response = TypeMenuButton::Response::None;
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            // The right button's menu comes with the context menu event that follows.
            if (mouse.button() == Qt::RightButton) return false;
            response = type_button_.MouseDown(false, now_ms_());
            if (response == TypeMenuButton::Response::OpenTypeMenu) OpenTypeMenu();
            return true;  // the button itself does nothing else on a press
        }
        case QEvent::KeyPress: {
            if (!IsDropDownKey(static_cast<const QKeyEvent&>(event))) return false;
            response = type_button_.MouseDown(false, now_ms_());
            if (response != TypeMenuButton::Response::OpenTypeMenu) return false;
            OpenTypeMenu();
            return true;
        }
        default:
            return false;
    }
}

void ContextMenus::OpenTypeMenu() {
    auto* type_menu = window_->findChild<QMenu*>(QStringLiteral("mType"));
    auto* bar = window_->findChild<StatusBar*>(QStringLiteral("pbStatus0"));
    if (type_menu == nullptr || bar == nullptr) return;
    // Left edge at the "Type" panel's, top at the status bar's bottom.
    const QWidget* panel = bar->Panel(QStringLiteral("Type"));
    const int left = panel ? panel->mapToGlobal(QPoint(0, 0)).x() : bar->mapToGlobal(QPoint()).x();
    type_menu->popup(QPoint(left, bar->mapToGlobal(QPoint(0, bar->height())).y()));
}

}  // namespace glyphora
