// The MPEG-1 writer, checked with ffmpeg as the independent decoder: streams
// decode without complaint to the pictures given. Where the decoder cannot
// tell coding choices apart (intra or moved copy, equal predictions, the
// exact repeat pattern) the test reads the stream's macroblock bits itself.

#include <gtest/gtest.h>

#include <bitset>
#include <functional>
#include <string_view>
#include <tuple>
#include <utility>

#include "codecs/codecs_texts.h"
#include "codecs/mpeg/mpeg_block.h"
#include "codecs/mpeg/mpeg_kernels.h"
#include "codecs/mpeg/mpeg_motion.h"
#include "codecs/mpeg/mpeg_tables.h"
#include "codecs/mpeg/mpeg_writer.h"
#include "tests/image_test_support.h"

namespace morvane::mpeg {
namespace {

using namespace morvane::testing;

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

RgbImage Picture(int width, int height, const std::function<uint32_t(int x, int y)>& rgb) {
  RgbImage image(width, height);
  for (int p = 0; p < width * height; ++p) {
    const uint32_t colour = rgb(p % width, p / width);
    uint8_t* pixel = image.Pixel(p % width, p / width);
    std::tie(pixel[0], pixel[1], pixel[2]) = std::tuple<uint8_t, uint8_t, uint8_t>(colour >> 16, colour >> 8, colour);
  }
  return image;
}

RgbImage Grey(int width, int height, const std::function<int(int x, int y)>& level) {
  return Picture(width, height, [&](int x, int y) { return 0x010101u * static_cast<uint32_t>(level(x, y)); });
}

// In movie export's order: an intra picture every fourth frame, each frame
// followed by one repeated picture.
std::string Encode(const std::vector<RgbFrame>& frames, int threshold = kMovieThreshold,
                   int quantiser = kMovieQuantiser) {
  Capture out;
  TMpeg mpeg;
  EXPECT_TRUE(mpeg.Init(frames[0].Width, frames[0].Height, out.Sink(), 1, threshold, quantiser).Ok());
  for (size_t i = 0; i < frames.size(); ++i) {
    const MpegResult added = i % 4 == 0 ? mpeg.AddIntraFrame(frames[i]) : mpeg.AddPredictedFrame(frames[i]);
    EXPECT_TRUE(added.Ok() && mpeg.RepeatFrame(1).Ok()) << added.Error();
  }
  EXPECT_TRUE(mpeg.Finish().Ok());
  return out.Bytes;
}

// The stream in a file that lasts as long as the test program.
std::string Saved(const std::string& stream) {
  static const TempFolder folder;
  static int files = 0;
  const std::string path = folder / (std::to_string(++files) + ".mpg");
  WriteBytes(path, stream);
  return path;
}

// The pictures ffmpeg decodes, once it has read the stream without a word.
std::vector<RgbImage> Decode(const std::string& stream, int width, int height) {
  const std::string path = Saved(stream);
  EXPECT_EQ(CommandOutput("ffmpeg -v error -i " + path + " -f null - 2>&1"), "");
  std::vector<RgbImage> pictures;
  for (DecodedMovie movie(path, width, height); movie.Next();) {
    pictures.push_back(movie.Picture);
  }
  return pictures;
}

struct Macroblock {
  int Address;
  bool Intra;
  MotionVector Vector;  // of a moved copy
};

// The macroblocks of a predicted picture up to the last, or to the first
// intra one, where reading ends.
std::vector<Macroblock> Macroblocks(const std::string& stream, int picture, int count) {
  size_t at = 0;
  for (int seen = -1; seen < picture; ++seen) {
    at = stream.find(std::string("\0\0\1\0", 4), at) + 4;
  }
  std::string bits;
  for (size_t i = stream.find(std::string("\0\0\1\1", 4), at) + 4; i < stream.size(); ++i) {
    bits += std::bitset<8>(static_cast<uint8_t>(stream[i])).to_string();
  }
  std::string_view rest = std::string_view(bits).substr(6);  // after the quantiser and extra bit
  const auto take = [&](VlcCode code) {
    const bool found = rest.starts_with(std::bitset<32>(code.Bits).to_string().substr(32 - code.Length));
    rest.remove_prefix(found ? code.Length : 0);
    return found;
  };
  const auto motion = [&] {
    for (int magnitude = 0; magnitude < static_cast<int>(kMotionCodes.size()); ++magnitude) {
      if (take(kMotionCodes[magnitude])) {
        return magnitude > 0 && !take({0, 1}) && take({1, 1}) ? -magnitude : magnitude;
      }
    }
    ADD_FAILURE() << "no motion code " << bits.size() - rest.size() << " bits into the slice";
    return 0;
  };
  std::vector<Macroblock> read;
  MotionVector vector;
  for (int address = -1, increment = 1; address < count - 1 && (read.empty() || !read.back().Intra);) {
    if (take(kAddressEscape)) {
      increment += 33;
      continue;
    }
    if (!take(kAddressIncrementOne)) {
      ADD_FAILURE() << "no macroblock after " << address;
      break;
    }
    address += std::exchange(increment, 1);
    if (take(kIntraInPredictedPicture)) {
      read.push_back({address, true, {}});
      continue;
    }
    EXPECT_TRUE(take(kMotionNotCoded)) << "macroblock " << address;
    vector.Dx += motion();
    vector.Dy += motion();
    read.push_back({address, false, vector});
  }
  return read;
}

// One character a macroblock: 'i' intra, '>' a still copy, 'v' a copy that
// moves, 'S' skipped.
std::string Pattern(const std::vector<Macroblock>& macroblocks, int count) {
  std::string pattern(count, 'S');
  for (const auto& [address, intra, vector] : macroblocks) {
    pattern[address] = intra ? 'i' : vector == MotionVector{} ? '>' : 'v';
  }
  return pattern;
}

TEST(MpegWriter, SequenceHeaderAndEnd) {
  Capture out;
  TMpeg mpeg;
  ASSERT_TRUE(mpeg.Init(320, 240, out.Sink(), 1, kMovieThreshold, kMovieQuantiser).Ok());
  EXPECT_TRUE(out.Calls.empty()) << "nothing leaves before a whole buffer is collected";
  ASSERT_TRUE(mpeg.Finish().Ok());
  const std::string header("\x00\x00\x01\xB3\x14\x00\xF0\x12\xFF\xFF\xE1\x00", 12);
  EXPECT_EQ(out.Bytes.substr(0, 12), header);
  EXPECT_EQ(out.Bytes.substr(out.Bytes.size() - 8), std::string("\0\0\0\0\0\0\1\xB7", 8));
  ASSERT_TRUE(mpeg.Finish().Ok());
  EXPECT_EQ(out.Calls.size(), 1u) << "a second Finish writes nothing";
}

TEST(MpegWriter, RefusalsLeaveNoTrace) {
  const RgbImage picture = CanvasLikePicture(64, 48), moved = CanvasLikePicture(64, 48, 3);
  Capture out;
  TMpeg mpeg;
  for (const auto& [width, height, rate, quantiser] :
       {std::tuple{0, 48, 1, 4}, {4096, 48, 1, 4}, {64, 0, 1, 4}, {64, 48, 1, 32}, {64, 48, 1, 0}, {64, 48, 9, 4}}) {
    EXPECT_EQ(mpeg.Init(width, height, out.Sink(), rate, 0, quantiser).Error(), codecs_texts::MpegInitFailed)
        << width << "x" << height << ", rate " << rate << ", quantiser " << quantiser;
  }
  EXPECT_EQ(mpeg.Init(64, 48, nullptr, 1, 0, 4).Error(), codecs_texts::MpegInitFailed);
  EXPECT_EQ(mpeg.AddIntraFrame(picture.Frame()).Error(), codecs_texts::MpegNotInitialised);
  EXPECT_EQ(mpeg.RepeatFrame(1).Error(), codecs_texts::MpegNotInitialised);
  ASSERT_TRUE(mpeg.Init(4095, 48, out.Sink(), 8, 0, 31).Ok()) << "the largest values are accepted";
  EXPECT_EQ(mpeg.Init(64, 48, out.Sink(), 1, 0, 4).Error(), codecs_texts::MpegInitFailed);
  ASSERT_TRUE(mpeg.Finish().Ok());

  // The same two pictures, with and without refused ones between them; the
  // second picture once with 4 bytes a pixel.
  const auto encode = [&](bool refusals) {
    Capture stream;
    TMpeg writer;
    EXPECT_TRUE(writer.Init(64, 48, stream.Sink(), 1, kMovieThreshold, kMovieQuantiser).Ok());
    EXPECT_TRUE(writer.AddIntraFrame(picture.Frame()).Ok());
    if (refusals) {
      EXPECT_EQ(writer.AddPredictedFrame(RgbImage(65, 48).Frame()).Error(), codecs_texts::MpegDifferentSize);
      EXPECT_EQ(writer.AddIntraFrame(RgbImage(64, 47).Frame()).Error(), codecs_texts::MpegDifferentSize);
      EXPECT_EQ(writer.AddPredictedFrame({64, 48, 128, 2, moved.Row(0)}).Error(), codecs_texts::MpegPixelFormat);
    }
    EXPECT_TRUE(writer.AddPredictedFrame(refusals ? Padded(moved).Frame : moved.Frame()).Ok());
    EXPECT_TRUE(writer.Finish().Ok());
    return stream.Bytes;
  };
  EXPECT_EQ(encode(true), encode(false));
}

TEST(MpegWriter, FailedWritesAreReported) {
  std::vector<RgbImage> frames;
  for (int i = 0; i < 8; ++i) {
    frames.push_back(CanvasLikePicture(320, 240, 5 * i));
  }
  // Intra pictures only, each failing from the failed hand-over on; then Finish.
  const auto encode = [&](Capture& out) {
    TMpeg mpeg;
    EXPECT_TRUE(mpeg.Init(320, 240, out.Sink(), 1, kMovieThreshold, kMovieQuantiser).Ok());
    for (const RgbImage& frame : frames) {
      const MpegResult added = mpeg.AddIntraFrame(frame.Frame());
      EXPECT_TRUE(added.Ok() || added.Error() == codecs_texts::MpegWriteFailed) << added.Error();
      EXPECT_EQ(added.Ok(), out.Calls.size() < out.FailOn || out.FailOn == 0);
    }
    return mpeg.Finish();
  };
  Capture whole;
  ASSERT_TRUE(encode(whole).Ok());
  ASSERT_GT(whole.Calls.size(), 3u);
  // The last hand-over is Finish's.
  for (size_t failOn : {size_t{2}, whole.Calls.size()}) {
    Capture out;
    out.FailOn = failOn;
    EXPECT_EQ(encode(out).Error(), codecs_texts::MpegWriteFailed) << "failing on call " << failOn;
    EXPECT_EQ(out.Calls.size(), failOn) << "nothing is handed over after a failure";
  }
  for (size_t i = 0; i + 1 < whole.Calls.size(); ++i) {
    EXPECT_EQ(whole.Calls[i], TMpegStream::kBufferSize);
  }
}

TEST(MpegWriter, RepeatedPictureCodesEveryThirtyFourthMacroblock) {
  std::string pattern(300, 'S');
  for (int address = 0; address < 300; address += address < 272 ? 34 : 1) {
    pattern[address] = '>';
  }
  EXPECT_EQ(Pattern(Macroblocks(Encode({CanvasLikePicture(320, 240).Frame()}), 1, 300), 300), pattern);
  // 35 macroblocks leave 34 after the first, too few for an escape.
  EXPECT_EQ(Pattern(Macroblocks(Encode({CanvasLikePicture(112, 80).Frame()}), 1, 35), 35), std::string(35, '>'));
}

TEST(MpegWriter, MoviesDecodeToTheirFrames) {
  // The odd size has partial macroblocks and a last column and row that take
  // their colour from the pair before; rows are given with spare bytes.
  for (const auto& [width, height, count] : {std::tuple{320, 240, 49}, {161, 121, 9}}) {
    std::vector<RgbImage> frames;
    std::vector<PaddedCopy> given;
    std::vector<RgbFrame> givenFrames;
    for (int i = 0; i < count; ++i) {
      frames.push_back(CanvasLikePicture(width, height, i));
      givenFrames.push_back(given.emplace_back(Padded(frames.back(), 3)).Frame);
    }
    const std::string stream = Encode(givenFrames);
    const std::vector<RgbImage> decoded = Decode(stream, width, height);
    ASSERT_EQ(decoded.size(), 2u * count);
    double worst = 99;
    for (size_t i = 0; i < decoded.size(); i += 2) {
      worst = std::min(worst, Psnr(decoded[i], frames[i / 2]));
      EXPECT_EQ(decoded[i + 1], decoded[i]) << "the repeat of frame " << i / 2 << " shows it again";
    }
    EXPECT_GE(worst, 30.0) << width << "x" << height;
    // The first group runs until more than a second's worth of pictures is
    // written; then every intra picture (every eighth) opens one.
    std::string groups = "00:00:00:00\n";
    for (int picture = 32; picture < 2 * count; picture += 8) {
      char code[32];
      std::snprintf(code, sizeof code, "00:00:%02d:%02d\n", picture / 24, picture % 24);
      groups += code;
    }
    EXPECT_EQ(CommandOutput("ffprobe -v error -show_entries frame_side_data=timecode -of csv=p=0 " + Saved(stream) +
                            " | grep ."),
              groups);
    // Each picture's temporal reference counts it within its group.
    std::vector<int> references, counted;
    for (size_t at = 0; (at = stream.find(std::string("\0\0\1\0", 4), at)) != std::string::npos; at += 4) {
      references.push_back(static_cast<uint8_t>(stream[at + 4]) << 2 | static_cast<uint8_t>(stream[at + 5]) >> 6);
      const int picture = static_cast<int>(references.size()) - 1;
      counted.push_back(picture < 32 ? picture : (picture - 32) % 8);
    }
    EXPECT_EQ(references, counted);
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

// The orthonormal basis function of the block's coefficient at (x, y).
double Basis(const BlockCoefficient& c, int x, int y) {
  return 0.25 * (c.U ? 1 : std::sqrt(0.5)) * (c.V ? 1 : std::sqrt(0.5)) *
         std::cos((2 * x + 1) * c.U * std::numbers::pi / 16) * std::cos((2 * y + 1) * c.V * std::numbers::pi / 16);
}

TEST(MpegWriter, EveryCoefficientCodeDecodes) {
  const RgbImage codes = Grey(128, 64, [](int x, int y) {
    const BlockCoefficient c = CoefficientOfBlock(x / 8 + 16 * (y / 8));
    const double luminance = 128 + c.Level * c.Step * Basis(c, x % 8, y % 8);
    return std::clamp(static_cast<int>(std::lround((luminance - 16) / 0.859375)), 0, 255);
  });
  const std::string decoded = CommandOutput("ffmpeg -v error -i " + Saved(Encode({codes.Frame()}, 0, kCodeQuantiser)) +
                                            " -frames:v 1 -f rawvideo -pix_fmt yuv420p - 2>&1");
  ASSERT_EQ(decoded.size(), 128u * 64u * 3 / 2) << decoded;
  for (int block = 0; block < 128; ++block) {
    const BlockCoefficient c = CoefficientOfBlock(block);
    double coefficient = 0;
    for (int p = 0; p < 64; ++p) {
      const uint8_t sample = decoded[(8 * (block / 16) + p / 8) * 128 + 8 * (block % 16) + p % 8];
      coefficient += sample * Basis(c, p % 8, p / 8);
    }
    EXPECT_NEAR(coefficient / c.Step, c.Level, 0.3) << "block " << block << " at (" << c.U << ", " << c.V << ")";
  }
  // Grey noise beside hard-edged bars gives long runs, large levels and escapes.
  std::mt19937 random(7);
  const RgbImage noise = Grey(64, 48, [&](int x, int y) {
    return x < 32 ? static_cast<int>(random() % 256) : ((x / 2 + y / 3) % 2) * 255;
  });
  for (const auto& [quantiser, psnr] : {std::pair{1, 40.0}, {4, 30.0}, {31, 15.0}}) {
    for (const RgbImage& picture : Decode(Encode({noise.Frame()}, 0, quantiser), 64, 48)) {
      EXPECT_GE(Psnr(picture, noise), psnr) << "quantiser " << quantiser;
    }
  }
}

// Rows alternately red and blue on the left: the colour of each row pair is
// the upper row's; columns alternately red and blue on the right: the colour
// is their average.
TEST(MpegWriter, ColourComesFromTheUpperRowAndBothColumnsOfEachPair) {
  const RgbImage stripes = Picture(32, 32, [](int x, int y) { return (x < 16 ? y : x) % 2 ? 0x0000FFu : 0xFF0000u; });
  for (const RgbImage& picture : Decode(Encode({stripes.Frame()}), 32, 32)) {
    for (const int y : {8, 9}) {
      EXPECT_GT(picture.Pixel(8, y)[0], picture.Pixel(8, y)[2] + 100) << "row " << y << " takes the red row's colour";
    }
    for (const int x : {24, 25}) {
      EXPECT_NEAR(picture.Pixel(x, 8)[0], picture.Pixel(x, 8)[2], 30) << "column " << x << " is purple";
    }
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
  const auto flat = [](int level) { return Grey(16, 16, [=](int, int) { return level; }); };
  const std::tuple<RgbImage, RgbImage, int, std::string> cases[] = {
      {flat(1), flat(0), 256, ">"},                // cost 256 = T
      {flat(1), flat(0), 255, "i"},                // T < 256 <= 4T, no texture
      {checker(19, 8), checker(19, 0), 4, "i"},  // cost 8, variance 64
      {checker(20, 8), checker(20, 0), 4, ">"},  // cost 8, variance 72
      {checker(20, 8), checker(20, 0), 2, ">"},  // cost 8 = 4T
      {checker(20, 9), checker(20, 0), 2, "i"},  // cost 9 > 4T
  };
  for (const auto& [before, after, threshold, expected] : cases) {
    EXPECT_EQ(Pattern(Macroblocks(Encode({before.Frame(), after.Frame()}, threshold), 2, 1), 1), expected)
        << "threshold " << threshold;
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
    const RgbImage before = Grey(64, 64, level);
    const RgbImage after = Grey(64, 64, [&](int x, int y) { return level(x + move.Dx, y + move.Dy); });
    const std::string stream = Encode({before.Frame(), after.Frame()}, kEverythingMoves);
    const std::vector<Macroblock> copies = Macroblocks(stream, 2, 16);
    ASSERT_EQ(copies.size(), 16u);
    for (const auto& [i, intra, vector] : copies) {
      const int x = 16 * (i % 4) + vector.Dx;
      const int y = 16 * (i / 4) + vector.Dy;
      EXPECT_TRUE(!intra && x >= 0 && y >= 0 && x + 16 <= 64 && y + 16 <= 64)
          << "macroblock " << i << " is not a copy from inside the picture";
      if (i % 4 > 0 && i % 4 < 3 && i / 4 > 0 && i / 4 < 3) {
        EXPECT_EQ(vector, move) << "inner macroblock " << i;
      }
    }
  }
}

TEST(MpegWriter, BlockCoderRefusesWhatItCannotCode) {
  Capture out;
  using codecs_texts::MpegDcDifference, codecs_texts::MpegEscapeLevel;
  for (const auto& [dc, ac, error] : {std::tuple{255, 255, std::string_view()}, {-255, -255, {}},
                                      {256, 0, MpegDcDifference}, {-256, 0, MpegDcDifference},
                                      {0, 256, MpegEscapeLevel}, {0, -256, MpegEscapeLevel}}) {
    TMpegStream stream(out.Sink());
    Levels levels{};
    levels[0] = Predictors::kDcReset + dc;
    levels[5] = ac;
    EXPECT_EQ(CodeIntraLevels(stream, levels, Component::Cb).Error(), error) << dc << ", " << ac;
  }
  // Escaped levels below 128 take 8 bits, the others 16: an 8-bit -128 is
  // the mark of the 16-bit form.
  const auto code = [](VlcCode c) { return std::bitset<32>(c.Bits).to_string().substr(32 - c.Length); };
  for (const auto& [level, bits] : {std::pair{127, "01111111"}, {-127, "10000001"}, {128, "0000000010000000"},
                                    {-128, "1000000010000000"}, {-255, "1000000000000001"}}) {
    Capture block;
    TMpegStream stream(block.Sink());
    Levels levels{};
    levels[0] = Predictors::kDcReset;
    levels[kZigZag[1]] = level;
    ASSERT_TRUE(CodeIntraLevels(stream, levels, Component::Cb).Ok());
    ASSERT_TRUE(stream.WriteAll());
    std::string written;
    for (const char byte : block.Bytes) {
      written += std::bitset<8>(static_cast<uint8_t>(byte)).to_string();
    }
    EXPECT_EQ(written.substr(0, written.find_last_of('1') + 1),
              code(kDcSizeChrominance[0]) + code(kCoefficientEscape) + "000000" + bits + code(kEndOfBlock).substr(0, 1))
        << level;
  }
}

#if MORVANE_MPEG_SSE2
// The plain loops of a build without SSE2 against the SSE2 ones: random and
// black-and-white blocks (where rounding and saturation bite), rows of 1 to
// 40 pixels (the SSE2 row ends one by one) and random limits of the sum.
TEST(MpegWriter, PlainLoopsGiveTheBitsOfTheSse2Loops) {
  constexpr int kStride = 40;
  std::mt19937 random(5);
  std::vector<uint8_t> bytes(64 * kStride);
  for (int round = 0; round < 400; ++round) {
    for (uint8_t& byte : bytes) {
      byte = static_cast<uint8_t>(round % 2 ? random() % 256 : random() % 2 * 255);
    }
    Coefficients plain{};
    Coefficients fast{};
    scalar::ForwardDct(bytes.data() + round % 8, kStride, plain);
    sse2::ForwardDct(bytes.data() + round % 8, kStride, fast);
    EXPECT_EQ(plain, fast) << "round " << round;
    const int width = round % kStride + 1;
    for (const int pixelBytes : {3, 4}) {
      std::vector<uint8_t> plainRow(width);
      std::vector<uint8_t> fastRow(width);
      scalar::LuminanceRow(bytes.data(), pixelBytes, width, plainRow.data());
      sse2::LuminanceRow(bytes.data(), pixelBytes, width, fastRow.data());
      EXPECT_EQ(plainRow, fastRow) << width << " pixels of " << pixelBytes << " bytes";
    }
    const int limit = static_cast<int>(random() % 6000000);
    EXPECT_EQ(scalar::SquaredDifference(bytes.data(), bytes.data() + 20, kStride, limit),
              sse2::SquaredDifference(bytes.data(), bytes.data() + 20, kStride, limit))
        << "limit " << limit;
  }
}
#endif

}  // namespace
}  // namespace morvane::mpeg
