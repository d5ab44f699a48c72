// What the About box decides without a window: the sliding-letter board and the update check.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

#include "../app/temp_folder.h"
#include "about/letter_board.h"
#include "about/name_library_version.h"
#include "about/update_check.h"
#include "about/update_check_record.h"
#include "app/settings_store.h"

namespace glyphora {
namespace {

std::u16string Row(const LetterBoard& board, int row) {
    std::u16string text;
    for (int column = 1; column <= board.Columns(); ++column) {
        text.push_back(board.Caption(board.TileAt({column, row})));
    }
    return text;
}

// Every tile's cell holds that tile, every cell holds a tile whose cell it is, and the tag is
// the cell's text.
void ExpectConsistent(const LetterBoard& board) {
    for (int tile = 0; tile < board.TileCount(); ++tile) {
        const LetterBoard::Cell cell = board.CellOf(tile);
        ASSERT_EQ(board.TileAt(cell), tile);
        ASSERT_EQ(board.Tag(tile), std::to_string(cell.column) + "." + std::to_string(cell.row));
    }
}

TEST(LetterBoard, StaysConsistentAfterRandomClicks) {
    LetterBoard board;
    std::mt19937 random(20250131);
    std::uniform_int_distribution<int> pick(0, board.TileCount() - 1);
    int moves = 0;
    for (int i = 0; i < 5000; ++i) {
        const int tile = pick(random);
        const LetterBoard::Cell before = board.CellOf(tile);
        const LetterBoard::Move move = board.Click(tile);
        if (move.direction == LetterBoard::kNone) continue;
        ++moves;
        ASSERT_TRUE(board.IsBlank(move.neighbour));
        ASSERT_EQ(board.CellOf(move.neighbour), before);
    }
    EXPECT_GT(moves, 100);
    ExpectConsistent(board);
    // The letters are only moved around, never lost or doubled.
    std::u16string letters;
    for (int row = 1; row <= board.Rows(); ++row) letters += Row(board, row);
    std::u16string expected(LetterBoard::kBoardText);
    EXPECT_TRUE(
        std::is_permutation(letters.begin(), letters.end(), expected.begin(), expected.end()));
}

TEST(RemoteVersionFile, ReadsTheFirstValidVersionAssignmentOfAFileWithinTheLimit) {
    const std::pair<const char*, const char*> cases[] = {
        {"// Glyphora release information\nvar version = \"0.2.0\";\n", "0.2.0"},
        {"version='1.5'", "1.5"},
        {"\xEF\xBB\xBF"
         "const version=\"3\"\r\n",
         "3"},
        {"  let   version  =  \"4.01\"  ;  \r\n", "4.01"},
        {"var name = \"x\";\nvar version = \"2.0\";\nvar version = \"9.0\";\n", "2.0"},
        {"var version = \"beta\";\nvar version = \"1.1\";\n", "1.1"},
    };
    for (const auto& [file, version] : cases)
        EXPECT_EQ(ParseRemoteVersionFile(file), version) << file;
    for (const char* file : {"var versions = \"2.0\";\n", "var version = \"2.0\"; alert(1);\n",
                             "var version = \"2.0\n", "var version = 2.0;\n",
                             "// var version = \"2.0\";\n", "<html>404 Not Found</html>", ""})
        EXPECT_EQ(ParseRemoteVersionFile(file), std::nullopt) << file;
    // A file just at the size limit is read; one byte more is refused.
    std::string file = "var version = \"9.0\";\n";
    file.resize(kRemoteFileSizeLimit, ' ');
    EXPECT_EQ(ParseRemoteVersionFile(file), "9.0");
    file.push_back(' ');
    EXPECT_EQ(ParseRemoteVersionFile(file), std::nullopt);
}

TEST(EvaluateRemoteVersionFile, DecidesByNumericComparison) {
    struct Case {
        const char* file;
        const char* local;
        UpdateResult result;
        const char* version;
    } cases[] = {
        {"var version = \"0.10\";", "0.09", UpdateResult::NewerAvailable, "0.10"},
        {"var version = \"0.1\";", "0.01", UpdateResult::UpToDate, "0.1"},
        {"var version = \"0.0.9\";", "0.01", UpdateResult::UpToDate, "0.0.9"},
        {"var version = \"5.2.26\";", "5.02.0025", UpdateResult::NewerAvailable, "5.2.26"},
        {"nothing here", "0.01", UpdateResult::NotAccessible, ""},
        {"var version = \"1.0\";", "", UpdateResult::NotAccessible, ""},
    };
    for (const auto& c : cases) {
        const UpdateCheckOutcome outcome = EvaluateRemoteVersionFile(c.file, c.local);
        EXPECT_EQ(outcome.result, c.result) << c.file;
        EXPECT_EQ(outcome.version, c.version) << c.file;
    }
    EXPECT_EQ(UpdateResultText({UpdateResult::UpToDate, "1"}),
              "Your copy of the application is up to date.");
    EXPECT_EQ(UpdateResultText({UpdateResult::Cancelled, ""}), "");
}

TEST(UpdateCheckRecord, WritesTheLastCheckIntoTheSettingsFile) {
    testing::TempFolder folder;
    const auto settings = folder / "glyphora.dat";
    SettingsUpdateCheckRecorder recorder;
    const auto when =
        std::chrono::sys_days{std::chrono::year{2025} / 1 / 31} + std::chrono::hours{12};

    recorder.RecordUpdateCheck(settings, {when, {UpdateResult::NewerAvailable, "0.2"}});
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastCheck"), "2025-01-31T12:00:00Z");
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastResult"), "1");
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastVersion"), "0.2");

    recorder.RecordUpdateCheck(settings, {when, {UpdateResult::NotAccessible, {}}});
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastResult"), "-1");
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastVersion"), "");
    recorder.RecordUpdateCheck(settings, {when, {UpdateResult::Cancelled, {}}});
    EXPECT_EQ(ReadSettingText(settings, "ucUpdate", "LastResult"), "-1");
}

TEST(NameLibraryVersion, DropsAZeroLowWord) {
    EXPECT_EQ(FourPartVersionText({72, 1, 0, 0}), "72.1");
    EXPECT_EQ(FourPartVersionText({10, 0, 19041, 1}), "10.0.19041.1");
    EXPECT_EQ(FourPartVersionText({15, 0, 1, 0}), "15.0.1.0");
    const std::string line = NameLibraryVersionLine();
    EXPECT_TRUE(line.starts_with("ICU: ")) << line;
    EXPECT_NE(line.find(" (Unicode "), std::string::npos) << line;
}

// Boards three columns wide: the blank looked for left, right, up, then down.
TEST(LetterBoard, DirectionLooksLeftRightUpDownInThatOrder) {
    const std::tuple<const char16_t*, int, int> cases[] = {
        {u"ABCD FGHI", 4, LetterBoard::kNone},  // the blank itself has no blank neighbour
        {u"ABCD FGHI", 3, LetterBoard::kRight}, {u"ABCD FGHI", 5, LetterBoard::kLeft},
        {u"ABCD FGHI", 1, LetterBoard::kDown},  {u"ABCD FGHI", 7, LetterBoard::kUp},
        {u"ABCD FGHI", 0, LetterBoard::kNone},  {u" B  E    ", 4, LetterBoard::kLeft},
        {u" B DE    ", 4, LetterBoard::kRight}, {u" B DEF   ", 4, LetterBoard::kDown},
        {u"   DEFGHI", 4, LetterBoard::kUp},
    };
    for (const auto& [text, tile, direction] : cases)
        EXPECT_EQ(LetterBoard(text, 3).TileDirection(tile), direction) << tile;
}

}  // namespace
}  // namespace glyphora
