#pragma once

#include "model/message.h"

// The movie save dialog and the ends of a recording. The progress window's
// captions, labels and lines are with the other exports' in export/export_texts.h.
namespace morvane::movies_texts {

// Filters 1 to 6; the dialog's title is MovieCaption.
inline constexpr Message MovieFilters{
    "MPEG1ムービー (320x240)|*.mpg|MPEG1ムービー(640x480)|*.mpg|AVIムービー (320x240)|*.avi|"
    "AVIムービー (640x480)|*.avi|GIFアニメーション (120x90)|*.gif|GIFアニメーション (320x240)|*.gif",
    "MPEG1 movie (320x240)|*.mpg|MPEG1 movie (640x480)|*.mpg|AVI movie (320x240)|*.avi|"
    "AVI movie (640x480)|*.avi|GIF animation (120x90)|*.gif|GIF animation (320x240)|*.gif"};

// A refused move; the drive's reason is shown first.
inline constexpr Message MovieStopped{"ムービーの作成を中止します。", "Creation of a movie is stopped."};
// The file could not be written; the writer's reason is shown first.
inline constexpr Message MovieInterrupted{"ムービーの作成を中断しました。", "Creation of a movie was interrupted."};

}  // namespace morvane::movies_texts
