// Fills windows from the text tables. The tables name controls, not widget
// types, so the kind of object decides where a caption goes: a tab page's
// caption is its tab's text, a submenu's is its title.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QString>
#include <QTabWidget>
#include <QWidget>

#include "app/app_texts.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

// The tab widget that shows `page` as one of its pages, if any.
QTabWidget* TabWidgetOfPage(QWidget& page) {
  for (QWidget* ancestor = page.parentWidget(); ancestor != nullptr; ancestor = ancestor->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(ancestor)) {
      return tabs->indexOf(&page) >= 0 ? tabs : nullptr;
    }
  }
  return nullptr;
}

void SetCaption(QObject& control, const QString& caption) {
  if (auto* action = qobject_cast<QAction*>(&control)) {
    action->setText(caption);
  } else if (auto* menu = qobject_cast<QMenu*>(&control)) {
    menu->setTitle(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
    button->setText(caption);
  } else if (auto* label = qobject_cast<QLabel*>(&control)) {
    label->setText(caption);
  } else if (auto* page = qobject_cast<QWidget*>(&control); page != nullptr) {
    if (QTabWidget* tabs = TabWidgetOfPage(*page)) {
      tabs->setTabText(tabs->indexOf(page), caption);
    }
  }
}

void SetHint(QObject& control, const QString& hint) {
  if (auto* action = qobject_cast<QAction*>(&control)) {
    action->setToolTip(hint);
  } else if (auto* widget = qobject_cast<QWidget*>(&control)) {
    widget->setToolTip(hint);
  }
}

QString WithKeys(const UiTexts& texts, const WindowTexts& window, std::string_view control, const QString& hint) {
  for (const KeyText& keys : window.Keys) {
    if (keys.Name == control) {
      return ToQString(texts.KeyHintFormat).arg(hint, ToQString(keys.Keys));
    }
  }
  return hint;
}

// Item texts are replaced in place, so the selected index stays and no
// change of selection is reported.
void SetSpeedItems(QWidget& window, const UiTexts& texts) {
  auto* speed = window.findChild<QComboBox*>("cmbSpeed");
  if (speed == nullptr) {
    return;
  }
  for (int i = 0; i < kSpeedItems && i < speed->count(); ++i) {
    speed->setItemText(i, ToQString(texts.SpeedItems[static_cast<size_t>(i)]));
  }
}

}  // namespace

const UiTexts& TextsFor(Language language) {
  return language == Language::Japanese ? JapaneseTexts() : EnglishTexts();
}

const WindowTexts* FindWindowTexts(const UiTexts& texts, std::string_view window) {
  for (const WindowTexts& entry : texts.Windows) {
    if (entry.Window == window) {
      return &entry;
    }
  }
  return nullptr;
}

void ApplyTexts(QWidget& window, Language language) {
  const UiTexts& texts = TextsFor(language);
  const WindowTexts* windowTexts = FindWindowTexts(texts, window.objectName().toStdString());
  if (windowTexts == nullptr) {
    return;
  }
  window.setWindowTitle(ToQString(windowTexts->Caption));
  for (const ControlText& text : windowTexts->Controls) {
    QObject* control = window.findChild<QObject*>(ToQString(text.Name));
    if (control == nullptr) {
      continue;
    }
    if (!text.Caption.empty()) {
      SetCaption(*control, ToQString(text.Caption));
    }
    if (!text.Hint.empty()) {
      SetHint(*control, WithKeys(texts, *windowTexts, text.Name, ToQString(text.Hint)));
    }
  }
  SetSpeedItems(window, texts);
}

}  // namespace morvane::app
