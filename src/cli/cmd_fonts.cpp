#include "cli_common.h"

namespace glyphora::cli {
int RunFonts(const CliArgs&, std::ostream&) { throw UsageError{"command not available yet"}; }
int RunGlyphs(const CliArgs&, std::ostream&) { throw UsageError{"command not available yet"}; }
}  // namespace glyphora::cli
