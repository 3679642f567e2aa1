#pragma once

#include <QObject>
#include <string>

namespace morvane::app {

class DocumentView;

// The main window's document commands: opening and saving model files
// through the user's file choosers, the model named on the command line,
// undo and redo, return to placement, clear all, moving every part a grid
// step and erasing the loci, and the question before the program ends. Each
// ends with the view brought up to date. Exit, Open and Erase All offer to
// save a changed model first.
class DocumentCommands final : public QObject {
  Q_OBJECT

 public:
  explicit DocumentCommands(DocumentView& view);

  // A model chosen in the examples gallery, opened as "Open a model" opens a
  // file; its save dialog then starts in the documents folder, with the
  // example's name, since the examples folder is the system's. A changed model
  // is offered to be saved first, as before any opening.
  void OpenExample(const std::string& path);

 protected:
  // Watches for the main window's first showing, when the model named on the
  // command line is opened, and for its closing, which is asked about first.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Open();
  // True when the model was written.
  bool Save();
  // Before a command that replaces the model: true to go on, after the
  // model was saved or the user let it go; always true for an unchanged one.
  bool ChangesSettled();
  bool MayClose();
  void OpenStartModel();
  // On failure the message is shown, the model stays as it was and the
  // result is false.
  bool OpenFile(const std::string& path);
  void ClearAll();
  // Every part by one grid step in the direction (-1, 0 or 1 each way).
  void MoveAll(int right, int down);

  DocumentView& view_;
  bool shownOnce_ = false;
};

}  // namespace morvane::app
