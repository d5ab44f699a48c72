#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "unicode/name_service.h"

namespace glyphora::testing {

// Names from a map, a fallback for every other code unit, and a record of what was asked.
class FakeNameService : public NameService {
public:
    explicit FakeNameService(std::map<char16_t, std::string> names = {}, std::string fallback = {})
        : names_(std::move(names)), fallback_(std::move(fallback)) {}

    std::size_t GetUName(char16_t code_unit, std::span<char> buffer) const override {
        asked_.push_back(code_unit);
        const auto it = names_.find(code_unit);
        const std::string& name = it == names_.end() ? fallback_ : it->second;
        const std::size_t n = std::min(name.size(), buffer.size());
        std::copy_n(name.data(), n, buffer.data());
        return reported_length_ ? reported_length_ : n;
    }

    const std::vector<char16_t>& Asked() const { return asked_; }
    // Makes the service report this length whatever it wrote, like a faulty library would.
    void ReportLength(std::size_t length) { reported_length_ = length; }

private:
    std::map<char16_t, std::string> names_;
    std::string fallback_;
    std::size_t reported_length_ = 0;
    mutable std::vector<char16_t> asked_;
};

}  // namespace glyphora::testing
