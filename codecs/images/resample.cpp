#include "codecs/images/resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "codecs/images/invariant.h"

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

// Along one axis, the source pixels each output pixel covers and their
// weights. They are the same for every output row (or column), so they are
// worked out once per call rather than once per pixel.
struct AxisCover {
  // Per output index, its first source index.
  std::vector<int> First;
  // Per output index n, its weights are Weights[Begin[n]] .. Weights[Begin[n + 1] - 1].
  std::vector<int> Begin{0};
  std::vector<double> Weights;
};

AxisCover CoverAlong(int sourceSize, int size) {
  const double scale = static_cast<double>(sourceSize) / size;
  AxisCover cover;
  for (int n = 0; n < size; ++n) {
    const double left = n * scale;
    const double right = (n + 1) * scale - kEdgeInset;
    const int first = static_cast<int>(left);
    const int last = static_cast<int>(right);
    Require(last < sourceSize, "a footprint ends inside the source");
    for (int i = first; i <= last; ++i) {
      cover.Weights.push_back(Weight(i, left, right));
    }
    cover.First.push_back(first);
    cover.Begin.push_back(static_cast<int>(cover.Weights.size()));
  }
  return cover;
}

// Adds one source row, of vertical weight wy, to the sums of a row of output
// pixels. Every output pixel still receives its terms row by row and within a
// row from left to right, each as (horizontal x vertical weight) x value, so
// the sums are the same to the last bit as when each pixel is summed alone.
void AddRow(const uint8_t* row, int pixelBytes, double wy, const AxisCover& columns, double* sums) {
  for (size_t x = 0; x < columns.First.size(); ++x, sums += 3) {
    const uint8_t* pixel = row + static_cast<std::ptrdiff_t>(columns.First[x]) * pixelBytes;
    for (int k = columns.Begin[x]; k < columns.Begin[x + 1]; ++k, pixel += pixelBytes) {
      const double w = columns.Weights[k] * wy;
      sums[0] += w * pixel[0];
      sums[1] += w * pixel[1];
      sums[2] += w * pixel[2];
    }
  }
}

}  // namespace

RgbImage ResampleBitmap(const RgbFrame& source, int width, int height) {
  Require(source.Width > 0 && source.Height > 0, "a resampled picture has pixels");
  Require(width > 0 && height > 0, "a resampled picture is resampled to at least one pixel");
  const double area = static_cast<double>(source.Width) * source.Height / width / height;
  const AxisCover columns = CoverAlong(source.Width, width);
  const AxisCover rows = CoverAlong(source.Height, height);
  RgbImage result(width, height);
  std::vector<double> sums(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    std::fill(sums.begin(), sums.end(), 0.0);
    for (int k = rows.Begin[y]; k < rows.Begin[y + 1]; ++k) {
      AddRow(source.Row(rows.First[y] + k - rows.Begin[y]), source.PixelBytes, rows.Weights[k], columns, sums.data());
    }
    uint8_t* out = result.Row(y);
    for (size_t n = 0; n < sums.size(); ++n) {
      out[n] = static_cast<uint8_t>(std::nearbyint(sums[n] / area));
    }
  }
  return result;
}

}  // namespace morvane
