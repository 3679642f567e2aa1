#include "cli/progress_bar.h"

#include <string>

#include "export/progress_text.h"

namespace morvane::cli {

namespace {

constexpr int kBarWidth = 30;

}  // namespace

void ProgressBar::Step(const Message& progressText, int percent) {
  const int filled = percent * kBarWidth / 100;
  context_.Err << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '-') << "] "
               << exporting::ProgressLine(context_.Text(progressText), percent) << std::flush;
  drawn_ = true;
}

void ProgressBar::Note(const Message& label) {
  Finish();
  context_.Err << context_.Text(label) << '\n';
}

void ProgressBar::Finish() {
  if (drawn_) {
    context_.Err << '\n';
  }
  drawn_ = false;
}

}  // namespace morvane::cli
