#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>
#include <string>

#include "model/message.h"
#include "session/session.h"

class QListWidget;

namespace morvane::app {

class UserDialogs;

// The processing-progress window: a tool window that stays on top and shows
// the lines of the session's progress log as they are logged. The log
// collects lines only while the window is open, and both keep the latest
// ProgressLog::kKeptLines.
class SolverLogWindow final : public QWidget {
  Q_OBJECT

 public:
  SolverLogWindow(Session& session, UserDialogs& dialogs);
  ~SolverLogWindow() override;

 public slots:
  // btnDebug went down (open) or up. Either way the lines start afresh; while
  // open the window stands at the top right corner of the screen, 400 x 320.
  void SetOpen(bool open);

 signals:
  // The user closed the window; btnDebug is to come up.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Clear();
  void SaveLog();
  void EmptyLines();
  void ShowLine(const std::string& line);
  void ShowPending();

  Session& session_;
  UserDialogs& dialogs_;
  ProgressLog& log_;
  QListWidget* lstDebug1_ = nullptr;
  // Logged, not yet in the list.
  QStringList pending_;
  QElapsedTimer shown_;
};

}  // namespace morvane::app
