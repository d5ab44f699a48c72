#pragma once

#include <optional>
#include <string>

#include "table/main_window_model.h"

namespace glyphora::cli {

// The table as text: 16 rows of cells, separators, then the current cell and the status panels.
std::string PageText(const MainWindowModel& model);
// The model's state as one JSON object.
std::string PageJson(const MainWindowModel& model, std::optional<bool> go_to_result);

}  // namespace glyphora::cli
