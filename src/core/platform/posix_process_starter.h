#pragma once

#include <vector>

#include "platform/process_starter.h"

namespace glyphora {

// Starts programs with posix_spawn in a session of their own (so that closing the terminal this
// program was started from does not end them), with default signal handling and no blocked
// signals. Children are reaped once they have ended, at the latest on the next Start, so no
// zombies pile up; children still running when the starter goes away are left running.
class PosixProcessStarter : public ProcessStarter {
public:
    PosixProcessStarter() = default;
    PosixProcessStarter(const PosixProcessStarter&) = delete;
    PosixProcessStarter& operator=(const PosixProcessStarter&) = delete;
    ~PosixProcessStarter() override;

    std::optional<ProcessId> Start(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments) override;
    bool IsRunning(ProcessId process) override;

private:
    void ReapEnded();

    std::vector<ProcessId> children_;
};

}  // namespace glyphora
