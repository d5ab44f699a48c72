#include "search/name_search_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../table/model_fixture.h"
#include "../unicode/fake_name_service.h"

namespace glyphora {
namespace {

using testing::FakeNameService;
using testing::SharedNames;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// The plain reading of the rule: every word somewhere in the name, ASCII case ignored.
std::optional<long> BruteForce(const NameTable& names, const std::vector<std::string>& words,
                               long from, long to) {
    for (long cp = std::max(from, 0L); cp <= std::min(to, 0xFFFFL); ++cp) {
        const std::string name = Upper(names.CharName(cp));
        if (std::all_of(words.begin(), words.end(), [&](const std::string& w) {
                return name.find(Upper(w)) != std::string::npos;
            }))
            return cp;
    }
    return std::nullopt;
}

struct Query {
    std::vector<std::string> words;
    long from;
    long to;
};

TEST(NameSearchIndex, AgreesWithAPlainScanOfTheNameTable) {
    const NameTable& names = SharedNames();
    const NameSearchIndex index(&names);
    const NameSearchIndex grown(&names, true);  // grows as the queries below look further
    const std::vector<Query> queries = {
        {{"curl", "d"}, 0, 0xFFFF},
        {{"d", "curl"}, 0x222, 0xFFFF},
        {{"latin"}, 0x100, 0x17F},
        {{"hangul", "syllable", "gag"}, 0, 0xFFFF},
        {{"cjk"}, 0x4E01, 0xFFFF},  // from inside a run of one name
        {{"undefined"}, 0xFFF0, 0xFFFF},
        {{"zzzz"}, 0, 0xFFFF},
        {{"letter", "", "a"}, 0, 0xFFFF},  // an empty word is held by every name
        {{"greek"}, 0, 0x36F},             // the first holder lies past `to`
        {{"x"}, 0xFFFF, 0xFFFF},
        {{"e"}, 0x500, 0x4FF},  // empty range
    };
    for (const Query& q : queries) {
        SCOPED_TRACE(q.words.front() + " from " + std::to_string(q.from));
        const auto expected = BruteForce(names, q.words, q.from, q.to);
        EXPECT_EQ(index.FindAll(q.words, q.from, q.to), expected);
        EXPECT_EQ(grown.FindAll(q.words, q.from, q.to), expected);
        EXPECT_EQ(NameSearchIndex(&names, true).FindAll(q.words, q.from, q.to), expected);
    }
}

}  // namespace
}  // namespace glyphora
