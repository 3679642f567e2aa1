#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace morvane::testing {

// The control of that objectName; fails the test when there is none.
template <typename T = QObject>
T& Control(const QObject& window, const char* name) {
  T* control = window.findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) {
    ADD_FAILURE() << "no control " << name << " in " << window.objectName().toStdString();
    throw std::runtime_error(name);
  }
  return *control;
}

// What the user reads on a control, whatever kind of control it is.
inline QString CaptionOf(QObject& control) {
  if (auto* action = qobject_cast<QAction*>(&control)) return action->text();
  if (auto* menu = qobject_cast<QMenu*>(&control)) return menu->title();
  if (auto* button = qobject_cast<QAbstractButton*>(&control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(&control)) return label->text();
  auto* page = qobject_cast<QWidget*>(&control);
  for (QWidget* up = page; up != nullptr; up = up->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(up); tabs != nullptr && tabs->indexOf(page) >= 0) {
      return tabs->tabText(tabs->indexOf(page));
    }
  }
  return page->windowTitle();
}

inline QString HintOf(QObject& control) {
  if (auto* action = qobject_cast<QAction*>(&control)) return action->toolTip();
  return qobject_cast<QWidget*>(&control)->toolTip();
}

}  // namespace morvane::testing
