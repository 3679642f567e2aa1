#pragma once

// The program's MPEG-1 video writer: RGB frames of one size in, an MPEG-1
// video elementary stream (sequence, groups of pictures, pictures, slices; no
// system layer) out, through a sink the caller owns.
//
// Movie export calls Init(w, h, sink, 1, 2000, 4), then for each captured
// frame AddIntraFrame (every fourth) or AddPredictedFrame, each followed by
// RepeatFrame(1), and finally Finish.
//
// Every call answers success or one of the texts of mpeg_result.h. A refused
// picture leaves no trace in the stream. Once the sink has failed, every
// further picture and Finish report the failed write.

#include <optional>

#include "codecs/mpeg/mpeg_image.h"
#include "codecs/mpeg/mpeg_result.h"
#include "codecs/mpeg/mpeg_stream.h"
#include "codecs/rgb_frame.h"

namespace morvane::mpeg {

class TMpeg {
 public:
  // Width and height 1 to 4095, rate index 0 to 8 (see kPicturesPerSecond),
  // quantiser 1 to 31, a sink, and not initialised yet. Writes the sequence
  // header and a first group-of-pictures header.
  MpegResult Init(int width, int height, MpegSink sink, int rateIndex, int motionThreshold, int quantiser);

  MpegResult AddIntraFrame(const RgbFrame& frame) { return AddFrame(frame, true); }
  // The frame is predicted from the frame added before it, as given (not as a
  // decoder will show it).
  MpegResult AddPredictedFrame(const RgbFrame& frame) { return AddFrame(frame, false); }
  // `count` pictures that show the previous picture again; none for count < 1.
  MpegResult RepeatFrame(int count);
  // Ends the sequence and hands over the rest of the stream. Does nothing
  // when not initialised, so a second call writes nothing more.
  MpegResult Finish();

 private:
  MpegResult AddFrame(const RgbFrame& frame, bool intra);
  MpegResult CheckReady() const;
  MpegResult CheckFrame(const RgbFrame& frame) const;
  // Keeps what was written since `mark` when `encoded` succeeded (takes it
  // back otherwise) and hands over the whole buffers.
  MpegResult Commit(const TMpegStream::Mark& mark, MpegResult encoded, int pictures);

  // The last picture added and the one being made.
  TMpegImage current_;
  TMpegImage next_;
  std::optional<TMpegStream> stream_;
  bool initialised_ = false;
  int quantiser_ = 0;
  int motionThreshold_ = 0;
  int picturesWritten_ = 0;
  int picturesPerSecond_ = 0;
};

}  // namespace morvane::mpeg
