#include "base/list_model.h"

#include <cctype>

namespace glyphora {

std::optional<long> KeyNumber(const std::string& key) {
    // The prefix is found case-insensitively, as the lookup of a typed key would.
    for (std::size_t i = 0; i + 1 < key.size(); ++i) {
        if ((key[i] == 'D' || key[i] == 'd') && key[i + 1] == '.') {
            std::size_t pos = i + 2;
            if (pos >= key.size() || !std::isdigit(static_cast<unsigned char>(key[pos])))
                return std::nullopt;
            long value = 0;
            for (; pos < key.size() && std::isdigit(static_cast<unsigned char>(key[pos])); ++pos) {
                value = value * 10 + (key[pos] - '0');
                if (value > 1'000'000'000) return std::nullopt;
            }
            return value;
        }
    }
    return std::nullopt;
}

std::string MakeKey(long n) { return "D." + std::to_string(n); }

}  // namespace glyphora
