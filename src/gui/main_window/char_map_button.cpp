#include "main_window/char_map_button.h"

#include <QAbstractButton>
#include <QTimer>

namespace glyphora {

CharMapButton::CharMapButton(QAbstractButton* button, std::string_view path_variable,
                             std::function<QString()> family,
                             std::unique_ptr<ProcessStarter> starter,
                             std::unique_ptr<ProgramWindows> windows)
    : QObject(button),
      family_(std::move(family)),
      starter_(std::move(starter)),
      windows_(std::move(windows)),
      launcher_(std::make_unique<CharMapLauncher>(FindCharMapProgram(path_variable), *starter_,
                                                  *windows_)),
      toMSCharMap(new QTimer(this)) {
    setObjectName("CharMapButton");
    toMSCharMap->setObjectName("toMSCharMap");
    toMSCharMap->setInterval(CharMapLauncher::kPollIntervalMs);
    connect(toMSCharMap, &QTimer::timeout, this, &CharMapButton::Tick);
    button->setEnabled(launcher_->Available());
    connect(button, &QAbstractButton::clicked, this, &CharMapButton::Click);
}

CharMapButton::~CharMapButton() = default;

bool CharMapButton::TimerActive() const { return toMSCharMap->isActive(); }

void CharMapButton::Click() {
    const QByteArray family = family_ ? family_().toUtf8() : QByteArray();
    launcher_->Click(std::string_view(family.constData(), static_cast<std::size_t>(family.size())));
    FollowTimer();
}

void CharMapButton::Tick() {
    launcher_->Tick();
    FollowTimer();
}

void CharMapButton::FollowTimer() {
    if (!launcher_->TimerEnabled())
        toMSCharMap->stop();
    else if (!toMSCharMap->isActive())
        toMSCharMap->start();
}

}  // namespace glyphora
