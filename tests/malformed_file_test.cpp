#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "model/model_file.h"
#include "model/model_texts.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(MORVANE_SOURCE_DIR) / "tests/data";

std::vector<unsigned char> BytesOf(const ModelState& model) {
  std::vector<unsigned char> bytes(sizeof model);
  std::memcpy(bytes.data(), &model, sizeof model);
  return bytes;
}

// Every damaged copy of the sample is refused as broken, and the model that
// was loaded before keeps every byte.
TEST(MalformedFiles, EachIsRefusedAndTheLoadedModelKept) {
  const auto model = testing::LoadModel((kData / "model_file/linkage.mvd").string());
  const std::vector<unsigned char> before = BytesOf(*model);
  int files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(kData / "malformed")) {
    if (entry.path().extension() != kModelExtension) {
      continue;
    }
    ++files;
    std::memcpy(static_cast<void*>(model.get()), before.data(), before.size());
    const ReadResult result = ReadModelFile(entry.path().string(), *model);
    EXPECT_EQ(result.Status, ReadStatus::Broken) << entry.path().filename();
    EXPECT_EQ(result.Error, model_texts::FileBroken) << entry.path().filename();
    EXPECT_TRUE(BytesOf(*model) == before) << entry.path().filename() << " changed the model";
  }
  EXPECT_GE(files, 20);
}

}  // namespace
}  // namespace morvane
