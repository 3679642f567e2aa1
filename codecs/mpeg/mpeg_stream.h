#pragma once

// The bit writer under the encoder, with the prediction state that the
// macroblock coders share. Bits go out most significant first.
//
// Output is collected and handed to the sink only in whole 4096-byte
// buffers, and only between pictures, so that a picture refused half-way can
// be taken back entirely (Rewind) before any of it has left. Every hand-over
// is checked; after the first failure the stream stays failed and hands over
// nothing more, since a stream with a hole in it is no use to anyone.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "codecs/mpeg/mpeg_tables.h"

namespace morvane::mpeg {

// Receives the stream's bytes; returns false when they could not be written.
using MpegSink = std::function<bool(const uint8_t* data, size_t size)>;

// What the macroblock coders carry from one macroblock to the next.
struct Predictors {
  static constexpr int kDcReset = 128;
  // Y, Cb, Cr, in DC levels.
  std::array<int, 3> Dc = {kDcReset, kDcReset, kDcReset};
  // Horizontal, vertical, in whole pixels.
  std::array<int, 2> Motion = {0, 0};

  void ResetDc() { Dc = {kDcReset, kDcReset, kDcReset}; }
  void ResetMotion() { Motion = {0, 0}; }
};

class TMpegStream {
 public:
  static constexpr size_t kBufferSize = 4096;

  explicit TMpegStream(MpegSink sink);

  // `count` is 0 to 32; `value` must fit in it.
  void PutBits(uint32_t value, int count) {
    accumulator_ = (accumulator_ << count) | value;
    pendingBits_ += count;
    if (pendingBits_ >= 32) {
      MoveWholeBytes();
    }
  }
  void PutCode(VlcCode code) { PutBits(code.Bits, code.Length); }
  // Zero bits up to the next byte boundary.
  void ByteAlign();
  // Byte-aligns, then writes 00 00 01 and the code's last byte.
  void PutStartCode(uint32_t code);

  // Where the stream stands, to come back to with Rewind.
  struct Mark {
    size_t Bytes;
    uint64_t Accumulator;
    int PendingBits;
    int TemporalReference;
  };
  Mark Here() const { return {bytes_.size(), accumulator_, pendingBits_, TemporalReference}; }
  void Rewind(const Mark& mark);

  // Hands every whole buffer collected to the sink and keeps the rest.
  // False when this or any earlier hand-over failed.
  bool WriteWholeBuffers();
  // Byte-aligns and hands everything over.
  bool WriteAll();
  bool Failed() const { return failed_; }

  // Counts pictures within a group of pictures.
  int TemporalReference = 0;
  Predictors Predict;

 private:
  void MoveWholeBytes();
  bool Hand(const uint8_t* data, size_t size);

  MpegSink sink_;
  std::vector<uint8_t> bytes_;
  // The last pendingBits_ bits of accumulator_ are not in bytes_ yet.
  uint64_t accumulator_ = 0;
  int pendingBits_ = 0;
  bool failed_ = false;
};

}  // namespace morvane::mpeg
