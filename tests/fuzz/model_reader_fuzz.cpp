// Feeds arbitrary bytes to the model reader. Besides the sanitizers' findings
// it stops on a broken promise of the file format:
// - a refused text leaves the model exactly as it was;
// - whatever the reader accepts, the writer writes in a form that the reader
//   accepts again and that writes back to the very same text.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "model/model_file.h"

namespace {

using morvane::ModelState;
using morvane::ReadStatus;

bool Accepts(std::string_view text, ModelState& model) {
  return morvane::ParseModelText(text, model).Status == ReadStatus::Ok;
}

void Require(bool promise) {
  if (!promise) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Kept between runs so that refusals are checked against loaded models too.
  static const auto model = std::make_unique<ModelState>();
  static const auto before = std::make_unique<ModelState>();
  std::memcpy(static_cast<void*>(before.get()), model.get(), sizeof(ModelState));

  if (!Accepts(std::string_view(reinterpret_cast<const char*>(data), size), *model)) {
    Require(std::memcmp(before.get(), model.get(), sizeof(ModelState)) == 0);
    return 0;
  }
  const std::string written = morvane::FormatModelText(*model);
  Require(Accepts(written, *model));
  Require(morvane::FormatModelText(*model) == written);
  return 0;
}
