#pragma once

// Quantising and coding one 8 x 8 block of an intra macroblock.

#include <array>

#include "codecs/mpeg/mpeg_dct.h"
#include "codecs/mpeg/mpeg_result.h"
#include "codecs/mpeg/mpeg_stream.h"

namespace morvane::mpeg {

// Which plane a block comes from; also the index of its DC predictor.
enum class Component { Luminance = 0, Cb = 1, Cr = 2 };

inline constexpr int kLargestQuantiser = 31;

// Quantised coefficients in raster order.
using Levels = std::array<int, 64>;

// The DC level is F / 8, each AC level 8 F / (w q) with w the default intra
// matrix and q the quantiser, all rounded half away from zero and clamped to
// -255..255. `quantiser` is 1 to kLargestQuantiser.
void QuantiseIntra(const Coefficients& coefficients, int quantiser, Levels& levels);

// Writes the DC difference to the component's predictor (which then becomes
// this DC level), the AC levels in zig-zag order as run/level codes or
// escapes, and the end of block. Refuses a DC difference beyond -255..255
// and an AC level of magnitude 256 or more; what was written of the block is
// then left for the caller to take back.
MpegResult CodeIntraLevels(TMpegStream& stream, const Levels& levels, Component component);

}  // namespace morvane::mpeg
