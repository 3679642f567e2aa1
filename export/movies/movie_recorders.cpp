#include "export/movies/movie_recorders.h"

#include "codecs/avi/avi_writer.h"
#include "codecs/images/gif_animation.h"
#include "codecs/mpeg/mpeg_writer.h"
#include "model/output_file.h"

namespace morvane::exporting {

namespace {

// 24 pictures a second, each frame shown twice: 12 frames a second, as the
// AVI movie plays them.
constexpr int kMpegRateIndex = 1;
constexpr int kMpegRepeats = 1;
constexpr int kMpegMotionThreshold = 2000;
constexpr int kMpegQuantiser = 4;
// An intra picture every fourth frame lets a player start or seek there.
constexpr int kMpegIntraEvery = 4;
constexpr int kAviFrameRate = 12;

class MpegRecorder final : public MovieRecorder {
 public:
  MpegRecorder(const MovieKind& kind, std::string path) : kind_(kind), path_(std::move(path)) {}

  bool Open() override {
    file_ = OutputFile::Open(path_);
    if (!file_) {
      return false;
    }
    const auto sink = [this](const uint8_t* data, size_t size) { return file_->Write(data, size); };
    return Check(mpeg_.Init(kind_.Width, kind_.Height, sink, kMpegRateIndex, kMpegMotionThreshold, kMpegQuantiser));
  }

  bool Add(const RgbFrame& frame, int index) override {
    const bool intra = index % kMpegIntraEvery == 0;
    return Check(intra ? mpeg_.AddIntraFrame(frame) : mpeg_.AddPredictedFrame(frame)) &&
           Check(mpeg_.RepeatFrame(kMpegRepeats));
  }

  bool Close(bool) override { return Check(mpeg_.Finish()) && file_->Commit(); }

  std::string ErrorText() const override { return error_; }

 private:
  bool Check(const mpeg::MpegResult& result) {
    if (!result.Ok()) {
      error_ = result.Error();
    }
    return result.Ok();
  }

  const MovieKind kind_;
  const std::string path_;
  // Before the writer, whose sink writes into it.
  std::unique_ptr<OutputFile> file_;
  mpeg::TMpeg mpeg_;
  std::string error_;
};

class AviRecorder final : public MovieRecorder {
 public:
  AviRecorder(const MovieKind& kind, const std::string& path) {
    writer_.SetFrameRate(kAviFrameRate);
    writer_.SetWidth(static_cast<uint16_t>(kind.Width));
    writer_.SetHeight(static_cast<uint16_t>(kind.Height));
    writer_.SetFileName(path);
  }

  bool Open() override { return writer_.Open(); }
  bool Add(const RgbFrame& frame, int) override { return writer_.AddFrame(frame); }
  bool Close(bool) override { return writer_.Close(); }
  std::string ErrorText() const override { return std::string(writer_.ErrorText()); }

 private:
  AviWriter writer_;
};

class GifRecorder final : public MovieRecorder {
 public:
  explicit GifRecorder(const std::string& path) : animation_(path) {}

  bool Open() override { return true; }
  bool Add(const RgbFrame& frame, int) override {
    animation_.AddFrame(frame);
    return true;
  }
  bool Close(bool whole) override { return !whole || animation_.Finish(); }
  std::string ErrorText() const override { return {}; }

 private:
  GifAnimation animation_;
};

}  // namespace

std::unique_ptr<MovieRecorder> MakeMovieRecorder(const MovieKind& kind, const std::string& path) {
  switch (kind.Format) {
    case MovieFormat::Mpeg:
      return std::make_unique<MpegRecorder>(kind, path);
    case MovieFormat::Avi:
      return std::make_unique<AviRecorder>(kind, path);
    case MovieFormat::Gif:
      return std::make_unique<GifRecorder>(path);
  }
  return nullptr;
}

}  // namespace morvane::exporting
