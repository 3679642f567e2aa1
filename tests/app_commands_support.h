#pragma once

// A running program, with its dialogs answered by a script or shown for real,
// and the few steps its command tests repeat: pressing a button by name,
// answering a file chooser.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QSlider>
#include <memory>
#include <string>

#include "app/form_main.h"
#include "app/program.h"
#include "app/qt_dialogs.h"
#include "app/qt_translations.h"
#include "tests/dialogs/scripted_dialogs.h"
#include "model/model_file.h"
#include "tests/app_support.h"
#include "tests/dialog_answers.h"

namespace morvane::testing {

// What the tests do with a program, whoever answers its dialogs.
struct ProgramDriver {
  ProgramDriver(Language language, app::UserDialogs& dialogs, const std::string& argument)
      : program(language, dialogs, argument) {}

  app::TformMain& Main() { return program.Main(); }
  Session& Doc() { return program.Document(); }
  const ModelState& Model() { return program.Document().Model(); }
  bool Enabled(const char* name) { return Control<QWidget>(Main(), name).isEnabled(); }
  QSlider& TrackBar() { return Control<QSlider>(Main(), "TrackBar1"); }
  QAbstractButton& Button(const char* name) { return Control<QAbstractButton>(Main(), name); }
  void Press(const char* name) { Button(name).click(); }
  std::string ModelText() { return FormatModelText(Model()).value(); }

  app::Program program;
};

struct ScriptedAnswers {
  app::ScriptedDialogs dialogs;
};

struct RunningProgram : ScriptedAnswers, ProgramDriver {
  explicit RunningProgram(Language language = Language::English, const std::string& argument = "")
      : ProgramDriver(language, dialogs, argument) {}

  // The file chooser that btnOpen or btnSave shows answers `path`.
  void Choose(const char* button, const std::string& path) {
    dialogs.FileAnswers.push_back(app::FileChoice{QString::fromStdString(path), 0});
    Press(button);
  }
};

struct RealAnswers {
  explicit RealAnswers(Language language) : translations(language), dialogs(language) {}

  app::QtTranslations translations;
  app::QtDialogs dialogs;
  DialogAnswers answers;
};

// The program as the user meets it: Qt's own message boxes and file dialogs,
// with Qt's texts in the program's language.
struct RealProgram : RealAnswers, ProgramDriver {
  explicit RealProgram(Language language = Language::English)
      : RealAnswers(language), ProgramDriver(language, dialogs, "") {}
};

}  // namespace morvane::testing
