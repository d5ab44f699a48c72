#pragma once

#include <array>
#include <string>

namespace glyphora {

// A four-part version number as libraries report it: "a.b", followed by ".c.d" only when c or d
// is not 0 ("72.1", "15.0", "10.0.19041.1").
std::string FourPartVersionText(const std::array<unsigned, 4>& parts);

// The second version line of the About box: the library that names the characters, its version
// and the Unicode version its data follows, e.g. "ICU: 72.1 (Unicode 15.0)".
std::string NameLibraryVersionLine();

}  // namespace glyphora
