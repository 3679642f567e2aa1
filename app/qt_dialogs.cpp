#include "app/qt_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>

#include "app/app_texts.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

// The filter the user chose. Qt 6.4 gives a name filter shortened as shown
// under HideNameFilterDetails ("BMP file (*.bmp)" for "BMP file (*.bmp)
// (*.bmp)"), which is not among the filters as set; so the shown label counts
// too.
int FilterIndexOf(const QStringList& nameFilters, const QString& selected) {
  for (qsizetype i = 0; i < nameFilters.size(); ++i) {
    const QString label = nameFilters[i].left(nameFilters[i].lastIndexOf(QStringLiteral(" (")));
    if (nameFilters[i] == selected || label == selected) {
      return static_cast<int>(i);
    }
  }
  return 0;
}

void SetUp(QFileDialog& dialog, const FileRequest& request) {
  // Our descriptions already show their patterns.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(NameFilters(request.Filters));
  if (!request.ProposedName.isEmpty()) {
    dialog.selectFile(request.ProposedName);
  }
}

FileChoice ChoiceOf(const QFileDialog& dialog) {
  return FileChoice{dialog.selectedFiles().constFirst(), FilterIndexOf(dialog.nameFilters(), dialog.selectedNameFilter())};
}

bool Accepted(QFileDialog& dialog) { return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty(); }

// No unless the user says otherwise: the file is lost once replaced.
bool Replaces(QWidget* parent, const QString& question) {
  return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), question,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

void QtDialogs::Inform(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QGuiApplication::applicationDisplayName(), text);
}

void QtDialogs::Warn(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), text);
}

bool QtDialogs::Confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), text,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

SaveChoice QtDialogs::AskToSave(QWidget* parent, const QString& text) {
  switch (QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), text,
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
  }
}

std::optional<FileChoice> QtDialogs::ChooseOpenFile(QWidget* parent, const FileRequest& request) {
  QFileDialog dialog(parent, request.Title, request.Folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(request.DefaultExtension);
  SetUp(dialog, request);
  if (!Accepted(dialog)) {
    return std::nullopt;
  }
  return ChoiceOf(dialog);
}

// The dialog would add a fixed suffix of its own and ask about the name it
// returns, not about the file written; so the name gets its filter's
// extension here, and the question is about that file. No goes back to the
// dialog.
std::optional<FileChoice> QtDialogs::ChooseSaveFile(QWidget* parent, const FileRequest& request) {
  QFileDialog dialog(parent, request.Title, request.Folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  SetUp(dialog, request);
  const QString question = ToQString(TextsFor(language_).ReplaceQuestion);
  while (Accepted(dialog)) {
    FileChoice choice = ChoiceOf(dialog);
    choice.Path = SavedPath(request, choice.Path, choice.FilterIndex);
    if (!QFileInfo::exists(choice.Path) || Replaces(parent, question.arg(QFileInfo(choice.Path).fileName()))) {
      return choice;
    }
  }
  return std::nullopt;
}

bool QtDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace morvane::app
