#include "tests/dialogs/scripted_dialogs.h"

#include <QPrinter>

namespace morvane::app {

namespace {

bool TakeFirst(std::deque<bool>& answers) {
  const bool answer = !answers.empty() && answers.front();
  if (!answers.empty()) {
    answers.pop_front();
  }
  return answer;
}

}  // namespace

void ScriptedDialogs::Inform(QWidget*, const QString& text) { Shown.push_back({MessageKind::Information, text}); }

void ScriptedDialogs::Warn(QWidget*, const QString& text) { Shown.push_back({MessageKind::Warning, text}); }

bool ScriptedDialogs::Confirm(QWidget*, const QString& text) {
  Shown.push_back({MessageKind::Confirmation, text});
  return TakeFirst(ConfirmAnswers);
}

SaveChoice ScriptedDialogs::AskToSave(QWidget*, const QString& text) {
  Shown.push_back({MessageKind::Confirmation, text});
  if (SaveAnswers.empty()) {
    return SaveChoice::Cancel;
  }
  const SaveChoice answer = SaveAnswers.front();
  SaveAnswers.pop_front();
  return answer;
}

std::optional<FileChoice> ScriptedDialogs::ChooseOpenFile(QWidget*, const FileRequest& request) {
  return NextFile(request);
}

std::optional<FileChoice> ScriptedDialogs::ChooseSaveFile(QWidget*, const FileRequest& request) {
  std::optional<FileChoice> choice = NextFile(request);
  if (choice) {
    choice->Path = SavedPath(request, choice->Path, choice->FilterIndex);
  }
  return choice;
}

bool ScriptedDialogs::SetUpPrinter(QWidget*, QPrinter& printer) {
  const bool print = TakeFirst(PrintAnswers);
  if (print && !PrintFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintFile);
  }
  return print;
}

std::optional<FileChoice> ScriptedDialogs::NextFile(const FileRequest& request) {
  FileRequests.push_back(request);
  if (FileAnswers.empty()) {
    return std::nullopt;
  }
  const std::optional<FileChoice> answer = FileAnswers.front();
  FileAnswers.pop_front();
  return answer;
}

}  // namespace morvane::app
