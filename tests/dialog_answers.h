#pragma once

// Answers the program's real dialogs through their own widgets, as a user
// would: the message box by its buttons, the non-native file dialog by its
// file-type box, its name field and its Save button. The dialogs are modal, so
// the answers wait on a timer that runs inside their event loops.

#include <QApplication>
#include <QCheckBox>
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
#include <algorithm>
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
    // A dialog kept for the whole run (the gallery) is answered again each
    // time it is shown.
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      connect(dialog, &QDialog::finished, this, [this] { answered_ = nullptr; }, Qt::SingleShotConnection);
    }
    if (answers_.empty()) {
      const auto* box = qobject_cast<QMessageBox*>(modal);
      ADD_FAILURE() << "an unexpected dialog: " << modal->metaObject()->className() << " "
                    << modal->windowTitle().toStdString() << " " << (box ? box->text().toStdString() : "");
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    // Answered after this poll returns: an answer that opens the next dialog
    // leaves the timer free to answer that one too.
    QTimer::singleShot(0, modal, [modal, answer = std::move(answers_.front())] { answer(*modal); });
    answers_.pop_front();
  }

  QTimer poll_;
  std::deque<DialogAnswer> answers_;
  // Pointer reuse by the next dialog does not hide it: a deleted one is null.
  QPointer<QWidget> answered_;
};

// The dialog as the kind expected; otherwise the test fails and the dialog
// is closed. (An exception must not cross Qt's event handling.)
template <typename T>
T* Expected(QWidget& dialog) {
  T* expected = qobject_cast<T*>(&dialog);
  if (expected == nullptr) {
    ADD_FAILURE() << "a " << dialog.metaObject()->className() << " where a " << T::staticMetaObject.className()
                  << " was expected";
    if (auto* other = qobject_cast<QDialog*>(&dialog)) other->reject();
  }
  return expected;
}

// Clicks the message box's button; its text and the captions of all its
// buttons, in the order of their kinds (Ok, Save, Yes, No, Cancel, Discard),
// go to `seen` when given.
inline DialogAnswer Press(QMessageBox::StandardButton which, QStringList* seen = nullptr) {
  return [which, seen](QWidget& dialog) {
    auto* box = Expected<QMessageBox>(dialog);
    if (box == nullptr) return;
    if (seen != nullptr) {
      *seen << box->text();
      QList<QAbstractButton*> buttons = box->buttons();
      std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
        return box->standardButton(a) < box->standardButton(b);
      });
      for (QAbstractButton* button : buttons) *seen << button->text();
    }
    QAbstractButton* button = box->button(which);
    ASSERT_NE(button, nullptr) << "no such button on " << box->text().toStdString();
    button->click();
  };
}

template <typename T>
T& Part(QWidget& dialog, const char* name) {
  T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return *widget;
}

// Picks the file type from the top of the box with the keyboard, types the
// name over the proposed one and clicks the accepting button (Save or Open).
// What the dialog showed goes to `seen` when given: its folder and title, the
// entries of the type box, the proposed name and the captions of its labels
// and buttons.
inline DialogAnswer ChooseFile(int filter, const QString& name, QStringList* seen = nullptr) {
  return [=](QWidget& dialog) {
    auto* found = Expected<QFileDialog>(dialog);
    if (found == nullptr) return;
    QFileDialog& files = *found;
    auto& types = Part<QComboBox>(files, "fileTypeCombo");
    auto& nameField = Part<QLineEdit>(files, "fileNameEdit");
    auto& buttons = Part<QDialogButtonBox>(files, "buttonBox");
    if (seen != nullptr) {
      *seen << files.directory().absolutePath() << files.windowTitle();
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

// The export area dialog: the whole canvas, with or without the series.
inline DialogAnswer AcceptArea(bool series = false) {
  return [series](QWidget& dialog) {
    Part<QCheckBox>(dialog, "chkRenzoku").setChecked(series);
    Part<QPushButton>(dialog, "btnOK").click();
  };
}

inline DialogAnswer CancelDialog() {
  return [](QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->reject(); };
}

}  // namespace morvane::testing
