#pragma once

#include <QString>
#include <string_view>

#include "model/message.h"

namespace morvane {

// Our texts are UTF-8 in string_views; Qt wants QStrings.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString TextOf(const Message& message, Language language) { return ToQString(TextFor(message, language)); }

}  // namespace morvane
