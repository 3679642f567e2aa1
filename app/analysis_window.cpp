#include "app/analysis_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string_view>

#include "app/analysis_chart.h"
#include "app/analysis_readouts.h"
#include "app/app_texts.h"
#include "app/canvas_widget.h"
#include "app/document_view.h"
#include "app/export_steps.h"
#include "app/form_main.h"
#include "app/ui_fonts.h"
#include "app/user_dialogs.h"
#include "model/model_texts.h"
#include "model/output_file.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

constexpr int kReadoutWidth = 320;
constexpr QSize kWindowSize(900, 540);
constexpr std::array<std::string_view, 3> kPlotExtensions{".png", ".svg", ".csv"};
enum PlotFilter { kPng = 1, kSvg = 2, kCsv = 3 };

template <typename Widget>
Widget* Named(const char* name, Widget* widget) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* Readout(const char* name) {
  QLabel* label = Named(name, new QLabel);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// A new model's plot shows the fastest point: a pen or the coupler's far
// end rather than an axle standing still.
int FirstSubject(const analysis::MechanismAnalysis& result, PlotKind kind) {
  if (kind == PlotKind::Transmission || kind == PlotKind::Oscillator || result.Points.empty()) {
    return 0;
  }
  const auto fastest = std::max_element(result.Points.begin(), result.Points.end(), [](const auto& a, const auto& b) {
    return a.Speed.Value < b.Speed.Value;
  });
  return static_cast<int>(fastest - result.Points.begin());
}

bool WritePicture(const QImage& image, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  return image.save(&buffer, "PNG") && WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()));
}

bool WriteVectorPicture(QWidget& chart, const QString& title, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // Without a size of its own the document is as many units wide and high as
  // its view box, which viewers take as pixels.
  generator.setViewBox(QRect(QPoint(0, 0), chart.size()));
  generator.setTitle(title);
  QPainter painter;
  if (!painter.begin(&generator)) {
    return false;
  }
  chart.render(&painter);
  painter.end();
  return WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace

TformAnalysis::TformAnalysis(DocumentView& view, QWidget* parent)
    : QWidget(parent, Qt::Tool), view_(view) {
  setObjectName(QStringLiteral("TformAnalysis"));
  const Language language = view_.Document().UiLanguage();
  setFont(WindowFont(language));
  resize(kWindowSize);
  auto* row = new QHBoxLayout(this);
  row->addWidget(BuildReadouts());
  row->addWidget(BuildPlotSide(), 1);
  ApplyTexts(*this, language);
}

TformAnalysis::~TformAnalysis() = default;

QWidget* TformAnalysis::BuildReadouts() {
  auto* panel = new QWidget;
  panel->setFixedWidth(kReadoutWidth);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  mobility_ = Readout("lblMobility");
  drive_ = Readout("lblDrive");
  fourBars_ = Readout("lblFourBars");
  swings_ = Readout("lblSwings");
  crankAngle_ = Readout("lblCrankAngle");
  transmission_ = Readout("lblTransmission");
  for (QLabel* label : {mobility_, drive_, fourBars_, swings_, crankAngle_, transmission_}) {
    column->addWidget(label);
  }
  column->addStretch(1);
  overlay_ = Named("chkOverlay", new QCheckBox);
  column->addWidget(overlay_);
  QPushButton* close = Named("btnClose", new QPushButton);
  column->addWidget(close, 0, Qt::AlignLeft);
  connect(overlay_, &QCheckBox::toggled, this, &TformAnalysis::ShowOverlay);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  return panel;
}

QWidget* TformAnalysis::BuildPlotSide() {
  const Language language = view_.Document().UiLanguage();
  auto* side = new QWidget;
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  auto* choices = new QHBoxLayout;
  choices->addWidget(Named("lblPlot", new QLabel));
  plotKind_ = Named("cmbPlot", new QComboBox);
  for (int kind = 0; kind < kPlotKinds; ++kind) {
    plotKind_->addItem(TextOf(PlotKindName(static_cast<PlotKind>(kind)), language));
  }
  subject_ = Named("cmbSubject", new QComboBox);
  subject_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  perSecond_ = Named("chkPerSecond", new QCheckBox);
  QPushButton* save = Named("btnSavePlot", new QPushButton);
  for (QWidget* control : std::initializer_list<QWidget*>{plotKind_, subject_, perSecond_}) {
    choices->addWidget(control);
  }
  choices->addStretch(1);
  choices->addWidget(save);
  column->addLayout(choices);
  chart_ = Named("chtPlot", new AnalysisChart(language));
  column->addWidget(chart_, 1);
  pointSpeed_ = Readout("lblPointSpeed");
  column->addWidget(pointSpeed_);
  connect(plotKind_, &QComboBox::currentIndexChanged, this, &TformAnalysis::FillSubjects);
  connect(subject_, &QComboBox::currentIndexChanged, this, &TformAnalysis::ShowPlot);
  connect(perSecond_, &QCheckBox::toggled, this, &TformAnalysis::ShowPlot);
  connect(save, &QPushButton::clicked, this, &TformAnalysis::SavePlot);
  return side;
}

void TformAnalysis::Open() {
  const bool placed = isVisible();
  show();
  // At the bottom right of the screen, over the canvas's far side, the first
  // time it opens; the frame is known once it is shown.
  if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr && !placed) {
    const QRect free = screen->availableGeometry();
    move(free.right() + 1 - frameGeometry().width(), free.bottom() + 1 - frameGeometry().height());
  }
  raise();
  activateWindow();
  Analyze();
  ShowLive();
}

void TformAnalysis::closeEvent(QCloseEvent* event) {
  overlay_->setChecked(false);
  event->accept();
}

void TformAnalysis::AfterRedraw() {
  if (!isVisible()) {
    return;
  }
  if (ModelChanged()) {
    Analyze();
  }
  ShowLive();
}

bool TformAnalysis::ModelChanged() const {
  const ModelState& m = view_.Document().Model();
  if (!analysed_) {
    return true;
  }
  const ModelState& a = *analysed_;
  return m.PartCount != a.PartCount || m.HasPowerPart != a.HasPowerPart || m.PowerPartIndex != a.PowerPartIndex ||
         m.AngleStep != a.AngleStep ||
         !std::equal(m.PlacementTable.begin(), m.PlacementTable.begin() + m.PartCount, a.PlacementTable.begin());
}

void TformAnalysis::Analyze() {
  const ModelState& model = view_.Document().Model();
  analysed_ = std::make_unique<ModelState>(model);
  result_ = analysis::Analyze(model, analysis::kFinestStep);
  const Readouts readouts = DescribeAnalysis(*result_, view_.Document().UiLanguage());
  mobility_->setText(readouts.Mobility);
  drive_->setText(readouts.Drive);
  fourBars_->setText(readouts.FourBars);
  swings_->setText(readouts.Swings);
  FillSubjects();
}

void TformAnalysis::FillSubjects() {
  if (!result_) {
    return;
  }
  // The pin, pen or part shown stays when the new list has it.
  const QString kept = subject_->currentText();
  const QSignalBlocker quiet(subject_);
  subject_->clear();
  const auto kind = static_cast<PlotKind>(plotKind_->currentIndex());
  for (const QString& name : PlotSubjects(*result_, kind, view_.Document().UiLanguage())) {
    subject_->addItem(name);
  }
  const int same = subject_->findText(kept);
  subject_->setCurrentIndex(same >= 0 ? same : FirstSubject(*result_, kind));
  ShowPlot();
}

void TformAnalysis::ShowPlot() {
  const Language language = view_.Document().UiLanguage();
  const auto kind = static_cast<PlotKind>(plotKind_->currentIndex());
  plot_ = BuildPlot(*result_, kind, subject_->currentIndex(), perSecond_->isChecked(), language);
  const bool point = kind == PlotKind::Position || kind == PlotKind::Velocity || kind == PlotKind::Acceleration;
  pointSpeed_->setText(point ? PointSpeedText(*result_, subject_->currentIndex(), language) : QString());
  chart_->Show(plot_, result_->TurnsFully);
  ShowLive();
}

void TformAnalysis::ShowLive() {
  if (!result_) {
    return;
  }
  const ModelState& model = view_.Document().Model();
  const Language language = view_.Document().UiLanguage();
  crankAngle_->setText(CrankAngleText(model, language));
  transmission_->setText(TransmissionText(*result_, model, language));
  if (const std::optional<int> power = analysis::UsablePowerPart(model)) {
    const PartRecord& part = model.PartTable[*power];
    chart_->MarkCrank(PlotAngle(*result_, part.Kind == PistonActive ? part.Size : part.Angle));
  }
  if (overlay_->isChecked()) {
    marks_ = OverlayOf(model, *result_);
    view_.Main().Canvas().update();
  }
}

void TformAnalysis::ShowOverlay() {
  CanvasWidget& canvas = view_.Main().Canvas();
  if (overlay_->isChecked() && result_) {
    marks_ = OverlayOf(view_.Document().Model(), *result_);
    canvas.SetOverlay([this](QPainter& painter) { PaintOverlay(painter, marks_); });
  } else {
    canvas.SetOverlay({});
  }
  canvas.update();
}

void TformAnalysis::SavePlot() {
  if (plot_.X.empty()) {
    return;
  }
  const std::optional<ExportFileChoice> choice = ChooseExportFile(
      view_, {analysis_window::SaveTitle, analysis_window::SaveFilters, kPlotExtensions}, this);
  if (!choice) {
    return;
  }
  bool written = false;
  switch (choice->Filter) {
    case kPng: written = WritePicture(chart_->grab().toImage(), choice->Path); break;
    case kSvg: written = WriteVectorPicture(*chart_, plot_.Title, choice->Path); break;
    default: written = WriteWholeFile(choice->Path, PlotCsv(plot_)); break;
  }
  if (!written) {
    view_.Dialogs().Inform(this, TextOf(model_texts::WriteFailed, view_.Document().UiLanguage()));
  }
}

}  // namespace morvane::app
