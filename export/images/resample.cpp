#include "export/images/resample.h"

#include <cmath>
#include <cstdint>

#include "export/images/invariant.h"

namespace morvane {

namespace {

// Each footprint stops this short of its far edge, so that one ending exactly
// on a pixel border does not take in the next pixel with a weight of 0. It
// also makes a same-size copy exact: every pixel keeps (1 - 1e-6)^2 of its
// value, which rounds back to the value.
constexpr double kEdgeInset = 0.000001;

// The share of source pixel i (covering [i, i + 1]) inside the footprint
// [left, right] along one axis.
double Weight(int i, double left, double right) {
  const bool startsInside = i > left;
  const bool endsInside = i + 1 < right;
  if (startsInside && endsInside) {
    return 1;
  }
  if (endsInside) {
    return 1 - (left - i);
  }
  if (startsInside) {
    return right - i;
  }
  return right - left;
}

}  // namespace

RgbImage ResampleBitmap(const RgbFrame& source, int width, int height) {
  Require(source.Width > 0 && source.Height > 0, "a resampled picture has pixels");
  Require(width > 0 && height > 0, "a resampled picture is resampled to at least one pixel");
  const double sx = static_cast<double>(source.Width) / width;
  const double sy = static_cast<double>(source.Height) / height;
  const double area = static_cast<double>(source.Width) * source.Height / width / height;
  RgbImage result(width, height);
  for (int y = 0; y < height; ++y) {
    const double top = y * sy;
    const double bottom = (y + 1) * sy - kEdgeInset;
    for (int x = 0; x < width; ++x) {
      const double left = x * sx;
      const double right = (x + 1) * sx - kEdgeInset;
      double sum[3] = {0, 0, 0};
      for (int j = static_cast<int>(top); j <= static_cast<int>(bottom); ++j) {
        const double wy = Weight(j, top, bottom);
        for (int i = static_cast<int>(left); i <= static_cast<int>(right); ++i) {
          const double w = Weight(i, left, right) * wy;
          const uint8_t* pixel = source.Pixel(i, j);
          for (int c = 0; c < 3; ++c) {
            sum[c] += w * pixel[c];
          }
        }
      }
      uint8_t* out = result.Pixel(x, y);
      for (int c = 0; c < 3; ++c) {
        out[c] = static_cast<uint8_t>(std::nearbyint(sum[c] / area));
      }
    }
  }
  return result;
}

}  // namespace morvane
