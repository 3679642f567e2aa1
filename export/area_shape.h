#pragma once

#include <QWidget>

namespace morvane::exporting {

// The chosen area over the preview: a dotted outline, no fill, so that the
// canvas shows through.
class AreaShape : public QWidget {
 public:
  explicit AreaShape(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace morvane::exporting
