#include "cli_common.h"

namespace glyphora::cli {
int RunSubranges(const CliArgs&, std::ostream&) { throw UsageError{"command not available yet"}; }
}  // namespace glyphora::cli
