#pragma once

// The headers of the sequence, group-of-pictures, picture and slice layers.

#include "codecs/mpeg/mpeg_stream.h"

namespace morvane::mpeg {

enum class PictureType { Intra = 1, Predicted = 2 };

// Square pels, picture_rate code rateIndex + 1, a variable bit rate, a VBV
// buffer of 32 and the default quantiser matrices.
void WriteSequenceHeader(TMpegStream& stream, int width, int height, int rateIndex);

// A closed group whose time code is `pictures` at `picturesPerSecond`;
// restarts the temporal references.
void WriteGopHeader(TMpegStream& stream, int pictures, int picturesPerSecond);

// Takes the next temporal reference and resets the predictors. P pictures
// use whole-pixel vectors with f_code 1 (-16..15).
void WritePictureHeader(TMpegStream& stream, PictureType type);

// The one slice that holds the whole picture.
void WriteSliceHeader(TMpegStream& stream, int quantiser);

void WriteSequenceEnd(TMpegStream& stream);

}  // namespace morvane::mpeg
