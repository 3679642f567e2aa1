#include "export/movies/movie_kinds.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "export/export_names.h"
#include "export/picture_files.h"

namespace morvane::exporting {

namespace {

// In the order of the save dialog's filters.
constexpr std::array<MovieKind, 6> kMovieKinds{{{MovieFormat::Mpeg, 320, 240},
                                                {MovieFormat::Mpeg, 640, 480},
                                                {MovieFormat::Avi, 320, 240},
                                                {MovieFormat::Avi, 640, 480},
                                                {MovieFormat::Gif, 120, 90},
                                                {MovieFormat::Gif, 320, 240}}};

}  // namespace

MovieKind MovieKindOfFilter(int filterIndex) {
  assert(filterIndex >= 1 && filterIndex <= static_cast<int>(kMovieKinds.size()));
  return kMovieKinds[static_cast<size_t>(filterIndex - 1)];
}

std::optional<MovieKind> FindMovieKind(MovieFormat format, int width, int height) {
  const MovieKind wanted{format, width, height};
  const auto found = std::find(kMovieKinds.begin(), kMovieKinds.end(), wanted);
  return found == kMovieKinds.end() ? std::nullopt : std::optional(*found);
}

std::optional<MovieFormat> MovieFormatOfName(const std::string& path) {
  // The extensions stand in the order of the formats.
  const std::string extension = LowerExtension(path);
  const auto found = std::find(kMovieExtensions.begin(), kMovieExtensions.end(), extension);
  if (found == kMovieExtensions.end()) {
    return std::nullopt;
  }
  return static_cast<MovieFormat>(found - kMovieExtensions.begin());
}

}  // namespace morvane::exporting
