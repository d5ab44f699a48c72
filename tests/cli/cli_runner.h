#pragma once

#include <gtest/gtest.h>
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

inline std::vector<std::string> Split(const std::string& text, char separator = '\n') {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

// Runs each command line and compares its exit status and its whole output.
struct CliCase {
    std::string args;
    int status;
    std::string out;
};

inline void ExpectRuns(std::initializer_list<CliCase> cases, const std::string& prefix = "") {
    for (const CliCase& c : cases) {
        const CliRun run = RunCli(prefix + c.args);
        EXPECT_EQ(run.status, c.status) << prefix + c.args;
        EXPECT_EQ(run.out, c.out) << prefix + c.args;
    }
}

}  // namespace glyphora::testing
