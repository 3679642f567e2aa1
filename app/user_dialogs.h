#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace morvane::app {

enum class MessageKind { Information, Warning, Confirmation };

// The answers to the question before a changed model would be lost.
enum class SaveChoice { Save, Discard, Cancel };

// What a file chooser is asked. Filters are written as pairs of a
// description and its patterns, "text|*.ext|text|*.a;*.b", as the program's
// texts give them.
struct FileRequest {
  QString Title;
  QString Folder;
  QString ProposedName;
  QString Filters;
  // Open choosers only, without the dot: what a name typed without an
  // extension gets. A save chooser gives every name the extension of the
  // chosen filter instead (see SavedPath).
  QString DefaultExtension;
};

struct FileChoice {
  // For a save chooser, the file that will be written.
  QString Path;
  // The chosen filter, counted from 0.
  int FilterIndex = 0;
};

// Every modal question the program asks goes through one of these, so that
// the program shows real dialogs while tests answer from a script.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // A plain message with an OK button.
  virtual void Inform(QWidget* parent, const QString& text) = 0;
  // A warning with a single button.
  virtual void Warn(QWidget* parent, const QString& text) = 0;
  // Yes or No; true for Yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // Save, Discard or Cancel, about a changed model.
  virtual SaveChoice AskToSave(QWidget* parent, const QString& text) = 0;
  // Nothing when the user cancels. The save chooser returns the file that
  // will be written and asks before it names an existing one.
  virtual std::optional<FileChoice> ChooseOpenFile(QWidget* parent, const FileRequest& request) = 0;
  virtual std::optional<FileChoice> ChooseSaveFile(QWidget* parent, const FileRequest& request) = 0;
  // Lets the user set up the printer; false when printing is cancelled.
  virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// "text|*.ext|..." as Qt's name filters, "text (*.ext)". The patterns are
// added to every description, even when it already shows them; choosers hide
// that added part, so the user sees the description as written.
QStringList NameFilters(const QString& filters);

// The file a save chooser's answer stands for: the chosen name with the
// extension of the chosen filter's first pattern, unless it ends in it (any
// letter case). "clip" with "*.mpg" is clip.mpg, "pic.bmp" with "*.jpg" is
// pic.bmp.jpg.
QString SavedPath(const FileRequest& request, const QString& chosen, int filterIndex);

// Where choosers start when no file has been used yet: the user's documents
// folder, or the home folder when there is none (as on a fresh account).
std::string DocumentsFolder();

}  // namespace morvane::app
