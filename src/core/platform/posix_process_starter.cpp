#include "platform/posix_process_starter.h"

#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

extern char** environ;

namespace glyphora {
namespace {

// The attributes of a child: empty signal mask, default handling of the signals this program
// or its toolkit may have changed, its own session.
class SpawnAttributes {
public:
    SpawnAttributes() {
        ok_ = posix_spawnattr_init(&attr_) == 0;
        if (!ok_) return;
        sigset_t mask;
        sigemptyset(&mask);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int sig : {SIGPIPE, SIGCHLD, SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2})
            sigaddset(&defaults, sig);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
        flags |= POSIX_SPAWN_SETSID;
#else
        flags |= POSIX_SPAWN_SETPGROUP;
#endif
        ok_ = posix_spawnattr_setsigmask(&attr_, &mask) == 0 &&
              posix_spawnattr_setsigdefault(&attr_, &defaults) == 0 &&
              posix_spawnattr_setflags(&attr_, flags) == 0;
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    ~SpawnAttributes() { posix_spawnattr_destroy(&attr_); }

    bool ok() const { return ok_; }
    const posix_spawnattr_t* get() const { return &attr_; }

private:
    posix_spawnattr_t attr_{};
    bool ok_ = false;
};

}  // namespace

PosixProcessStarter::~PosixProcessStarter() { ReapEnded(); }

std::optional<ProcessId> PosixProcessStarter::Start(const std::filesystem::path& program,
                                                    const std::vector<std::string>& arguments) {
    ReapEnded();
    if (program.empty()) return std::nullopt;
    const SpawnAttributes attributes;
    if (!attributes.ok()) return std::nullopt;

    const std::string path = program.string();
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    // glibc reports a failed exec (missing file, no permission) as the result of posix_spawn.
    if (posix_spawn(&pid, path.c_str(), nullptr, attributes.get(), argv.data(), environ) != 0)
        return std::nullopt;
    children_.push_back(pid);
    return pid;
}

bool PosixProcessStarter::IsRunning(ProcessId process) {
    const auto it = std::find(children_.begin(), children_.end(), process);
    if (it == children_.end()) return false;
    int status = 0;
    pid_t result;
    do {
        result = waitpid(process, &status, WNOHANG);
    } while (result == -1 && errno == EINTR);
    if (result == 0) return true;
    children_.erase(it);  // ended and now reaped, or no longer ours to wait for
    return false;
}

void PosixProcessStarter::ReapEnded() {
    const std::vector<ProcessId> children = children_;
    for (const ProcessId child : children) IsRunning(child);
}

}  // namespace glyphora
