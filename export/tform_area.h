#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>

#include "export/area_geometry.h"
#include "export/export_area.h"
#include "model/message.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace morvane::exporting {

class AreaShape;

// The area dialog: a 320 x 240 preview of the canvas on which the user draws,
// moves and resizes a 4:3 rectangle, and the choice of a series of images.
// Created once and reused; every showing starts from the whole canvas with
// the series unchecked, and OK keeps the area until the next OK.
class TformArea : public QDialog {
  Q_OBJECT

 public:
  explicit TformArea(Language language, QWidget* parent = nullptr);

  // Before each showing: the canvas as just rendered (1280 x 960) and whether
  // the series check box is offered (images and prints) or hidden (movies).
  void Prepare(const QImage& canvas, bool offerSeries);

  // What the last OK confirmed.
  const ExportArea& Area() const { return area_; }
  bool SeriesWanted() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class DragMode { None = -1, Drawing = 1, Reshaping = 2 };

  void Build(Language language);
  void CentreOverMainWindow();
  void SelectAll();
  void ClearSelection();
  void Confirm();
  void ShowRectangle();
  bool PreviewMouse(QEvent* event);
  bool ShapeMouse(QEvent* event);

  QLabel* imgArea_ = nullptr;
  AreaShape* shapeArea_ = nullptr;
  QCheckBox* chkRenzoku_ = nullptr;
  QPushButton* btnOK_ = nullptr;

  ExportArea area_;
  AreaRect rectangle_;
  DragMode dragMode_ = DragMode::None;
  AreaZone zone_ = AreaZone::None;
  QPoint lastGlobal_;
};

}  // namespace morvane::exporting
