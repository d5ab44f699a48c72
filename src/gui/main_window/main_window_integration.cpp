// fwMain's desktop integration: context help and What's This, the window's hot keys, the
// controls' pop-up menus and the character map button.
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <memory>
#include <optional>
#include <string>

#include "main_window/char_map_button.h"
#include "main_window/context_help.h"
#include "main_window/context_menus.h"
#include "main_window/hot_key_filter.h"
#include "main_window/main_window.h"
#include "platform/posix_process_starter.h"
#include "platform/x11_program_windows.h"

namespace glyphora {

namespace {

// Names for the controls a screen reader would otherwise announce without one: lists with a
// label (Qt's item views do not read their buddy labels) and buttons that show only an arrow.
void NameUnnamedControls(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        auto* list = qobject_cast<QAbstractItemView*>(label->buddy());
        if (list && list->accessibleName().isEmpty())
            list->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
    }
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        if (button->text().isEmpty() && button->accessibleName().isEmpty())
            button->setAccessibleName(button->toolTip());
    }
}

// What the Edit menu asks of the boxes whose undo and edits the model keeps.
ContextMenus::EditHooks EditMenuHooks(MainWindowModel& model, QLineEdit* copy_box,
                                      const std::function<void()>& sync) {
    ContextMenus::EditHooks hooks;
    hooks.undo_text = [&model, copy_box, sync](EditMenuBox box) -> std::optional<std::u16string> {
        switch (box) {
            case EditMenuBox::tbCopy:
                return model.Copy().ToCopyBox().undo_text;
            case EditMenuBox::cbSearch:
                return model.Search().UndoText();
            case EditMenuBox::cbPicture:
                return model.Picture().UndoText();
            default:
                return std::nullopt;
        }
    };
    hooks.command = [&model, copy_box, sync](EditMenuBox box, EditCommand command) {
        if (command == EditCommand::Undo) {
            // The one-step Undo of the boxes that keep their undo text is the model's.
            const int caret = copy_box->cursorPosition();
            switch (box) {
                case EditMenuBox::tbCopy:
                    model.Copy().UndoToCopy();
                    break;
                case EditMenuBox::cbSearch:
                    model.Search().SearchUndo();
                    break;
                case EditMenuBox::cbPicture:
                    model.Picture().SizeUndo();
                    break;
                default:
                    return false;
            }
            sync();
            // The To-copy box's caret stays where it was.
            if (box == EditMenuBox::tbCopy) copy_box->setCursorPosition(caret);
            return true;
        }
        // The others are the box's own, after the model has seen them as it sees their keys.
        if (box == EditMenuBox::tbCopy) model.Copy().ToCopyKeyDown({command});
        if (box == EditMenuBox::cbSearch) model.Search().SearchKeyDown({command});
        if (box == EditMenuBox::tbSearch && command == EditCommand::Paste)
            model.Search().SymbolBeforePaste();
        return false;
    };
    hooks.menu_open = [&model, copy_box, sync](EditMenuBox box, bool open) {
        // Losing the focus to its own Edit menu does not count as leaving the box.
        if (box == EditMenuBox::tbSearch) model.Search().SetMenuOpen(SearchOption::Symbol, open);
        if (box == EditMenuBox::tbGoTo) model.Search().SetMenuOpen(SearchOption::GoTo, open);
    };
    return hooks;
}

}  // namespace

void MainWindow::ConnectIntegration() {
    NameUnnamedControls(this);
    upper_.scroll_bar->setAccessibleName(QStringLiteral("Table rows"));
    helpers_.context_help = new ContextHelp(this);
    connect(lower_.help, &QPushButton::clicked, helpers_.context_help,
            &ContextHelp::EnterWhatsThisMode);

    HotKeyFilter::Actions keys;
    keys.search_position = [this] { return model_.Search().SearchPosition(); };
    keys.search_next = [this] {
        model_.Search().Search();
        Sync();
    };
    helpers_.hot_keys = new HotKeyFilter(this, *helpers_.context_help, std::move(keys));

    helpers_.context_menus =
        new ContextMenus(this, *helpers_.context_help,
                         EditMenuHooks(model_, copy_controls_.copy_box, [this] { Sync(); }));

    helpers_.char_map = new CharMapButton(
        lower_.char_map, qgetenv("PATH").toStdString(),
        [this] { return QString::fromStdU16String(model_.Fonts().Family()); },
        std::make_unique<PosixProcessStarter>(), std::make_unique<X11ProgramWindows>());
}

}  // namespace glyphora
