#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "platform/char_map_launcher.h"

class QAbstractButton;
class QSocketNotifier;
class QTimer;

namespace glyphora {

// bbCharMap and its poll timer toMSCharMap: hands the font chosen in the font list over to the
// desktop's own character map (GNOME Character Map, else KCharSelect, as found on PATH at
// start-up). The button is enabled only when one of them was found; a click starts it with the
// font, or raises the one already running where the desktop allows it. Nothing is ever reported
// to the user. A program it started is reaped as soon as it ends, so that it does not linger as a
// zombie until this program quits.
class CharMapButton : public QObject {
    Q_OBJECT

public:
    // path_variable: the PATH value to search; family: the chosen font's family at the click.
    CharMapButton(QAbstractButton* button, std::string_view path_variable,
                  std::function<QString()> family, std::unique_ptr<ProcessStarter> starter,
                  std::unique_ptr<ProgramWindows> windows);
    ~CharMapButton() override;

    const CharMapLauncher& Launcher() const { return *launcher_; }
    bool TimerActive() const;
    // Started programs not yet seen to end.
    std::size_t Watched() const { return exits_.size() + polled_.size(); }

    void Click();

private:
    void Tick();
    void FollowTimer();
    void WatchExit(ProcessId process);
    void Reap(ProcessId process);
    void PollExits();

    std::function<QString()> family_;
    std::unique_ptr<ProcessStarter> starter_;
    std::unique_ptr<ProgramWindows> windows_;
    std::unique_ptr<CharMapLauncher> launcher_;
    QTimer* poll_timer_ = nullptr;  // toMSCharMap
    // Each watched program's exit: a process descriptor that becomes readable when it ends, or,
    // on a system without them, a poll every second.
    struct ExitWatch {
        int descriptor;
        QSocketNotifier* notifier;
    };
    std::map<ProcessId, ExitWatch> exits_;
    std::vector<ProcessId> polled_;
    QTimer* exit_poll_ = nullptr;
};

}  // namespace glyphora
