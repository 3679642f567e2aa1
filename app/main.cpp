// Start-up: the application and its title, the language of the run, the
// windows in their order, then the message loop until the user confirms the
// exit.

#include <QApplication>
#include <cstdlib>
#include <string>

#include "app/form_main.h"
#include "app/program.h"
#include "app/qt_dialogs.h"
#include "app/qt_translations.h"
#include "app/ui_fonts.h"
#include "app/ui_language.h"
#include "model/temporary_files.h"

int main(int argc, char** argv) {
  // A logout or a kill in the middle of an export leaves no hidden temporary
  // file of up to 100 MB beside the user's pictures.
  morvane::RemoveTemporariesOnSignals();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Morvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Morvane"));
  QApplication::setDesktopFileName(QStringLiteral("morvane"));

  const morvane::Language language = morvane::app::ChooseUiLanguage(std::getenv, argv[0]);
  // Before any window: the names of keys in the hints are Qt's texts too.
  const morvane::app::QtTranslations qtTexts(language);
  // Message boxes, menus and hints are windows of their own and take the
  // application's font.
  QApplication::setFont(morvane::app::WindowFont(language));

  // Qt has taken its own options out of argv; what is left is the model a
  // file manager asked us to open.
  std::string modelArgument = argc > 1 ? argv[1] : "";
  morvane::app::QtDialogs dialogs(language);
  morvane::app::Program program(language, dialogs, std::move(modelArgument));
  program.Main().show();
  return QApplication::exec();
}
