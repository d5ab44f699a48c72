#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// The default 8-bit code page, Windows-1252, with its five unassigned bytes (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) standing for the C1 controls of the same value. Every byte then has exactly one
// character and back, so a byte string shown or carried as text comes back unchanged.

char16_t Cp1252ByteToChar(unsigned char byte);

// The byte of a character, or nullopt for the characters the code page lacks.
std::optional<unsigned char> Cp1252CharToByte(char16_t c);

// One character per byte.
std::u16string Cp1252BytesToText(std::string_view bytes);

// The inverse of Cp1252BytesToText; nullopt when a character has no byte, i.e. the text did not
// come from a byte string.
std::optional<std::string> TextToCp1252Bytes(std::u16string_view text);

}  // namespace glyphora
