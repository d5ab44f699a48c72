#include "cli_common.h"

namespace glyphora::cli {
int RunName(const CliArgs&, std::ostream&) { throw UsageError{"command not available yet"}; }
int RunEntities(const CliArgs&, std::ostream&) { throw UsageError{"command not available yet"}; }
int RunEntity(const CliArgs&, std::ostream&) { throw UsageError{"command not available yet"}; }
}  // namespace glyphora::cli
