#pragma once

#include "app/user_dialogs.h"

namespace morvane::app {

// The program's dialogs: Qt's message boxes, file choosers and print dialog.
class QtDialogs final : public UserDialogs {
 public:
  void Inform(QWidget* parent, const QString& text) override;
  void Warn(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  std::optional<FileChoice> ChooseOpenFile(QWidget* parent, const FileRequest& request) override;
  std::optional<FileChoice> ChooseSaveFile(QWidget* parent, const FileRequest& request) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace morvane::app
