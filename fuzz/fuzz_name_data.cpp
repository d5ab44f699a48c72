// Arbitrary bytes as the name data file, and as one line of it.
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

// Names nothing, so every entry of the file is stored where its code is in the plane.
class SilentNameService final : public glyphora::NameService {
public:
    std::size_t GetUName(char16_t, std::span<char>) const override { return 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The name each code point must end with.
    std::map<long, std::string> expected;
    std::string_view rest = text;
    std::string_view line;
    while (glyphora::TakeLine(rest, line)) {
        if (line.find_first_of("\r\n") != std::string_view::npos) std::abort();
        const auto entry = glyphora::ParseNameLine(line);
        if (!entry) continue;
        if (entry->code_point < 0 || entry->code_point > 0xFFFF || entry->name.empty())
            std::abort();
        if (entry->name.front() == ' ' || entry->name.front() == ',' || entry->name.back() == ' ' ||
            entry->name.back() == ',')
            std::abort();
        // An entry only fills an empty or "Undefined" name, also one an earlier entry gave.
        std::string& name = expected[entry->code_point];
        if (!name.empty() && name != "Undefined") continue;
        name.clear();
        glyphora::AppendValidUtf8(name, entry->name);
    }

    static glyphora::NameTable table;  // reused so each run does not allocate the records anew
    table.LoadCharData(SilentNameService{}, text, std::nullopt);
    for (const auto& [cp, name] : expected) {
        if (table.Name(cp) != name || !glyphora::IsValidUtf8(table.Name(cp))) std::abort();
    }
    return 0;
}
