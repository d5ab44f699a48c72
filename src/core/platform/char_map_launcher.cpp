#include "platform/char_map_launcher.h"

#include <unistd.h>

#include <system_error>

namespace glyphora {
namespace {

bool IsExecutableFile(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0;
}

std::optional<std::filesystem::path> FindOnPath(std::string_view path_variable,
                                                std::string_view name) {
    while (true) {
        const std::size_t colon = path_variable.find(':');
        const std::string_view folder = path_variable.substr(0, colon);
        if (!folder.empty() && folder.front() == '/') {
            std::filesystem::path candidate = std::filesystem::path(folder) / name;
            if (IsExecutableFile(candidate)) return candidate;
        }
        if (colon == std::string_view::npos) return std::nullopt;
        path_variable.remove_prefix(colon + 1);
    }
}

}  // namespace

std::optional<CharMapProgram> FindCharMapProgram(std::string_view path_variable) {
    if (auto path = FindOnPath(path_variable, "gucharmap"))
        return CharMapProgram{CharMapKind::Gucharmap, std::move(*path)};
    if (auto path = FindOnPath(path_variable, "kcharselect"))
        return CharMapProgram{CharMapKind::Kcharselect, std::move(*path)};
    return std::nullopt;
}

std::vector<std::string> CharMapArguments(CharMapKind kind, std::string_view family) {
    if (kind != CharMapKind::Gucharmap || family.empty()) return {};
    return {"--font", std::string(family) + " 20"};
}

CharMapLauncher::CharMapLauncher(std::optional<CharMapProgram> program, ProcessStarter& starter,
                                 ProgramWindows& windows)
    : program_(std::move(program)), starter_(starter), windows_(windows) {}

bool CharMapLauncher::RaiseRunning() {
    return started_ && windows_.CanRaise() && starter_.IsRunning(*started_) &&
           windows_.Raise(*started_);
}

void CharMapLauncher::Click(std::string_view family) {
    if (!program_) return;
    // A program that cannot be given a font gains nothing from a second copy.
    if (program_->kind == CharMapKind::Kcharselect && RaiseRunning()) {
        timer_enabled_ = false;
        return;
    }
    const std::optional<ProcessId> process =
        starter_.Start(program_->path, CharMapArguments(program_->kind, family));
    if (!process) return;  // no message; an earlier wait, if any, goes on
    started_ = process;
    timer_enabled_ = windows_.CanRaise();
}

void CharMapLauncher::Tick() {
    if (!timer_enabled_) return;
    if (!started_ || !starter_.IsRunning(*started_)) {
        // Ended without a window of its own, e.g. after handing over to a running copy.
        timer_enabled_ = false;
        return;
    }
    if (windows_.Raise(*started_)) timer_enabled_ = false;
}

}  // namespace glyphora
