#pragma once

#include <optional>

namespace glyphora {

// The program's command line, read before anything else happens (no display, no files):
// --help and --version print their text to standard output and end the program with status 0;
// any other argument is refused with one line on standard error and status 2. nullopt: no
// arguments, start the window.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace glyphora
