#pragma once

// Answers the program's real dialogs through their own widgets, as a user
// would: the message box by its buttons, the non-native file dialog by its
// file-type box, its name field and its Save button. The dialogs are modal, so
// the answers wait on a timer that runs inside their event loops.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace morvane::testing {

// One answer, given the modal dialog that appeared.
using DialogAnswer = std::function<void(QWidget& dialog)>;

// Answers the modal dialogs in the order they appear. A dialog nobody
// expected fails the test and is closed, so that the test cannot hang.
class DialogAnswers final : public QObject {
 public:
  DialogAnswers() {
    poll_.setInterval(1);
    connect(&poll_, &QTimer::timeout, this, &DialogAnswers::Poll);
    poll_.start();
  }
  ~DialogAnswers() override { EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected dialogs never came"; }

  DialogAnswers& Then(DialogAnswer answer) {
    answers_.push_back(std::move(answer));
    return *this;
  }
  bool Done() const { return answers_.empty(); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == answered_ || !modal->isVisible()) {
      return;
    }
    answered_ = modal;
    if (answers_.empty()) {
      ADD_FAILURE() << "an unexpected dialog: " << modal->metaObject()->className() << " "
                    << modal->windowTitle().toStdString();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    const DialogAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(*modal);
  }

  QTimer poll_;
  std::deque<DialogAnswer> answers_;
  // Pointer reuse by the next dialog does not hide it: a deleted one is null.
  QPointer<QWidget> answered_;
};

inline QMessageBox& AsMessageBox(QWidget& dialog) {
  auto* box = qobject_cast<QMessageBox*>(&dialog);
  if (box == nullptr) {
    ADD_FAILURE() << "a " << dialog.metaObject()->className() << " where a message box was expected";
    throw std::runtime_error("no message box");
  }
  return *box;
}

// Clicks the message box's button; its text and the captions of all its
// buttons go to `seen` when given.
inline DialogAnswer Press(QMessageBox::StandardButton which, QStringList* seen = nullptr) {
  return [which, seen](QWidget& dialog) {
    QMessageBox& box = AsMessageBox(dialog);
    if (seen != nullptr) {
      *seen << box.text();
      for (QAbstractButton* button : box.buttons()) *seen << button->text();
    }
    QAbstractButton* button = box.button(which);
    ASSERT_NE(button, nullptr) << "no such button on " << box.text().toStdString();
    button->click();
  };
}

inline QFileDialog& AsFileDialog(QWidget& dialog) {
  auto* files = qobject_cast<QFileDialog*>(&dialog);
  if (files == nullptr) {
    ADD_FAILURE() << "a " << dialog.metaObject()->className() << " where a file dialog was expected";
    throw std::runtime_error("no file dialog");
  }
  return *files;
}

template <typename T>
T& Part(QWidget& dialog, const char* name) {
  T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
  if (widget == nullptr) throw std::runtime_error(name);
  return *widget;
}

// Picks the file type from the top of the box with the keyboard, types the
// name over the proposed one and clicks the accepting button (Save or Open).
// What the dialog showed goes to `seen` when given: its title, the entries of
// the type box, the proposed name and the captions of its labels and buttons.
inline DialogAnswer ChooseFile(int filter, const QString& name, QStringList* seen = nullptr) {
  return [=](QWidget& dialog) {
    QFileDialog& files = AsFileDialog(dialog);
    auto& types = Part<QComboBox>(files, "fileTypeCombo");
    auto& nameField = Part<QLineEdit>(files, "fileNameEdit");
    auto& buttons = Part<QDialogButtonBox>(files, "buttonBox");
    if (seen != nullptr) {
      *seen << files.windowTitle();
      for (int i = 0; i < types.count(); ++i) *seen << types.itemText(i);
      *seen << nameField.text();
      for (const char* label : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) *seen << Part<QLabel>(files, label).text();
      for (QAbstractButton* button : buttons.buttons()) *seen << button->text();
    }
    QTest::keyClick(&types, Qt::Key_Home);
    for (int i = 0; i < filter; ++i) QTest::keyClick(&types, Qt::Key_Down);
    EXPECT_EQ(types.currentIndex(), filter);
    QTest::keyClick(&nameField, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&nameField, name);
    const bool save = files.acceptMode() == QFileDialog::AcceptSave;
    buttons.button(save ? QDialogButtonBox::Save : QDialogButtonBox::Open)->click();
  };
}

inline DialogAnswer CancelDialog() {
  return [](QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->reject(); };
}

}  // namespace morvane::testing
