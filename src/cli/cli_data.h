#pragma once

#include "cli_common.h"
#include "unicode/name_table.h"

namespace glyphora::cli {

// The name table as the program would load it: the name and entity data files where the program
// keeps them (or DIR/glyphora.csv and DIR/glyphora.ent with --data-dir DIR), each replaced by the
// built-in copy when it does not exist, as start-up would write that copy first. Names come from
// ICU. Writes nothing. Throws UsageError when --data-dir is not a folder.
NameTable LoadCliNameTable(const CliArgs& args);

}  // namespace glyphora::cli
