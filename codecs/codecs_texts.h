#pragma once

#include <string_view>

// The writers' own error texts. Each exists in the one language its writer
// has always had, and the movie export shows it as it is.
namespace morvane::codecs_texts {

// The MPEG-1 writer's, in English. They name the encoder as the program
// always has ("VOZUZad"); the carriage return in the first is part of the text.
inline constexpr std::string_view MpegInitFailed = "VOZUZad initialization failed.\rCheck the input parameters.";
inline constexpr std::string_view MpegNotInitialised = "VOZUZad not initialized";
inline constexpr std::string_view MpegDifferentSize = "VOZUZad: Bitmap has different size";
inline constexpr std::string_view MpegPixelFormat = "VOZUZad: Bitmap must be 24 or 32 bit";
inline constexpr std::string_view MpegDcDifference = "Invalid DC difference";
inline constexpr std::string_view MpegEscapeLevel = "Escape level";
inline constexpr std::string_view MpegWriteFailed = "VOZUZad: Writing the stream failed";

// The AVI writer's, in Japanese.
inline constexpr std::string_view AviFileNotCreated = "ＡＶＩファイルを作成できませんでした.";
inline constexpr std::string_view AviStreamNotCreated = "映像ストリームを作成できませんでした.";

}  // namespace morvane::codecs_texts
