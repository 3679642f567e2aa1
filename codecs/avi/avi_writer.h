#pragma once

// AviWriter records a series of pictures as an uncompressed AVI movie. The
// caller sets the properties, calls Open, adds the frames and calls Close,
// also after a recording that stopped early: whatever was added by then
// becomes a complete, playable file.
//
// The movie is written beside its target under a temporary name and takes
// the target's name only when Close succeeds, so a recording that fails or
// is never closed leaves any earlier file of that name as it was. A write
// that fails (a full disk, a vanished folder) fails the whole recording:
// AddFrame and Close return false and the half-written file is removed.
// Every frame is stored as an uncompressed bitmap key frame.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "codecs/rgb_frame.h"

namespace morvane {

class AviWriter {
 public:
  AviWriter();
  ~AviWriter();
  AviWriter(const AviWriter&) = delete;
  AviWriter& operator=(const AviWriter&) = delete;

  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
  uint16_t Width() const { return width_; }
  void SetWidth(uint16_t width) { width_ = width; }
  uint16_t Height() const { return height_; }
  void SetHeight(uint16_t height) { height_ = height; }
  int FrameRate() const { return frameRate_; }
  // Kept within 1 to 30 frames per second.
  void SetFrameRate(int frameRate);
  uint8_t BitDepth() const { return bitDepth_; }
  // 16 or 24; anything else means 16.
  void SetBitDepth(uint8_t bitDepth);

  // Starts a recording with the current properties; a recording still open
  // is abandoned. False when FileName is empty (ErrorText then says nothing)
  // or when the file cannot be created.
  bool Open();
  // Appends one frame, stretched to Width x Height when its size differs.
  // False when the writer is not open or a write failed, now or before.
  bool AddFrame(const RgbFrame& frame);
  // Completes the file and puts it in place. False when the writer was not
  // open or any write failed; nothing then replaces an earlier file.
  bool Close();

  // The user's text for the last failure of Open, AddFrame or Close; empty
  // when there is nothing to show.
  std::string_view ErrorText() const { return errorText_; }

 private:
  struct Recording;

  bool Fail(std::string_view text);

  std::string fileName_;
  uint16_t width_ = 320;
  uint16_t height_ = 240;
  int frameRate_ = 30;
  uint8_t bitDepth_ = 16;

  std::unique_ptr<Recording> recording_;
  std::string_view errorText_;
};

}  // namespace morvane
