#pragma once

#include <optional>
#include <string>

namespace morvane::exporting {

enum class MovieFormat { Mpeg, Avi, Gif };

// One choice of the movie save dialog: a writer and its frame size.
struct MovieKind {
  MovieFormat Format = MovieFormat::Avi;
  int Width = 0;
  int Height = 0;

  bool operator==(const MovieKind&) const = default;
};

// Filters 1 to 6: MPEG-1 at 320 x 240 and 640 x 480, AVI at the same sizes,
// the GIF animation at 120 x 90 and 320 x 240.
MovieKind MovieKindOfFilter(int filterIndex);

// The choice of that writer and size, or nullopt when the writer does not
// make frames of that size.
std::optional<MovieKind> FindMovieKind(MovieFormat format, int width, int height);

// The writer a file name asks for by its extension (.mpg, .avi, .gif in any
// letter case), or nullopt.
std::optional<MovieFormat> MovieFormatOfName(const std::string& path);

}  // namespace morvane::exporting
