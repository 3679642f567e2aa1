#pragma once

#include <string_view>

namespace morvane::mpeg {

// The writer's own error texts. They name the encoder as the program always
// has ("VOZUZad") and exist in English only; movie export shows them as they
// are. The carriage return in the first is part of the text.
inline constexpr std::string_view kInitFailedText = "VOZUZad initialization failed.\rCheck the input parameters.";
inline constexpr std::string_view kNotInitialisedText = "VOZUZad not initialized";
inline constexpr std::string_view kDifferentSizeText = "VOZUZad: Bitmap has different size";
inline constexpr std::string_view kPixelFormatText = "VOZUZad: Bitmap must be 24 or 32 bit";
inline constexpr std::string_view kDcDifferenceText = "Invalid DC difference";
inline constexpr std::string_view kEscapeLevelText = "Escape level";
inline constexpr std::string_view kWriteFailedText = "VOZUZad: Writing the stream failed";

// Success, or one of the texts above.
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
