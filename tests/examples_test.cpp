#include <gtest/gtest.h>

#include <memory>

#include "model/model_file.h"
#include "tests/cli_runner.h"
#include "examples/example_models.h"

namespace morvane {
namespace {

std::string ExamplePath(const std::string& name) { return std::string(MORVANE_SOURCE_DIR) + "/examples/" + name; }

// The files in examples/ are what the catalogue builds, and each survives a
// read and a second save byte for byte.
TEST(Examples, FilesMatchTheirConstructionAndRoundTrip) {
  ASSERT_GE(examples::ExampleModels().size(), 6u);
  for (const examples::ExampleModel& example : examples::ExampleModels()) {
    auto built = std::make_unique<ModelState>();
    example.Build(*built);
    const std::string onDisk = testing::ReadWholeFile(ExamplePath(example.FileName));
    EXPECT_EQ(onDisk, FormatModelText(*built)) << example.FileName << ": regenerate with make_examples";

    auto read = std::make_unique<ModelState>();
    ASSERT_EQ(ReadModelFile(ExamplePath(example.FileName), *read).Status, ReadStatus::Ok) << example.FileName;
    EXPECT_EQ(FormatModelText(*read), onDisk) << example.FileName;
    EXPECT_TRUE(read->HasPowerPart) << example.FileName;
  }
}

}  // namespace
}  // namespace morvane
