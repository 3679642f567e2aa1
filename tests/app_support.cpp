#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One application for all window tests, on the offscreen platform so that no
// display is needed. It ends before main returns, while Qt is still whole.
class QtApplicationEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[8] = "morvane";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

const ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
