#include "base/property_bag.h"

#include <algorithm>

#include "base/text.h"

namespace glyphora {

std::optional<std::string> PropertyBag::ReadProperty(std::string_view key) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return EqualsNoCase(entry.first, key);
    });
    if (it == entries_.end()) return std::nullopt;
    return it->second;
}

void PropertyBag::WriteProperty(std::string_view key, std::string value) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return EqualsNoCase(entry.first, key);
    });
    if (it != entries_.end()) {
        it->second = std::move(value);
    } else {
        entries_.emplace_back(std::string(key), std::move(value));
    }
}

}  // namespace glyphora
