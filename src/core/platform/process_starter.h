#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

using ProcessId = int;

// Starts other programs. PosixProcessStarter does it in the core; the window may use its
// toolkit's process class instead.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts program (a full path) with the arguments, detached from this program's terminal,
    // without waiting for it. nullopt when it could not be started.
    virtual std::optional<ProcessId> Start(const std::filesystem::path& program,
                                           const std::vector<std::string>& arguments) = 0;
    // Whether a process this starter started is still running.
    virtual bool IsRunning(ProcessId process) = 0;
};

}  // namespace glyphora
