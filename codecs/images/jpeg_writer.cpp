#include "codecs/images/jpeg_writer.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

// After <cstdio> and <cstddef>: jpeglib.h uses FILE and size_t without
// declaring them.
#include <jpeglib.h>
#include <jerror.h>

#include "model/output_file.h"

namespace morvane {

namespace {

constexpr int kQuality = 100;
constexpr size_t kBufferBytes = 1 << 16;

// libjpeg's own error handler ends the process. Ours jumps back to
// Compress, which turns any error into a returned failure. The manager is the
// first member, so the pointer libjpeg holds is also one to the whole trap.
struct ErrorTrap {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
};

struct FileDestination {
  jpeg_destination_mgr Manager;
  OutputFile* File;
  JOCTET Buffer[kBufferBytes];
};

[[noreturn]] void JumpBack(j_common_ptr common) { std::longjmp(reinterpret_cast<ErrorTrap*>(common->err)->Jump, 1); }

// Library code prints nothing; an error reaches the caller as the result.
void Silence(j_common_ptr) {}

FileDestination* DestinationOf(j_compress_ptr cinfo) { return reinterpret_cast<FileDestination*>(cinfo->dest); }

void StartBuffer(j_compress_ptr cinfo) {
  FileDestination* destination = DestinationOf(cinfo);
  destination->Manager.next_output_byte = destination->Buffer;
  destination->Manager.free_in_buffer = kBufferBytes;
}

// libjpeg calls this with the whole buffer full, whatever free_in_buffer says.
boolean FlushFullBuffer(j_compress_ptr cinfo) {
  if (!DestinationOf(cinfo)->File->Write(DestinationOf(cinfo)->Buffer, kBufferBytes)) {
    ERREXIT(cinfo, JERR_FILE_WRITE);
  }
  StartBuffer(cinfo);
  return TRUE;
}

void FlushRest(j_compress_ptr cinfo) {
  FileDestination* destination = DestinationOf(cinfo);
  if (!destination->File->Write(destination->Buffer, kBufferBytes - destination->Manager.free_in_buffer)) {
    ERREXIT(cinfo, JERR_FILE_WRITE);
  }
}

void Configure(jpeg_compress_struct* cinfo, const RgbFrame& frame) {
  cinfo->image_width = static_cast<JDIMENSION>(frame.Width);
  cinfo->image_height = static_cast<JDIMENSION>(frame.Height);
  cinfo->input_components = 3;
  // The defaults depend on the colour space, so it comes first.
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, kQuality, TRUE);
  for (int c = 0; c < cinfo->num_components; ++c) {
    cinfo->comp_info[c].h_samp_factor = 1;
    cinfo->comp_info[c].v_samp_factor = 1;
  }
}

void CopyRow(const RgbFrame& frame, int y, JSAMPLE* out) {
  const uint8_t* pixel = frame.Row(y);
  for (int x = 0; x < frame.Width; ++x, pixel += frame.PixelBytes, out += 3) {
    out[0] = pixel[0];
    out[1] = pixel[1];
    out[2] = pixel[2];
  }
}

// An error longjmps out of the middle of this function, so nothing in it may
// have a destructor; all it needs lives in the caller.
bool Compress(jpeg_compress_struct* cinfo, ErrorTrap* trap, jpeg_destination_mgr* destination, const RgbFrame* frame,
              JSAMPLE* row) {
  cinfo->err = jpeg_std_error(&trap->Manager);
  trap->Manager.error_exit = JumpBack;
  trap->Manager.output_message = Silence;
  if (setjmp(trap->Jump) != 0) {
    jpeg_destroy_compress(cinfo);
    return false;
  }
  jpeg_create_compress(cinfo);
  cinfo->dest = destination;
  Configure(cinfo, *frame);
  jpeg_start_compress(cinfo, TRUE);
  while (cinfo->next_scanline < cinfo->image_height) {
    CopyRow(*frame, static_cast<int>(cinfo->next_scanline), row);
    jpeg_write_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_compress(cinfo);
  jpeg_destroy_compress(cinfo);
  return true;
}

}  // namespace

bool WriteJpeg(const RgbFrame& frame, const std::string& path) {
  if (frame.Width <= 0 || frame.Height <= 0) {
    return false;
  }
  const std::unique_ptr<OutputFile> file = OutputFile::Open(path);
  if (!file) {
    return false;
  }
  const auto destination = std::make_unique<FileDestination>();
  destination->Manager.init_destination = StartBuffer;
  destination->Manager.empty_output_buffer = FlushFullBuffer;
  destination->Manager.term_destination = FlushRest;
  destination->File = file.get();
  std::vector<JSAMPLE> row(static_cast<size_t>(frame.Width) * 3);
  jpeg_compress_struct cinfo{};
  ErrorTrap trap{};
  return Compress(&cinfo, &trap, &destination->Manager, &frame, row.data()) && file->Commit();
}

}  // namespace morvane
