#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/zeroed_array.h"
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

// The character records of the plane: each code point's name and its entity names, merged from
// the name service, the algorithmic ranges, four fixed control names, the name data file and the
// entity data file.
//
// The service names one page of 256 code points at a time, when a name of that page is first
// asked for (LoadCharDataOnDemand), or the whole plane at once (LoadCharData): naming the plane
// is most of the cost of start-up, and the window needs one page to show itself. The answers
// are the same either way. A table that still names pages is for one thread at a time.
//
// Texts live in pools (length-prefixed, valid UTF-8: one per page for the names, one for the
// file names and the entities) and the records hold 32-bit offsets into them, which keeps the
// table near 1.7 MB with every page named instead of 65,536 strings of their own. A page's pool is
// written once, so the texts handed out stay valid while the table lives and is not loaded again.
class NameTable {
public:
    static constexpr long kCodePointCount = 0x10000;
    static constexpr long kPageSize = 256;
    static constexpr long kPageCount = kCodePointCount / kPageSize;

    // 65,536 empty records.
    NameTable();

    // Builds the table. name_data and entity_data are the texts of the two data files; nullopt
    // stands for a missing file. Replaces whatever an earlier call loaded.
    void LoadCharData(const NameService& service, std::optional<std::string_view> name_data,
                      std::optional<std::string_view> entity_data);
    // The same from files; a path that is not a readable regular file counts as missing.
    void LoadCharData(const NameService& service, const CharDataFiles& files);
    // Reads the files now and leaves the naming to the first question about each page.
    void LoadCharDataOnDemand(std::shared_ptr<const NameService> service,
                              const CharDataFiles& files);

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
    void ReadNameData(std::string_view text);
    void ReadEntityData(std::string_view text);
    // Names page p once: the service, the fixed control names, then the name file's gaps.
    void NamePage(long page, const NameService& service) const;
    void EnsureNamed(long cp) const {
        if (!named_.test(static_cast<std::size_t>(cp / kPageSize)))
            NamePage(cp / kPageSize, *service_);
    }
    // Adds text to pool as valid UTF-8 and returns its offset; 0 (the empty text) for empty
    // text or when the pool is full.
    static std::uint32_t Store(std::string& pool, std::string_view text);
    static std::string_view Text(const std::string& pool, std::uint32_t offset);

    mutable ZeroedArray<std::uint32_t> name_;  // offset in its page's pool, per code point
    mutable std::array<std::string, kPageCount> page_pools_;
    mutable std::bitset<kPageCount> named_;
    mutable std::shared_ptr<const NameService> service_;  // while pages are left to name
    ZeroedArray<std::uint32_t> file_name_;  // pool_ offset per code point (name data file)
    ZeroedArray<std::uint32_t> entities_;   // pool_ offset per code point
    std::vector<bool> ie_flag_;
    std::string pool_;    // offset 0 is the empty text
    bool empty_ = false;  // as made: nothing written since
};

}  // namespace glyphora
