// The MPEG-1 writer, checked with ffmpeg and ffprobe as the independent
// decoder: streams decode without complaint, to the pictures given, and
// ffmpeg's own macroblock report shows the coding decisions. Where the
// decoder cannot tell choices apart (equal predictions, the exact repeat
// pattern) the test reads the stream's macroblock bits itself.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "export/mpeg/mpeg_block.h"
#include "export/mpeg/mpeg_motion.h"
#include "export/mpeg/mpeg_tables.h"
#include "export/mpeg/mpeg_writer.h"
#include "model/output_file.h"
#include "tests/test_support.h"

namespace {

using namespace morvane;
using namespace morvane::mpeg;

constexpr int kMovieRate = 1;
constexpr int kMovieThreshold = 2000;
constexpr int kMovieQuantiser = 4;
// Every displacement, even one reaching outside, costs less than this, so
// every macroblock of a predicted picture becomes a moved copy.
constexpr int kEverythingMoves = 1 << 30;

// What the writer handed over, call by call; the sink fails on call FailOn.
struct Capture {
  std::string Bytes;
  std::vector<size_t> Calls;
  size_t FailOn = 0;

  MpegSink Sink() {
    return [this](const uint8_t* data, size_t size) {
      Calls.push_back(size);
      if (Calls.size() == FailOn) {
        return false;
      }
      Bytes.append(reinterpret_cast<const char*>(data), size);
      return true;
    };
  }
};

RgbFrame FrameOf(const QImage& image, int pixelBytes = 3) {
  return {image.width(), image.height(), image.bytesPerLine(), pixelBytes, image.constBits()};
}

QImage Picture(int width, int height, const std::function<QRgb(int x, int y)>& colour) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, colour(x, y));
    }
  }
  return image;
}

// A grey picture (R = G = B) from a level function.
QImage Grey(int width, int height, const std::function<int(int x, int y)>& level) {
  return Picture(width, height, [&](int x, int y) {
    const int v = level(x, y);
    return qRgb(v, v, v);
  });
}

// A linkage as the canvas shows one: a dotted white ground, a disk turning 4
// degrees a frame, a rod from its crank pin to a rocking lever, a triangle.
QImage LinkageFrame(int width, int height, int frame) {
  const double s = width / 320.0;
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(Qt::white);
  for (int y = 0; y < height; y += 10) {
    for (int x = 0; x < width; x += 10) {
      image.setPixel(x, y, qRgb(128, 128, 128));
    }
  }
  const double a = frame * 4 * std::numbers::pi / 180;
  const QPointF centre(90 * s, 110 * s);
  const QPointF pin = centre + QPointF(std::cos(a), std::sin(a)) * 25 * s;
  const QPointF pivot(220 * s, 190 * s);
  const double b = -std::numbers::pi / 2 + 0.4 * std::sin(a);
  const QPointF lever = pivot + QPointF(std::cos(b), std::sin(b)) * 90 * s;
  QPainter painter(&image);
  painter.setPen(QPen(Qt::black, s));
  painter.setBrush(QColor(250, 130, 115));
  painter.drawEllipse(centre, 40 * s, 40 * s);
  painter.setPen(QPen(QColor(90, 90, 220), 7 * s, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(pin, lever);
  painter.drawLine(pivot, lever);
  painter.setPen(QPen(Qt::black, s));
  painter.setBrush(QColor(120, 200, 120));
  painter.drawPolygon(QPolygonF({lever, lever + QPointF(50, 20) * s, lever + QPointF(20, 45) * s}));
  return image;
}

// In movie export's order: an intra picture every fourth frame, each frame
// followed by one repeated picture.
std::string EncodeMovie(const std::vector<QImage>& frames) {
  Capture out;
  TMpeg mpeg;
  EXPECT_TRUE(mpeg.Init(frames[0].width(), frames[0].height(), out.Sink(), kMovieRate, kMovieThreshold,
                        kMovieQuantiser).Ok());
  for (size_t i = 0; i < frames.size(); ++i) {
    const RgbFrame frame = FrameOf(frames[i]);
    const MpegResult added = i % 4 == 0 ? mpeg.AddIntraFrame(frame) : mpeg.AddPredictedFrame(frame);
    EXPECT_TRUE(added.Ok()) << added.Error();
    EXPECT_TRUE(mpeg.RepeatFrame(1).Ok());
  }
  EXPECT_TRUE(mpeg.Finish().Ok());
  return out.Bytes;
}

// An intra picture, a predicted one, and a repeated picture that lets ffmpeg
// report the predicted one.
std::string EncodePair(const QImage& first, const QImage& second, int threshold, int quantiser = kMovieQuantiser) {
  Capture out;
  TMpeg mpeg;
  EXPECT_TRUE(mpeg.Init(first.width(), first.height(), out.Sink(), kMovieRate, threshold, quantiser).Ok());
  EXPECT_TRUE(mpeg.AddIntraFrame(FrameOf(first)).Ok());
  EXPECT_TRUE(mpeg.AddPredictedFrame(FrameOf(second)).Ok());
  EXPECT_TRUE(mpeg.RepeatFrame(1).Ok());
  EXPECT_TRUE(mpeg.Finish().Ok());
  return out.Bytes;
}

class StreamFile {
 public:
  explicit StreamFile(std::string bytes)
      : bytes_(std::move(bytes)), folder_(morvane::testing::MakeTempFolder()), path_(folder_ + "/movie.mpg") {
    EXPECT_TRUE(WriteWholeFile(path_, bytes_));
  }
  ~StreamFile() { std::filesystem::remove_all(folder_); }
  const std::string& Bytes() const { return bytes_; }
  const std::string& Path() const { return path_; }

 private:
  std::string bytes_;
  std::string folder_;
  std::string path_;
};

// Standard output and error of a shell command.
std::string RunShell(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, n);
  }
  pclose(pipe);
  return output;
}

// Hands every picture ffmpeg decodes to `each` as RGB rows; returns the count.
int DecodeEach(const std::string& path, int width, int height, const std::function<void(int, const QImage&)>& each) {
  const std::string command = "ffmpeg -v error -i " + path + " -fps_mode passthrough -f rawvideo -pix_fmt rgb24 -";
  FILE* pipe = popen(command.c_str(), "r");
  QImage picture(width, height, QImage::Format_RGB888);
  int count = 0;
  for (bool whole = true; whole; ) {
    for (int y = 0; y < height && whole; ++y) {
      whole = fread(picture.scanLine(y), 3, static_cast<size_t>(width), pipe) == static_cast<size_t>(width);
    }
    if (whole) {
      each(count++, picture);
    }
  }
  pclose(pipe);
  return count;
}

double Psnr(const QImage& a, const QImage& b) {
  double squares = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int i = 0; i < 3 * a.width(); ++i) {
      const double d = a.constScanLine(y)[i] - b.constScanLine(y)[i];
      squares += d * d;
    }
  }
  const double mse = squares / (3.0 * a.width() * a.height());
  return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

// ffmpeg's report of the macroblock types of every picture but the last (it
// reports a picture when the next one starts), one character per macroblock
// in address order: 'i' intra, '>' moved copy, 'S' skipped.
std::vector<std::string> MacroblockTypes(const std::string& path) {
  std::istringstream lines(RunShell("ffmpeg -hide_banner -nostats -debug mb_type -i " + path + " -f null -"));
  std::vector<std::string> pictures;
  for (std::string line; std::getline(lines, line);) {
    const size_t start = line.find("] ");
    if (line.rfind("[mpeg1video @", 0) != 0 || start == std::string::npos) {
      continue;
    }
    const std::string text = line.substr(start + 2);
    if (text.rfind("New frame", 0) == 0) {
      pictures.emplace_back();
    } else if (!pictures.empty() && text.size() % 3 == 0 && text.find_first_not_of("iS> ") == std::string::npos) {
      for (size_t i = 0; i < text.size(); i += 3) {
        pictures.back() += text[i];
      }
    }
  }
  return pictures;
}

// Reads the stream from just after the slice start code of one picture.
class SliceReader {
 public:
  SliceReader(const std::string& stream, int picture) : stream_(stream) {
    size_t at = 0;
    for (int seen = -1; seen < picture; ++seen) {
      at = stream.find(std::string("\0\0\1\0", 4), at) + 4;
    }
    bit_ = 8 * (stream.find(std::string("\0\0\1\1", 4), at) + 4);
    Read(6);  // quantiser and extra bit
  }

  uint32_t Read(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i, ++bit_) {
      value = (value << 1) | ((static_cast<uint8_t>(stream_[bit_ / 8]) >> (7 - bit_ % 8)) & 1);
    }
    return value;
  }
  // Consumes the code when the stream continues with it.
  bool Take(VlcCode code) {
    const size_t start = bit_;
    if (Read(code.Length) == code.Bits) {
      return true;
    }
    bit_ = start;
    return false;
  }
  int Motion() {
    for (int magnitude = 0; magnitude < static_cast<int>(kMotionCodes.size()); ++magnitude) {
      if (Take(kMotionCodes[magnitude])) {
        return magnitude == 0 || Read(1) == 0 ? magnitude : -magnitude;
      }
    }
    ADD_FAILURE() << "no motion code at bit " << bit_;
    return 0;
  }

 private:
  const std::string& stream_;
  size_t bit_ = 0;
};

// The time code of every group of pictures, counted in pictures at 24 a second.
std::vector<int> GroupTimeCodes(const std::string& stream) {
  const std::string start("\0\0\1\xB8", 4);
  std::vector<int> codes;
  for (size_t at = stream.find(start); at != std::string::npos; at = stream.find(start, at + 4)) {
    uint32_t bits = 0;
    for (size_t i = at + 4; i < at + 8; ++i) {
      bits = (bits << 8) | static_cast<uint8_t>(stream[i]);
    }
    const int hours = bits >> 26 & 31;
    const int minutes = bits >> 20 & 63;
    const int seconds = bits >> 13 & 63;
    codes.push_back(((hours * 60 + minutes) * 60 + seconds) * 24 + static_cast<int>(bits >> 7 & 63));
  }
  return codes;
}

struct MovedCopy {
  int Address;
  MotionVector Vector;
};

// The moved copies of a predicted picture, when it has nothing else, up to
// the last macroblock.
std::vector<MovedCopy> MovedCopies(const std::string& stream, int picture, int macroblocks) {
  SliceReader bits(stream, picture);
  std::vector<MovedCopy> copies;
  MotionVector vector;
  for (int address = -1, increment = 1; address < macroblocks - 1;) {
    if (bits.Take(kAddressEscape)) {
      increment += 33;
      continue;
    }
    if (!bits.Take(kAddressIncrementOne) || !bits.Take(kMotionNotCoded)) {
      ADD_FAILURE() << "no moved copy after macroblock " << address;
      break;
    }
    address += increment;
    increment = 1;
    vector.Dx += bits.Motion();
    vector.Dy += bits.Motion();
    copies.push_back({address, vector});
  }
  return copies;
}

// The copies as ffmpeg reports macroblocks: '>' a still copy, 'S' skipped,
// and 'v' for a copy that moves.
std::string StillCopyPattern(const std::vector<MovedCopy>& copies, int macroblocks) {
  std::string pattern(macroblocks, 'S');
  for (const auto& [address, vector] : copies) {
    pattern[address] = vector == MotionVector{} ? '>' : 'v';
  }
  return pattern;
}

TEST(MpegWriter, SequenceHeaderAndEnd) {
  Capture out;
  TMpeg mpeg;
  ASSERT_TRUE(mpeg.Init(320, 240, out.Sink(), kMovieRate, kMovieThreshold, kMovieQuantiser).Ok());
  EXPECT_TRUE(out.Calls.empty()) << "nothing leaves before a whole buffer is collected";
  ASSERT_TRUE(mpeg.Finish().Ok());
  const std::string header("\x00\x00\x01\xB3\x14\x00\xF0\x12\xFF\xFF\xE1\x00", 12);
  EXPECT_EQ(out.Bytes.substr(0, 12), header);
  EXPECT_EQ(out.Bytes.substr(out.Bytes.size() - 8), std::string("\0\0\0\0\0\0\1\xB7", 8));
  ASSERT_TRUE(mpeg.Finish().Ok());
  EXPECT_EQ(out.Calls.size(), 1u) << "a second Finish writes nothing";
}

TEST(MpegWriter, RefusalsLeaveNoTrace) {
  const QImage picture = LinkageFrame(64, 48, 0);
  const QImage moved = LinkageFrame(64, 48, 3);
  Capture out;
  TMpeg mpeg;
  for (const auto& [width, height, rate, quantiser] :
       {std::tuple{0, 48, 1, 4}, {4096, 48, 1, 4}, {64, 0, 1, 4}, {64, 48, 1, 32}, {64, 48, 1, 0}, {64, 48, 9, 4}}) {
    EXPECT_EQ(mpeg.Init(width, height, out.Sink(), rate, 0, quantiser).Error(), kInitFailedText)
        << width << "x" << height << ", rate " << rate << ", quantiser " << quantiser;
  }
  EXPECT_EQ(mpeg.Init(64, 48, nullptr, 1, 0, 4).Error(), kInitFailedText);
  EXPECT_EQ(mpeg.AddIntraFrame(FrameOf(picture)).Error(), kNotInitialisedText);
  EXPECT_EQ(mpeg.RepeatFrame(1).Error(), kNotInitialisedText);
  ASSERT_TRUE(mpeg.Init(4095, 48, out.Sink(), 8, 0, 31).Ok()) << "the largest values are accepted";
  EXPECT_EQ(mpeg.Init(64, 48, out.Sink(), 1, 0, 4).Error(), kInitFailedText);
  ASSERT_TRUE(mpeg.Finish().Ok());

  // The same two pictures, with and without refused ones between them; the
  // second picture once with 4 bytes a pixel.
  const QImage larger = LinkageFrame(64, 64, 3);
  const QImage padded = moved.convertToFormat(QImage::Format_RGBX8888);
  const auto encode = [&](bool refusals) {
    Capture stream;
    TMpeg writer;
    EXPECT_TRUE(writer.Init(64, 48, stream.Sink(), kMovieRate, kMovieThreshold, kMovieQuantiser).Ok());
    EXPECT_TRUE(writer.AddIntraFrame(FrameOf(picture)).Ok());
    if (refusals) {
      EXPECT_EQ(writer.AddPredictedFrame(FrameOf(larger)).Error(), kDifferentSizeText);
      EXPECT_EQ(writer.AddIntraFrame(FrameOf(larger.copy(0, 0, 64, 47))).Error(), kDifferentSizeText);
      EXPECT_EQ(writer.AddPredictedFrame(FrameOf(moved, 2)).Error(), kPixelFormatText);
    }
    EXPECT_TRUE(writer.AddPredictedFrame(refusals ? FrameOf(padded, 4) : FrameOf(moved)).Ok());
    EXPECT_TRUE(writer.Finish().Ok());
    return stream.Bytes;
  };
  EXPECT_EQ(encode(true), encode(false));
}

TEST(MpegWriter, FailedWritesAreReported) {
  std::vector<QImage> frames;
  for (int i = 0; i < 8; ++i) {
    frames.push_back(LinkageFrame(320, 240, 5 * i));
  }
  // Intra pictures only, each reporting whether it was written; then Finish.
  const auto encode = [&](Capture& out, std::vector<bool>& written) {
    TMpeg mpeg;
    EXPECT_TRUE(mpeg.Init(320, 240, out.Sink(), kMovieRate, kMovieThreshold, kMovieQuantiser).Ok());
    for (const QImage& frame : frames) {
      const MpegResult added = mpeg.AddIntraFrame(FrameOf(frame));
      written.push_back(added.Ok());
      EXPECT_TRUE(added.Ok() || added.Error() == kWriteFailedText) << added.Error();
      EXPECT_EQ(added.Ok(), out.Calls.size() < out.FailOn || out.FailOn == 0);
    }
    return mpeg.Finish();
  };
  Capture whole;
  std::vector<bool> allWritten;
  ASSERT_TRUE(encode(whole, allWritten).Ok());
  ASSERT_GT(whole.Calls.size(), 3u);
  for (size_t failOn : {size_t{2}, whole.Calls.size()}) {
    Capture out;
    out.FailOn = failOn;
    std::vector<bool> written;
    EXPECT_EQ(encode(out, written).Error(), kWriteFailedText) << "failing on call " << failOn;
    EXPECT_EQ(out.Calls.size(), failOn) << "nothing is handed over after a failure";
    EXPECT_EQ(written == allWritten, failOn == whole.Calls.size()) << "only the last hand-over is Finish's";
  }
  for (size_t i = 0; i + 1 < whole.Calls.size(); ++i) {
    EXPECT_EQ(whole.Calls[i], TMpegStream::kBufferSize);
  }
}

TEST(MpegWriter, RepeatedPictureCodesEveryThirtyFourthMacroblockAndShowsThePictureAgain) {
  const std::vector<QImage> frames = {LinkageFrame(320, 240, 0), LinkageFrame(320, 240, 2)};
  const std::string stream = EncodeMovie(frames);
  std::string pattern(300, 'S');
  for (int address = 0; address < 300; address += address < 272 ? 34 : 1) {
    pattern[address] = '>';
  }
  EXPECT_EQ(StillCopyPattern(MovedCopies(stream, 1, 300), 300), pattern);
  // 35 macroblocks leave 34 after the first, too few for an escape.
  EXPECT_EQ(StillCopyPattern(MovedCopies(EncodeMovie({LinkageFrame(112, 80, 0)}), 1, 35), 35), std::string(35, '>'));

  const StreamFile file(stream);
  const std::vector<std::string> types = MacroblockTypes(file.Path());
  ASSERT_EQ(types.size(), 3u);
  EXPECT_EQ(types[1], pattern);
  std::vector<QImage> decoded;
  DecodeEach(file.Path(), 320, 240, [&](int, const QImage& picture) { decoded.push_back(picture.copy()); });
  ASSERT_EQ(decoded.size(), 4u);
  EXPECT_EQ(decoded[1], decoded[0]);
  EXPECT_EQ(decoded[3], decoded[2]);
}

TEST(MpegWriter, MoviesDecodeToTheirFrames) {
  // The odd size has partial macroblocks, rows of 303 bytes in 304, and a
  // last column and row that take their colour from the pair before.
  for (const auto& [width, height, count] : {std::tuple{320, 240, 181}, {640, 480, 49}, {101, 75, 9}}) {
    std::vector<QImage> frames;
    for (int i = 0; i < count; ++i) {
      frames.push_back(LinkageFrame(width, height, i));
    }
    const StreamFile file(EncodeMovie(frames));
    EXPECT_EQ(RunShell("ffmpeg -v error -i " + file.Path() + " -f null -"), "");
    EXPECT_EQ(RunShell("ffprobe -v error -count_frames -show_entries stream=width,height,nb_read_frames -of csv=p=0 " +
                  file.Path()),
              std::to_string(width) + "," + std::to_string(height) + "," + std::to_string(2 * count) + "\n");
    double worst = 99;
    const int decoded = DecodeEach(file.Path(), width, height, [&](int index, const QImage& picture) {
      worst = std::min(worst, Psnr(picture, frames[index / 2]));
    });
    EXPECT_EQ(decoded, 2 * count);
    EXPECT_GE(worst, 30.0) << width << "x" << height;
    // The first group runs until more than a second's worth of pictures is
    // written; then every intra picture (every eighth) opens one.
    std::vector<int> groups = {0};
    for (int picture = 32; picture < 2 * count; picture += 8) {
      groups.push_back(picture);
    }
    EXPECT_EQ(GroupTimeCodes(file.Bytes()), groups);
  }
}

// One coefficient in each 8 x 8 block of a 128 x 64 picture: the level of a
// pair of the run/level table, signs alternating, at the zig-zag position
// after its run of zeros. The picture shows the block's cosine, in grey levels
// whose luminance is round(0.859375 grey) + 16; the luminance ffmpeg decodes
// is projected back onto that cosine to find the level it read.
constexpr int kCodeQuantiser = 6;

struct BlockCoefficient {
  int U;
  int V;
  int Level;
  double Step;  // the coefficient one level stands for
};

BlockCoefficient CoefficientOfBlock(int block) {
  const RunLevelCode& pair = kRunLevelCodes[block % kRunLevelCodes.size()];
  const int k = kZigZag[1 + pair.Run];
  return {k % 8, k / 8, block % 2 ? pair.Level : -pair.Level, kDefaultIntraMatrix[k] * kCodeQuantiser / 8.0};
}

// The orthonormal basis function of (u, v) at (x, y).
double Basis(int u, int v, int x, int y) {
  return 0.25 * (u ? 1 : std::sqrt(0.5)) * (v ? 1 : std::sqrt(0.5)) *
         std::cos((2 * x + 1) * u * std::numbers::pi / 16) * std::cos((2 * y + 1) * v * std::numbers::pi / 16);
}

QImage OneCodePerBlock() {
  QImage image(128, 64, QImage::Format_RGB888);
  for (int block = 0; block < 128; ++block) {
    const BlockCoefficient c = CoefficientOfBlock(block);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        const double luminance = 128 + c.Level * c.Step * Basis(c.U, c.V, x, y);
        const int grey = std::clamp(static_cast<int>(std::lround((luminance - 16) / 0.859375)), 0, 255);
        image.setPixel(8 * (block % 16) + x, 8 * (block / 16) + y, qRgb(grey, grey, grey));
      }
    }
  }
  return image;
}

TEST(MpegWriter, EveryCoefficientCodeDecodes) {
  const StreamFile file(EncodePair(OneCodePerBlock(), OneCodePerBlock(), 0, kCodeQuantiser));
  const std::string luminance = file.Path() + ".y";
  EXPECT_EQ(RunShell("ffmpeg -v error -i " + file.Path() + " -frames:v 1 -f rawvideo -pix_fmt yuv420p " + luminance),
            "");
  const std::string decoded = morvane::testing::ReadWholeFile(luminance);
  ASSERT_EQ(decoded.size(), 128u * 64u * 3 / 2);
  for (int block = 0; block < 128; ++block) {
    const BlockCoefficient c = CoefficientOfBlock(block);
    double coefficient = 0;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        const uint8_t sample = decoded[(8 * (block / 16) + y) * 128 + 8 * (block % 16) + x];
        coefficient += sample * Basis(c.U, c.V, x, y);
      }
    }
    EXPECT_NEAR(coefficient / c.Step, c.Level, 0.3) << "block " << block << " at (" << c.U << ", " << c.V << ")";
  }
  // Grey noise beside hard-edged bars gives long runs, large levels and escapes.
  std::mt19937 random(7);
  const QImage noise = Grey(64, 48, [&](int x, int y) {
    return x < 32 ? static_cast<int>(random() % 256) : ((x / 2 + y / 3) % 2) * 255;
  });
  for (const auto& [quantiser, psnr] : {std::pair{1, 40.0}, {4, 30.0}, {31, 15.0}}) {
    const StreamFile noisy(EncodePair(noise, noise, 0, quantiser));
    EXPECT_EQ(RunShell("ffmpeg -v error -i " + noisy.Path() + " -f null -"), "");
    DecodeEach(noisy.Path(), 64, 48, [&](int index, const QImage& decoded) {
      EXPECT_GE(Psnr(decoded, noise), psnr) << "quantiser " << quantiser << ", picture " << index;
    });
  }
}

// Rows alternately red and blue: the colour of each row pair is the upper
// row's; columns alternately red and blue: the colour is their average.
TEST(MpegWriter, ColourComesFromTheUpperRowAndBothColumnsOfEachPair) {
  for (const bool rows : {true, false}) {
    const QImage picture =
        Picture(32, 32, [&](int x, int y) { return (rows ? y : x) % 2 ? qRgb(0, 0, 255) : qRgb(255, 0, 0); });
    const StreamFile file(EncodePair(picture, picture, 0));
    DecodeEach(file.Path(), 32, 32, [&](int, const QImage& decoded) {
      const QRgb red = decoded.pixel(16, 16);
      const QRgb blue = decoded.pixel(rows ? 16 : 17, rows ? 17 : 16);
      if (rows) {
        EXPECT_GT(qRed(red), qBlue(red) + 100) << "the red row keeps its colour";
        EXPECT_GT(qRed(blue), qBlue(blue)) << "the blue row takes the red row's colour";
      } else {
        EXPECT_NEAR(qRed(red), qBlue(red), 30) << "red and blue columns mix to purple";
        EXPECT_NEAR(qRed(blue), qBlue(blue), 30) << "red and blue columns mix to purple";
      }
    });
  }
}

// Single-macroblock pictures, where only the displacement (0, 0) lies inside,
// so the cost is the sum of squared differences. Grey 0 is luminance 16, 1 is
// 17, 19 is 32 and 20 is 33: the checkerboard 16/32 varies by exactly 64,
// 16/33 by 72.
TEST(MpegWriter, MovedCopiesFollowThresholdAndTexture) {
  const auto checker = [](int high, int changed) {
    return Grey(16, 16, [=](int x, int y) { return (x + y) % 2 ? high : (y * 16 + x < 2 * changed ? 1 : 0); });
  };
  const QImage flat = Grey(16, 16, [](int, int) { return 0; });
  const QImage flatPlusOne = Grey(16, 16, [](int, int) { return 1; });
  struct Case {
    QImage Before, After;
    int Threshold;
    char Expected;
  };
  const std::vector<Case> cases = {
      {flatPlusOne, flat, 256, '>'},            // cost 256 = T
      {flatPlusOne, flat, 255, 'i'},            // T < 256 <= 4T, no texture
      {checker(19, 8), checker(19, 0), 4, 'i'},  // cost 8, variance 64
      {checker(20, 8), checker(20, 0), 4, '>'},  // cost 8, variance 72
      {checker(20, 8), checker(20, 0), 2, '>'},  // cost 8 = 4T
      {checker(20, 9), checker(20, 0), 2, 'i'},  // cost 9 > 4T
  };
  std::string expected;
  for (const Case& c : cases) {
    const StreamFile file(EncodePair(c.Before, c.After, c.Threshold));
    const std::vector<std::string> types = MacroblockTypes(file.Path());
    ASSERT_EQ(types.size(), 2u);
    expected += c.Expected;
    EXPECT_EQ(types[1], std::string(1, c.Expected)) << "case " << expected.size() - 1;
  }
}

// 64 x 64 pictures of 4 x 4 macroblocks whose second picture is the first
// moved; every macroblock is made a moved copy.
TEST(MpegWriter, MotionSearchFindsTheFirstCheapestDisplacementInside) {
  std::mt19937 random(11);
  std::vector<int> levels(256);
  for (int& level : levels) {
    level = static_cast<int>(random() % 200);
  }
  const auto texture = [&](int x, int y) { return levels[((x * 7 + y * 13 + x * y) % 256 + 256) % 256]; };
  const auto diagonal = [&](int x, int y) { return levels[x + y + 8]; };
  // The second picture at (x, y) shows the first at (x + dx, y + dy).
  const std::vector<std::pair<std::function<int(int, int)>, MotionVector>> moves = {
      {texture, {3, -2}},
      {[](int x, int) { return x % 2 * 200; }, {0, 0}},  // stripes: (2, 0), (0, 4) ... cost more
      {diagonal, {1, 0}},  // (1, 0) and (0, 1) cost the same; the earlier row wins
      // Luminance steps 16 to 17 every 16 columns: staying costs 16 squared
      // differences of 1, as much as the move's penalty; the move comes first.
      {[](int x, int) { return x % 32 < 16 ? 0 : 1; }, {-1, 0}},
  };
  for (const auto& [level, move] : moves) {
    const QImage before = Grey(64, 64, level);
    const QImage after = Grey(64, 64, [&](int x, int y) { return level(x + move.Dx, y + move.Dy); });
    const std::vector<MovedCopy> copies = MovedCopies(EncodePair(before, after, kEverythingMoves), 1, 16);
    ASSERT_EQ(copies.size(), 16u);
    for (const auto& [i, vector] : copies) {
      const int x = 16 * (i % 4) + vector.Dx;
      const int y = 16 * (i / 4) + vector.Dy;
      EXPECT_TRUE(x >= 0 && y >= 0 && x + 16 <= 64 && y + 16 <= 64) << "macroblock " << i << " reaches outside";
      if (i % 4 > 0 && i % 4 < 3 && i / 4 > 0 && i / 4 < 3) {
        EXPECT_EQ(vector, move) << "inner macroblock " << i;
      }
    }
  }
}

TEST(MpegWriter, BlockCoderRefusesWhatItCannotCode) {
  Capture out;
  const auto code = [&](int dc, int ac) {
    TMpegStream stream(out.Sink());
    Levels levels{};
    levels[0] = dc;
    levels[5] = ac;
    return CodeIntraLevels(stream, levels, Component::Cb);
  };
  EXPECT_TRUE(code(Predictors::kDcReset + 255, 255).Ok());
  EXPECT_TRUE(code(Predictors::kDcReset - 255, -255).Ok());
  EXPECT_EQ(code(Predictors::kDcReset + 256, 0).Error(), kDcDifferenceText);
  EXPECT_EQ(code(Predictors::kDcReset - 256, 0).Error(), kDcDifferenceText);
  EXPECT_EQ(code(Predictors::kDcReset, 256).Error(), kEscapeLevelText);
  EXPECT_EQ(code(Predictors::kDcReset, -256).Error(), kEscapeLevelText);
}

}  // namespace
