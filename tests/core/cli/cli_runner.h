#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace glyphora::testing {

struct CliRun {
    int status = -1;
    std::string out;
};

// Runs the built glyphora-cli with the arguments (already quoted for the shell); stderr is
// dropped.
inline CliRun RunCli(const std::string& arguments) {
    const std::string command =
        std::string("'") + GLYPHORA_CLI_PATH + "' " + arguments + " 2>/dev/null";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// One word for the shell, whatever it holds.
inline std::string ShellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs glyphora-cli with these words as its arguments, each passed as it is.
inline CliRun RunCliWords(std::initializer_list<std::string> words) {
    std::string arguments;
    for (const auto& word : words) arguments += ShellQuote(word) + " ";
    return RunCli(arguments);
}

inline std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

inline std::vector<std::string> Lines(const std::string& text) { return Split(text, '\n'); }

}  // namespace glyphora::testing
