#pragma once

#include "app/user_dialogs.h"
#include "model/message.h"

namespace morvane::app {

// The program's dialogs: Qt's message boxes, file choosers and print dialog.
// Its own questions are asked in the program's language; Qt's stock texts
// follow the translations loaded (QtTranslations).
class QtDialogs final : public UserDialogs {
 public:
  explicit QtDialogs(Language language) : language_(language) {}

  void Inform(QWidget* parent, const QString& text) override;
  void Warn(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  SaveChoice AskToSave(QWidget* parent, const QString& text) override;
  std::optional<FileChoice> ChooseOpenFile(QWidget* parent, const FileRequest& request) override;
  std::optional<FileChoice> ChooseSaveFile(QWidget* parent, const FileRequest& request) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;

 private:
  Language language_;
};

}  // namespace morvane::app
