#pragma once

#include <cstddef>
#include <span>

namespace glyphora {

// The system's character-name service, as the name table uses it. Implementations write into the
// caller's buffer so that naming the whole plane allocates nothing per code point.
class NameService {
public:
    // The buffer size LoadCharData passes; a name never needs more.
    static constexpr std::size_t kBufferSize = 256;

    virtual ~NameService() = default;

    // Writes the UTF-8 name of a code unit into buffer and returns its length in bytes (at most
    // buffer.size(); longer names are cut). Control characters are named "<Control>"; a code point
    // the service does not name gives empty text or "Undefined".
    virtual std::size_t GetUName(char16_t code_unit, std::span<char> buffer) const = 0;
};

}  // namespace glyphora
