#include "codecs/images/gif_encoder.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

#include "codecs/images/invariant.h"
#include "model/output_file.h"

namespace morvane {

namespace {

constexpr int kFrameDelayHundredths = 30;
constexpr int kColourResolutionBits = 8;

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// What giflib needs beside the handle, prepared before it is opened so that
// nothing between opening and closing can throw past the handle.
struct Encoding {
  std::span<const IndexedPicture> Pictures;
  const ColourTable& Table;
  GifKind Kind;
  ColourMap Map;
  std::vector<GifPixelType> Row;
};

int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
  return static_cast<OutputFile*>(gif->UserData)->Write(bytes, static_cast<size_t>(length)) ? length : 0;
}

ColourMap MakeColourMap(const ColourTable& table) {
  std::vector<GifColorType> colours;
  for (const auto& [red, green, blue] : table.Colours) {
    colours.push_back({red, green, blue});
  }
  return ColourMap(GifMakeMapObject(static_cast<int>(colours.size()), colours.data()));
}

// The Netscape 2.0 application extension: two sub-blocks, the application
// name and (1, loop count 0 as 16 bits), which means repeat for ever.
bool PutLoopForever(GifFileType* gif) {
  static constexpr char kApplication[] = "NETSCAPE2.0";
  static constexpr GifByteType kLoopCount[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kApplication - 1, kApplication) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kLoopCount, kLoopCount) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrameDelay(GifFileType* gif) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSAL_UNSPECIFIED;
  control.UserInputFlag = false;
  control.DelayTime = kFrameDelayHundredths;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType bytes[4];
  const size_t length = EGifGCBToExtension(&control, bytes);
  return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), bytes) == GIF_OK;
}

// EGifPutLine may change the row it is given, so each row is built afresh.
bool PutImage(GifFileType* gif, const IndexedPicture& picture, Encoding& encoding) {
  if (EGifPutImageDesc(gif, 0, 0, picture.Width, picture.Height, false, nullptr) != GIF_OK) {
    return false;
  }
  const uint8_t* index = picture.Indices.data();
  for (int y = 0; y < picture.Height; ++y) {
    for (GifPixelType& pixel : encoding.Row) {
      pixel = encoding.Table.EntryOf[*index++];
    }
    if (EGifPutLine(gif, encoding.Row.data(), picture.Width) != GIF_OK) {
      return false;
    }
  }
  return true;
}

bool PutPictures(GifFileType* gif, Encoding& encoding) {
  const IndexedPicture& first = encoding.Pictures.front();
  // Without this the header says GIF87a even when extensions follow.
  EGifSetGifVersion(gif, true);
  if (EGifPutScreenDesc(gif, first.Width, first.Height, kColourResolutionBits, 0, encoding.Map.get()) != GIF_OK) {
    return false;
  }
  const bool looping = encoding.Kind == GifKind::Looping;
  if (looping && !PutLoopForever(gif)) {
    return false;
  }
  for (const IndexedPicture& picture : encoding.Pictures) {
    if ((looping && !PutFrameDelay(gif)) || !PutImage(gif, picture, encoding)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool WriteGifPictures(const std::string& path, std::span<const IndexedPicture> pictures, const ColourTable& table,
                      GifKind kind) {
  Require(!pictures.empty(), "a GIF file holds at least one picture");
  for (const IndexedPicture& picture : pictures) {
    Require(picture.Width == pictures.front().Width && picture.Height == pictures.front().Height,
            "the pictures of one GIF file have one size");
  }
  Encoding encoding{pictures, table, kind, MakeColourMap(table),
                    std::vector<GifPixelType>(static_cast<size_t>(pictures.front().Width))};
  const std::unique_ptr<OutputFile> file = OutputFile::Open(path);
  if (!encoding.Map || !file) {
    return false;
  }
  int error = 0;
  GifFileType* gif = EGifOpen(file.get(), WriteToFile, &error);
  if (gif == nullptr) {
    return false;
  }
  const bool written = PutPictures(gif, encoding);
  // Frees the handle whether or not the trailer could be written.
  const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
  return written && closed && file->Commit();
}

}  // namespace morvane
