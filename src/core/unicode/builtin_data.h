#pragma once

#include <cstddef>
#include <string_view>

// The name, entity and help data files as shipped, embedded at build time (CR LF text). Start-up
// writes them beside the program when they are missing; the CLI falls back to them.
namespace glyphora::builtin {

std::string_view NameData();
std::string_view EntityData();
std::string_view HelpData();  // glyphora.help, the What's This texts

}  // namespace glyphora::builtin
