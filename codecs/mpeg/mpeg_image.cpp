#include "codecs/mpeg/mpeg_image.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstring>

namespace morvane::mpeg {

namespace {

int PaddedSize(int size) { return (size + 15) / 16 * 16; }

// The luminance weights are 330, 649 and 121 in 1280ths; a sum exactly
// halfway between two levels goes to the even one. Sixteen pixels at a time
// are weighed with SSE2, the rest of a row one by one.
int LuminanceSum(const uint8_t* pixel) { return 330 * pixel[0] + 649 * pixel[1] + 121 * pixel[2] + 640; }

uint8_t LuminanceOfSum(int sum) {
  const int level = sum / 1280;
  return static_cast<uint8_t>(level - ((level * 1280 == sum) & level) + 16);
}

// Multiply-add weights for the 16-bit pairs (red, blue) and (green, 1): the
// second pair carries the rounding constant.
const __m128i kRedBlue = _mm_set1_epi32(121 << 16 | 330);
const __m128i kGreenOne = _mm_set1_epi32(640 << 16 | 649);

// Sixteen sums (four lanes of 32 bits in each vector) to sixteen luminance
// samples. sum / 1280 is (sum / 256) / 5, and x / 5 is (x * 13108) >> 16 for
// the x < 1100 that occur.
void StoreLuminance(const __m128i sums[4], uint8_t* out) {
  const __m128i low = _mm_set1_epi32(255);
  const __m128i one = _mm_set1_epi16(1);
  __m128i half[2];
  for (int h = 0; h < 2; ++h) {
    const __m128i x = _mm_packs_epi32(_mm_srai_epi32(sums[2 * h], 8), _mm_srai_epi32(sums[2 * h + 1], 8));
    const __m128i rest = _mm_packs_epi32(_mm_and_si128(sums[2 * h], low), _mm_and_si128(sums[2 * h + 1], low));
    const __m128i level = _mm_mulhi_epu16(x, _mm_set1_epi16(13108));
    const __m128i tie = _mm_and_si128(_mm_cmpeq_epi16(rest, _mm_setzero_si128()),
                                      _mm_cmpeq_epi16(_mm_mullo_epi16(level, _mm_set1_epi16(5)), x));
    half[h] = _mm_add_epi16(_mm_sub_epi16(level, _mm_and_si128(tie, _mm_and_si128(level, one))), _mm_set1_epi16(16));
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(half[0], half[1]));
}

// Sixteen pixels of 3 bytes. Interleaving the first 24 bytes with the last 24
// moves byte i to 2 i modulo 47; four times over, byte 3 j + c goes to
// 16 c + j (16 is the inverse of 3 modulo 47), which sorts the bytes into
// reds, greens and blues.
void WeighSixteen3(const uint8_t* pixels, __m128i sums[4]) {
  __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
  __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 16));
  __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 32));
  for (int round = 0; round < 4; ++round) {
    const __m128i first = _mm_unpacklo_epi8(a, _mm_unpackhi_epi64(b, b));
    const __m128i second = _mm_unpacklo_epi8(_mm_unpackhi_epi64(a, a), c);
    const __m128i third = _mm_unpacklo_epi8(b, _mm_unpackhi_epi64(c, c));
    a = first;
    b = second;
    c = third;
  }
  const __m128i zero = _mm_setzero_si128();
  const __m128i ones = _mm_set1_epi8(1);
  // Byte pairs (red, blue) and (green, 1), widened to 16-bit pairs.
  const __m128i redBlue[2] = {_mm_unpacklo_epi8(a, c), _mm_unpackhi_epi8(a, c)};
  const __m128i greenOne[2] = {_mm_unpacklo_epi8(b, ones), _mm_unpackhi_epi8(b, ones)};
  for (int h = 0; h < 2; ++h) {
    for (int q = 0; q < 2; ++q) {
      const __m128i rb = q == 0 ? _mm_unpacklo_epi8(redBlue[h], zero) : _mm_unpackhi_epi8(redBlue[h], zero);
      const __m128i g1 = q == 0 ? _mm_unpacklo_epi8(greenOne[h], zero) : _mm_unpackhi_epi8(greenOne[h], zero);
      sums[2 * h + q] = _mm_add_epi32(_mm_madd_epi16(rb, kRedBlue), _mm_madd_epi16(g1, kGreenOne));
    }
  }
}

// Sixteen pixels of 4 bytes: each 32-bit lane holds one pixel, so masks and
// shifts give the (red, blue) and (green, 1) pairs directly.
void WeighSixteen4(const uint8_t* pixels, __m128i sums[4]) {
  const __m128i evenBytes = _mm_set1_epi32(0x00FF00FF);
  const __m128i greenMask = _mm_set1_epi32(0x000000FF);
  const __m128i oneAbove = _mm_set1_epi32(0x00010000);
  for (int q = 0; q < 4; ++q) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 16 * q));
    const __m128i rb = _mm_and_si128(v, evenBytes);
    const __m128i g1 = _mm_or_si128(_mm_and_si128(_mm_srli_epi32(v, 8), greenMask), oneAbove);
    sums[q] = _mm_add_epi32(_mm_madd_epi16(rb, kRedBlue), _mm_madd_epi16(g1, kGreenOne));
  }
}

template <int kPixelBytes>
void ConvertLuminance(const RgbFrame& frame, TImageBW& plane) {
  for (int y = 0; y < frame.Height; ++y) {
    const uint8_t* pixel = frame.Row(y);
    uint8_t* out = plane.Row(y);
    int x = 0;
    for (__m128i sums[4]; x + 16 <= frame.Width; x += 16, pixel += 16 * kPixelBytes) {
      if constexpr (kPixelBytes == 3) {
        WeighSixteen3(pixel, sums);
      } else {
        WeighSixteen4(pixel, sums);
      }
      StoreLuminance(sums, out + x);
    }
    for (; x < frame.Width; ++x, pixel += kPixelBytes) {
      out[x] = LuminanceOfSum(LuminanceSum(pixel));
    }
  }
}

template <int kPixelBytes>
void ConvertColour(const RgbFrame& frame, TImageBW& cb, TImageBW& cr) {
  // Only a frame one pixel wide lacks the right-hand pixel of a pair.
  const int right = frame.Width > 1 ? kPixelBytes : 0;
  for (int cy = 0; cy < cb.Height; ++cy) {
    const uint8_t* pixel = frame.Row(2 * cy);
    uint8_t* cbRow = cb.Row(cy);
    uint8_t* crRow = cr.Row(cy);
    for (int cx = 0; cx < cb.Width; ++cx, pixel += 2 * kPixelBytes) {
      const int r = (pixel[0] + pixel[right]) / 2;
      const int g = (pixel[1] + pixel[right + 1]) / 2;
      const int b = (pixel[2] + pixel[right + 2]) / 2;
      cbRow[cx] = static_cast<uint8_t>((-21 * r - 42 * g + 63 * b) / 128 + 128);
      crRow[cx] = static_cast<uint8_t>((63 * r - 53 * g - 10 * b) / 128 + 128);
    }
  }
}

template <int kPixelBytes>
void Convert(const RgbFrame& frame, TMpegImage& image) {
  ConvertLuminance<kPixelBytes>(frame, image.Y);
  ConvertColour<kPixelBytes>(frame, image.Cb, image.Cr);
}

}  // namespace

void TImageBW::Resize(int width, int height, int paddedWidth, int paddedHeight) {
  Width = width;
  Height = height;
  PaddedWidth = paddedWidth;
  PaddedHeight = paddedHeight;
  Samples.assign(static_cast<size_t>(paddedWidth) * static_cast<size_t>(paddedHeight), 0);
}

void TImageBW::RepeatEdges() {
  for (int y = 0; y < Height; ++y) {
    uint8_t* row = Row(y);
    std::fill(row + Width, row + PaddedWidth, row[Width - 1]);
  }
  for (int y = Height; y < PaddedHeight; ++y) {
    std::memcpy(Row(y), Row(Height - 1), static_cast<size_t>(PaddedWidth));
  }
}

void TMpegImage::Resize(int width, int height) {
  const int paddedWidth = PaddedSize(width);
  const int paddedHeight = PaddedSize(height);
  Y.Resize(width, height, paddedWidth, paddedHeight);
  const int colourWidth = std::max(1, width / 2);
  const int colourHeight = std::max(1, height / 2);
  Cb.Resize(colourWidth, colourHeight, paddedWidth / 2, paddedHeight / 2);
  Cr.Resize(colourWidth, colourHeight, paddedWidth / 2, paddedHeight / 2);
}

void ConvertFrame(const RgbFrame& frame, TMpegImage& image) {
  if (frame.PixelBytes == 4) {
    Convert<4>(frame, image);
  } else {
    Convert<3>(frame, image);
  }
  image.Y.RepeatEdges();
  image.Cb.RepeatEdges();
  image.Cr.RepeatEdges();
}

}  // namespace morvane::mpeg
