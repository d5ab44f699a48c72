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

}  // namespace

void MainWindow::ConnectIntegration() {
    NameUnnamedControls(this);
    sbTable->setAccessibleName(QStringLiteral("Table rows"));
    context_help_ = new ContextHelp(this);
    connect(bbHelp, &QPushButton::clicked, context_help_, &ContextHelp::EnterWhatsThisMode);

    HotKeyFilter::Actions keys;
    keys.search_position = [this] { return model_.Search().SearchPosition(); };
    keys.search_next = [this] {
        model_.Search().Search();
        Sync();
    };
    hot_keys_ = new HotKeyFilter(this, *context_help_, std::move(keys));

    ContextMenus::EditHooks hooks;
    hooks.undo_text = [this](EditMenuBox box) -> std::optional<std::u16string> {
        switch (box) {
            case EditMenuBox::tbCopy:
                return model_.Copy().ToCopyBox().undo_text;
            case EditMenuBox::cbSearch:
                return model_.Search().UndoText();
            case EditMenuBox::cbPicture:
                return model_.Picture().UndoText();
            default:
                return std::nullopt;
        }
    };
    hooks.undo = [this](EditMenuBox box) {
        if (box == EditMenuBox::tbCopy) {
            // The caret stays where it was.
            const int caret = tbCopy->cursorPosition();
            model_.Copy().UndoToCopy();
            Sync();
            tbCopy->setCursorPosition(caret);
            return true;
        }
        if (box == EditMenuBox::cbSearch) {
            model_.Search().SearchUndo();
            Sync();
            return true;
        }
        if (box == EditMenuBox::cbPicture) {
            model_.Picture().SizeUndo();
            Sync();
            return true;
        }
        return false;
    };
    hooks.key_down = [this](EditMenuBox box, int key_code, int shift) {
        if (box == EditMenuBox::tbCopy) model_.Copy().ToCopyKeyDown(key_code, shift, false);
        if (box == EditMenuBox::cbSearch) model_.Search().SearchKeyDown(key_code, shift);
    };
    hooks.before_paste = [this](EditMenuBox box) {
        if (box == EditMenuBox::tbCopy) model_.Copy().ToCopyBeforePaste();
        if (box == EditMenuBox::tbSearch) model_.Search().SymbolBeforePaste();
    };
    hooks.menu_open = [this](EditMenuBox box, bool open) {
        // Losing the focus to its own Edit menu does not count as leaving the box.
        if (box == EditMenuBox::tbSearch) model_.Search().SetSymbolMenuOpen(open);
        if (box == EditMenuBox::tbGoTo) model_.Search().SetGoToMenuOpen(open);
    };
    context_menus_ = new ContextMenus(this, *context_help_, std::move(hooks));

    char_map_ = new CharMapButton(
        bbCharMap, qgetenv("PATH").toStdString(),
        [this] { return QString::fromStdU16String(model_.FontFamily()); },
        std::make_unique<PosixProcessStarter>(), std::make_unique<X11ProgramWindows>());
}

}  // namespace glyphora
