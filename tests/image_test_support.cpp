#include "tests/image_test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <jpeglib.h>

#include "tests/test_support.h"

namespace morvane {

void PrintTo(const RgbImage& image, std::ostream* out) {
  *out << image.Width() << "x" << image.Height() << " {";
  for (int i = 0; i < std::min(image.Width() * image.Height() * 3, 24); ++i) {
    *out << " " << int{image.Row(0)[i]};
  }
  *out << " ...}";
}

}  // namespace morvane

namespace morvane::testing {

namespace {

void Paint(RgbImage& image, int x, int y, std::array<uint8_t, 3> colour) {
  if (x >= 0 && y >= 0 && x < image.Width() && y < image.Height()) {
    std::copy(colour.begin(), colour.end(), image.Pixel(x, y));
  }
}

// The marker byte of the first start-of-frame segment (0xC0 baseline).
int StartOfFrameMarker(const std::string& bytes) {
  size_t at = 2;
  while (at + 4 <= bytes.size() && static_cast<uint8_t>(bytes[at]) == 0xFF) {
    const int marker = static_cast<uint8_t>(bytes[at + 1]);
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      return marker;
    }
    at += 2 + static_cast<uint8_t>(bytes[at + 2]) * 256 + static_cast<uint8_t>(bytes[at + 3]);
  }
  return -1;
}

}  // namespace

RgbImage CanvasLikePicture(int width, int height) {
  RgbImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int dx = x - width / 3;
      const int dy = y - height / 2;
      const bool disk = dx * dx + dy * dy < width * width / 36;
      const bool plate = x > width / 2 && x < width * 4 / 5 && y > height / 5 && y < height / 5 + (x - width / 2);
      Paint(image, x, y,
            disk                             ? std::array<uint8_t, 3>{230, 40, 40}
            : plate                          ? std::array<uint8_t, 3>{60, 90, 220}
            : x % 10 == 0 && y % 10 == 0     ? std::array<uint8_t, 3>{128, 128, 128}
            : y == height * 3 / 4 || x == y  ? std::array<uint8_t, 3>{0, 0, 0}
                                             : std::array<uint8_t, 3>{255, 255, 255});
    }
  }
  return image;
}

RgbImage NoisePicture(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  RgbImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width * 3; ++x) {
      image.Row(y)[x] = static_cast<uint8_t>(random());
    }
  }
  return image;
}

PaddedCopy WithFourBytesPerPixel(const RgbImage& image) {
  const int stride = image.Width() * 4 + 12;
  PaddedCopy copy{std::vector<uint8_t>(static_cast<size_t>(stride) * image.Height(), 0xA5), {}};
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      std::copy_n(image.Pixel(x, y), 3, &copy.Bytes[static_cast<size_t>(y) * stride + x * 4]);
    }
  }
  copy.Frame = {image.Width(), image.Height(), stride, 4, copy.Bytes.data()};
  return copy;
}

std::array<uint8_t, 3> NearestPaletteColour(const uint8_t* rgb) {
  std::array<uint8_t, 3> nearest{};
  for (int c = 0; c < 3; ++c) {
    for (int level = 0; level <= 255; level += 51) {
      if (std::abs(rgb[c] - level) < std::abs(rgb[c] - nearest[c])) {
        nearest[c] = static_cast<uint8_t>(level);
      }
    }
  }
  return nearest;
}

DecodedJpeg DecodeJpeg(const std::string& path) {
  const std::string bytes = ReadWholeFile(path);
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&cinfo, TRUE);
  DecodedJpeg decoded{RgbImage(static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height)),
                      StartOfFrameMarker(bytes), true, true};
  for (int c = 0; c < cinfo.num_components; ++c) {
    decoded.FullChroma &= cinfo.comp_info[c].h_samp_factor == 1 && cinfo.comp_info[c].v_samp_factor == 1;
    const JQUANT_TBL* table = cinfo.quant_tbl_ptrs[cinfo.comp_info[c].quant_tbl_no];
    decoded.UnitQuantisers &= std::all_of(std::begin(table->quantval), std::end(table->quantval),
                                          [](UINT16 q) { return q == 1; });
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = decoded.Picture.Row(static_cast<int>(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return decoded;
}

void GifCloser::operator()(GifFileType* gif) const {
  int error = 0;
  DGifCloseFile(gif, &error);
}

std::unique_ptr<GifFileType, GifCloser> SlurpGif(const std::string& path) {
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &error));
  return gif && DGifSlurp(gif.get()) == GIF_OK ? std::move(gif) : nullptr;
}

std::string Probe(const std::string& path, const std::string& entries, bool countFrames) {
  const std::string command = "ffprobe -v error -select_streams v:0 " + std::string(countFrames ? "-count_frames " : "") +
                              "-show_entries stream=" + entries + " -of csv=p=0 '" + path + "'";
  std::string answer;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
      answer += buffer;
    }
    pclose(pipe);
  }
  while (!answer.empty() && (answer.back() == '\n' || answer.back() == ',')) {
    answer.pop_back();
  }
  return answer;
}

}  // namespace morvane::testing
