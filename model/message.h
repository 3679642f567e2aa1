#pragma once

#include <string_view>

namespace morvane {

// The language of every text the user sees, fixed for the run.
enum class Language { English, Japanese };

// A user-visible text in both languages; the caller picks one with TextFor.
struct Message {
  std::string_view Japanese;
  std::string_view English;

  bool operator==(const Message&) const = default;
};

constexpr std::string_view TextFor(const Message& message, Language language) {
  return language == Language::Japanese ? message.Japanese : message.English;
}

}  // namespace morvane
