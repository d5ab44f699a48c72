#include "search/name_search_index.h"

#include <string.h>  // memmem (glibc)

#include <algorithm>

#include "unicode/name_table.h"

namespace glyphora {

namespace {

constexpr long kPlaneEnd = NameTable::kCodePointCount;  // one past the last code point

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

NameSearchIndex::NameSearchIndex(const NameTable* names, bool grow_on_demand) : names_(names) {
    run_first_.push_back(0);
    run_offset_.push_back(0);
    if (grow_on_demand) return;
    run_first_.reserve(24 * 1024);
    run_offset_.reserve(24 * 1024);
    text_.reserve(768 * 1024);
    while (Grow()) {
    }
    text_.shrink_to_fit();
    run_first_.shrink_to_fit();
    run_offset_.shrink_to_fit();
}

bool NameSearchIndex::Grow() const {
    if (built_ >= kPlaneEnd) return false;
    // Small steps first (a common word is found in the first pages), larger ones further on.
    const long end = std::min(kPlaneEnd, std::max(built_ * 2, 1024L));
    // The sentinels go while the stretch is added: a run may go on from the last one.
    run_first_.pop_back();
    run_offset_.pop_back();
    for (long cp = built_; cp < end; ++cp) {
        const std::string_view name = names_ ? names_->CharName(cp) : std::string_view();
        if (cp > 0 && name == previous_) continue;
        previous_.assign(name);
        run_first_.push_back(static_cast<std::uint32_t>(cp));
        run_offset_.push_back(static_cast<std::uint32_t>(text_.size()));
        for (char c : name) text_ += FoldAscii(c);
        text_ += '\n';
    }
    built_ = end;
    run_first_.push_back(static_cast<std::uint32_t>(built_));
    run_offset_.push_back(static_cast<std::uint32_t>(text_.size()));
    return built_ < kPlaneEnd;
}

std::size_t NameSearchIndex::MemoryBytes() const {
    return text_.capacity() +
           (run_first_.capacity() + run_offset_.capacity()) * sizeof(std::uint32_t);
}

std::size_t NameSearchIndex::RunOfCodePoint(long cp) const {
    // Runs start at code point 0, so the run holding cp is the last one starting at or before it.
    const auto it =
        std::upper_bound(run_first_.begin(), run_first_.end() - 1, static_cast<std::uint32_t>(cp));
    return static_cast<std::size_t>(it - run_first_.begin()) - 1;
}

std::size_t NameSearchIndex::RunOfOffset(std::size_t offset) const {
    const auto it = std::upper_bound(run_offset_.begin(), run_offset_.end() - 1,
                                     static_cast<std::uint32_t>(offset));
    return static_cast<std::size_t>(it - run_offset_.begin()) - 1;
}

std::optional<long> NameSearchIndex::NextHolding(std::string_view word, long from) const {
    if (from >= kPlaneEnd) return std::nullopt;
    while (from >= built_) Grow();
    std::size_t pos = run_offset_[RunOfCodePoint(from)];
    for (;;) {
        // What was searched stays searched: a name is never split between two stretches.
        while (pos >= text_.size() && Grow()) {
        }
        if (pos >= text_.size()) return std::nullopt;
        const char* base = text_.data();
        const void* hit = memmem(base + pos, text_.size() - pos, word.data(), word.size());
        if (!hit) {
            pos = text_.size();
            continue;
        }
        const auto offset = static_cast<std::size_t>(static_cast<const char*>(hit) - base);
        const std::size_t run = RunOfOffset(offset);
        const std::size_t name_end = run_offset_[run + 1] - 1;  // where its '\n' stands
        if (offset + word.size() <= name_end)
            return std::max<long>(from, static_cast<long>(run_first_[run]));
        // The hit runs past the end of this name into the next one; any later hit that starts in
        // the same name would too.
        pos = run_offset_[run + 1];
    }
}

std::optional<long> NameSearchIndex::FindAll(const std::vector<std::string>& words, long from,
                                             long to) const {
    from = std::max(from, 0L);
    to = std::min(to, kPlaneEnd - 1);
    if (from > to) return std::nullopt;

    std::vector<std::string> folded;
    for (const std::string& word : words) {
        if (word.empty()) continue;  // held by every name
        std::string f(word.size(), '\0');
        std::transform(word.begin(), word.end(), f.begin(), FoldAscii);
        folded.push_back(std::move(f));
    }
    // Rarer words narrow the candidates fastest; longer words tend to be rarer.
    std::sort(folded.begin(), folded.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });

    // Leapfrog: each word's next holder is kept; whichever lies furthest ahead becomes the new
    // candidate, until one candidate holds every word. A word's kept holder stays valid while it
    // is not behind the candidate, so each word's scan only ever moves forward.
    std::vector<long> next(folded.size(), -1);
    long candidate = from;
    for (;;) {
        bool settled = true;
        for (std::size_t i = 0; i < folded.size(); ++i) {
            if (next[i] < candidate) {
                const auto holder = NextHolding(folded[i], candidate);
                if (!holder) return std::nullopt;
                next[i] = *holder;
            }
            if (next[i] > to) return std::nullopt;
            if (next[i] > candidate) {
                candidate = next[i];
                settled = false;
            }
        }
        if (settled) return candidate;
    }
}

}  // namespace glyphora
