#include "base/allowed_chars_filter.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct FilterCase {
    std::u16string text;
    std::size_t caret;
    std::u16string_view allowed;
    std::u16string kept;
    std::size_t caret_after;
};

}  // namespace
}  // namespace glyphora
