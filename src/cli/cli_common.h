#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace glyphora::cli {

// A parsed command line: the command, its operands and its options.
struct CliArgs {
    std::string command;
    std::vector<std::string> operands;
    std::map<std::string, std::string> options;  // "--data-dir" -> "DIR"
    std::set<std::string> flags;                 // "--all"

    bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
    std::optional<std::string> Option(const std::string& name) const {
        auto it = options.find(name);
        if (it == options.end()) return std::nullopt;
        return it->second;
    }
};

// Thrown only inside the CLI for bad input; main turns it into one stderr line and status 2.
struct UsageError {
    std::string message;
};

// "U+20AC", "u+20ac", "0x20AC" or bare "20AC": a code point of the plane (0..FFFF).
std::optional<long> ParseCodeArg(const std::string& text);
// Like ParseCodeArg, but throws UsageError.
long RequireCode(const std::string& text);

// "U+0041".
std::string CodeLabel(long code_point);

using CommandFn = int (*)(const CliArgs& args, std::ostream& out);

struct Command {
    const char* name;
    CommandFn run;
    std::set<std::string> value_options;  // options that take a value
    std::set<std::string> flag_options;   // options without a value
    const char* usage;
    bool raw = false;  // every word after the command is an operand, in order
};

// Each command file defines its commands; main lists them.
int RunName(const CliArgs& args, std::ostream& out);
int RunType(const CliArgs& args, std::ostream& out);
int RunEntities(const CliArgs& args, std::ostream& out);
int RunEntity(const CliArgs& args, std::ostream& out);
int RunSubranges(const CliArgs& args, std::ostream& out);
int RunFonts(const CliArgs& args, std::ostream& out);
int RunGlyphs(const CliArgs& args, std::ostream& out);
int RunPage(const CliArgs& args, std::ostream& out);
int RunEncode(const CliArgs& args, std::ostream& out);
int RunFind(const CliArgs& args, std::ostream& out);
int RunInspect(const CliArgs& args, std::ostream& out);
int RunDecode(const CliArgs& args, std::ostream& out);

}  // namespace glyphora::cli
