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
        EXPECT_EQ(index.FindAll(q.words, q.from, q.to), BruteForce(names, q.words, q.from, q.to));
    }
}

TEST(NameSearchIndex, EveryNameHoldsNoWordsAndRunsOfOneNameAreStoredOnce) {
    const NameSearchIndex index(&SharedNames());
    EXPECT_EQ(index.FindAll({}, 0x41, 0xFFFF), 0x41);
    EXPECT_EQ(index.FindAll({""}, 0xFFFF, 0xFFFF), 0xFFFF);
    EXPECT_EQ(index.FindAll({"a"}, 0x10000, 0x20000), std::nullopt);
    // The CJK blocks alone hold over 27,000 code points of one name each.
    EXPECT_LT(index.RunCount(), 40000u);
    const NameSearchIndex without(nullptr);  // without a name table only empty words match
    EXPECT_EQ(without.FindAll({"a"}, 0, 0xFFFF), std::nullopt);
    EXPECT_EQ(without.FindAll({""}, 7, 0xFFFF), 7);
}

// A word never matches across two names; only a-z and A-Z meet regardless of case.
TEST(NameSearchIndex, WordsStayInOneNameAndFoldOnlyAsciiLetters) {
    const FakeNameService service({{0x10, "Tail AB"},
                                   {0x11, "CD Head"},
                                   {0x12, "ABCD"},
                                   {0x20,
                                    "Stra\xC3\x9F"
                                    "e \xC3\x84rger"}},
                                  "x");
    NameTable names;
    names.LoadCharData(service, std::nullopt, std::nullopt);
    const NameSearchIndex index(&names);
    EXPECT_EQ(index.FindAll({"BC"}, 0, 0xFFFF), 0x12);
    EXPECT_EQ(index.FindAll({"B\nC"}, 0, 0xFFFF), std::nullopt);
    EXPECT_EQ(index.FindAll({"ab cd"}, 0, 0xFFFF), std::nullopt);
    EXPECT_EQ(index.FindAll({"stra\xC3\x9F"
                             "E"},
                            0, 0xFFFF),
              0x20);
    EXPECT_EQ(index.FindAll({"\xC3\x84RGER"}, 0, 0xFFFF), 0x20);
    EXPECT_EQ(index.FindAll({"\xC3\xA4rger"}, 0, 0xFFFF), std::nullopt);  // ä is not Ä here
}

}  // namespace
}  // namespace glyphora
