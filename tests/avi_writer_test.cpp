#include "codecs/avi/avi_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/image_test_support.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

using namespace testing;

struct Movie {
  int Width, Height, BitDepth, Frames;
  // How the pictures are handed over, with spare bytes after each row; a
  // source size of 0 means the movie's.
  int PixelBytes = 3, SourceWidth = 0, SourceHeight = 0;
};

// Noise shows swapped channels, flipped or skewed rows and a repeated frame.
RgbImage Source(const Movie& m, int frame) {
  return NoisePicture(m.SourceWidth ? m.SourceWidth : m.Width, m.SourceHeight ? m.SourceHeight : m.Height, frame);
}

// The RGB bytes a decoder should give back for frame `frame`: each pixel the
// source pixel whose centre lies nearest its own, and at 16 bits each channel
// cut to 5 bits, which decoders widen by repeating its top bits.
std::string Expected(const Movie& m, int frame) {
  const RgbImage source = Source(m, frame);
  std::string bytes;
  for (int p = 0; p < m.Width * m.Height * 3; ++p) {
    const int x = (2 * (p / 3 % m.Width) + 1) * source.Width() / (2 * m.Width);
    const int y = (2 * (p / 3 / m.Width) + 1) * source.Height() / (2 * m.Height);
    const uint8_t c = source.Pixel(x, y)[p % 3];
    bytes += static_cast<char>(m.BitDepth == 16 ? (c & 0xF8) | c >> 5 : c);
  }
  return bytes;
}

void Configure(AviWriter& writer, const std::string& path, const Movie& m) {
  writer.SetFileName(path);
  writer.SetWidth(static_cast<uint16_t>(m.Width));
  writer.SetHeight(static_cast<uint16_t>(m.Height));
  writer.SetBitDepth(static_cast<uint8_t>(m.BitDepth));
  writer.SetFrameRate(12);
}

// True when Open, every AddFrame and Close succeeded.
bool Record(const std::string& path, const Movie& m) {
  AviWriter writer;
  Configure(writer, path, m);
  bool added = writer.Open();
  for (int i = 0; i < m.Frames; ++i) {
    added = writer.AddFrame(Padded(Source(m, i), m.PixelBytes).Frame) && added;
  }
  return writer.Close() && added;
}

TEST(AviWriter, FfmpegReadsEveryFrameAsRecorded) {
  const TempFolder folder;
  const std::string path = folder / "movie.avi";
  // Widths of 322 and 321 pixels give rows that need padding; the last two
  // sources are scaled, the last shrunk by a third across.
  for (const Movie m : {Movie{320, 240, 16, 181}, Movie{320, 240, 24, 5}, Movie{640, 480, 16, 5},
                        Movie{322, 30, 16, 3}, Movie{321, 31, 24, 3, 4},
                        Movie{320, 240, 24, 2, 4, 160, 120}, Movie{64, 48, 16, 2, 3, 96, 24}}) {
    SCOPED_TRACE(std::to_string(m.Width) + " x " + std::to_string(m.Height) + ", " + std::to_string(m.BitDepth));
    ASSERT_TRUE(Record(path, m));
    const std::string frames = std::to_string(m.Frames);
    EXPECT_EQ(Probe(path, "codec_name,width,height,r_frame_rate,nb_frames,nb_read_frames", "-count_frames"),
              "rawvideo," + std::to_string(m.Width) + "," + std::to_string(m.Height) + ",12/1," + frames + "," +
                  frames);
    EXPECT_EQ(CommandOutput("ffmpeg -v error -i '" + path + "' -f null - 2>&1"), "");
    std::string expected;
    for (int i = 0; i < m.Frames; ++i) {
      expected += Expected(m, i);
    }
    const std::string decoded = CommandOutput("ffmpeg -v error -i '" + path + "' -f rawvideo -pix_fmt rgb24 -");
    EXPECT_EQ(decoded.size(), expected.size());
    EXPECT_TRUE(decoded == expected) << "the decoded pictures differ";
  }
}

std::string Le(std::initializer_list<uint32_t> values, int bytes = 4) {
  std::string out;
  for (const uint32_t v : values) {
    for (int i = 0; i < bytes; ++i) {
      out += static_cast<char>(v >> (8 * i));
    }
  }
  return out;
}

TEST(AviWriter, HeadersAndIndex) {
  const TempFolder folder;
  ASSERT_TRUE(Record(folder / "h.avi", {320, 240, 16, 5}));
  const std::string file = testing::ReadWholeFile(folder / "h.avi");
  constexpr uint32_t kFrame = 153600;
  // avih: microseconds per frame, bytes per second, padding, has-index flag,
  // frames, initial frames, streams, buffer size, width, height, reserved.
  // strh: no handler, flags, priority and language, initial frames, scale,
  // rate, start, length, buffer size, quality, sample size; frame rectangle.
  // strf: size, width, height, planes, bits, no compression, image size 0,
  // resolution and colours unset.
  const std::string header =
      "RIFF" + Le({static_cast<uint32_t>(file.size() - 8)}) + "AVI LIST" + Le({206}) + "hdrlavih" + Le({56}) +
      Le({83333, 12 * kFrame, 0, 0x10, 5, 0, 1, kFrame, 320, 240, 0, 0, 0, 0}) + "LIST" + Le({130}) + "strlstrh" +
      Le({56}) + "vids" + Le({0, 0, 0, 0, 1, 12, 0, 5, kFrame, 10000, 0}) + Le({0, 0, 320, 240}, 2) + "strf" +
      Le({40, 40, 320, 240}) + Le({1, 16}, 2) + Le({0, 0, 0, 0, 0, 0}) + "strn" + Le({6}) + std::string("VIDEO", 6) +
      "LIST" + Le({4 + 5 * (8 + kFrame)}) + "movi00db" + Le({kFrame});
  EXPECT_EQ(file.substr(0, header.size()), header);
  std::string index = "idx1" + Le({5 * 16});
  for (uint32_t i = 0; i < 5; ++i) {
    index += "00db" + Le({0x10, 4 + i * (8 + kFrame), kFrame});  // key frame, offset from 'movi', size
  }
  EXPECT_EQ(file.substr(file.size() - index.size()), index);
}

TEST(AviWriter, FailedRecordingsKeepTheEarlierMovieAndLeaveNoTemporary) {
  const TempFolder folder;
  const std::string movie = folder / "old.avi";
  std::ofstream(movie) << "earlier movie";
  const std::string notCreated = "ＡＶＩファイルを作成できませんでした.";
  const std::string noStream = "映像ストリームを作成できませんでした.";
  AviWriter writer;
  const auto opened = [&](const std::string& path, int width, int height) {
    Configure(writer, path, {width, height, 16, 0});
    return writer.Open() ? "opened" : std::string(writer.ErrorText());
  };
  // One frame of 65535 x 20000 would already pass the 2 GiB a RIFF chunk may hold.
  EXPECT_EQ(std::tuple(opened("", 320, 240), opened(folder / "none/m.avi", 320, 240), opened(movie, 0, 240),
                       opened(movie, 65535, 20000)),
            std::tuple("", notCreated, noStream, noStream));
  EXPECT_FALSE(writer.AddFrame(Source({320, 240, 16, 1}, 0).Frame()));
  EXPECT_FALSE(writer.Close());

  const Movie two{320, 240, 16, 2};
  ASSERT_TRUE(Record(folder / "two.avi", two));
  const uint64_t wholeSize = fs::file_size(folder / "two.avi");
  fs::remove(folder / "two.avi");
  // The first limit stops the second frame; the second lets both frames in but not the index.
  for (const auto& [limit, added] : {std::pair{uint64_t{200000}, "+-"}, std::pair{wholeSize - 20, "++"}}) {
    const FileSizeLimit applied(limit);
    Configure(writer, movie, two);
    ASSERT_TRUE(writer.Open());
    std::string outcome;
    for (int i = 0; i < two.Frames; ++i) {
      outcome += writer.AddFrame(Source(two, i).Frame()) ? '+' : '-';
    }
    EXPECT_EQ(outcome, added);
    EXPECT_FALSE(writer.Close());
    EXPECT_EQ(writer.ErrorText(), notCreated);
  }
  ASSERT_TRUE(writer.Open());
  EXPECT_TRUE(writer.AddFrame(Source(two, 0).Frame()));
  writer.SetFileName("");
  EXPECT_FALSE(writer.Open()) << "abandons the unclosed recording all the same";
  EXPECT_EQ(testing::ReadWholeFile(movie), "earlier movie");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path), fs::directory_iterator()), 1) << "a temporary was left";
  ASSERT_TRUE(Record(movie, two));
  EXPECT_EQ(fs::file_size(movie), wholeSize);
}

}  // namespace
}  // namespace morvane
