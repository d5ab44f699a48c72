// Parses arbitrary bytes as an INI file, changes it in memory, serialises and parses it again.
// Checks: parsing and serialising gives back every byte; a set value reads back; adding a key
// keeps every other line in order; names and values the layout cannot hold are refused without a
// change; numbers written as text read back as the same number.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/fixed4.h"
#include "app/ini_file.h"
#include "base/text.h"

namespace {

using glyphora::Fixed4;
using glyphora::IniFile;

void Check(bool condition) {
    if (!condition) std::abort();
}

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        lines.push_back(text.substr(0, newline));
        if (newline == std::string_view::npos) break;
        text.remove_prefix(newline + 1);
    }
    return lines;
}

// Every line of before appears in after, in order, with `added` more lines in after. The last line
// of a text without a final line end may have gained a CR of a CR LF end.
void CheckOnlyAdded(std::string_view before, std::string_view after, std::size_t added) {
    const auto old_lines = Lines(before);
    const auto new_lines = Lines(after);
    Check(new_lines.size() == old_lines.size() + added);
    const bool open_end = !before.empty() && before.back() != '\n';
    std::size_t j = 0;
    for (std::size_t i = 0; i < old_lines.size(); ++i) {
        const bool last = i + 1 == old_lines.size();
        auto same = [&](std::string_view line) {
            if (line == old_lines[i]) return true;
            return last && open_end && line.size() == old_lines[i].size() + 1 &&
                   line.substr(0, old_lines[i].size()) == old_lines[i] && line.back() == '\r';
        };
        while (j < new_lines.size() && !same(new_lines[j])) ++j;
        Check(j < new_lines.size());
        ++j;
    }
}

struct Probe {
    const char* section;
    const char* key;
};
constexpr Probe kProbes[] = {
    {"fwMain", "lvFont"}, {"FWMAIN", "chRange"}, {"a", "b"}, {"s", "k"}, {"", "k"}, {"s", ""},
};

void CheckProbesUnchanged(const IniFile& before, const IniFile& after, std::string_view section,
                          std::string_view key) {
    for (const Probe& probe : kProbes) {
        if (glyphora::EqualsNoCase(Trim(probe.section), Trim(section)) &&
            glyphora::EqualsNoCase(Trim(probe.key), Trim(key))) {
            continue;
        }
        Check(before.Get(probe.section, probe.key) == after.Get(probe.section, probe.key));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniFile original = IniFile::Parse(text);
    Check(original.Serialize() == text);

    // A key that is new to the file keeps every other line where it was.
    {
        IniFile ini = original;
        const bool had_section = ini.HasSection("fwMain");
        if (!ini.Get("fwMain", "zzFuzzKey")) {
            Check(ini.Set("fwMain", "zzFuzzKey", "value"));
            const std::string out = ini.Serialize();
            CheckOnlyAdded(text, out, had_section ? 1 : 2);
            const IniFile again = IniFile::Parse(out);
            Check(again.Get("fwmain", "ZZFUZZKEY") == "value");
            CheckProbesUnchanged(original, again, "fwMain", "zzFuzzKey");
        }
    }

    // Names and a value cut from the input: refused without change, or set and read back.
    {
        const std::string_view section = text.substr(0, std::min<std::size_t>(size, 6));
        const std::string_view key = text.substr(std::min<std::size_t>(size, 6), 6);
        const std::string_view value = text.substr(std::min<std::size_t>(size, 12), 40);
        IniFile ini = original;
        const bool valid = IniFile::IsValidSectionName(section) && IniFile::IsValidKey(key) &&
                           IniFile::IsValidValue(value);
        Check(ini.Set(section, key, value) == valid);
        const std::string out = ini.Serialize();
        if (!valid) {
            Check(out == text);
        } else {
            const IniFile again = IniFile::Parse(out);
            Check(again.Serialize() == out);
            Check(again.Get(section, key) == std::string(Trim(value)));
            CheckProbesUnchanged(original, again, section, key);
        }
    }

    // Replacing a section: its entries read back in order, other values stay.
    {
        IniFile ini = original;
        const std::vector<std::pair<std::string, std::string>> entries = {
            {"0", "curl d"}, {"1", std::string(Trim(text.substr(0, 20)))}};
        const bool valid = IniFile::IsValidValue(entries[1].second);
        Check(ini.ReplaceSection("s", entries) == valid);
        IniFile again = IniFile::Parse(ini.Serialize());
        if (valid) {
            const auto read = again.Entries("S");
            Check(read.size() == 2 && read[0].second == "curl d" &&
                  read[1].second == entries[1].second);
            for (const Probe& probe : kProbes) {
                if (!glyphora::EqualsNoCase(Trim(probe.section), "s")) {
                    Check(original.Get(probe.section, probe.key) ==
                          again.Get(probe.section, probe.key));
                }
            }
            Check(again.ReplaceSection("s", {}));
        }
    }

    // Numbers: the text of a parsed number parses to the same number.
    const Fixed4 number = Fixed4::ParseLeading(text);
    Check(Fixed4::ParseLeading(number.ToText()) == number);
    return 0;
}
