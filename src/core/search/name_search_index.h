#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

class NameTable;

// The names of the whole plane laid out for word search: ASCII letters upper-cased (names are
// compared without regard to case; other bytes, such as UTF-8 in a user-edited name, stay as
// they are), all in one buffer. Consecutive code points that share a name (the CJK blocks,
// private use, surrogates, unassigned stretches) are stored once as a run, which halves the
// buffer (about 690 KB), so a word that occurs nowhere costs one memmem pass over it.
class NameSearchIndex {
public:
    // Built from the name table's CharName; null stands for a table without names.
    explicit NameSearchIndex(const NameTable* names);

    // The first code point from `from` to `to` whose name holds every word somewhere (ASCII
    // letters compared without regard to case; order does not matter, a word may sit inside a
    // longer one; an empty word is held by every name); nullopt when none does. Words are UTF-8.
    std::optional<long> FindAll(const std::vector<std::string>& words, long from, long to) const;

    std::size_t RunCount() const { return run_first_.empty() ? 0 : run_first_.size() - 1; }
    std::size_t TextBytes() const { return text_.size(); }
    std::size_t MemoryBytes() const;

private:
    // The first code point at or after from whose name holds the folded, non-empty word.
    std::optional<long> NextHolding(std::string_view word, long from) const;
    std::size_t RunOfCodePoint(long cp) const;
    std::size_t RunOfOffset(std::size_t offset) const;

    std::string text_;                       // each run's folded name followed by '\n'
    std::vector<std::uint32_t> run_first_;   // first code point of each run; then 65536
    std::vector<std::uint32_t> run_offset_;  // where each run's name starts in text_; then the end
};

}  // namespace glyphora
