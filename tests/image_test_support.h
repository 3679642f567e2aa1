#pragma once

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "session/rgb_frame.h"
#include "tests/test_support.h"

namespace morvane::testing {

// What an export shows: a white canvas, grey dots every 10 pixels, a red
// disk, a blue plate and thin black lines.
inline RgbImage CanvasLikePicture(int width, int height) {
  static constexpr uint8_t kColours[5][3] = {{230, 40, 40}, {60, 90, 220}, {128, 128, 128}, {0, 0, 0}, {255, 255, 255}};
  RgbImage image(width, height);
  for (int p = 0; p < width * height; ++p) {
    const int x = p % width, y = p / width;
    const int dx = x - width / 3, dy = y - height / 2;
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

// The same pixels with a fourth byte per pixel and 12 bytes after each row.
struct PaddedCopy {
  std::vector<uint8_t> Bytes;
  RgbFrame Frame;
};
inline PaddedCopy WithFourBytesPerPixel(const RgbImage& image) {
  const int w = image.Width(), stride = w * 4 + 12;
  PaddedCopy copy{std::vector<uint8_t>(static_cast<size_t>(stride) * image.Height(), 0xA5), {}};
  for (int p = 0; p < w * image.Height(); ++p) {
    std::copy_n(image.Row(0) + 3 * p, 3, &copy.Bytes[p / w * stride + p % w * 4]);
  }
  copy.Frame = {w, image.Height(), stride, 4, copy.Bytes.data()};
  return copy;
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

// ffprobe's comma-separated answer about the first video stream.
inline std::string Probe(const std::string& path, const std::string& entries, const std::string& options = "") {
  FILE* pipe = popen(("ffprobe -v error -select_streams v:0 " + options + " -show_entries stream=" + entries +
                      " -of csv=p=0 '" + path + "'")
                         .c_str(),
                     "r");
  std::string answer;
  for (int c; pipe != nullptr && (c = std::fgetc(pipe)) != EOF;) {
    answer += c == '\n' ? "" : std::string(1, static_cast<char>(c));
  }
  return pipe != nullptr && pclose(pipe) == 0 ? answer : "ffprobe failed";
}

}  // namespace morvane::testing
