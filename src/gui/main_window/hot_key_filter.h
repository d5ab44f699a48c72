#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

#include "copy/copy_format.h"
#include "platform/menu_help.h"

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

namespace glyphora {

class ContextHelp;

// The main window's view of every key before its focused control sees it, and of its open menus:
// F1 shows the What's This of the focused control (or of the status-bar panel under the
// pointer), F3 finds the next name, Alt+Enter opens the font's properties and Alt+0 .. Alt+9
// choose a copy format; F1 on a highlighted menu item closes the menu and shows the item's help.
// Apart from F1 that showed help and Alt+digit that chose a format, the keys go on to the
// focused control as usual.
class HotKeyFilter : public QObject {
    Q_OBJECT

public:
    struct Actions {
        // Where the next name search resumes (0 before a search and after the text changed).
        std::function<long()> search_position;
        // The search button's action: find the next match.
        std::function<void()> search_next;
    };

    HotKeyFilter(QWidget* window, ContextHelp& help, Actions actions);
    ~HotKeyFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool WindowKeyDown(const QKeyEvent& key);
    bool MenuKeyDown(const QKeyEvent& key);
    void WatchMenu(QMenu* menu);
    void ActionHovered(QAction* action);
    void MenuHidden();
    // The copy format option k, by its object name: "obFormat[k]" or "obFormat" + k. Found once
    // (every key passes here, and a search of the whole window per option and key cost as much
    // as the key's own work), looked for again only while it is missing.
    QWidget* FormatButton(int k) const;

    QWidget* window_;
    mutable std::array<QPointer<QWidget>, kCopyFormatCount> format_buttons_;
    ContextHelp& help_;
    Actions actions_;
    MenuHelp menu_help_;
};

}  // namespace glyphora
