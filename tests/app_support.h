#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <ostream>

#include "app/user_dialogs.h"

// Failures show texts, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

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
  // A tab page's caption is on its tab; the page sits in the tab widget's stack.
  auto* page = qobject_cast<QWidget*>(&control);
  if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr)) {
    return tabs->tabText(tabs->indexOf(page));
  }
  return page->windowTitle();
}

inline QString HintOf(QObject& control) {
  if (auto* action = qobject_cast<QAction*>(&control)) return action->toolTip();
  return qobject_cast<QWidget*>(&control)->toolTip();
}

// A file chooser's request as one list, to compare at once.
inline QStringList FieldsOf(const app::FileRequest& r) {
  return {r.Title, r.Folder, r.ProposedName, r.Filters, r.DefaultExtension};
}

}  // namespace morvane::testing
