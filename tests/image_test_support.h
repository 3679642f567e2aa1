#pragma once

// Helpers of the picture and movie tests: pictures to write, and the means
// to read what was written without our own code (libjpeg, giflib, ffprobe,
// ffmpeg).

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "codecs/rgb_frame.h"
#include "tests/test_support.h"

namespace morvane::testing {

// What an export shows: a white canvas, grey dots every 10 pixels, a red
// disk, a blue plate and thin black lines. The disk goes round a small
// circle, 4 degrees a frame.
inline RgbImage CanvasLikePicture(int width, int height, int frame = 0) {
  static constexpr uint8_t kColours[5][3] = {{230, 40, 40}, {60, 90, 220}, {128, 128, 128}, {0, 0, 0}, {255, 255, 255}};
  const double turn = frame * std::numbers::pi / 45;
  const int centreX = width / 3 + static_cast<int>(std::lround(width / 16.0 * (std::cos(turn) - 1)));
  const int centreY = height / 2 + static_cast<int>(std::lround(width / 16.0 * std::sin(turn)));
  RgbImage image(width, height);
  for (int p = 0; p < width * height; ++p) {
    const int x = p % width, y = p / width;
    const int dx = x - centreX, dy = y - centreY;
    const int colour = dx * dx + dy * dy < width * width / 36 ? 0
                       : x > width / 2 && y > height / 5 && y - height / 5 < x - width / 2 ? 1
                       : x % 10 == 0 && y % 10 == 0 ? 2
                       : y == height * 3 / 4 || x == y ? 3 : 4;
    std::copy_n(kColours[colour], 3, image.Pixel(x, y));
  }
  return image;
}

inline RgbImage NoisePicture(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  RgbImage image(width, height);
  std::generate_n(image.Row(0), width * height * 3, [&] { return static_cast<uint8_t>(random()); });
  return image;
}

// The same pixels with `pixelBytes` bytes per pixel (a fourth byte unused)
// and 12 bytes after each row.
struct PaddedCopy {
  std::vector<uint8_t> Bytes;
  RgbFrame Frame;
};
inline PaddedCopy Padded(const RgbImage& image, int pixelBytes = 4) {
  const int w = image.Width(), stride = w * pixelBytes + 12;
  PaddedCopy copy{std::vector<uint8_t>(static_cast<size_t>(stride) * image.Height(), 0xA5), {}};
  for (int p = 0; p < w * image.Height(); ++p) {
    std::copy_n(image.Row(0) + 3 * p, 3, &copy.Bytes[p / w * stride + p % w * pixelBytes]);
  }
  copy.Frame = {w, image.Height(), stride, pixelBytes, copy.Bytes.data()};
  return copy;
}

// The mean of the channels' absolute differences of two pictures of one
// size and 3 bytes a pixel.
inline double MeanAbsoluteError(const RgbFrame& a, const RgbFrame& b) {
  double sum = 0;
  for (int y = 0; y < a.Height; ++y) {
    for (int i = 0; i < 3 * a.Width; ++i) {
      sum += std::abs(a.Row(y)[i] - b.Row(y)[i]);
    }
  }
  return sum / (3.0 * a.Width * a.Height);
}

// In decibels; 99 for equal pictures.
inline double Psnr(const RgbImage& a, const RgbImage& b) {
  double squares = 0;
  for (int i = 0; i < a.Width() * a.Height() * 3; ++i) {
    squares += std::pow(a.Row(0)[i] - b.Row(0)[i], 2);
  }
  return squares == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * 3 * a.Width() * a.Height() / squares);
}

// The pixels libjpeg decodes; `unitQuantisers` tells whether every
// quantisation step is 1, as at quality 100.
inline RgbImage DecodeJpeg(const std::string& path, bool& unitQuantisers) {
  const std::string bytes = ReadWholeFile(path);
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&cinfo, TRUE);
  unitQuantisers = true;
  for (int c = 0; c < cinfo.num_components; ++c) {
    const UINT16* steps = cinfo.quant_tbl_ptrs[cinfo.comp_info[c].quant_tbl_no]->quantval;
    unitQuantisers &= std::all_of(steps, steps + DCTSIZE2, [](UINT16 step) { return step == 1; });
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  RgbImage picture(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = picture.Row(static_cast<int>(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return picture;
}

// The whole file read with giflib's DGifSlurp; null when it does not decode.
inline std::shared_ptr<GifFileType> SlurpGif(const std::string& path) {
  int error = 0;
  std::shared_ptr<GifFileType> gif(DGifOpenFileName(path.c_str(), &error), [](GifFileType* g) {
    int closeError = 0;
    DGifCloseFile(g, &closeError);
  });
  return gif && DGifSlurp(gif.get()) == GIF_OK ? gif : nullptr;
}

// How many pixels of one image of a GIF file as giflib decodes it do not show
// the nearest colour of six levels per channel to the source's; -1 when
// there is no such image of the source's size.
inline int OffPalettePixels(const GifFileType* gif, int image, const RgbFrame& source) {
  if (gif == nullptr || image >= gif->ImageCount || gif->SavedImages[image].ImageDesc.Width != source.Width ||
      gif->SavedImages[image].ImageDesc.Height != source.Height) {
    return -1;
  }
  const auto level = [](uint8_t value) { return static_cast<GifByteType>(std::lround(value / 51.0) * 51); };
  int wrong = 0;
  for (int p = 0; p < source.Width * source.Height; ++p) {
    const GifColorType colour = gif->SColorMap->Colors[gif->SavedImages[image].RasterBits[p]];
    const uint8_t* rgb = source.Pixel(p % source.Width, p / source.Width);
    wrong += colour.Red != level(rgb[0]) || colour.Green != level(rgb[1]) || colour.Blue != level(rgb[2]);
  }
  return wrong;
}

// ffprobe's comma-separated answer about the first video stream.
inline std::string Probe(const std::string& path, const std::string& entries, const std::string& options = "") {
  std::string answer = CommandOutput("ffprobe -v error -select_streams v:0 " + options + " -show_entries stream=" +
                                     entries + " -of csv=p=0 '" + path + "'");
  std::erase(answer, '\n');
  return answer;
}

// The pictures ffmpeg decodes from a movie, read one at a time.
struct DecodedMovie {
  DecodedMovie(const std::string& path, int width, int height)
      : Picture(width, height),
        Pipe(popen(("ffmpeg -v error -i '" + path + "' -fps_mode passthrough -f rawvideo -pix_fmt rgb24 -").c_str(),
                   "r"),
             pclose) {}
  // False after the last picture.
  bool Next() {
    const auto rows = static_cast<size_t>(Picture.Height());
    return std::fread(Picture.Row(0), 3 * static_cast<size_t>(Picture.Width()), rows, Pipe.get()) == rows;
  }

  RgbImage Picture;
  std::unique_ptr<FILE, int (*)(FILE*)> Pipe;
};

}  // namespace morvane::testing
