#include "app/form_debug.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <string>

#include "app/qt_text.h"
#include "app/ui_fonts.h"
#include "app/ui_texts.h"
#include "app/user_dialogs.h"
#include "model/messages.h"
#include "model/model_file.h"
#include "model/output_file.h"

namespace morvane::app {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 320;
constexpr std::string_view kLogExtension = ".txt";

QPushButton* NamedButton(const char* name) {
  auto* button = new QPushButton;
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// The remembered folder, or the user's documents, always with its separator.
std::string StartFolder(const DocumentNames& names) {
  if (!names.LastModelFolder.empty()) {
    return names.LastModelFolder.back() == '/' ? names.LastModelFolder : names.LastModelFolder + "/";
  }
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString() + "/";
}

bool FileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

std::string LogText(const ProgressLog& log) {
  std::string text;
  for (const std::string& line : log.Lines) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace

TformDebug::TformDebug(Language language, UserDialogs& dialogs, ProgressLog& log, DocumentNames& names)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint),
      language_(language),
      dialogs_(dialogs),
      log_(log),
      names_(names) {
  setObjectName(QStringLiteral("TformDebug"));
  setFont(WindowFont(language));
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
  connect(clear, &QPushButton::clicked, this, &TformDebug::Clear);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(save, &QPushButton::clicked, this, &TformDebug::SaveLog);

  ApplyTexts(*this, language);
}

void TformDebug::SetOpen(bool open) {
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

void TformDebug::Refresh() {
  if (static_cast<size_t>(lstDebug1_->count()) > log_.Lines.size()) {
    lstDebug1_->clear();
  }
  for (size_t i = static_cast<size_t>(lstDebug1_->count()); i < log_.Lines.size(); ++i) {
    lstDebug1_->addItem(QString::fromStdString(log_.Lines[i]));
  }
  lstDebug1_->scrollToBottom();
}

void TformDebug::closeEvent(QCloseEvent* event) {
  EmptyLines();
  event->accept();
  emit Closed();
}

void TformDebug::Clear() {
  log_.Clear();
  lstDebug1_->clear();
}

void TformDebug::EmptyLines() {
  log_.Lines.clear();
  lstDebug1_->clear();
}

void TformDebug::SaveLog() {
  Refresh();
  names_.LastModelFolder = StartFolder(names_);
  const UiTexts& texts = TextsFor(language_);
  const FileRequest request{
      ToQString(texts.LogSaveTitle),
      QString::fromStdString(names_.LastModelFolder),
      QString::fromStdString(ProposeFileName(names_, kLogExtension, language_, FileExists)),
      ToQString(texts.LogSaveFilter),
      QStringLiteral("txt"),
  };
  const std::optional<FileChoice> choice = dialogs_.ChooseSaveFile(this, request);
  if (!choice) {
    return;
  }
  const std::string path = WithExtension(choice->Path.toStdString(), kLogExtension);
  RememberFileName(names_, path);
  if (!WriteWholeFile(path, LogText(log_))) {
    dialogs_.Inform(this, TextOf(messages::WriteFailed, language_));
  }
}

}  // namespace morvane::app
