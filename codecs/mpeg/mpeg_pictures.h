#pragma once

// The three kinds of picture the writer makes, each in one slice: intra
// pictures, predicted pictures whose macroblocks are either intra coded or
// moved copies of the previous picture with nothing added, and repeated
// pictures that copy the previous picture.

#include "codecs/mpeg/mpeg_image.h"
#include "codecs/mpeg/mpeg_result.h"
#include "codecs/mpeg/mpeg_stream.h"

namespace morvane::mpeg {

MpegResult WriteIntraPicture(TMpegStream& stream, const TMpegImage& picture, int quantiser);

// Each macroblock takes the best displacement into `reference` (the previous
// source picture) when its cost is at most the threshold T, or at most 4 T
// while the macroblock's luminance varies by more than 64 (texture hides the
// error); otherwise it is intra coded.
MpegResult WritePredictedPicture(TMpegStream& stream, const TMpegImage& picture, const TMpegImage& reference,
                                 int quantiser, int motionThreshold);

// Codes the first macroblock, every 34th after it and all those within the
// last 34 as still copies, and skips the rest.
void WriteRepeatedPicture(TMpegStream& stream, int macroblocks);

}  // namespace morvane::mpeg
