#include "export/mpeg/mpeg_block.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "export/mpeg/mpeg_tables.h"

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

// round(numerator / denominator) with halves away from zero; denominator > 0.
int RoundedQuotient(int numerator, int denominator) {
  const int magnitude = (2 * std::abs(numerator) + denominator) / (2 * denominator);
  return numerator < 0 ? -magnitude : magnitude;
}

MpegResult PutDcDifference(TMpegStream& stream, int difference, Component component) {
  if (std::abs(difference) > kLargestDcDifference) {
    return MpegResult::Failure(kDcDifferenceText);
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
    return MpegResult::Failure(kEscapeLevelText);
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
  levels[0] = std::clamp(RoundedQuotient(coefficients[0], 8), -kLargestLevel, kLargestLevel);
  for (int k = 1; k < 64; ++k) {
    const int level = RoundedQuotient(8 * coefficients[k], kDefaultIntraMatrix[k] * quantiser);
    levels[k] = std::clamp(level, -kLargestLevel, kLargestLevel);
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
