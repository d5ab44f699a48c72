#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphora {

// The saved settings of a reusable control, as its host keeps them: keys with text values, in
// the order they were written. Keys match without regard to ASCII case, so a bag written as
// "caption" reads back under "Caption".
class PropertyBag {
public:
    using Entry = std::pair<std::string, std::string>;

    // The value stored under the key, or nullopt when the bag has no such key.
    std::optional<std::string> ReadProperty(std::string_view key) const;

    // Replaces the value of an existing key (keeping its spelling and place) or appends the key.
    void WriteProperty(std::string_view key, std::string value);

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

}  // namespace glyphora
