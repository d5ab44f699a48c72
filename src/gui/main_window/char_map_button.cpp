#include "main_window/char_map_button.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>

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
      poll_timer_(new QTimer(this)),
      exit_poll_(new QTimer(this)) {
    setObjectName("CharMapButton");
    poll_timer_->setObjectName("toMSCharMap");
    poll_timer_->setInterval(CharMapLauncher::kPollIntervalMs);
    connect(poll_timer_, &QTimer::timeout, this, &CharMapButton::Tick);
    exit_poll_->setInterval(1000);
    connect(exit_poll_, &QTimer::timeout, this, &CharMapButton::PollExits);
    button->setEnabled(launcher_->Available());
    connect(button, &QAbstractButton::clicked, this, &CharMapButton::Click);
}

CharMapButton::~CharMapButton() {
    // Programs still running are left running; only the descriptors go.
    for (const auto& [process, watch] : exits_) {
        delete watch.notifier;
        ::close(watch.descriptor);
    }
}

bool CharMapButton::TimerActive() const { return poll_timer_->isActive(); }

void CharMapButton::Click() {
    const QByteArray family = family_ ? family_().toUtf8() : QByteArray();
    launcher_->Click(std::string_view(family.constData(), static_cast<std::size_t>(family.size())));
    if (const auto& started = launcher_->Started()) WatchExit(*started);
    FollowTimer();
}

void CharMapButton::WatchExit(ProcessId process) {
    if (exits_.count(process) > 0 ||
        std::find(polled_.begin(), polled_.end(), process) != polled_.end())
        return;
    int descriptor = -1;
#ifdef SYS_pidfd_open
    descriptor = static_cast<int>(::syscall(SYS_pidfd_open, process, 0));
#endif
    if (descriptor < 0) {
        polled_.push_back(process);
        exit_poll_->start();
        return;
    }
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, process] { Reap(process); });
    exits_.emplace(process, ExitWatch{descriptor, notifier});
}

void CharMapButton::Reap(ProcessId process) {
    const auto watch = exits_.find(process);
    if (watch == exits_.end()) return;
    starter_->IsRunning(process);  // waits for the ended child
    watch->second.notifier->setEnabled(false);
    watch->second.notifier->deleteLater();
    ::close(watch->second.descriptor);
    exits_.erase(watch);
}

void CharMapButton::PollExits() {
    std::erase_if(polled_, [this](ProcessId process) { return !starter_->IsRunning(process); });
    if (polled_.empty()) exit_poll_->stop();
}

void CharMapButton::Tick() {
    launcher_->Tick();
    FollowTimer();
}

void CharMapButton::FollowTimer() {
    if (!launcher_->TimerEnabled())
        poll_timer_->stop();
    else if (!poll_timer_->isActive())
        poll_timer_->start();
}

}  // namespace glyphora
