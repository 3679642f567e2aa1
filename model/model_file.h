#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/document_names.h"
#include "model/message.h"
#include "model/model_state.h"

namespace morvane {

inline constexpr std::string_view kModelFileHeader = "Morvane Data File Version 1.0";
inline constexpr std::string_view kModelExtension = ".mvd";
// 49 parts with every slot filled and every number at its longest come to
// about 250 kB in both tables; anything far beyond is no model.
inline constexpr size_t kLargestModelFile = size_t{1} << 20;
// Coordinates, sizes, angles and offsets in a model file lie within this. The
// program never comes near it (moving all parts a grid step a click would
// take 10^14 clicks), while the sums and squares of the geometry stay finite.
inline constexpr double kLargestFileNumber = 1e15;

enum class ReadStatus { Ok, Unreadable, Broken };

struct ReadResult {
  ReadStatus Status = ReadStatus::Ok;
  std::optional<Message> Error;  // the read-failure or broken-file message
};

// The lines of a model file, CR LF separated, ready to be written in one
// piece; nullopt when a count exceeds its table (a damaged model).
std::optional<std::string> FormatModelText(const ModelState& model);

// Parses model text into `model`. The text is parsed into a fresh model first,
// so on failure `model` is exactly as it was. Besides a wrong version line the
// reader refuses as broken: a line that is not a value of its kind, fewer
// lines than the counts announce, counts below 0 or beyond the 49 parts, 21
// pin slots and 4 pen slots, a power part index outside the parts while there
// is a power part, a number beyond kLargestFileNumber, and anything but blank
// lines after the last block.
ReadResult ParseModelText(std::string_view text, ModelState& model);
ReadResult ReadModelFile(const std::string& path, ModelState& model);

// Writes through a temporary file in the same folder and renames it over the
// target, so a failed save never destroys the previous file.
std::optional<Message> WriteModelFile(const std::string& path, const ModelState& model);

// The name the save dialog proposes: the last model's name, or the first of
// "NewData", "NewData(1)", ... (NewName of model_texts.h) for which no
// file with that extension exists in the folder.
std::string ProposeFileName(const DocumentNames& names, std::string_view extension, Language language,
                            const std::function<bool(const std::string&)>& fileExists);

// The chosen name with the extension appended unless it already ends in it
// (any letter case).
std::string WithExtension(const std::string& chosen, std::string_view extension);

// Remembers the folder (with its trailing separator) and name of a chosen file.
void RememberFileName(DocumentNames& names, const std::string& path);

}  // namespace morvane
