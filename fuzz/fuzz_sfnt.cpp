// The sfnt table-directory reader on arbitrary bytes, as a file or a collection face of them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fonts/sfnt_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the face; the rest is the file.
    const std::uint32_t face = data[0] & 0x07;
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    if (const auto subset = glyphora::ReadUnicodeSubset(file, face)) {
        // The field must have come from inside the data.
        volatile std::uint32_t sink = (*subset)[0] ^ (*subset)[3];
        (void)sink;
    }
    return 0;
}
