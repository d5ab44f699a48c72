#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace glyphora {

// Reads the Unicode subset field (OS/2 ulUnicodeRange1..4) of one face of an sfnt font file
// (TrueType, OpenType/CFF, or a face of a TrueType collection) straight from the table
// directory: start-up needs 16 bytes of every listed family, and a full font parser would cost
// far more than the rest of the font list together.
//
// Every offset and length in the file is checked against the data before it is used; anything
// that is not a well-formed sfnt with an OS/2 table long enough to hold the field gives nullopt.

// face_index: the face within a collection; must be 0 for a single-face file.
std::optional<std::array<std::uint32_t, 4>> ReadUnicodeSubset(std::span<const std::uint8_t> data,
                                                              std::uint32_t face_index);

// The same, reading only the few bytes it needs from a regular file.
std::optional<std::array<std::uint32_t, 4>> ReadUnicodeSubsetFromFile(const std::string& path,
                                                                      std::uint32_t face_index);

}  // namespace glyphora
