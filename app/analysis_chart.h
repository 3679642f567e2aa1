#pragma once

#include <QChartView>
#include <vector>

#include "app/analysis_plot.h"
#include "model/message.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace morvane::app {

// The analysis window's plot: one chart whose series take each new plot's
// values in place, so that a plot redrawn after every edit costs its points
// alone; a dashed line marks where the crank stands. A line chart works out
// the outline of its whole line at every change, so a plot shows at most
// kShownPoints of the samples, evenly spread (every fifth of a turn at a
// tenth of a degree); its CSV keeps them all.
inline constexpr size_t kShownPoints = 720;

class AnalysisChart final : public QChartView {
  Q_OBJECT

 public:
  explicit AnalysisChart(Language language);

  // `fullTurn`: the axis runs over the whole turn, 0 to 360 degrees.
  void Show(const PlotData& plot, bool fullTurn);
  void MarkCrank(double angle);

 private:
  QLineSeries* AddLine();

  QValueAxis* x_ = nullptr;
  QValueAxis* y_ = nullptr;
  QAreaSeries* band_ = nullptr;
  QLineSeries* marker_ = nullptr;
  std::vector<QLineSeries*> lines_;
};

}  // namespace morvane::app
