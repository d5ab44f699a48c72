#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/char_map_launcher.h"

class QAbstractButton;
class QTimer;

namespace glyphora {

// bbCharMap and its poll timer toMSCharMap: hands the font chosen in the font list over to the
// desktop's own character map (GNOME Character Map, else KCharSelect, as found on PATH at
// start-up). The button is enabled only when one of them was found; a click starts it with the
// font, or raises the one already running where the desktop allows it. Nothing is ever reported
// to the user.
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

    void Click();

private:
    void Tick();
    void FollowTimer();

    std::function<QString()> family_;
    std::unique_ptr<ProcessStarter> starter_;
    std::unique_ptr<ProgramWindows> windows_;
    std::unique_ptr<CharMapLauncher> launcher_;
    QTimer* toMSCharMap = nullptr;
};

}  // namespace glyphora
