#pragma once

// Recording the export area while the power part turns: two turns as an
// MPEG-1 or AVI movie, one turn as a looping GIF animation.

#include <string>

#include "codecs/rgb_frame.h"
#include "export/export_progress.h"
#include "export/export_scene.h"
#include "export/movies/movie_kinds.h"

namespace morvane::exporting {

// One frame as the movies show it: the area as rendered now, averaged down
// to the frame size, with the caption from 240 pixels high.
RgbImage MovieFrame(const ExportScene& scene, int width, int height);

// MPEG-1 and AVI: 181 frames 4 degrees apart over two turns, the last
// showing the position of the first; GIF: 24 frames 15 degrees apart over
// one turn. The loci are erased first, so the movie shows those drawn while
// it turns, and the automatic-rotation step is 20 meanwhile, which decides
// how much of a locus a turn keeps.
//
// A refused move stops the recording (Stopped): a movie keeps the frames
// made so far, an animation is not written. A failed write interrupts it
// (WriteFailed, with the writer's reason) and leaves an earlier file of that
// name as it was. On every way out the mechanism, the track position and the
// step are as before and the loci erased.
ExportOutcome SaveMovie(ExportScene& scene, const MovieKind& kind, const std::string& path, ExportProgress& progress);

}  // namespace morvane::exporting
