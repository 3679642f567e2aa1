#include "codecs/mpeg/mpeg_headers.h"

#include <cstdint>

namespace morvane::mpeg {

namespace {

constexpr uint32_t kPictureStartCode = 0x00000100;
constexpr uint32_t kFirstSliceStartCode = 0x00000101;
constexpr uint32_t kSequenceHeaderCode = 0x000001B3;
constexpr uint32_t kSequenceEndCode = 0x000001B7;
constexpr uint32_t kGroupStartCode = 0x000001B8;

constexpr uint32_t kSquarePels = 1;
constexpr uint32_t kVariableBitRate = 0x3FFFF;
constexpr uint32_t kVbvBufferSize = 32;
constexpr uint32_t kUnknownVbvDelay = 0xFFFF;

void PutUnsigned(TMpegStream& stream, int value, int count) {
  stream.PutBits(static_cast<uint32_t>(value) & ((uint32_t{1} << count) - 1), count);
}

}  // namespace

void WriteSequenceHeader(TMpegStream& stream, int width, int height, int rateIndex) {
  stream.PutStartCode(kSequenceHeaderCode);
  PutUnsigned(stream, width, 12);
  PutUnsigned(stream, height, 12);
  stream.PutBits(kSquarePels, 4);
  PutUnsigned(stream, rateIndex + 1, 4);
  stream.PutBits(kVariableBitRate, 18);
  stream.PutBits(1, 1);  // marker
  stream.PutBits(kVbvBufferSize, 10);
  stream.PutBits(0, 3);  // not constrained, no intra matrix, no non-intra matrix
}

void WriteGopHeader(TMpegStream& stream, int pictures, int picturesPerSecond) {
  const int hour = 3600 * picturesPerSecond;
  const int minute = 60 * picturesPerSecond;
  const int hours = pictures / hour;
  const int minutes = (pictures - hours * hour) / minute;
  const int rest = pictures - hours * hour - minutes * minute;
  stream.PutStartCode(kGroupStartCode);
  stream.PutBits(0, 1);  // no dropped frames
  PutUnsigned(stream, hours, 5);
  PutUnsigned(stream, minutes, 6);
  stream.PutBits(1, 1);  // marker
  PutUnsigned(stream, rest / picturesPerSecond, 6);
  PutUnsigned(stream, rest % picturesPerSecond, 6);
  stream.PutBits(0b10, 2);  // closed group, link not broken
  stream.PutBits(0, 5);
  stream.TemporalReference = 0;
}

void WritePictureHeader(TMpegStream& stream, PictureType type) {
  stream.PutStartCode(kPictureStartCode);
  PutUnsigned(stream, stream.TemporalReference++, 10);
  stream.PutBits(static_cast<uint32_t>(type), 3);
  stream.PutBits(kUnknownVbvDelay, 16);
  if (type == PictureType::Predicted) {
    stream.PutBits(1, 1);      // full-pixel vectors
    stream.PutBits(0b001, 3);  // forward f_code 1
    stream.PutBits(0, 7);      // no extra information, then alignment
  } else {
    stream.PutBits(0, 3);
  }
  stream.Predict.ResetMotion();
  stream.Predict.ResetDc();
}

void WriteSliceHeader(TMpegStream& stream, int quantiser) {
  stream.PutStartCode(kFirstSliceStartCode);
  PutUnsigned(stream, quantiser, 5);
  stream.PutBits(0, 1);  // no extra information
}

void WriteSequenceEnd(TMpegStream& stream) {
  stream.PutBits(0, 32);
  stream.PutStartCode(kSequenceEndCode);
}

}  // namespace morvane::mpeg
