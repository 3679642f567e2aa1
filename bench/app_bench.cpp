// The desktop program in its real windows on the offscreen platform: start-up
// with the 49-part model named on the command line until the canvas has been
// painted showing it, and one drive step of that model from the track bar
// until the canvas has been painted again. The baseline is the renderer's
// bare frame of the same model (prepare, render all, present into a picture),
// which every drive step contains. Targets: start-up under 300 ms, a step
// with its repaint under 8 ms.
//
// An edit of each example (every part moved a grid step) until the canvas
// is drawn anew and, with the analysis window open (`/open`), the window's
// readouts and plot show the model anew; against one drive step of the same
// model measured just before (`drive_steps`, with the step's own time in
// `drive_step_us`), and against the same edit with the window closed
// (`/closed`). Target: the window's share within one displayed frame, 16 ms.
//
// The main window is made large enough to show the whole canvas, as on a
// classroom screen, so that every repaint covers all of it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QSlider>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/analysis_window.h"
#include "app/document_view.h"
#include "app/form_main.h"
#include "app/program.h"
#include "tests/dialogs/scripted_dialogs.h"
#include "view/render_scene.h"

namespace {

using namespace morvane;

const std::string kLadder = std::string(MORVANE_SOURCE_DIR) + "/bench/data/ladder-49.mvd";
constexpr QSize kWindowSize(1600, 1100);
constexpr int kTrackStep = 40;

// Counts the paints of the canvas that show a model.
class PaintCounter final : public QObject {
 public:
  PaintCounter(QWidget& canvas, const Session& session) : session_(session) { canvas.installEventFilter(this); }
  int Paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && session_.Model().PartCount > 0) {
      ++Paints;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const Session& session_;
};

struct RunningProgram {
  app::ScriptedDialogs Dialogs;
  app::Program Program{Language::English, Dialogs, kLadder};
  PaintCounter Counter{*Program.Main().findChild<QWidget*>(QStringLiteral("imgDisplay")), Program.Document()};

  // Processes events until the canvas has been painted once more.
  void WaitForPaint() {
    const int before = Counter.Paints;
    while (Counter.Paints == before) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
  }
};

// Creates the windows, shows them and returns once the model is on screen.
std::unique_ptr<RunningProgram> StartUp() {
  auto run = std::make_unique<RunningProgram>();
  run->Program.Main().resize(kWindowSize);
  run->Program.Main().show();
  run->WaitForPaint();
  return run;
}

void BM_BareFrame(benchmark::State& state) {
  Session session;
  if (session.Open(kLadder)) {
    state.SkipWithError("cannot read the ladder");
    return;
  }
  view::CanvasPictures pictures;
  QImage display;
  for (auto _ : state) {
    view::Redraw(pictures, session.Model(), session.Loci(), display);
    benchmark::DoNotOptimize(display.constBits());
  }
}
BENCHMARK(BM_BareFrame)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(StartUp().get());
    state.PauseTiming();
    // Closing the windows is not part of starting.
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DriveStepAndRepaint(benchmark::State& state) {
  const auto run = StartUp();
  auto& track = *run->Program.Main().findChild<QSlider*>(QStringLiteral("TrackBar1"));
  for (auto _ : state) {
    track.setValue((track.value() + kTrackStep) % kTrackMax);
    run->WaitForPaint();
  }
  if (!run->Dialogs.Shown.empty()) {
    state.SkipWithError("a step was refused");
  }
}
BENCHMARK(BM_DriveStepAndRepaint)->Unit(benchmark::kMillisecond);

double DriveStepSeconds(const std::string& path) {
  Session session;
  session.Open(path);
  constexpr int kSteps = 360;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 1; i <= kSteps; ++i) {
    session.DriveTo(session.Model().PowerPosition % 3600 + (i % 2 ? 1 : -1));
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kSteps;
}

void BM_AnalysisAfterEdit(benchmark::State& state, const std::string& path, bool analysisOpen) {
  app::ScriptedDialogs dialogs;
  app::Program program(Language::English, dialogs, path);
  program.Main().show();
  QCoreApplication::processEvents();
  if (analysisOpen) {
    program.Analysis().Open();
  }
  const double step = DriveStepSeconds(path);
  double spent = 0;
  double dx = 10;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    program.Document().MoveAll(dx, 0);
    program.View().Update();
    spent += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    dx = -dx;
  }
  state.counters["drive_step_us"] = step * 1e6;
  state.counters["drive_steps"] = spent / static_cast<double>(state.iterations()) / step;
}

// For every example, the edit with the analysis window closed, then open.
void RegisterAnalysisAfterEdit() {
  std::vector<std::filesystem::path> examples;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(MORVANE_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() == ".mvd") {
      examples.push_back(entry.path());
    }
  }
  std::sort(examples.begin(), examples.end());
  for (const std::filesystem::path& example : examples) {
    for (const bool open : {false, true}) {
      const std::string name = "BM_AnalysisAfterEdit/" + example.stem().string() + (open ? "/open" : "/closed");
      benchmark::RegisterBenchmark(name.c_str(), BM_AnalysisAfterEdit, example.string(), open)
          ->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QElapsedTimer clock;
  clock.start();
  QApplication application(argc, argv);
  const qint64 applicationMs = clock.restart();
  // The first start in the process also loads fonts and styles, as a real
  // start-up does; the benchmark's own starts run warm.
  { benchmark::DoNotOptimize(StartUp().get()); }
  std::printf("cold start: application %lld ms, windows to the first paint of the model %lld ms\n",
              static_cast<long long>(applicationMs), static_cast<long long>(clock.elapsed()));
  RegisterAnalysisAfterEdit();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
