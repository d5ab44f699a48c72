// Arbitrary bytes as the entity data file, and as one line of it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "base/valid_utf8.h"
#include "unicode/char_data_file.h"
#include "unicode/name_table.h"

namespace {

class SilentNameService final : public glyphora::NameService {
public:
    std::size_t GetUName(char16_t, std::span<char>) const override { return 0; }
};

struct Expected {
    std::string entities;  // the last line's names
    bool ie_flag = false;  // any line's flag
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::map<long, Expected> expected;
    std::string_view rest = text;
    std::string_view line;
    while (glyphora::TakeLine(rest, line)) {
        const auto entry = glyphora::ParseEntityLine(line);
        if (!entry) continue;
        if (entry->code_point < 0 || entry->code_point > 0xFFFF || entry->entities.empty())
            std::abort();
        Expected& e = expected[entry->code_point];
        e.entities.clear();
        glyphora::AppendValidUtf8(e.entities, entry->entities);
        e.ie_flag = e.ie_flag || entry->ie_flag;
    }

    static glyphora::NameTable table;  // reused so each run does not allocate the records anew
    table.LoadCharData(SilentNameService{}, std::nullopt, text);
    for (const auto& [cp, e] : expected) {
        if (table.Entities(cp) != e.entities || table.IEFlag(cp) != (e.ie_flag ? 1 : 0) ||
            table.Code(cp) != cp)
            std::abort();
        // Each name leads back to this code point or to an earlier one that also has it.
        for (std::string_view name : table.EntityNames(cp)) {
            const auto found = table.FindEntity(name, 0, cp);
            if (!found || *found > cp) std::abort();
        }
    }
    // Code points without a line keep empty records.
    const long probe = size > 0 ? data[0] * 256 + data[size - 1] : 0;
    if (!expected.count(probe) &&
        (!table.Entities(probe).empty() || table.Code(probe) != 0 || table.IEFlag(probe) != 0))
        std::abort();
    return 0;
}
