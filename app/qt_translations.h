#pragma once

#include <QTranslator>

#include "model/message.h"

namespace morvane::app {

// Qt's own texts in the program's language for as long as this lives: the
// stock buttons of message boxes ("はい", "キャンセル"), the labels and
// buttons of the file and print dialogs, the names of keys. The program's own
// texts come from its tables. Without Qt's translation files (Debian package
// qt6-translations-l10n) Qt's texts stay English.
class QtTranslations {
 public:
  explicit QtTranslations(Language language);
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace morvane::app
