#pragma once

#include <string>

namespace glyphora::cli {

// The coverage string of an installed, listed font family (exact name, else ASCII
// case-insensitive); throws UsageError for a family the font list does not hold.
std::string CoverageOfFamily(const std::string& family);

}  // namespace glyphora::cli
