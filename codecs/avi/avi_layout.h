#pragma once

// The bytes of an uncompressed AVI file with one video stream, around its
// frames:
//
//   RIFF 'AVI '
//     LIST 'hdrl'
//       avih                 main header
//       LIST 'strl'
//         strh               stream header
//         strf               40-byte bitmap-information header
//         strn "VIDEO"
//     LIST 'movi'
//       00db ... 00db        one chunk per frame, all of the same size
//     idx1                   one key-frame entry per frame
//
// Every size and count in the header follows from the frame count alone, so
// the writer writes the header once with no frames and writes it again,
// whole, when the count is known.

#include <cstdint>
#include <string>

namespace morvane {

struct AviFormat {
  uint16_t Width = 0;
  uint16_t Height = 0;
  // 16 or 24.
  int BitDepth = 16;
  // Frames per second, 1 to 30.
  int FrameRate = 1;
};

// Bytes of one frame: the width rounded up to whole groups of four pixels,
// times the height, times the bytes per pixel.
uint64_t FrameBytes(const AviFormat& format);

// How many frames the file can take before one of its 32-bit sizes would
// overflow; 0 when not even one frame fits (or the picture is empty).
uint32_t FramesThatFit(const AviFormat& format);

// Everything before the first frame, up to and including the 'movi' tag.
std::string AviHeader(const AviFormat& format, uint32_t frameCount);

// The tag and size that open each frame's chunk.
std::string FrameChunkHeader(const AviFormat& format);

// The idx1 chunk that follows the last frame.
std::string AviIndex(const AviFormat& format, uint32_t frameCount);

}  // namespace morvane
