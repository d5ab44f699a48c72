#include "base/list_model.h"

namespace glyphora {

std::string ItemKey(long id) { return "D." + std::to_string(id); }

}  // namespace glyphora
