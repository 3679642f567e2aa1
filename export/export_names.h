#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "model/document_names.h"
#include "model/message.h"

// Names of exported files. The save dialogs give a chosen name the extension
// of the chosen filter's pattern unless it already ends in it in any letter
// case.
namespace morvane::exporting {

// The extensions a new name must be free for, of the image and of the movie
// save dialogs.
inline constexpr std::array<std::string_view, 4> kImageExtensions{".jpg", ".bmp", ".gif", ".svg"};
inline constexpr std::array<std::string_view, 3> kMovieExtensions{".mpg", ".avi", ".gif"};

// The name the export save dialog offers: the last file's name without its
// extension, or the first of "NewData", "NewData(1)", ... (NewName of
// model_texts.h) for which no file of any of the extensions exists in the last
// folder.
std::string ProposeExportName(const DocumentNames& names, std::span<const std::string_view> extensions,
                              Language language, const std::function<bool(const std::string&)>& fileExists);

// The name a print caption shows: the last file's name without its
// extension, or NewName of model_texts.h without looking for a free name.
std::string PrintName(const DocumentNames& names, Language language);

}  // namespace morvane::exporting
