// The classic mechanisms of the examples folder, each checked for what makes
// it classic, through the command-line tool on the files a teacher opens.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "examples/example_models.h"
#include "model/part_frame.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

using namespace testing;

// The rows of `morvane-cli trace`, one per step: each column by its name.
class Trace {
 public:
  Trace(const std::string& example, int step, int to = 7200) : example_(example) {
    const CliRun run = RunCli("trace " + kExamples + example + " --step " + std::to_string(step) + " --to " +
                              std::to_string(to));
    exitCode_ = run.ExitCode;
    const std::vector<std::string> lines = Split(run.Out, '\n');
    for (const std::string& name : Split(lines.empty() ? "" : lines[0], ',')) {
      columns_.emplace(name, columns_.size());
    }
    for (size_t line = 1; line < lines.size(); ++line) {
      rows_.emplace_back();
      for (const std::string& cell : Split(lines[line], ',')) {
        rows_.back().push_back(std::stod(cell));
      }
    }
  }

  int ExitCode() const { return exitCode_; }
  size_t Rows() const { return rows_.size(); }
  int32_t Position(size_t row) const { return static_cast<int32_t>(rows_[row][0]); }
  // A pin by its number, or a pen by its colour ("red").
  Point At(size_t row, const std::string& point) const {
    const std::string prefix = std::isdigit(static_cast<unsigned char>(point[0])) ? "pin" : "pen_";
    return {rows_[row].at(Column(prefix + point + "_x")), rows_[row].at(Column(prefix + point + "_y"))};
  }
  // The point's places at the rows whose positions lie in [from, to].
  std::vector<Point> Path(const std::string& point, int32_t from, int32_t to) const {
    std::vector<Point> path;
    for (size_t row = 0; row < rows_.size(); ++row) {
      if (Position(row) >= from && Position(row) <= to) {
        path.push_back(At(row, point));
      }
    }
    return path;
  }
  // Direction from one pin to another, degrees.
  double Angle(size_t row, const std::string& from, const std::string& to) const {
    const Point a = At(row, from);
    const Point b = At(row, to);
    return std::atan2(b.Y - a.Y, b.X - a.X) * kRadToDeg;
  }

 private:
  size_t Column(const std::string& name) const {
    const auto found = columns_.find(name);
    if (found == columns_.end()) {
      throw std::runtime_error(example_ + " has no column " + name);
    }
    return found->second;
  }

  std::string example_;
  int exitCode_ = -1;
  std::map<std::string, size_t> columns_;
  std::vector<std::vector<double>> rows_;
};

// How far a path strays from its best-fitting line (the width of the band
// that holds it) and how long it runs along that line.
struct LineFit {
  double Band = 0;
  double Length = 0;
};

LineFit FitLine(const std::vector<Point>& path) {
  double mx = 0;
  double my = 0;
  for (const Point& p : path) {
    mx += p.X / static_cast<double>(path.size());
    my += p.Y / static_cast<double>(path.size());
  }
  double sxx = 0;
  double syy = 0;
  double sxy = 0;
  for (const Point& p : path) {
    sxx += (p.X - mx) * (p.X - mx);
    syy += (p.Y - my) * (p.Y - my);
    sxy += (p.X - mx) * (p.Y - my);
  }
  const double along = 0.5 * std::atan2(2 * sxy, sxx - syy);
  double low = 0;
  double high = 0;
  double first = 0;
  double last = 0;
  for (const Point& p : path) {
    const double across = -(p.X - mx) * std::sin(along) + (p.Y - my) * std::cos(along);
    const double at = (p.X - mx) * std::cos(along) + (p.Y - my) * std::sin(along);
    low = std::min(low, across);
    high = std::max(high, across);
    first = std::min(first, at);
    last = std::max(last, at);
  }
  return {high - low, last - first};
}

QJsonObject Analysis(const std::string& example) {
  const CliRun run = RunCli("analyze " + kExamples + example + " --format json");
  EXPECT_EQ(run.ExitCode, 0) << example << ": " << run.Err;
  return QJsonDocument::fromJson(QByteArray::fromStdString(run.Out)).object();
}

// Every example of the gallery is a mechanism of one degree of freedom whose
// power part turns the whole way, and each four-bar of its power part is of
// the class it is named for by Grashof's rule: the drag links double cranks,
// the change-point four-bar at its change point, the slider cranks without a
// four-bar, every other one a crank-rocker (the double rockers of the
// straight-line linkages are rocked by one).
TEST(ClassicLibrary, EveryExampleTurnsTheWholeWayInTheGrashofClassOfItsName) {
  const std::map<std::string, std::vector<std::string>> named = {
      {"drag-link.mvd", {"double-crank"}}, {"power-rod-drag-link.mvd", {"double-crank"}},
      {"change-point.mvd", {"change point"}}, {"slider-crank.mvd", {}}, {"sewing-needle.mvd", {}}};
  for (const examples::ExampleModel& example : examples::ExampleModels()) {
    const QJsonObject analysis = Analysis(example.FileName);
    EXPECT_EQ(analysis["mobility"].toInt(), 1) << example.FileName;
    EXPECT_TRUE(analysis["turns_fully"].toBool()) << example.FileName;
    EXPECT_TRUE(analysis["dead_points"].toArray().isEmpty()) << example.FileName;
    std::vector<std::string> classes;
    for (const QJsonValue fourBar : analysis["four_bars"].toArray()) {
      classes.push_back(fourBar["class"].toString().toStdString());
    }
    const auto name = named.find(example.FileName);
    EXPECT_EQ(classes, name == named.end() ? std::vector<std::string>{"crank-rocker"} : name->second)
        << example.FileName;
  }
}

// Each straight-line pen stays within a band of a line while the crank turns
// through the stated interval, over at least the stated length. The bands
// are what the proportions give: Hoekens' deviation is 0.24 % of its stroke,
// Hart's inversor draws its line exactly, so its band is the solver's
// rounding; Klann's foot, on the ground for half a turn, stays within 6 % of
// its stride, as in the published proportions it comes from.
TEST(ClassicLibrary, StraightLinePensStayWithinTheirBands) {
  struct Line {
    std::string File;
    int32_t From;
    int32_t To;
    double Band;
    double Length;
  };
  for (const Line& line : {Line{"hoekens.mvd", 900, 2700, 0.79, 319.9}, Line{"chebyshev.mvd", 0, 3600, 0.42, 106},
                           Line{"watt.mvd", 0, 3600, 0.32, 149}, Line{"roberts.mvd", 0, 3600, 0.87, 237},
                           Line{"hart-inversor.mvd", 0, 3600, 1e-6, 160}, Line{"klann-leg.mvd", 1870, 3670, 9.2, 145}}) {
    const Trace trace(line.File, 10);
    ASSERT_EQ(trace.ExitCode(), 0) << line.File;
    const LineFit fit = FitLine(trace.Path("red", line.From, line.To));
    EXPECT_LE(fit.Band, line.Band) << line.File;
    EXPECT_GE(fit.Length, line.Length) << line.File;
  }
}

// The defining ratios, against their closed forms: the quick return's time
// ratio (180 + 36.05) / (180 - 36.05) from its crank 60, coupler 120, rocker
// 260 and ground 230, to the analysis's tenth of a degree; the wiper's arms
// parallel; the pantograph's copy twice the stylus's place about the fixed
// pin; the needle's stroke twice its crank of 60, each way in the same time.
TEST(ClassicLibrary, QuickReturnWiperPantographAndNeedleKeepTheirRatios) {
  const QJsonArray rockers = Analysis("quick-return.mvd")["oscillators"].toArray();
  ASSERT_EQ(rockers.size(), 1);
  const double alpha = (std::acos(-11100.0 / 27600) - std::acos(17700.0 / 82800)) * kRadToDeg;
  EXPECT_NEAR(rockers[0]["time_ratio"].toDouble(), (180 + alpha) / (180 - alpha), 0.0005);

  const Trace wiper("windscreen-wiper.mvd", 10);
  ASSERT_EQ(wiper.ExitCode(), 0);
  double leastSwing = 360;
  double mostSwing = -360;
  for (size_t row = 0; row < wiper.Rows(); ++row) {
    EXPECT_NEAR(wiper.Angle(row, "103", "105"), wiper.Angle(row, "104", "106"), 1e-6);
    leastSwing = std::min(leastSwing, wiper.Angle(row, "103", "105"));
    mostSwing = std::max(mostSwing, wiper.Angle(row, "103", "105"));
  }
  EXPECT_GE(mostSwing - leastSwing, 90);

  const Trace pantograph("pantograph.mvd", 10);
  ASSERT_EQ(pantograph.Rows(), 721u);
  for (size_t row = 0; row < pantograph.Rows(); ++row) {
    const Point fixed = pantograph.At(row, "104");
    const Point stylus = pantograph.At(row, "black");
    const Point copy = pantograph.At(row, "red");
    EXPECT_NEAR(copy.X, 2 * stylus.X - fixed.X, 1e-6);
    EXPECT_NEAR(copy.Y, 2 * stylus.Y - fixed.Y, 1e-6);
  }

  const QJsonArray needle = Analysis("sewing-needle.mvd")["pistons"].toArray();
  ASSERT_EQ(needle.size(), 1);
  EXPECT_NEAR(needle[0]["stroke"].toDouble(), 2 * 60, 1e-9);
  EXPECT_EQ(needle[0]["time_ratio"].toDouble(), 1);
}

}  // namespace
}  // namespace morvane
