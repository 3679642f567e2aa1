#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace morvane::app {

enum class MessageKind { Information, Warning, Confirmation };

// What a file chooser is asked. Filters are written as pairs of a
// description and its patterns, "text|*.ext|text|*.a;*.b", as the program's
// texts give them.
struct FileRequest {
  QString Title;
  QString Folder;
  QString ProposedName;
  QString Filters;
  // Without the dot; added by the chooser when the chosen name has none.
  QString DefaultExtension;
};

struct FileChoice {
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
  // Nothing when the user cancels. The save chooser asks before it names an
  // existing file.
  virtual std::optional<FileChoice> ChooseOpenFile(QWidget* parent, const FileRequest& request) = 0;
  virtual std::optional<FileChoice> ChooseSaveFile(QWidget* parent, const FileRequest& request) = 0;
  // Lets the user set up the printer; false when printing is cancelled.
  virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// "text|*.ext|..." as Qt's name filters, "text (*.ext)". The patterns are
// added to every description, even when it already shows them; choosers hide
// that added part, so the user sees the description as written.
QStringList NameFilters(const QString& filters);

}  // namespace morvane::app
