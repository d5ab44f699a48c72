// glyphora-cli: the character map's data and models, scriptable. Output is UTF-8, one line per
// result, fields separated by one TAB; bad input gives one line on stderr and status 2.
#include <iostream>
#include <vector>

#include "app/version_info.h"
#include "cli_common.h"

using namespace glyphora::cli;

namespace {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"name", RunName, {"--data-dir"}, {}, "name CODE...           names of code points"},
        {"type", RunType, {}, {}, "type CODE...           character types"},
        {"entities", RunEntities, {"--data-dir"}, {}, "entities CODE...       entity names of code points"},
        {"entity", RunEntity, {"--data-dir"}, {}, "entity NAME            code point of an entity name"},
        {"subranges", RunSubranges, {"--coverage", "--font", "--data-dir"}, {"--all", "--counts"},
         "subranges [--all] [--coverage BITS | --font FAMILY [--counts]]   the Subranges list"},
        {"fonts", RunFonts, {"--covering"}, {}, "fonts [--covering CODE]   installed font families"},
        {"glyphs", RunGlyphs, {}, {}, "glyphs FAMILY          glyph ranges of a family"},
        {"find", RunFind, {"--show-all", "--font", "--next", "--data-dir"}, {},
         "find [--show-all on|off] [--font FAMILY] [--next N] TEXT   name or entity search"},
        {"page", RunPage, {}, {},
         "page [ACTION...] [--json]   drive the character table (see README)", true},
        {"encode", RunEncode, {"--format", "--code-page", "--font", "--data-dir"}, {"--current"},
         "encode --format N [--code-page ROW] [--font FAMILY] [--current] TEXT   what Copy puts "
         "on the clipboard"},
        {"inspect", RunInspect, {"--data-dir"}, {},
         "inspect TEXT           code, character, name and type of each character (any plane)"},
        {"decode", RunDecode, {"--data-dir"}, {},
         "decode TEXT            U+20AC, \\u20ac, &#x20AC;, &#8364;, %E2%82%AC, &euro; back to text"},
    };
    return commands;
}

void PrintUsage(std::ostream& out) {
    out << "usage: glyphora-cli COMMAND [ARGS]\n"
           "       glyphora-cli --help | --version\n"
           "codes: U+20AC, 0x20AC or 20AC; --data-dir DIR reads glyphora.csv/.ent from DIR\n";
    for (const auto& command : Commands()) out << "  " << command.usage << "\n";
}

CliArgs Parse(const Command& command, int argc, char** argv) {
    CliArgs args;
    args.command = command.name;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (command.raw) {
            args.operands.push_back(word);
            continue;
        }
        if (word.size() > 2 && word.rfind("--", 0) == 0) {
            if (command.value_options.count(word)) {
                if (i + 1 >= argc) throw UsageError{word + " needs a value"};
                args.options[word] = argv[++i];
            } else if (command.flag_options.count(word)) {
                args.flags.insert(word);
            } else {
                throw UsageError{"unknown option for " + args.command + ": " + word};
            }
        } else {
            args.operands.push_back(word);
        }
    }
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    if (name == "--version" || name == "-v") {
        std::cout << "glyphora-cli " << glyphora::ReleaseVersionText(glyphora::kProgramVersion)
                  << "\n";
        return 0;
    }
    for (const auto& command : Commands()) {
        if (name != command.name) continue;
        try {
            return command.run(Parse(command, argc, argv), std::cout);
        } catch (const UsageError& error) {
            std::cerr << "glyphora-cli: " << error.message << "\n";
            return 2;
        }
    }
    std::cerr << "glyphora-cli: unknown command '" << name << "' (try glyphora-cli --help)\n";
    return 2;
}
