#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "unicode/name_service.h"

namespace glyphora {

// Where the name data file and the entity data file stand.
struct CharDataFiles {
    std::filesystem::path name_file;
    std::filesystem::path entity_file;
};

// A stretch of code points named by a rule instead of one name each.
struct AlgorithmicRange {
    long first;
    long last;
    std::string_view name;
};

// Rows are tried in this order; their code points are never looked up anywhere else.
inline constexpr std::array<AlgorithmicRange, 7> kAlgorithmicRanges = {{
    {0x3400, 0x4DBF, "CJK Unified Ideograph"},
    {0x4E00, 0x9FA5, "CJK Unified Ideograph"},
    {0xD800, 0xDB7F, "Non Private Use High Surrogate"},
    {0xDB80, 0xDBFF, "Private Use High Surrogate"},
    {0xDC00, 0xDFFF, "Low Surrogate"},
    {0xE000, 0xF8FF, "Private Use"},
    {0xF900, 0xFA2D, "CJK Compatibility Ideograph"},
}};

// The character records of the plane: each code point's name and its entity names, merged once
// from the name service, the algorithmic ranges, four fixed control names, the name data file and
// the entity data file; read-only afterwards.
//
// All texts live in one pool (length-prefixed, valid UTF-8) and the records hold 32-bit offsets
// into it, which keeps the table near 1.2 MB instead of 65,536 strings of their own.
class NameTable {
public:
    static constexpr long kCodePointCount = 0x10000;

    // 65,536 empty records.
    NameTable();

    // Builds the table. name_data and entity_data are the texts of the two data files; nullopt
    // stands for a missing file. Replaces whatever an earlier call loaded.
    void LoadCharData(const NameService& service, std::optional<std::string_view> name_data,
                      std::optional<std::string_view> entity_data);
    // The same from files; a path that is not a readable regular file counts as missing.
    void LoadCharData(const NameService& service, const CharDataFiles& files);

    // The stored name, else the name of the algorithmic range that holds cp, else empty text.
    std::string_view CharName(long cp) const;

    // The record's fields; a code point outside 0..65535 has an empty record.
    std::string_view Name(long cp) const;
    long Code(long cp) const;  // cp itself when it has entity names, else 0
    int IEFlag(long cp) const;
    std::string_view Entities(long cp) const;  // "nbsp,NonBreakingSpace" or empty

    // Entities split at ",", in file order; the first is the primary name. Empty elements (from
    // "a,,b") are left out, as they name nothing.
    std::vector<std::string_view> EntityNames(long cp) const;

    // The first code point from `from` up to `to` (at most 65535) one of whose entity names equals
    // name exactly (case-sensitive); nullopt when none does or name is empty.
    std::optional<long> FindEntity(std::string_view name, long from = 0,
                                   long to = kCodePointCount - 1) const;

    // Bytes the table holds on the heap.
    std::size_t MemoryBytes() const;

private:
    void Clear();
    void NameFromService(const NameService& service, long first, long last);
    void SetName(long cp, std::string_view name);
    void ReadNameData(std::string_view text);
    void ReadEntityData(std::string_view text);
    // Adds text to the pool as valid UTF-8 and returns its offset; 0 (the empty text) for empty
    // text or when the pool is full.
    std::uint32_t Store(std::string_view text);
    std::string_view Text(std::uint32_t offset) const;

    std::vector<std::uint32_t> name_;      // pool offset per code point
    std::vector<std::uint32_t> entities_;  // pool offset per code point
    std::vector<bool> ie_flag_;
    std::string pool_;     // offset 0 is the empty text
    std::string scratch_;  // reused while storing, so storing allocates only as the pool grows
};

}  // namespace glyphora
