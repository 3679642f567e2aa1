#pragma once

#include <string_view>

namespace morvane::mpeg {

// Success, or one of the MPEG texts of codecs_texts.h.
class [[nodiscard]] MpegResult {
 public:
  constexpr MpegResult() = default;
  static constexpr MpegResult Failure(std::string_view text) { return MpegResult(text); }

  constexpr bool Ok() const { return error_.empty(); }
  constexpr std::string_view Error() const { return error_; }

 private:
  constexpr explicit MpegResult(std::string_view text) : error_(text) {}
  std::string_view error_;
};

}  // namespace morvane::mpeg
