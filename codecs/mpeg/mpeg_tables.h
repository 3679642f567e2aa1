#pragma once

// The code tables of ISO/IEC 11172-2 that this encoder uses, as data. A code
// is written most significant bit first; sign bits and fixed-length fields
// that follow some codes are written by the coders, not listed here.

#include <array>
#include <cstdint>

namespace morvane::mpeg {

struct VlcCode {
  uint32_t Bits = 0;  // the code in the low Length bits
  int Length = 0;
};

// Codes of dct_dc_size, indexed by the size (bit count) of the DC difference.
inline constexpr std::array<VlcCode, 9> kDcSizeLuminance = {{
    {0b100, 3}, {0b00, 2}, {0b01, 2}, {0b101, 3}, {0b110, 3},
    {0b1110, 4}, {0b11110, 5}, {0b111110, 6}, {0b1111110, 7},
}};
inline constexpr std::array<VlcCode, 9> kDcSizeChrominance = {{
    {0b00, 2}, {0b01, 2}, {0b10, 2}, {0b110, 3}, {0b1110, 4},
    {0b11110, 5}, {0b111110, 6}, {0b1111110, 7}, {0b11111110, 8},
}};

struct RunLevelCode {
  int Run;
  int Level;  // magnitude; a sign bit follows the code (1 for negative)
  VlcCode Code;
};

// dct_coeff_next: every (run, level) pair that has a code of its own. The
// longest run with a code is 31, the largest level 40 (after run 0).
inline constexpr int kLongestCodedRun = 31;
inline constexpr int kLargestCodedLevel = 40;
inline constexpr std::array<RunLevelCode, 111> kRunLevelCodes = {{
    {0, 1, {0b11, 2}},
    {1, 1, {0b011, 3}},
    {0, 2, {0b0100, 4}},
    {2, 1, {0b0101, 4}},
    {0, 3, {0b00101, 5}},
    {3, 1, {0b00111, 5}},
    {4, 1, {0b00110, 5}},
    {1, 2, {0b000110, 6}},
    {5, 1, {0b000111, 6}},
    {6, 1, {0b000101, 6}},
    {7, 1, {0b000100, 6}},
    {0, 4, {0b0000110, 7}},
    {2, 2, {0b0000100, 7}},
    {8, 1, {0b0000111, 7}},
    {9, 1, {0b0000101, 7}},
    {0, 5, {0b00100110, 8}},
    {0, 6, {0b00100001, 8}},
    {1, 3, {0b00100101, 8}},
    {3, 2, {0b00100100, 8}},
    {10, 1, {0b00100111, 8}},
    {11, 1, {0b00100011, 8}},
    {12, 1, {0b00100010, 8}},
    {13, 1, {0b00100000, 8}},
    {0, 7, {0b0000001010, 10}},
    {1, 4, {0b0000001100, 10}},
    {2, 3, {0b0000001011, 10}},
    {4, 2, {0b0000001111, 10}},
    {5, 2, {0b0000001001, 10}},
    {14, 1, {0b0000001110, 10}},
    {15, 1, {0b0000001101, 10}},
    {16, 1, {0b0000001000, 10}},
    {0, 8, {0b000000011101, 12}},
    {0, 9, {0b000000011000, 12}},
    {0, 10, {0b000000010011, 12}},
    {0, 11, {0b000000010000, 12}},
    {1, 5, {0b000000011011, 12}},
    {2, 4, {0b000000010100, 12}},
    {3, 3, {0b000000011100, 12}},
    {4, 3, {0b000000010010, 12}},
    {6, 2, {0b000000011110, 12}},
    {7, 2, {0b000000010101, 12}},
    {8, 2, {0b000000010001, 12}},
    {17, 1, {0b000000011111, 12}},
    {18, 1, {0b000000011010, 12}},
    {19, 1, {0b000000011001, 12}},
    {20, 1, {0b000000010111, 12}},
    {21, 1, {0b000000010110, 12}},
    {0, 12, {0b0000000011010, 13}},
    {0, 13, {0b0000000011001, 13}},
    {0, 14, {0b0000000011000, 13}},
    {0, 15, {0b0000000010111, 13}},
    {1, 6, {0b0000000010110, 13}},
    {1, 7, {0b0000000010101, 13}},
    {2, 5, {0b0000000010100, 13}},
    {3, 4, {0b0000000010011, 13}},
    {5, 3, {0b0000000010010, 13}},
    {9, 2, {0b0000000010001, 13}},
    {10, 2, {0b0000000010000, 13}},
    {22, 1, {0b0000000011111, 13}},
    {23, 1, {0b0000000011110, 13}},
    {24, 1, {0b0000000011101, 13}},
    {25, 1, {0b0000000011100, 13}},
    {26, 1, {0b0000000011011, 13}},
    {0, 16, {0b00000000011111, 14}},
    {0, 17, {0b00000000011110, 14}},
    {0, 18, {0b00000000011101, 14}},
    {0, 19, {0b00000000011100, 14}},
    {0, 20, {0b00000000011011, 14}},
    {0, 21, {0b00000000011010, 14}},
    {0, 22, {0b00000000011001, 14}},
    {0, 23, {0b00000000011000, 14}},
    {0, 24, {0b00000000010111, 14}},
    {0, 25, {0b00000000010110, 14}},
    {0, 26, {0b00000000010101, 14}},
    {0, 27, {0b00000000010100, 14}},
    {0, 28, {0b00000000010011, 14}},
    {0, 29, {0b00000000010010, 14}},
    {0, 30, {0b00000000010001, 14}},
    {0, 31, {0b00000000010000, 14}},
    {0, 32, {0b000000000011000, 15}},
    {0, 33, {0b000000000010111, 15}},
    {0, 34, {0b000000000010110, 15}},
    {0, 35, {0b000000000010101, 15}},
    {0, 36, {0b000000000010100, 15}},
    {0, 37, {0b000000000010011, 15}},
    {0, 38, {0b000000000010010, 15}},
    {0, 39, {0b000000000010001, 15}},
    {0, 40, {0b000000000010000, 15}},
    {1, 8, {0b000000000011111, 15}},
    {1, 9, {0b000000000011110, 15}},
    {1, 10, {0b000000000011101, 15}},
    {1, 11, {0b000000000011100, 15}},
    {1, 12, {0b000000000011011, 15}},
    {1, 13, {0b000000000011010, 15}},
    {1, 14, {0b000000000011001, 15}},
    {1, 15, {0b0000000000010011, 16}},
    {1, 16, {0b0000000000010010, 16}},
    {1, 17, {0b0000000000010001, 16}},
    {1, 18, {0b0000000000010000, 16}},
    {6, 3, {0b0000000000010100, 16}},
    {11, 2, {0b0000000000011010, 16}},
    {12, 2, {0b0000000000011001, 16}},
    {13, 2, {0b0000000000011000, 16}},
    {14, 2, {0b0000000000010111, 16}},
    {15, 2, {0b0000000000010110, 16}},
    {16, 2, {0b0000000000010101, 16}},
    {27, 1, {0b0000000000011111, 16}},
    {28, 1, {0b0000000000011110, 16}},
    {29, 1, {0b0000000000011101, 16}},
    {30, 1, {0b0000000000011100, 16}},
    {31, 1, {0b0000000000011011, 16}},
}};

inline constexpr VlcCode kEndOfBlock = {0b10, 2};
// Followed by the run in 6 bits and the level in 8 or 16 bits.
inline constexpr VlcCode kCoefficientEscape = {0b000001, 6};

// macroblock_address_increment of 1, and the escape that adds 33 to the
// increment that follows it.
inline constexpr VlcCode kAddressIncrementOne = {0b1, 1};
inline constexpr VlcCode kAddressEscape = {0b00000001000, 11};

// macroblock_type: intra in an I picture; in a P picture intra, and forward
// motion compensation without coded blocks.
inline constexpr VlcCode kIntraInIntraPicture = {0b1, 1};
inline constexpr VlcCode kIntraInPredictedPicture = {0b00011, 5};
inline constexpr VlcCode kMotionNotCoded = {0b001, 3};

// motion_code by magnitude 0..16; a sign bit follows every code but that of 0.
inline constexpr std::array<VlcCode, 17> kMotionCodes = {{
    {0b1, 1}, {0b01, 2}, {0b001, 3}, {0b0001, 4}, {0b000011, 6}, {0b0000101, 7},
    {0b0000100, 7}, {0b0000011, 7}, {0b000001011, 9}, {0b000001010, 9}, {0b000001001, 9},
    {0b0000010001, 10}, {0b0000010000, 10}, {0b0000001111, 10}, {0b0000001110, 10},
    {0b0000001101, 10}, {0b0000001100, 10},
}};

// Raster position (row * 8 + column) of the n-th coefficient sent.
inline constexpr std::array<uint8_t, 64> kZigZag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

// The default intra quantiser matrix in raster order (rows are vertical
// frequencies).
inline constexpr std::array<uint8_t, 64> kDefaultIntraMatrix = {
    8,  16, 19, 22, 26, 27, 29, 34, 16, 16, 22, 24, 27, 29, 34, 37,
    19, 22, 26, 27, 29, 34, 34, 38, 22, 22, 26, 27, 29, 34, 37, 40,
    22, 26, 27, 29, 32, 35, 40, 48, 26, 27, 29, 32, 35, 40, 48, 58,
    26, 27, 29, 34, 38, 46, 56, 69, 27, 29, 35, 38, 46, 56, 69, 83,
};

// Pictures per second by the writer's rate index, as time codes count them.
// The sequence header's picture_rate code is the index plus one, so indices 0,
// 3 and 6 play at 23.976, 29.97 and 59.94 pictures per second, and index 8
// gives code 9, which MPEG-1 leaves reserved.
inline constexpr std::array<int, 9> kPicturesPerSecond = {24, 24, 25, 30, 30, 50, 60, 60, 12};

}  // namespace morvane::mpeg
