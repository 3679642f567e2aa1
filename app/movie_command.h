#pragma once

namespace morvane::exporting {
class ExportProgressWindow;
class TformArea;
}  // namespace morvane::exporting

namespace morvane::app {

class DocumentView;

// btnMakeMovie: the area dialog without the series box, then an MPEG-1 or
// AVI movie over two turns or a GIF animation over one, recorded in export/;
// this is the windows' part: the dialogs, the stopped rotation, the disabled
// main window and the messages.
class MovieCommand {
 public:
  MovieCommand(DocumentView& view, exporting::TformArea& area, exporting::ExportProgressWindow& progress);

  void btnMakeMovieClick();

 private:
  DocumentView& view_;
  exporting::TformArea& area_;
  exporting::ExportProgressWindow& progress_;
};

}  // namespace morvane::app
