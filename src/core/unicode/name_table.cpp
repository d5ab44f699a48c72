#include "unicode/name_table.h"

#include <algorithm>
#include <limits>

#include "base/valid_utf8.h"
#include "unicode/char_data_file.h"

namespace glyphora {

namespace {

struct FixedName {
    long code_point;
    std::string_view name;
};

// C1 controls whose names the service does not know; they replace only "<Control>".
constexpr std::array<FixedName, 4> kFixedControlNames = {{
    {0x0080, "Padding Character"},
    {0x0081, "High Octet Preset"},
    {0x0084, "Index"},
    {0x0099, "Single Graphic Character Introducer"},
}};

constexpr std::string_view kControl = "<Control>";
constexpr std::string_view kUndefined = "Undefined";

const AlgorithmicRange* FindAlgorithmicRange(long cp) {
    for (const auto& range : kAlgorithmicRanges)
        if (cp >= range.first && cp <= range.last) return &range;
    return nullptr;
}

bool InPlane(long cp) { return cp >= 0 && cp < NameTable::kCodePointCount; }

}  // namespace

NameTable::NameTable() {
    Clear();
    empty_ = true;
}

void NameTable::Clear() {
    // Loading a table made empty clears nothing again: its arrays are still all zero pages.
    // (A table moved from has none.)
    if (!empty_ || name_.size() == 0) {
        name_ = ZeroedArray<std::uint32_t>(kCodePointCount);
        file_name_ = ZeroedArray<std::uint32_t>(kCodePointCount);
        entities_ = ZeroedArray<std::uint32_t>(kCodePointCount);
    }
    empty_ = false;
    for (std::string& pool : page_pools_) pool.assign(1, '\0');
    named_.set();
    service_.reset();
    ie_flag_.assign(kCodePointCount, false);
    pool_.assign(1, '\0');
}

void NameTable::LoadCharData(const NameService& service, std::optional<std::string_view> name_data,
                             std::optional<std::string_view> entity_data) {
    Clear();
    if (name_data) ReadNameData(*name_data);
    if (entity_data) ReadEntityData(*entity_data);
    pool_.shrink_to_fit();
    for (long page = 0; page < kPageCount; ++page) NamePage(page, service);
}

void NameTable::LoadCharData(const NameService& service, const CharDataFiles& files) {
    const std::optional<std::string> name_data = ReadDataFile(files.name_file);
    const std::optional<std::string> entity_data = ReadDataFile(files.entity_file);
    LoadCharData(service, name_data ? std::optional<std::string_view>(*name_data) : std::nullopt,
                 entity_data ? std::optional<std::string_view>(*entity_data) : std::nullopt);
}

void NameTable::LoadCharDataOnDemand(std::shared_ptr<const NameService> service,
                                     const CharDataFiles& files) {
    Clear();
    if (const auto name_data = ReadDataFile(files.name_file)) ReadNameData(*name_data);
    if (const auto entity_data = ReadDataFile(files.entity_file)) ReadEntityData(*entity_data);
    pool_.shrink_to_fit();
    if (service) {
        service_ = std::move(service);
        named_.reset();
    }
}

void NameTable::NamePage(long page, const NameService& service) const {
    std::string& pool = page_pools_[static_cast<std::size_t>(page)];
    pool.assign(1, '\0');
    char buffer[NameService::kBufferSize] = {};
    std::uint32_t previous = 0;  // runs of "Undefined" or "<Control>" share one copy
    for (long cp = page * kPageSize; cp < (page + 1) * kPageSize; ++cp) {
        // The algorithmic ranges' code points are never asked of the service.
        const std::size_t n =
            FindAlgorithmicRange(cp)
                ? 0
                : std::min(service.GetUName(static_cast<char16_t>(cp), buffer), sizeof buffer);
        std::string_view name(buffer, n);
        if (name == kControl) {
            for (const auto& fixed : kFixedControlNames)
                if (fixed.code_point == cp) name = fixed.name;
        }
        // The file only fills gaps: a name the service gave is never replaced.
        if ((name.empty() || name == kUndefined) && file_name_[cp] != 0)
            name = Text(pool_, file_name_[cp]);
        if (previous != 0 && Text(pool, previous) == name) {
            name_[cp] = previous;
        } else {
            name_[cp] = Store(pool, name);
            previous = name_[cp];
        }
    }
    pool.shrink_to_fit();
    named_.set(static_cast<std::size_t>(page));
    if (named_.all()) service_.reset();
}

void NameTable::ReadNameData(std::string_view text) {
    std::string_view line;
    while (TakeLine(text, line)) {
        const auto entry = ParseNameLine(line);
        if (!entry) continue;
        // Of several lines for one code point the first stands, unless it says "Undefined".
        const std::string_view current = Text(pool_, file_name_[entry->code_point]);
        if (current.empty() || current == kUndefined)
            file_name_[entry->code_point] = Store(pool_, entry->name);
    }
}

void NameTable::ReadEntityData(std::string_view text) {
    std::string_view line;
    while (TakeLine(text, line)) {
        const auto entry = ParseEntityLine(line);
        if (!entry) continue;
        const std::uint32_t offset = Store(pool_, entry->entities);
        if (offset == 0) continue;  // the pool is full
        entities_[entry->code_point] = offset;
        // A later line for the same code point replaces the names but never clears the flag.
        if (entry->ie_flag) ie_flag_[entry->code_point] = true;
    }
}

std::uint32_t NameTable::Store(std::string& pool, std::string_view text) {
    if (text.empty()) return 0;
    // Service names are valid already; only text that is not gets the detour through a copy.
    std::string valid;
    if (!IsValidUtf8(text)) {
        AppendValidUtf8(valid, text);
        text = valid;
    }
    // Offsets are 32-bit; a pool of 4 GB only comes from a broken file, whose rest is dropped.
    constexpr std::size_t kLimit = std::numeric_limits<std::uint32_t>::max();
    if (pool.size() + text.size() + 10 > kLimit) return 0;
    const auto offset = static_cast<std::uint32_t>(pool.size());
    // Length first, seven bits per byte (names under 128 bytes take one byte).
    std::size_t length = text.size();
    while (length >= 0x80) {
        pool.push_back(static_cast<char>(0x80 | (length & 0x7F)));
        length >>= 7;
    }
    pool.push_back(static_cast<char>(length));
    pool.append(text);
    return offset;
}

std::string_view NameTable::Text(const std::string& pool, std::uint32_t offset) {
    std::size_t length = 0;
    int shift = 0;
    std::size_t at = offset;
    for (;;) {
        const auto byte = static_cast<unsigned char>(pool[at++]);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (byte < 0x80) break;
        shift += 7;
    }
    return std::string_view(pool).substr(at, length);
}

std::string_view NameTable::CharName(long cp) const {
    const std::string_view stored = Name(cp);
    if (!stored.empty()) return stored;
    if (const AlgorithmicRange* range = FindAlgorithmicRange(cp)) return range->name;
    return {};
}

std::string_view NameTable::Name(long cp) const {
    if (!InPlane(cp)) return {};
    EnsureNamed(cp);
    return Text(page_pools_[static_cast<std::size_t>(cp / kPageSize)], name_[cp]);
}

long NameTable::Code(long cp) const {
    // The loader sets Code together with non-empty entities and never clears either.
    return InPlane(cp) && entities_[cp] != 0 ? cp : 0;
}

int NameTable::IEFlag(long cp) const { return InPlane(cp) && ie_flag_[cp] ? 1 : 0; }

std::string_view NameTable::Entities(long cp) const {
    return InPlane(cp) ? Text(pool_, entities_[cp]) : std::string_view{};
}

std::vector<std::string_view> NameTable::EntityNames(long cp) const {
    std::vector<std::string_view> names;
    std::string_view rest = Entities(cp);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = rest.substr(0, comma);
        if (!name.empty()) names.push_back(name);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return names;
}

std::optional<long> NameTable::FindEntity(std::string_view name, long from, long to) const {
    if (name.empty()) return std::nullopt;
    from = std::max(from, 0L);
    to = std::min(to, kCodePointCount - 1);
    for (long cp = from; cp <= to; ++cp) {
        if (entities_[cp] == 0) continue;
        std::string_view rest = Text(pool_, entities_[cp]);
        for (;;) {
            const std::size_t comma = rest.find(',');
            if (rest.substr(0, comma) == name) return cp;
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }
    return std::nullopt;
}

std::size_t NameTable::MemoryBytes() const {
    std::size_t bytes =
        (name_.size() + file_name_.size() + entities_.size()) * sizeof(std::uint32_t) +
        ie_flag_.capacity() / 8 + pool_.capacity();
    for (const std::string& pool : page_pools_) bytes += pool.capacity();
    return bytes;
}

}  // namespace glyphora
