#include "codecs/avi/avi_writer.h"

#include <algorithm>
#include <vector>

#include "codecs/avi/avi_layout.h"
#include "codecs/avi/dib_frame.h"
#include "codecs/codecs_texts.h"
#include "model/output_file.h"

namespace morvane {

namespace {

constexpr int kMinFrameRate = 1;
constexpr int kMaxFrameRate = 30;

}  // namespace

struct AviWriter::Recording {
  AviFormat Format;
  uint32_t FrameLimit = 0;
  std::unique_ptr<OutputFile> File;
  // The chunk of one frame, tag and size included, so that each frame is one
  // write. Kept between frames: an empty frame repeats the one before.
  std::vector<uint8_t> Chunk;
  uint32_t FrameCount = 0;
  bool Failed = false;
};

AviWriter::AviWriter() = default;
AviWriter::~AviWriter() = default;

void AviWriter::SetFrameRate(int frameRate) { frameRate_ = std::clamp(frameRate, kMinFrameRate, kMaxFrameRate); }

void AviWriter::SetBitDepth(uint8_t bitDepth) { bitDepth_ = bitDepth == 24 ? 24 : 16; }

bool AviWriter::Fail(std::string_view text) {
  errorText_ = text;
  if (recording_) {
    recording_->Failed = true;
  }
  return false;
}

bool AviWriter::Open() {
  recording_.reset();
  errorText_ = {};
  if (fileName_.empty()) {
    return false;
  }
  auto recording = std::make_unique<Recording>();
  recording->Format = {width_, height_, bitDepth_, frameRate_};
  recording->FrameLimit = FramesThatFit(recording->Format);
  if (recording->FrameLimit == 0) {
    return Fail(codecs_texts::AviStreamNotCreated);
  }
  recording->File = OutputFile::Open(fileName_);
  if (!recording->File || !recording->File->Write(AviHeader(recording->Format, 0))) {
    return Fail(codecs_texts::AviFileNotCreated);
  }
  const std::string chunkHeader = FrameChunkHeader(recording->Format);
  recording->Chunk.assign(chunkHeader.size() + FrameBytes(recording->Format), 0);
  std::copy(chunkHeader.begin(), chunkHeader.end(), recording->Chunk.begin());
  recording_ = std::move(recording);
  return true;
}

bool AviWriter::AddFrame(const RgbFrame& frame) {
  if (!recording_ || recording_->Failed) {
    return false;
  }
  Recording& r = *recording_;
  if (r.FrameCount == r.FrameLimit) {
    return Fail(codecs_texts::AviFileNotCreated);
  }
  const size_t headerBytes = r.Chunk.size() - FrameBytes(r.Format);
  DrawDibFrame(frame, r.Format, r.Chunk.data() + headerBytes);
  if (!r.File->Write(r.Chunk.data(), r.Chunk.size())) {
    return Fail(codecs_texts::AviFileNotCreated);
  }
  ++r.FrameCount;
  return true;
}

bool AviWriter::Close() {
  const std::unique_ptr<Recording> recording = std::move(recording_);
  if (!recording || recording->Failed) {
    return false;
  }
  OutputFile& file = *recording->File;
  const AviFormat& format = recording->Format;
  const std::string header = AviHeader(format, recording->FrameCount);
  if (!file.Write(AviIndex(format, recording->FrameCount)) || !file.WriteAt(0, header.data(), header.size()) ||
      !file.Commit()) {
    errorText_ = codecs_texts::AviFileNotCreated;
    return false;
  }
  return true;
}

}  // namespace morvane
