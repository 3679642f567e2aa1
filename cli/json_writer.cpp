#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace morvane::cli {

void JsonWriter::Separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!written_.empty()) {
    if (written_.back()) {
      out_ << ',';
    }
    written_.back() = true;
  }
}

JsonWriter& JsonWriter::Open(char bracket) {
  Separate();
  out_ << bracket;
  written_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  written_.pop_back();
  if (written_.empty()) {
    out_ << '\n' << bracket << '\n';
  } else {
    out_ << bracket;
  }
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  Separate();
  if (written_.size() == 1) {
    out_ << "\n ";
  }
  Quoted(key);
  out_ << ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::Value(double value) {
  if (!std::isfinite(value)) {
    return Null();
  }
  Separate();
  char buffer[32];
  out_ << std::string_view(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  return *this;
}

JsonWriter& JsonWriter::Value(int32_t value) {
  Separate();
  out_ << value;
  return *this;
}

JsonWriter& JsonWriter::Value(bool value) {
  Separate();
  out_ << (value ? "true" : "false");
  return *this;
}

JsonWriter& JsonWriter::Value(std::string_view text) {
  Separate();
  Quoted(text);
  return *this;
}

void JsonWriter::Quoted(std::string_view text) {
  out_ << '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out_ << '\\' << c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out_ << escaped;
    } else {
      out_ << c;
    }
  }
  out_ << '"';
}

JsonWriter& JsonWriter::Null() {
  Separate();
  out_ << "null";
  return *this;
}

}  // namespace morvane::cli
