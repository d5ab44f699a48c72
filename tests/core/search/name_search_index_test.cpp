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
        {{"WITH", "acute", "small"}, 0, 0xFFFF},
        {{"sign"}, 0x2000, 0xFFFF},
        {{"hangul", "syllable", "gag"}, 0, 0xFFFF},
        {{"cjk"}, 0x4E01, 0xFFFF},  // from inside a run of one name
        {{"ideograph", "compatibility"}, 0x9000, 0xFFFF},
        {{"undefined"}, 0xFFF0, 0xFFFF},
        {{"zzzz"}, 0, 0xFFFF},
        {{"letter", "", "a"}, 0, 0xFFFF},  // an empty word is held by every name
        {{"a", "b", "c", "d", "e"}, 0, 0xFFFF},
        {{"greek"}, 0, 0x36F},  // the first holder lies past `to`
        {{"x"}, 0xFFFF, 0xFFFF},
        {{"e"}, 0x500, 0x4FF},  // empty range
    };
    for (const Query& q : queries) {
        SCOPED_TRACE(q.words.front() + " from " + std::to_string(q.from));
        EXPECT_EQ(index.FindAll(q.words, q.from, q.to), BruteForce(names, q.words, q.from, q.to));
    }
}

TEST(NameSearchIndex, EveryNameHoldsNoWordsAtAll) {
    const NameSearchIndex index(&SharedNames());
    EXPECT_EQ(index.FindAll({}, 0x41, 0xFFFF), 0x41);
    EXPECT_EQ(index.FindAll({""}, 0xFFFF, 0xFFFF), 0xFFFF);
    EXPECT_EQ(index.FindAll({"a"}, 0x10000, 0x20000), std::nullopt);
}

TEST(NameSearchIndex, RunsOfOneNameAreStoredOnce) {
    const NameSearchIndex index(&SharedNames());
    // The CJK blocks alone hold over 27,000 code points of one name each.
    EXPECT_LT(index.RunCount(), 40000u);
    EXPECT_EQ(index.FindAll({"unified"}, 0x4E00 + 100, 0xFFFF), 0x4E00 + 100);
}

TEST(NameSearchIndex, AWordNeverMatchesAcrossTwoNames) {
    const FakeNameService service({{0x10, "Tail AB"}, {0x11, "CD Head"}, {0x12, "ABCD"}}, "x");
    NameTable names;
    names.LoadCharData(service, std::nullopt, std::nullopt);
    const NameSearchIndex index(&names);
    EXPECT_EQ(index.FindAll({"BC"}, 0, 0xFFFF), 0x12);
    EXPECT_EQ(index.FindAll({"B\nC"}, 0, 0xFFFF), std::nullopt);
    EXPECT_EQ(index.FindAll({"ab cd"}, 0, 0xFFFF), std::nullopt);
}

TEST(NameSearchIndex, FoldsOnlyAsciiLetters) {
    // A user-edited name with UTF-8 letters: only a-z and A-Z meet regardless of case.
    const FakeNameService service({{0x20,
                                    "Stra\xC3\x9F"
                                    "e \xC3\x84rger"},
                                   {0x21, "Q"}},
                                  "x");
    NameTable names;
    names.LoadCharData(service, std::nullopt, std::nullopt);
    const NameSearchIndex index(&names);
    EXPECT_EQ(index.FindAll({"stra\xC3\x9F"
                             "E"},
                            0, 0xFFFF),
              0x20);
    EXPECT_EQ(index.FindAll({"\xC3\x84RGER"}, 0, 0xFFFF), 0x20);
    EXPECT_EQ(index.FindAll({"\xC3\xA4rger"}, 0, 0xFFFF), std::nullopt);  // ä is not Ä here
}

TEST(NameSearchIndex, WithoutANameTableOnlyEmptyWordsMatch) {
    const NameSearchIndex index(nullptr);
    EXPECT_EQ(index.FindAll({"a"}, 0, 0xFFFF), std::nullopt);
    EXPECT_EQ(index.FindAll({""}, 7, 0xFFFF), 7);
    EXPECT_EQ(index.RunCount(), 1u);
}

}  // namespace
}  // namespace glyphora
