#pragma once

#include <QWidget>

#include "model/document_names.h"
#include "model/message.h"
#include "solver/progress_log.h"

class QListWidget;

namespace morvane::app {

class UserDialogs;

// The processing-progress window: a tool window that stays on top and shows
// the lines of a ProgressLog, which collects lines only while the window is
// open. The log and the remembered file names belong to the document; the
// window is given them for its whole life.
class TformDebug final : public QWidget {
  Q_OBJECT

 public:
  TformDebug(Language language, UserDialogs& dialogs, ProgressLog& log, DocumentNames& names);

 public slots:
  // btnDebug went down (open) or up. Either way the lines start afresh; while
  // open the window stands at the top right corner of the screen, 400 x 320.
  void SetOpen(bool open);
  // Shows the lines added to the log since the last call.
  void Refresh();

 signals:
  // The user closed the window; btnDebug is to come up.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Clear();
  void SaveLog();
  void EmptyLines();

  Language language_;
  UserDialogs& dialogs_;
  ProgressLog& log_;
  DocumentNames& names_;
  QListWidget* lstDebug1_ = nullptr;
};

}  // namespace morvane::app
