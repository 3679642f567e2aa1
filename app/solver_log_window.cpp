#include "app/solver_log_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

#include "app/app_texts.h"
#include "app/ui_fonts.h"
#include "app/user_dialogs.h"
#include "model/model_file.h"
#include "model/model_texts.h"
#include "model/output_file.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 320;
// Lines are shown together at the next turn of the event loop; exports and
// long drive steps hold the loop, so then they are shown and painted this
// often all the same.
constexpr qint64 kShowIntervalMs = 100;

QPushButton* NamedButton(const char* name) {
  auto* button = new QPushButton;
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

bool FileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

}  // namespace

SolverLogWindow::SolverLogWindow(Session& session, UserDialogs& dialogs)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint),
      session_(session),
      dialogs_(dialogs),
      log_(session.Log()) {
  setObjectName(QStringLiteral("TformDebug"));
  setFont(WindowFont(session.UiLanguage()));
  resize(kWidth, kHeight);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  lstDebug1_ = new QListWidget;
  lstDebug1_->setObjectName(QStringLiteral("lstDebug1"));
  lstDebug1_->setUniformItemSizes(true);
  column->addWidget(lstDebug1_, 1);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(2, 2, 2, 2);
  QPushButton* clear = NamedButton("btnClear");
  QPushButton* close = NamedButton("btnClose");
  QPushButton* save = NamedButton("btnSave");
  bar->addWidget(clear);
  bar->addWidget(close);
  bar->addStretch(1);
  bar->addWidget(save);
  column->addLayout(bar);
  connect(clear, &QPushButton::clicked, this, &SolverLogWindow::Clear);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(save, &QPushButton::clicked, this, &SolverLogWindow::SaveLog);

  ApplyTexts(*this, session.UiLanguage());
  log_.OnLine = [this](const std::string& line) { ShowLine(line); };
}

SolverLogWindow::~SolverLogWindow() { log_.OnLine = nullptr; }

void SolverLogWindow::SetOpen(bool open) {
  log_.Enabled = open;
  EmptyLines();
  if (!open) {
    hide();
    return;
  }
  resize(kWidth, kHeight);
  // The frame is known once the window is shown.
  show();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().right() + 1 - frameGeometry().width(), screen->geometry().top());
  }
}

void SolverLogWindow::ShowLine(const std::string& line) {
  pending_.append(QString::fromStdString(line));
  if (shown_.isValid() && shown_.elapsed() >= kShowIntervalMs) {
    ShowPending();
    lstDebug1_->repaint();
  } else if (pending_.size() == 1) {
    QTimer::singleShot(0, this, &SolverLogWindow::ShowPending);
  }
}

void SolverLogWindow::ShowPending() {
  shown_.start();
  if (pending_.isEmpty()) {
    return;
  }
  lstDebug1_->addItems(pending_);
  pending_.clear();
  const int excess = lstDebug1_->count() - static_cast<int>(ProgressLog::kKeptLines);
  if (excess > 0) {
    lstDebug1_->model()->removeRows(0, excess);
  }
  lstDebug1_->scrollToBottom();
}

void SolverLogWindow::closeEvent(QCloseEvent* event) {
  EmptyLines();
  event->accept();
  emit Closed();
}

void SolverLogWindow::Clear() {
  log_.Clear();
  pending_.clear();
  lstDebug1_->clear();
}

void SolverLogWindow::EmptyLines() {
  log_.Lines.clear();
  pending_.clear();
  lstDebug1_->clear();
}

void SolverLogWindow::SaveLog() {
  const UiTexts& texts = TextsFor(session_.UiLanguage());
  const FileRequest request{
      ToQString(texts.LogSaveTitle),
      QString::fromStdString(session_.StartFolder(DocumentsFolder())),
      QString::fromStdString(session_.ProposeLogName(FileExists)),
      ToQString(texts.LogSaveFilter),
      QString(),
  };
  const std::optional<FileChoice> choice = dialogs_.ChooseSaveFile(this, request);
  if (!choice) {
    return;
  }
  if (const Reply failure = session_.SaveLog(choice->Path.toStdString())) {
    dialogs_.Inform(this, ToQString(failure->Text));
  }
}

}  // namespace morvane::app
