#pragma once

#include <QObject>
#include <QPoint>

namespace morvane::app {

class DocumentView;
class TformPropaty;

// The canvas's popup menu: delete, the fixed-angle turns and the property
// window, all on the part that was under the pointer when the right button
// went down.
class PopupCommands final : public QObject {
 public:
  PopupCommands(DocumentView& view, TformPropaty& propaty);

  // Opens PopupMenu at the pointer for the part at this canvas point.
  void OpenAt(int part, QPoint canvasPoint);
  // What the menu's delete does, for the part at this canvas point.
  void Delete(int part, QPoint canvasPoint);

 private:
  void Turn(int tag);
  void ShowProperties();

  DocumentView& view_;
  TformPropaty& propaty_;
  int part_ = -1;
  QPoint point_;
};

}  // namespace morvane::app
