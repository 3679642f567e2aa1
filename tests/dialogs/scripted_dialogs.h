#pragma once

#include <deque>
#include <vector>

#include "app/user_dialogs.h"

namespace morvane::app {

struct ShownMessage {
  MessageKind Kind;
  QString Text;

  bool operator==(const ShownMessage&) const = default;
};

// Answers from a script and a record of everything asked, for tests and for
// running the windows without a person. A question whose answers have run out
// is answered No, Cancel or not printed. A save chooser's answer is the name
// chosen, which gets its filter's extension as in the real chooser; no
// question about an existing file is asked.
class ScriptedDialogs final : public UserDialogs {
 public:
  std::deque<bool> ConfirmAnswers;
  std::deque<SaveChoice> SaveAnswers;
  std::deque<std::optional<FileChoice>> FileAnswers;
  std::deque<bool> PrintAnswers;
  // Where a print that is answered Yes goes, as when the print dialog's
  // "Print to File (PDF)" is chosen; empty leaves the printer as it is.
  QString PrintFile;

  std::vector<ShownMessage> Shown;
  std::vector<FileRequest> FileRequests;

  void Inform(QWidget* parent, const QString& text) override;
  void Warn(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  SaveChoice AskToSave(QWidget* parent, const QString& text) override;
  std::optional<FileChoice> ChooseOpenFile(QWidget* parent, const FileRequest& request) override;
  std::optional<FileChoice> ChooseSaveFile(QWidget* parent, const FileRequest& request) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;

 private:
  std::optional<FileChoice> NextFile(const FileRequest& request);
};

}  // namespace morvane::app
