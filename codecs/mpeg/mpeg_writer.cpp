#include "codecs/mpeg/mpeg_writer.h"

#include <algorithm>
#include <utility>

#include "codecs/codecs_texts.h"
#include "codecs/mpeg/mpeg_block.h"
#include "codecs/mpeg/mpeg_headers.h"
#include "codecs/mpeg/mpeg_pictures.h"
#include "codecs/mpeg/mpeg_tables.h"

namespace morvane::mpeg {

namespace {

constexpr int kLargestSize = 4095;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

MpegResult TMpeg::Init(int width, int height, MpegSink sink, int rateIndex, int motionThreshold, int quantiser) {
  if (initialised_ || !sink || !InRange(width, 1, kLargestSize) || !InRange(height, 1, kLargestSize) ||
      !InRange(rateIndex, 0, static_cast<int>(kPicturesPerSecond.size()) - 1) ||
      !InRange(quantiser, 1, kLargestQuantiser)) {
    return MpegResult::Failure(codecs_texts::MpegInitFailed);
  }
  current_.Resize(width, height);
  next_.Resize(width, height);
  stream_.emplace(std::move(sink));
  WriteSequenceHeader(*stream_, width, height, rateIndex);
  WriteGopHeader(*stream_, 0, 1);
  initialised_ = true;
  quantiser_ = quantiser;
  motionThreshold_ = motionThreshold;
  picturesWritten_ = 0;
  picturesPerSecond_ = kPicturesPerSecond[rateIndex];
  return {};
}

MpegResult TMpeg::CheckReady() const {
  if (!initialised_) {
    return MpegResult::Failure(codecs_texts::MpegNotInitialised);
  }
  if (stream_->Failed()) {
    return MpegResult::Failure(codecs_texts::MpegWriteFailed);
  }
  return {};
}

MpegResult TMpeg::CheckFrame(const RgbFrame& frame) const {
  if (MpegResult ready = CheckReady(); !ready.Ok()) {
    return ready;
  }
  if (frame.Width != current_.Y.Width || frame.Height != current_.Y.Height) {
    return MpegResult::Failure(codecs_texts::MpegDifferentSize);
  }
  if (frame.PixelBytes != 3 && frame.PixelBytes != 4) {
    return MpegResult::Failure(codecs_texts::MpegPixelFormat);
  }
  return {};
}

MpegResult TMpeg::Commit(const TMpegStream::Mark& mark, MpegResult encoded, int pictures) {
  if (!encoded.Ok()) {
    stream_->Rewind(mark);
    return encoded;
  }
  picturesWritten_ += pictures;
  return stream_->WriteWholeBuffers() ? MpegResult() : MpegResult::Failure(codecs_texts::MpegWriteFailed);
}

MpegResult TMpeg::AddFrame(const RgbFrame& frame, bool intra) {
  if (MpegResult checked = CheckFrame(frame); !checked.Ok()) {
    return checked;
  }
  ConvertFrame(frame, next_);
  const TMpegStream::Mark mark = stream_->Here();
  MpegResult encoded;
  if (intra) {
    // The first group holds every picture up to one second's worth; from
    // then on each intra picture opens a group.
    if (picturesWritten_ > picturesPerSecond_) {
      WriteGopHeader(*stream_, picturesWritten_, picturesPerSecond_);
    }
    encoded = WriteIntraPicture(*stream_, next_, quantiser_);
  } else {
    encoded = WritePredictedPicture(*stream_, next_, current_, quantiser_, motionThreshold_);
  }
  if (encoded.Ok()) {
    std::swap(current_, next_);
  }
  return Commit(mark, encoded, 1);
}

MpegResult TMpeg::RepeatFrame(int count) {
  if (MpegResult ready = CheckReady(); !ready.Ok()) {
    return ready;
  }
  const TMpegStream::Mark mark = stream_->Here();
  const int macroblocks = current_.MacroblockColumns() * current_.MacroblockRows();
  for (int i = 0; i < count; ++i) {
    WriteRepeatedPicture(*stream_, macroblocks);
  }
  return Commit(mark, {}, std::max(count, 0));
}

MpegResult TMpeg::Finish() {
  if (!initialised_) {
    return {};
  }
  initialised_ = false;
  if (stream_->Failed()) {
    return MpegResult::Failure(codecs_texts::MpegWriteFailed);
  }
  WriteSequenceEnd(*stream_);
  return stream_->WriteAll() ? MpegResult() : MpegResult::Failure(codecs_texts::MpegWriteFailed);
}

}  // namespace morvane::mpeg
