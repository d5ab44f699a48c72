#include "about/letter_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

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

TEST(LetterBoard, StartsWithTheWordsInReadingOrder) {
    LetterBoard board;
    EXPECT_EQ(board.TileCount(), 60);
    std::u16string rows;
    for (int row = 1; row <= board.Rows(); ++row) rows += Row(board, row) + u"|";
    EXPECT_EQ(rows, u"            |  Glyphora  |   every    |    glyph   |            |");
    EXPECT_EQ(board.Tag(13), "2.2");
    EXPECT_EQ(board.Tag(59), "12.5");
    ExpectConsistent(board);
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

TEST(LetterBoard, ATileSlidesIntoABlankNeighbourAndBack) {
    LetterBoard board(u"ABCD FGHI", 3);
    EXPECT_EQ(board.Click(0).neighbour, -1);  // no blank neighbour: nothing moves
    EXPECT_EQ(board.Tag(0), "1.1");
    const LetterBoard::Move move = board.Click(3);  // D slides right
    EXPECT_EQ(move.direction, LetterBoard::kRight);
    EXPECT_EQ(move.neighbour, 4);
    EXPECT_EQ(board.Tag(3), "2.2");
    EXPECT_EQ(board.TileAt({1, 2}), 4);
    EXPECT_EQ(board.Click(3).direction, LetterBoard::kLeft);
    EXPECT_EQ(board.Tag(3), "1.2");
    LetterBoard words;
    EXPECT_EQ(words.Click(0).neighbour, 1);  // a blank next to a blank swaps with it
    EXPECT_EQ(words.Tag(0), "2.1");
    ExpectConsistent(words);
}

TEST(LetterBoard, StaysConsistentAfterRandomClicks) {
    LetterBoard board;
    std::mt19937 random(20250131);
    std::uniform_int_distribution<int> pick(0, board.TileCount() - 1);
    int moves = 0;
    for (int i = 0; i < 5000; ++i) {
        const int tile = pick(random);
        const LetterBoard::Cell before = board.CellOf(tile);
        const int expected_direction = board.TileDirection(tile);
        const LetterBoard::Move move = board.Click(tile);
        ASSERT_EQ(move.direction, expected_direction);
        if (move.direction != LetterBoard::kNone) {
            ++moves;
            ASSERT_TRUE(board.IsBlank(move.neighbour));
            ASSERT_EQ(board.CellOf(move.neighbour), before);
            const LetterBoard::Cell after = board.CellOf(tile);
            ASSERT_EQ(std::abs(after.column - before.column) + std::abs(after.row - before.row), 1);
        } else {
            ASSERT_EQ(board.CellOf(tile), before);
        }
    }
    EXPECT_GT(moves, 100);
    ExpectConsistent(board);
    // The letters are only moved around, never lost or doubled.
    std::u16string letters;
    for (int row = 1; row <= board.Rows(); ++row) letters += Row(board, row);
    std::sort(letters.begin(), letters.end());
    std::u16string expected(LetterBoard::kBoardText);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(letters, expected);
}

TEST(LetterBoard, HintTileIsNeverBlankAndAShortTextIsFilledWithBlanks) {
    LetterBoard board;
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        const int tile = board.PickHintTile(random);
        ASSERT_TRUE(tile >= 0 && !board.IsBlank(tile));
    }
    EXPECT_EQ(LetterBoard(u"      ", 3).PickHintTile(random), -1);
    LetterBoard short_board(u"ABCDE", 3);
    EXPECT_EQ(short_board.TileCount(), 6);
    EXPECT_TRUE(short_board.IsBlank(5));
    EXPECT_EQ(short_board.TileDirection(4), LetterBoard::kRight);
    EXPECT_EQ(short_board.TileAt({4, 1}), -1);
    EXPECT_EQ(short_board.TileAt({0, 1}), -1);
}

}  // namespace
}  // namespace glyphora
