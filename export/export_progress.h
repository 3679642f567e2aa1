#pragma once

#include <string>
#include <vector>

#include "model/message.h"

namespace morvane::exporting {

// Where an export that takes a while tells how far it has come: the progress
// window of the desktop program, or standard error in the command-line tool.
class ExportProgress {
 public:
  virtual ~ExportProgress() = default;

  virtual void Start(const Message& caption, const Message& label) = 0;
  // The progress text with the percentage for its %d.
  virtual void Step(const Message& progressText, int percent) = 0;
  // A line without a percentage, such as the last step of a print.
  virtual void Note(const Message& label) = 0;
  virtual void Finish() = 0;
};

// Started for as long as it lives.
class ShownProgress {
 public:
  ShownProgress(ExportProgress& progress, const Message& caption, const Message& label) : progress_(progress) {
    progress_.Start(caption, label);
  }
  ~ShownProgress() { progress_.Finish(); }
  ShownProgress(const ShownProgress&) = delete;
  ShownProgress& operator=(const ShownProgress&) = delete;

 private:
  ExportProgress& progress_;
};

enum class ExportStatus {
  Done,
  // A move of the mechanism was refused: a series stopped part-way.
  Stopped,
  // The file could not be written, or the printer not started; an older file
  // of that name is intact.
  WriteFailed,
};

// How an export ended, and what the user is to be told, in order and in the
// session's language: the drive's reason and the stop, or the write failure.
struct ExportOutcome {
  ExportStatus Status = ExportStatus::Done;
  std::vector<std::string> Messages;
};

}  // namespace morvane::exporting
