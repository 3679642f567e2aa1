#pragma once

#include <string_view>

namespace morvane {

constexpr int kJapaneseLocale = 1041;

// A user-visible text in both languages; the caller picks one with TextFor.
struct Message {
  std::string_view Japanese;
  std::string_view English;

  bool operator==(const Message&) const = default;
};

constexpr std::string_view TextFor(const Message& message, int uiLanguage) {
  return uiLanguage == kJapaneseLocale ? message.Japanese : message.English;
}

}  // namespace morvane
