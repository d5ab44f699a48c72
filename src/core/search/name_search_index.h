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
//
// Grown on demand, it holds the plane from code point 0 up to where searches have looked so far
// and reads further names only when a search runs past that: a word found early in the plane
// needs only the first pages named, not the whole plane.
class NameSearchIndex {
public:
    // Built from the name table's CharName (names must outlive it); null stands for a table
    // without names.
    explicit NameSearchIndex(const NameTable* names, bool grow_on_demand = false);

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
    // Takes the names of the next stretch of code points in; false when the plane is in.
    bool Grow() const;

    const NameTable* names_;
    mutable long built_ = 0;  // code points in the index: 0 .. built_ - 1
    mutable std::string previous_;
    // Each run's folded name followed by '\n'.
    mutable std::string text_;
    // The first code point of each run, then built_; where each run's name starts in text_, then
    // the end.
    mutable std::vector<std::uint32_t> run_first_;
    mutable std::vector<std::uint32_t> run_offset_;
};

}  // namespace glyphora
