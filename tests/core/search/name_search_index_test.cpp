#include "search/name_search_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../panels/search_fixture.h"

namespace glyphora {
namespace {

using testing::FirstHolder;
using testing::SharedNames;

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
        {{"e"}, 0x500, 0x4FF},      // empty range
        {{"a\nlatin"}, 0, 0xFFFF},  // a hit across two names holds in neither
    };
    for (const Query& q : queries) {
        SCOPED_TRACE(q.words.front() + " from " + std::to_string(q.from));
        const auto expected = FirstHolder(q.words, q.from, q.to);
        EXPECT_EQ(index.FindAll(q.words, q.from, q.to), expected);
        EXPECT_EQ(grown.FindAll(q.words, q.from, q.to), expected);
        EXPECT_EQ(NameSearchIndex(&names, true).FindAll(q.words, q.from, q.to), expected);
    }
}

}  // namespace
}  // namespace glyphora
