// The analysis window on the real main window, offscreen: its readouts in
// both languages as the mechanism turns and after an edit, its plots, the
// plot saved through the real file dialog (read back by ffprobe and
// rsvg-convert) and the overlay on the canvas.

#include <QAreaSeries>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineSeries>
#include <complex>
#include <set>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/analysis_window.h"
#include "app/canvas_widget.h"
#include "tests/app_commands_support.h"
#include "tests/image_test_support.h"
#include "tests/linkage_building.h"
#include "tests/test_support.h"

namespace morvane::testing {
namespace {

using Vec = std::complex<double>;

QString Shown(app::TformAnalysis& window, const char* label) { return Control<QLabel>(window, label).text(); }

// The series of the chart that are not the band or the crank's marker.
QList<QLineSeries*> DataSeries(app::TformAnalysis& window) {
  QList<QLineSeries*> lines;
  for (QAbstractSeries* series : Control<QChartView>(window, "chtPlot").chart()->series()) {
    auto* line = qobject_cast<QLineSeries*>(series);
    if (line != nullptr && !line->name().isEmpty()) lines.append(line);
  }
  return lines;
}

template <typename Program>
app::TformAnalysis& OpenAnalysis(Program& run, const std::string& path) {
  run.Doc().MutableModel() = *LoadModel(path);
  run.program.View().Update();
  run.Press("btnAnalysis");
  return run.program.Analysis();
}

class AnalysisWindowTest : public ::testing::TestWithParam<Language> {};

// The crank-rocker example: the transmission angle shown at each step is the
// angle between coupler and rocker at their pin, measured here on the model.
TEST_P(AnalysisWindowTest, ReadoutsFollowTheDriveAndEveryEdit) {
  const bool japanese = GetParam() == Language::Japanese;
  RunningProgram run(GetParam());
  app::TformAnalysis& window = OpenAnalysis(run, kExamples + "crank-rocker.mvd");
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isModal());
  EXPECT_TRUE(run.Main().isEnabled());
  EXPECT_EQ(window.windowTitle(), japanese ? "解析" : "Analysis");
  EXPECT_EQ(run.Button("btnAnalysis").text(), japanese ? "解析" : "Analysis");
  EXPECT_TRUE(Shown(window, "lblMobility").startsWith(japanese ? "自由度 1（" : "Mobility 1 ("))
      << Shown(window, "lblMobility").toStdString();
  EXPECT_EQ(Shown(window, "lblDrive"), japanese ? "動力部品は１回転する" : "The power part turns fully");
  EXPECT_TRUE(Shown(window, "lblFourBars").contains(japanese ? "→ てこクランク" : ": crank-rocker"));

  for (const int position : {40, 120, 200}) {
    run.TrackBar().setValue(position);
    const ModelState& m = run.Model();
    const Vec joint = PinAt(m, 102);
    const double mu = std::abs(std::arg((PinAt(m, 101) - joint) / (PinAt(m, 103) - joint))) * kRadToDeg;
    const QString degrees = QString::number(position / 10.0, 'f', 1);
    EXPECT_EQ(Shown(window, "lblCrankAngle"), (japanese ? "クランク角 " : "Crank angle ") + degrees + "°");
    EXPECT_TRUE(Shown(window, "lblTransmission").contains(QString::number(mu, 'f', 1) + "°"))
        << Shown(window, "lblTransmission").toStdString() << " " << mu;
  }

  run.Choose("btnOpen", kExamples + "slider-crank.mvd");
  EXPECT_TRUE(
      Shown(window, "lblSwings").startsWith(japanese ? "ピストン 部品 3：行程 80.00" : "Piston part 3: stroke 80.00"))
      << Shown(window, "lblSwings").toStdString();
  EXPECT_TRUE(Shown(window, "lblTransmission").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, AnalysisWindowTest, ::testing::Values(Language::English, Language::Japanese));

// Every kind of plot over the six-bar example's samples, of which a chart
// shows at most 720: the transmission angle within its band, as the analysis
// found it.
TEST(AnalysisPlots, EveryKindPlotsTheSamples) {
  RunningProgram run;
  app::TformAnalysis& window = OpenAnalysis(run, kExamples + "six-bar-triangle.mvd");
  const analysis::MechanismAnalysis& result = *window.Result();
  const auto samples = static_cast<qsizetype>(result.Samples.Count());
  auto& kind = Control<QComboBox>(window, "cmbPlot");
  auto& subject = Control<QComboBox>(window, "cmbSubject");
  const std::vector<int> seriesCount = {2, 3, 3, 1, 1};
  // Every fifth sample of the full turn from the first, and the last.
  ASSERT_EQ(samples, 3600);
  for (int k = 0; k < kind.count(); ++k) {
    kind.setCurrentIndex(k);
    ASSERT_GT(subject.count(), 0) << k;
    const QList<QLineSeries*> lines = DataSeries(window);
    ASSERT_EQ(lines.size(), seriesCount[static_cast<size_t>(k)]) << k;
    EXPECT_EQ(lines.front()->count(), 721) << k;
  }
  kind.setCurrentIndex(3);
  EXPECT_EQ(subject.count(), static_cast<int>(result.Transmission.size()));
  const std::set<double> angles(result.TransmissionAngles.front().begin(), result.TransmissionAngles.front().end());
  for (const QPointF& p : DataSeries(window).front()->points()) EXPECT_TRUE(angles.count(p.y())) << p.y();
  int bands = 0;
  for (QAbstractSeries* series : Control<QChartView>(window, "chtPlot").chart()->series()) {
    if (auto* band = qobject_cast<QAreaSeries*>(series)) {
      ++bands;
      EXPECT_EQ(band->lowerSeries()->at(0).y(), 40);
      EXPECT_EQ(band->upperSeries()->at(0).y(), 140);
    }
  }
  EXPECT_EQ(bands, 1);
  kind.setCurrentIndex(4);
  EXPECT_EQ(subject.count(), 2);
  EXPECT_EQ(subject.itemText(1), "Part 5");
}

class PlotFilesTest : public ::testing::TestWithParam<Language> {};

// The real save dialog: each file type picked in its box, a bare name typed.
TEST_P(PlotFilesTest, ThePlotSavesAsPngSvgAndCsv) {
  const bool japanese = GetParam() == Language::Japanese;
  TempFolder folder;
  RealProgram run(GetParam());
  app::TformAnalysis& window = OpenAnalysis(run, kExamples + "crank-rocker.mvd");
  run.Doc().StartFolder(folder.Path.string());
  QStringList seen;
  for (int filter = 0; filter < 3; ++filter) {
    run.answers.Then(ChooseFile(filter, "plot" + QString::number(filter), filter == 0 ? &seen : nullptr));
    Control<QAbstractButton>(window, "btnSavePlot").click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return run.answers.Done(); }, 10000));
  }
  EXPECT_EQ(seen.mid(1, 4), QStringList({japanese ? "グラフの保存" : "Save the plot",
                                         japanese ? "PNG 画像 (*.png)" : "PNG picture (*.png)",
                                         japanese ? "SVG 画像 (*.svg)" : "SVG picture (*.svg)",
                                         japanese ? "CSV データ (*.csv)" : "CSV data (*.csv)"}));
  const QSize chart = Control<QChartView>(window, "chtPlot").size();
  const std::string drawn = (folder / "drawn.png").string();
  ASSERT_EQ(std::system(("rsvg-convert '" + (folder / "plot1.svg").string() + "' -o '" + drawn + "'").c_str()), 0);
  for (const std::string& png : {(folder / "plot0.png").string(), drawn}) {
    EXPECT_EQ(Probe(png, "codec_name,width,height"),
              "png," + std::to_string(chart.width()) + "," + std::to_string(chart.height())) << png;
  }
  const std::string csv = ReadWholeFile((folder / "plot2.csv").string());
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "crank_angle_deg,x_px,y_px");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + window.Result()->Samples.Count());
  EXPECT_EQ(folder.EntryCount(), 4u);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, PlotFilesTest, ::testing::Values(Language::English, Language::Japanese));

// The green pen of the four-pens example stands on the power disk, 70 from
// its axle: its arrow reaches 35 along the turn, half a radian's travel. The
// locking example's crank is drawn where it stands at each dead point. Both
// lie over the canvas on the screen, never in its picture.
TEST(AnalysisOverlay, PenArrowsAndDeadPointsLieOverTheCanvas) {
  RunningProgram run;
  run.Main().show();
  app::TformAnalysis& window = OpenAnalysis(run, kExamples + "four-pens.mvd");
  app::CanvasWidget& canvas = run.Main().Canvas();
  auto& overlay = Control<QCheckBox>(window, "chkOverlay");
  const QPoint tip(300 + 33, 330);  // the pen at (300, 330) moves along +x at crank angle 0
  const QRgb green = qRgb(0, 128, 0);
  overlay.setChecked(true);
  EXPECT_EQ(canvas.grab().toImage().pixel(tip), green);
  EXPECT_NE(canvas.Picture().pixel(tip), green);
  overlay.setChecked(false);
  EXPECT_NE(canvas.grab().toImage().pixel(tip), green);

  OpenAnalysis(run, kLockingModels + "locks-before-turn.mvd");
  overlay.setChecked(true);
  const QImage shown = canvas.grab().toImage();
  ASSERT_EQ(window.Result()->DeadPoints.size(), 2u);
  for (const analysis::DeadPoint& dead : window.Result()->DeadPoints) {
    const Vec pin = Vec(300, 400) + std::polar(80.0, dead.Position / 10.0 * kDegToRad);
    EXPECT_EQ(shown.pixel(QPoint(static_cast<int>(std::round(pin.real())), static_cast<int>(std::round(pin.imag())))),
              qRgb(160, 0, 160))
        << dead.Position;
  }
  window.close();
  EXPECT_FALSE(overlay.isChecked());
}

}  // namespace
}  // namespace morvane::testing
