#include "app/analysis_chart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "app/app_texts.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

constexpr double kBandLow = 40;
constexpr double kBandHigh = 140;

std::pair<double, double> ValueRange(const PlotData& plot) {
  double least = plot.Band ? kBandLow : 0;
  double greatest = plot.Band ? kBandHigh : 0;
  bool first = !plot.Band;
  for (const PlotSeries& series : plot.Series) {
    const auto [lo, hi] = std::minmax_element(series.Values.begin(), series.Values.end());
    least = first ? *lo : std::min(least, *lo);
    greatest = first ? *hi : std::max(greatest, *hi);
    first = false;
  }
  const double margin = std::max((greatest - least) * 0.05, 1.0);
  // A transmission angle lies within 0 to 180 degrees.
  return plot.Band ? std::pair{std::max(least - margin, 0.0), std::min(greatest + margin, 180.0)}
                   : std::pair{least - margin, greatest + margin};
}

// The first and the last sample and every stride-th between.
QList<QPointF> Points(const std::vector<double>& x, const std::vector<double>& y) {
  const size_t stride = (x.size() + kShownPoints - 1) / kShownPoints;
  QList<QPointF> points;
  for (size_t i = 0; i < x.size(); i += stride) {
    points.append({x[i], y[i]});
  }
  if (!x.empty() && (x.size() - 1) % stride != 0) {
    points.append({x.back(), y.back()});
  }
  return points;
}

}  // namespace

// Built with its chart: a chart view made empty makes a chart of its own,
// which a later setChart lets go without deleting.
AnalysisChart::AnalysisChart(Language language) : QChartView(new QChart) {
  QChart* chart = this->chart();
  x_ = new QValueAxis;
  y_ = new QValueAxis;
  chart->addAxis(x_, Qt::AlignBottom);
  chart->addAxis(y_, Qt::AlignLeft);
  // The transmission angle's working band, across the plot; the area
  // series does not own its two edges, so the chart does.
  band_ = new QAreaSeries(new QLineSeries(chart), new QLineSeries(chart));
  band_->setName(TextOf(analysis_window::Band, language));
  band_->setColor(QColor(0, 160, 0, 40));
  band_->setBorderColor(QColor(0, 160, 0, 120));
  marker_ = new QLineSeries;
  marker_->setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
  for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{band_, marker_}) {
    chart->addSeries(series);
    series->attachAxis(x_);
    series->attachAxis(y_);
  }
  chart->legend()->markers(marker_).front()->setVisible(false);
}

QLineSeries* AnalysisChart::AddLine() {
  auto* line = new QLineSeries;
  chart()->addSeries(line);
  line->attachAxis(x_);
  line->attachAxis(y_);
  return line;
}

void AnalysisChart::Show(const PlotData& plot, bool fullTurn) {
  chart()->setTitle(plot.Title);
  x_->setTitleText(plot.XTitle);
  y_->setTitleText(plot.YTitle);
  while (lines_.size() > plot.Series.size()) {
    chart()->removeSeries(lines_.back());
    delete lines_.back();
    lines_.pop_back();
  }
  while (lines_.size() < plot.Series.size()) {
    lines_.push_back(AddLine());
  }
  for (size_t k = 0; k < lines_.size(); ++k) {
    lines_[k]->setName(plot.Series[k].Name);
    lines_[k]->replace(Points(plot.X, plot.Series[k].Values));
  }
  const bool values = !plot.X.empty();
  band_->setVisible(values && plot.Band);
  chart()->legend()->markers(band_).front()->setVisible(values && plot.Band);
  if (!values) {
    return;
  }
  band_->lowerSeries()->replace({{plot.X.front(), kBandLow}, {plot.X.back(), kBandLow}});
  band_->upperSeries()->replace({{plot.X.front(), kBandHigh}, {plot.X.back(), kBandHigh}});
  if (fullTurn) {
    x_->setRange(0, 360);
    x_->setTickCount(5);
  } else {
    x_->setRange(plot.X.front(), plot.X.back());
  }
  const auto [least, greatest] = ValueRange(plot);
  y_->setRange(least, greatest);
}

void AnalysisChart::MarkCrank(double angle) { marker_->replace({{angle, y_->min()}, {angle, y_->max()}}); }

}  // namespace morvane::app
