#pragma once

#include <QString>
#include <string_view>

#include "model/message.h"

namespace morvane::exporting {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QString QText(const Message& message, Language language) { return ToQString(TextFor(message, language)); }

}  // namespace morvane::exporting
