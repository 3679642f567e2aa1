#pragma once

#include <memory>
#include <string>

#include "codecs/rgb_frame.h"
#include "export/movies/movie_kinds.h"

namespace morvane::exporting {

// What the frames of a movie go into: an MPEG-1 stream, an AVI file or a GIF
// animation. Every recorder writes beside its target under a temporary name
// and puts the file in place only when it is closed, so a recording that
// fails leaves an earlier file of that name as it was.
class MovieRecorder {
 public:
  virtual ~MovieRecorder() = default;

  // False when the file cannot be started.
  [[nodiscard]] virtual bool Open() = 0;
  // Frame `index` of the recording, counted from 0. False when it could not
  // be written; the recording is then over and nothing will be put in place.
  [[nodiscard]] virtual bool Add(const RgbFrame& frame, int index) = 0;
  // Completes the file with the frames added and puts it in place; `whole`
  // tells whether every frame of the movie came. A movie cut short still
  // plays the frames it has, but an animation cut short, which would loop a
  // part of the turn as if it were all of it, is not written. False when
  // writing failed.
  [[nodiscard]] virtual bool Close(bool whole) = 0;
  // The writer's own text for its last failure; empty when it has none.
  virtual std::string ErrorText() const = 0;
};

std::unique_ptr<MovieRecorder> MakeMovieRecorder(const MovieKind& kind, const std::string& path);

}  // namespace morvane::exporting
