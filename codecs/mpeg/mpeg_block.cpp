#include "codecs/mpeg/mpeg_block.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

#include "codecs/codecs_texts.h"
#include "codecs/mpeg/mpeg_tables.h"

namespace morvane::mpeg {

namespace {

constexpr int kLargestLevel = 255;
constexpr int kLargestDcDifference = 255;

using RunLevelIndex = std::array<std::array<VlcCode, kLargestCodedLevel + 1>, kLongestCodedRun + 1>;

// The run/level codes by run and level; a length of 0 means "escape".
constexpr RunLevelIndex MakeRunLevelIndex() {
  RunLevelIndex index{};
  for (const RunLevelCode& code : kRunLevelCodes) {
    index[code.Run][code.Level] = code.Code;
  }
  return index;
}

constexpr RunLevelIndex kRunLevelIndex = MakeRunLevelIndex();

// Quantising divides 16 |F| + w q by 2 w q (rounding 8 F / (w q) half away
// from zero). Dividing instead by multiplying with floor(2^32 / d) + 1 and
// keeping the top 32 bits is exact while the dividend times d stays below
// 2^32; dividends stay below 2^17 (|F| < 4096) and d below 2^13.
struct Divisor {
  uint32_t Reciprocal;
  uint32_t Half;  // w q, half the divisor
};

using DivisorTable = std::array<std::array<Divisor, 64>, kLargestQuantiser + 1>;

DivisorTable MakeDivisors() {
  DivisorTable table{};
  for (int quantiser = 1; quantiser <= kLargestQuantiser; ++quantiser) {
    for (int k = 0; k < 64; ++k) {
      const uint32_t half = kDefaultIntraMatrix[k] * static_cast<uint32_t>(quantiser);
      table[quantiser][k] = {static_cast<uint32_t>((uint64_t{1} << 32) / (2 * half) + 1), half};
    }
  }
  return table;
}

const DivisorTable& Divisors() {
  static const DivisorTable table = MakeDivisors();
  return table;
}

int Quantised(int coefficient, const Divisor& divisor) {
  const uint32_t dividend = 16 * static_cast<uint32_t>(std::abs(coefficient)) + divisor.Half;
  const int magnitude = std::min(static_cast<int>((uint64_t{dividend} * divisor.Reciprocal) >> 32), kLargestLevel);
  return coefficient < 0 ? -magnitude : magnitude;
}

MpegResult PutDcDifference(TMpegStream& stream, int difference, Component component) {
  if (std::abs(difference) > kLargestDcDifference) {
    return MpegResult::Failure(codecs_texts::MpegDcDifference);
  }
  const int size = std::bit_width(static_cast<unsigned>(std::abs(difference)));
  stream.PutCode(component == Component::Luminance ? kDcSizeLuminance[size] : kDcSizeChrominance[size]);
  if (size > 0) {
    // Negative differences are sent as difference - 1 in `size` bits, so
    // that their leading bit is 0.
    const int bits = difference > 0 ? difference : difference + (1 << size) - 1;
    stream.PutBits(static_cast<uint32_t>(bits), size);
  }
  return {};
}

MpegResult PutRunLevel(TMpegStream& stream, int run, int level) {
  const int magnitude = std::abs(level);
  if (magnitude > kLargestLevel) {
    return MpegResult::Failure(codecs_texts::MpegEscapeLevel);
  }
  const uint32_t sign = level < 0 ? 1 : 0;
  if (run <= kLongestCodedRun && magnitude <= kLargestCodedLevel && kRunLevelIndex[run][magnitude].Length > 0) {
    const VlcCode code = kRunLevelIndex[run][magnitude];
    stream.PutBits((code.Bits << 1) | sign, code.Length + 1);
    return {};
  }
  stream.PutCode(kCoefficientEscape);
  stream.PutBits(static_cast<uint32_t>(run), 6);
  if (magnitude < 128) {
    stream.PutBits(static_cast<uint32_t>(level) & 0xFF, 8);
  } else {
    stream.PutBits(sign ? 0x8000 | static_cast<uint32_t>(256 - magnitude) : static_cast<uint32_t>(level), 16);
  }
  return {};
}

}  // namespace

void QuantiseIntra(const Coefficients& coefficients, int quantiser, Levels& levels) {
  // The DC level is F / 8 = 8 F / 64, the AC rule with w q = 64.
  levels[0] = Quantised(coefficients[0], {(uint32_t{1} << 25) + 1, 64});
  const std::array<Divisor, 64>& divisors = Divisors()[quantiser];
  for (int k = 1; k < 64; ++k) {
    levels[k] = Quantised(coefficients[k], divisors[k]);
  }
}

MpegResult CodeIntraLevels(TMpegStream& stream, const Levels& levels, Component component) {
  int& predictor = stream.Predict.Dc[static_cast<int>(component)];
  if (MpegResult result = PutDcDifference(stream, levels[0] - predictor, component); !result.Ok()) {
    return result;
  }
  predictor = levels[0];
  int run = 0;
  for (int n = 1; n < 64; ++n) {
    const int level = levels[kZigZag[n]];
    if (level == 0) {
      ++run;
      continue;
    }
    if (MpegResult result = PutRunLevel(stream, run, level); !result.Ok()) {
      return result;
    }
    run = 0;
  }
  stream.PutCode(kEndOfBlock);
  return {};
}

}  // namespace morvane::mpeg
