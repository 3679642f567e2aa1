#include <gtest/gtest.h>

#include <memory>

#include "model/model_file.h"
#include "tests/test_support.h"
#include "examples/example_models.h"

namespace morvane {
namespace {

// The files in examples/ are what the catalogue builds, and each survives a
// read and a second save byte for byte.
TEST(Examples, FilesMatchTheirConstructionAndRoundTrip) {
  ASSERT_GE(examples::ExampleModels().size(), 6u);
  for (const examples::ExampleModel& example : examples::ExampleModels()) {
    Session built;
    example.Build(built);
    const std::string onDisk = testing::ReadWholeFile(testing::kExamples + example.FileName);
    EXPECT_EQ(onDisk, FormatModelText(built.Model())) << example.FileName << ": regenerate with make_examples";

    auto read = std::make_unique<ModelState>();
    ASSERT_EQ(ReadModelFile(testing::kExamples + example.FileName, *read).Status, ReadStatus::Ok) << example.FileName;
    EXPECT_EQ(FormatModelText(*read), onDisk) << example.FileName;
    EXPECT_TRUE(read->HasPowerPart) << example.FileName;
  }
}

}  // namespace
}  // namespace morvane
