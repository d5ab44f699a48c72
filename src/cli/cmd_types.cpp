#include "cli_common.h"

namespace glyphora::cli {
int RunType(const CliArgs&, std::ostream&) { throw UsageError{"command not available yet"}; }
}  // namespace glyphora::cli
