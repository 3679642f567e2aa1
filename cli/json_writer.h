#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

namespace morvane::cli {

// A JSON document written as it goes: the commas between members come by
// themselves, each member of the outermost object on a line of its own.
// Numbers are the shortest decimal that reads back as the same double, and
// a value that is not a finite number is null.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  JsonWriter& Key(std::string_view key);
  JsonWriter& Value(double value);
  JsonWriter& Value(int32_t value);
  JsonWriter& Value(bool value);
  JsonWriter& Value(std::string_view text);
  JsonWriter& Null();

 private:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  // Before a value: the comma after the one before, unless a key stands there.
  void Separate();
  void Quoted(std::string_view text);

  std::ostream& out_;
  // Per open level: whether a member has been written in it.
  std::vector<bool> written_;
  bool afterKey_ = false;
};

}  // namespace morvane::cli
