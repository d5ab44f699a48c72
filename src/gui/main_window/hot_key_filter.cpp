#include "main_window/hot_key_filter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include "copy/copy_format.h"
#include "main_window/context_help.h"
#include "main_window/status_bar.h"
#include "platform/hot_keys.h"
#include "platform/key_commands.h"

namespace glyphora {

namespace {

bool OwnedBy(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (w == window) return true;
    return false;
}

}  // namespace

HotKeyFilter::HotKeyFilter(QWidget* window, ContextHelp& help, Actions actions)
    : QObject(window), window_(window), help_(help), actions_(std::move(actions)) {
    setObjectName("HotKeyFilter");
    qApp->installEventFilter(this);
}

HotKeyFilter::~HotKeyFilter() { qApp->removeEventFilter(this); }

QWidget* HotKeyFilter::FormatButton(int k) const {
    QPointer<QWidget>& button = format_buttons_[static_cast<std::size_t>(k)];
    // The window names them without brackets: that search stops where it finds the option.
    if (!button) button = window_->findChild<QWidget*>(QStringLiteral("obFormat%1").arg(k));
    if (!button) button = window_->findChild<QWidget*>(QStringLiteral("obFormat[%1]").arg(k));
    return button;
}

bool HotKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;
    if (auto* menu = qobject_cast<QMenu*>(widget); menu && OwnedBy(menu, window_)) {
        if (event->type() == QEvent::Show) WatchMenu(menu);
        if (event->type() == QEvent::KeyPress) return MenuKeyDown(*static_cast<QKeyEvent*>(event));
        return false;
    }
    if (event->type() != QEvent::KeyPress || widget->window() != window_) return false;
    // A key travels up from the focused control to the window when nobody takes it; the
    // window looks at it once, on its way in.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr ? widget != focus : widget != window_) return false;
    return WindowKeyDown(*static_cast<QKeyEvent*>(event));
}

bool HotKeyFilter::WindowKeyDown(const QKeyEvent& key) {
    const HotKey pressed = HotKeyOf(key);
    if (pressed.action == HotKeyAction::WhatsThis) {
        // The status bars never take the focus: F1 with the pointer on one of their panels asks
        // for that panel's help.
        const QPoint pointer = QCursor::pos();
        if (QWidget* under = QApplication::widgetAt(pointer); under && under->window() == window_) {
            QWidget* target = ContextHelp::HelpTarget(under, window_);
            if (qobject_cast<StatusBar*>(target) != nullptr) {
                const int topic =
                    ContextHelp::TopicAt(under, under->mapFromGlobal(pointer), window_);
                return help_.ShowTopic(topic, pointer);
            }
        }
    }

    QWidget* focused = ContextHelp::HelpTarget(QApplication::focusWidget(), window_);
    HotKeyState state;
    state.focused_topic = ContextHelp::TopicOf(focused);
    state.search_position = actions_.search_position ? actions_.search_position() : 0;
    for (int k = 0; k < kCopyFormatCount; ++k) {
        const QWidget* button = FormatButton(k);
        // A hidden button cannot take the focus, so it cannot be chosen (compact mode).
        state.formats_enabled.set(static_cast<std::size_t>(k),
                                  button && button->isEnabled() && button->isVisible());
    }

    const HotKey hot_key = FormKeyDown(pressed, state);
    switch (hot_key.action) {
        case HotKeyAction::None:
            return false;
        case HotKeyAction::WhatsThis:
            return help_.ShowTopic(state.focused_topic, focused->mapToGlobal(QPoint(0, 0)));
        case HotKeyAction::SearchNext:
            if (actions_.search_next) actions_.search_next();
            return false;
        case HotKeyAction::FontProperties:
            if (auto* button = window_->findChild<QAbstractButton*>(QStringLiteral("bbFont")))
                button->click();
            return false;
        case HotKeyAction::ChooseFormat:
            if (auto* button = qobject_cast<QAbstractButton*>(FormatButton(hot_key.format))) {
                // Focusing an option button chooses it.
                button->setFocus(Qt::ShortcutFocusReason);
                button->click();
            }
            // Text boxes here take Alt+digit as the digit: the key that chose a format is not
            // also typed into the box that had the focus.
            return true;
    }
    return false;
}

void HotKeyFilter::WatchMenu(QMenu* menu) {
    connect(menu, &QMenu::hovered, this, &HotKeyFilter::ActionHovered, Qt::UniqueConnection);
    connect(menu, &QMenu::aboutToHide, this, &HotKeyFilter::MenuHidden, Qt::UniqueConnection);
    menu_help_.Highlighted(ContextHelp::TopicOf(menu->activeAction()));
}

void HotKeyFilter::ActionHovered(QAction* action) {
    menu_help_.Highlighted(ContextHelp::TopicOf(action));
}

void HotKeyFilter::MenuHidden() {
    // A submenu closing leaves its parent menu's highlight to the parent's next report.
    menu_help_.Highlighted(0);
}

bool HotKeyFilter::MenuKeyDown(const QKeyEvent& key) {
    if (HotKeyOf(key).action != HotKeyAction::WhatsThis) return false;
    // The topic is taken first: closing the menu reports that nothing is highlighted.
    const int topic = menu_help_.TakeTopic();
    for (int open = 0; open < 8; ++open) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr) break;
        popup->close();
    }
    help_.ShowTopic(topic, QCursor::pos());
    return true;
}

}  // namespace glyphora
