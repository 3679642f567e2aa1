#include "codecs/mpeg/mpeg_stream.h"

#include <utility>

namespace morvane::mpeg {

TMpegStream::TMpegStream(MpegSink sink) : sink_(std::move(sink)) { bytes_.reserve(2 * kBufferSize); }

void TMpegStream::MoveWholeBytes() {
  while (pendingBits_ >= 8) {
    pendingBits_ -= 8;
    bytes_.push_back(static_cast<uint8_t>(accumulator_ >> pendingBits_));
  }
}

void TMpegStream::ByteAlign() {
  if (pendingBits_ % 8 != 0) {
    PutBits(0, 8 - pendingBits_ % 8);
  }
  MoveWholeBytes();
}

void TMpegStream::PutStartCode(uint32_t code) {
  ByteAlign();
  PutBits(0x000001, 24);
  PutBits(code & 0xFF, 8);
}

void TMpegStream::Rewind(const Mark& mark) {
  bytes_.resize(mark.Bytes);
  accumulator_ = mark.Accumulator;
  pendingBits_ = mark.PendingBits;
  TemporalReference = mark.TemporalReference;
}

bool TMpegStream::Hand(const uint8_t* data, size_t size) {
  if (!failed_ && !sink_(data, size)) {
    failed_ = true;
  }
  return !failed_;
}

bool TMpegStream::WriteWholeBuffers() {
  MoveWholeBytes();
  size_t handed = 0;
  while (!failed_ && bytes_.size() - handed >= kBufferSize) {
    Hand(bytes_.data() + handed, kBufferSize);
    handed += kBufferSize;
  }
  bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(handed));
  return !failed_;
}

bool TMpegStream::WriteAll() {
  ByteAlign();
  if (!WriteWholeBuffers()) {
    return false;
  }
  if (!bytes_.empty()) {
    Hand(bytes_.data(), bytes_.size());
    bytes_.clear();
  }
  return !failed_;
}

}  // namespace morvane::mpeg
