// name, entities, entity: the name table from the command line.
#include <vector>

#include "cli_common.h"
#include "cli_data.h"

namespace glyphora::cli {

namespace {

// All codes are checked before anything is loaded or printed, so bad input prints nothing.
std::vector<long> RequireCodes(const CliArgs& args) {
    if (args.operands.empty()) throw UsageError{args.command + " needs at least one code"};
    std::vector<long> codes;
    for (const auto& operand : args.operands) codes.push_back(RequireCode(operand));
    return codes;
}

}  // namespace

int RunName(const CliArgs& args, std::ostream& out) {
    const std::vector<long> codes = RequireCodes(args);
    const NameTable table = LoadCliNameTable(args);
    for (long cp : codes) out << CodeLabel(cp) << '\t' << table.CharName(cp) << '\n';
    return 0;
}

int RunEntities(const CliArgs& args, std::ostream& out) {
    const std::vector<long> codes = RequireCodes(args);
    const NameTable table = LoadCliNameTable(args);
    for (long cp : codes) {
        out << CodeLabel(cp) << '\t' << table.Entities(cp) << '\t'
            << (table.IEFlag(cp) == 1 ? "ie" : "") << '\n';
    }
    return 0;
}

int RunEntity(const CliArgs& args, std::ostream& out) {
    if (args.operands.size() != 1) throw UsageError{"entity needs exactly one NAME"};
    const NameTable table = LoadCliNameTable(args);
    const auto cp = table.FindEntity(args.operands.front());
    if (!cp) return 1;
    out << CodeLabel(*cp) << '\n';
    return 0;
}

}  // namespace glyphora::cli
