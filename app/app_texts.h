#pragma once

#include <array>
#include <span>
#include <string_view>

#include "model/message.h"

class QWidget;

namespace morvane::app {

// The caption and hint of one control, found by its objectName inside its
// window. An empty text means the control has none of that kind.
struct ControlText {
  std::string_view Name;
  std::string_view Caption;
  std::string_view Hint;
};

// The texts of one window, found by the window's objectName.
struct WindowTexts {
  std::string_view Window;
  std::string_view Caption;
  std::span<const ControlText> Controls;
};

constexpr int kSpeedItems = 5;

// Every text of the windows in one language. The Japanese ones are the
// designed texts; the English ones replace them when the language is English.
struct UiTexts {
  std::span<const WindowTexts> Windows;
  std::array<std::string_view, kSpeedItems> SpeedItems;
  // btnDebug's hint while the progress window is hidden and while it is open.
  std::string_view DebugShowHint;
  std::string_view DebugCloseHint;
  // The save dialog of the progress log.
  std::string_view LogSaveTitle;
  std::string_view LogSaveFilter;
  // The open and save dialogs of model files.
  std::string_view ModelOpenTitle;
  std::string_view ModelSaveTitle;
  std::string_view ModelFilter;
  // Asked before a save dialog's answer replaces a file; %1 is its name.
  std::string_view ReplaceQuestion;
  // Asked, with Save, Discard and Cancel, before a changed model is lost.
  std::string_view SaveChangesQuestion;
};

const UiTexts& JapaneseTexts();
const UiTexts& EnglishTexts();
const UiTexts& TextsFor(Language language);

// The texts of a window, or null when the tables have none for it.
const WindowTexts* FindWindowTexts(const UiTexts& texts, std::string_view window);

// Sets the caption of the window and the captions, hints and items of its
// controls from the table of that language. Controls the window does not hold
// are passed over, so a window can be filled before all its parts exist.
void ApplyTexts(QWidget& window, Language language);

}  // namespace morvane::app
