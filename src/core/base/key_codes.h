#pragma once

// The desktop-independent key numbers every key handler of the program works with; the window
// maps its toolkit's keys onto them. Digits are those of the main keyboard; the numeric keypad's
// digits (96 .. 105) are keys of their own.
namespace glyphora::keys {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
constexpr int kDigit0 = 48;
constexpr int kDigit9 = 57;
constexpr int kKeyC = 67;
constexpr int kKeyV = 86;
constexpr int kKeyX = 88;
constexpr int kKeyZ = 90;
constexpr int kF1 = 112;
constexpr int kF3 = 114;

// Shift state bits.
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

}  // namespace glyphora::keys
