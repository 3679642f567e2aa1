#include "app/qt_dialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>

namespace morvane::app {

namespace {

std::optional<FileChoice> ChooseFile(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.Title, request.Folder);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // Our descriptions already show their patterns.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(NameFilters(request.Filters));
  dialog.setDefaultSuffix(request.DefaultExtension);
  if (!request.ProposedName.isEmpty()) {
    dialog.selectFile(request.ProposedName);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  const int filterIndex = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
  return FileChoice{dialog.selectedFiles().constFirst(), filterIndex < 0 ? 0 : filterIndex};
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

std::optional<FileChoice> QtDialogs::ChooseOpenFile(QWidget* parent, const FileRequest& request) {
  return ChooseFile(parent, request, QFileDialog::AcceptOpen);
}

std::optional<FileChoice> QtDialogs::ChooseSaveFile(QWidget* parent, const FileRequest& request) {
  return ChooseFile(parent, request, QFileDialog::AcceptSave);
}

bool QtDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace morvane::app
