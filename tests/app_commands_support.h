#pragma once

// A running program with scripted dialogs, and the few steps its command
// tests repeat: pressing a button by name, answering a file chooser.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QSlider>
#include <memory>
#include <string>

#include "app/form_main.h"
#include "app/program.h"
#include "app/scripted_dialogs.h"
#include "model/model_file.h"
#include "tests/app_support.h"

namespace morvane::testing {

struct RunningProgram {
  explicit RunningProgram(Language language = Language::English, const std::string& argument = "")
      : program(language, dialogs, argument) {}

  app::TformMain& Main() { return program.Main(); }
  const ModelState& Model() { return program.Document().Model(); }
  bool Enabled(const char* name) { return Control<QWidget>(Main(), name).isEnabled(); }
  QSlider& TrackBar() { return Control<QSlider>(Main(), "TrackBar1"); }
  QAbstractButton& Button(const char* name) { return Control<QAbstractButton>(Main(), name); }
  void Press(const char* name) { Button(name).click(); }
  // The file chooser that btnOpen or btnSave shows answers `path`.
  void Choose(const char* button, const std::string& path) {
    dialogs.FileAnswers.push_back(app::FileChoice{QString::fromStdString(path), 0});
    Press(button);
  }
  std::string ModelText() { return FormatModelText(Model()).value(); }

  app::ScriptedDialogs dialogs;
  app::Program program;
};

}  // namespace morvane::testing
