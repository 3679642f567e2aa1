#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "analysis/mechanism_analysis.h"
#include "app/analysis_overlay.h"
#include "app/analysis_plot.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace morvane::app {

class AnalysisChart;
class DocumentView;

// The analysis window: what the mechanism does over the power part's range
// (mobility, Grashof class, dead points, swings and strokes), the crank angle
// and transmission angles as the mechanism turns, and a plot against the
// crank angle that saves as PNG, SVG or CSV. It analyses the model afresh
// after every edit while it is open; a drive step only moves what it shows
// live. With chkOverlay the canvas shows the pens' velocities and the crank
// at its dead points.
class TformAnalysis final : public QWidget {
  Q_OBJECT

 public:
  TformAnalysis(DocumentView& view, QWidget* parent);
  ~TformAnalysis() override;

  // btnAnalysis: shown and brought to the front, the model analysed.
  void Open();
  // After every redraw of the canvas.
  void AfterRedraw();
  const std::optional<analysis::MechanismAnalysis>& Result() const { return result_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildReadouts();
  QWidget* BuildPlotSide();
  // The model changed other than by turning: placement, parts or speed.
  bool ModelChanged() const;
  void Analyze();
  void ShowLive();
  void FillSubjects();
  void ShowPlot();
  void ShowOverlay();
  void SavePlot();

  DocumentView& view_;
  std::optional<analysis::MechanismAnalysis> result_;
  // What the last analysis was made for.
  std::unique_ptr<ModelState> analysed_;
  PlotData plot_;
  OverlayMarks marks_;

  QLabel* mobility_ = nullptr;
  QLabel* drive_ = nullptr;
  QLabel* fourBars_ = nullptr;
  QLabel* swings_ = nullptr;
  QLabel* crankAngle_ = nullptr;
  QLabel* transmission_ = nullptr;
  QLabel* pointSpeed_ = nullptr;
  QComboBox* plotKind_ = nullptr;
  QComboBox* subject_ = nullptr;
  QCheckBox* perSecond_ = nullptr;
  QCheckBox* overlay_ = nullptr;
  AnalysisChart* chart_ = nullptr;
};

}  // namespace morvane::app
