#include "codecs/mpeg/mpeg_pictures.h"

#include <cstdint>
#include <cstdlib>

#include "codecs/mpeg/mpeg_block.h"
#include "codecs/mpeg/mpeg_dct.h"
#include "codecs/mpeg/mpeg_headers.h"
#include "codecs/mpeg/mpeg_motion.h"
#include "codecs/mpeg/mpeg_tables.h"

namespace morvane::mpeg {

namespace {

// Texture above this luminance variance lets a moved copy cost up to four
// times the threshold.
constexpr int kTexturedVariance = 64;
// An address increment escape adds this many macroblocks to the increment
// that follows it.
constexpr int kEscapedIncrement = 33;

MpegResult CodeIntraBlock(TMpegStream& stream, const TImageBW& plane, int x, int y, int quantiser,
                          Component component) {
  Coefficients coefficients;
  ForwardDct(plane.Row(y) + x, plane.PaddedWidth, coefficients);
  Levels levels;
  QuantiseIntra(coefficients, quantiser, levels);
  return CodeIntraLevels(stream, levels, component);
}

// Four luminance blocks in reading order, then Cb, then Cr.
MpegResult CodeIntraMacroblock(TMpegStream& stream, const TMpegImage& picture, int x, int y, int quantiser) {
  struct Block {
    const TImageBW& Plane;
    int X;
    int Y;
    Component Of;
  };
  const Block blocks[] = {
      {picture.Y, x, y, Component::Luminance},         {picture.Y, x + 8, y, Component::Luminance},
      {picture.Y, x, y + 8, Component::Luminance},     {picture.Y, x + 8, y + 8, Component::Luminance},
      {picture.Cb, x / 2, y / 2, Component::Cb},       {picture.Cr, x / 2, y / 2, Component::Cr},
  };
  for (const Block& block : blocks) {
    if (MpegResult result = CodeIntraBlock(stream, block.Plane, block.X, block.Y, quantiser, block.Of);
        !result.Ok()) {
      return result;
    }
  }
  return {};
}

// Vectors lie within +-4, so differences (+-8) never need wrapping into the
// range of f_code 1.
void PutMotionComponent(TMpegStream& stream, int& predictor, int value) {
  const int difference = value - predictor;
  predictor = value;
  const VlcCode code = kMotionCodes[std::abs(difference)];
  if (difference == 0) {
    stream.PutCode(code);
  } else {
    stream.PutBits((code.Bits << 1) | (difference < 0 ? 1 : 0), code.Length + 1);
  }
}

bool TakesMotion(const MotionChoice& choice, int motionThreshold, const TImageBW& luminance, int x, int y) {
  const int64_t cost = choice.Cost;
  if (cost <= motionThreshold) {
    return true;
  }
  return cost <= 4 * int64_t{motionThreshold} && MacroblockVariance(luminance, x, y) > kTexturedVariance;
}

}  // namespace

MpegResult WriteIntraPicture(TMpegStream& stream, const TMpegImage& picture, int quantiser) {
  WritePictureHeader(stream, PictureType::Intra);
  WriteSliceHeader(stream, quantiser);
  for (int row = 0; row < picture.MacroblockRows(); ++row) {
    for (int column = 0; column < picture.MacroblockColumns(); ++column) {
      stream.PutCode(kAddressIncrementOne);
      stream.PutCode(kIntraInIntraPicture);
      if (MpegResult result = CodeIntraMacroblock(stream, picture, 16 * column, 16 * row, quantiser); !result.Ok()) {
        return result;
      }
    }
  }
  return {};
}

MpegResult WritePredictedPicture(TMpegStream& stream, const TMpegImage& picture, const TMpegImage& reference,
                                 int quantiser, int motionThreshold) {
  WritePictureHeader(stream, PictureType::Predicted);
  WriteSliceHeader(stream, quantiser);
  for (int row = 0; row < picture.MacroblockRows(); ++row) {
    for (int column = 0; column < picture.MacroblockColumns(); ++column) {
      const int x = 16 * column;
      const int y = 16 * row;
      const MotionChoice choice = SearchMotion(picture.Y, reference.Y, x, y);
      stream.PutCode(kAddressIncrementOne);
      if (TakesMotion(choice, motionThreshold, picture.Y, x, y)) {
        stream.PutCode(kMotionNotCoded);
        stream.Predict.ResetDc();
        PutMotionComponent(stream, stream.Predict.Motion[0], choice.Vector.Dx);
        PutMotionComponent(stream, stream.Predict.Motion[1], choice.Vector.Dy);
        continue;
      }
      stream.PutCode(kIntraInPredictedPicture);
      if (MpegResult result = CodeIntraMacroblock(stream, picture, x, y, quantiser); !result.Ok()) {
        return result;
      }
      stream.Predict.ResetMotion();
    }
  }
  return {};
}

void WriteRepeatedPicture(TMpegStream& stream, int macroblocks) {
  WritePictureHeader(stream, PictureType::Predicted);
  WriteSliceHeader(stream, 1);
  int left = macroblocks;
  do {
    stream.PutCode(kAddressIncrementOne);
    stream.PutCode(kMotionNotCoded);
    stream.PutCode(kMotionCodes[0]);
    stream.PutCode(kMotionCodes[0]);
    stream.Predict.ResetDc();
    --left;
    if (left > kEscapedIncrement + 1) {
      left -= kEscapedIncrement;
      stream.PutCode(kAddressEscape);
    }
  } while (left > 0);
}

}  // namespace morvane::mpeg
