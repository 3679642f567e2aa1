// Editing on the real windows with simulated mouse events: the palette
// pictures, the canvas, the popup menu and the property window, found by their
// designed names, with every message answered and recorded by a script. What
// each edit does to the model is checked through the session; here, that the
// windows ask for the right edit at the right place and show its outcome.

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "app/canvas_widget.h"
#include "app/form_propaty.h"
#include "examples/model_building.h"
#include "model/part_kind.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"
#include "tests/window_mouse.h"

namespace morvane::testing {
namespace {

using app::MessageKind;
using app::ShownMessage;

class CanvasEditingTest : public ::testing::Test {
 protected:
  CanvasEditingTest() {
    run.Main().show();
    QCoreApplication::processEvents();
  }
  Session& Doc() { return run.Doc(); }
  app::CanvasWidget& Canvas() { return run.Main().Canvas(); }
  const PartRecord& Part(int i) { return run.Model().PartTable[i]; }
  QPoint Global(QPoint canvasPoint) { return testing::Global(run, canvasPoint); }
  void Drag(QWidget& widget, QPoint from, const std::vector<QPoint>& path, Qt::KeyboardModifiers modifiers = {},
            bool release = true) {
    testing::Drag(run, widget, from, path, modifiers, release);
  }
  void PaletteDrag(const char* picture, const std::vector<QPoint>& path) { testing::PaletteDrag(run, picture, path); }
  void CanvasDrag(const std::vector<QPoint>& path) { testing::CanvasDrag(run, path); }
  void Popup(QPoint at, const char* item) { testing::Popup(run, at, item); }

  RunningProgram run;
};

TEST_F(CanvasEditingTest, BuildsTheCrankRockerWithTheMouseSavesAndTurnsIt) {
  run.Main().resize(1600, 1100);  // the whole canvas in sight
  PaletteDrag("imgDiskActive1", {{20, 30}, {150, 200}, {300, 400}});
  PaletteDrag("imgRodPassive3", {{200, 300}, {338, 403}});
  PaletteDrag("imgRodPassive2", {{900, 200}});
  Popup({1000, 200}, "menuKaitenR90");
  CanvasDrag({{902, 197}, {800, 300}, {583, 405}});
  PaletteDrag("imgHatome", {{500, 500}, {343, 398}});
  PaletteDrag("imgHatome", {{577, 404}});
  PaletteDrag("imgKoteiPin", {{583, 597}});
  EXPECT_EQ(Control<QLabel>(run.Main(), "lblPositionX").text(), "X=583");
  EXPECT_TRUE(run.dialogs.Shown.empty());
  EXPECT_TRUE(run.Enabled("TrackBar1"));

  TempFolder folder;
  ASSERT_EQ(Doc().Save(folder / "built"), std::nullopt);
  const std::string example = ReadWholeFile(kExamples + "crank-rocker.mvd");
  EXPECT_EQ(ReadWholeFile(folder / "built.mvd"), example);
  for (int32_t position = 40; position <= 3600; position += 40) {
    ASSERT_EQ(Doc().DriveTo(position).Status, DriveStatus::Moved) << position;
  }
  // A whole turn brings every part back to where the example has it.
  const auto start = LoadModel(kExamples + "crank-rocker.mvd");
  for (int i = 0; i < start->PartCount; ++i) {
    const PartRecord& from = start->PartTable[i];
    EXPECT_NEAR(std::hypot(Part(i).X - from.X, Part(i).Y - from.Y), 0, 1e-6) << i;
    EXPECT_NEAR(std::remainder(Part(i).Angle - from.Angle, 360), 0, 1e-6) << i;
  }
}

TEST_F(CanvasEditingTest, PressRefusalsAndDropsBackOnThePalette) {
  PaletteDrag("imgDiskActive1", {{300, 300}});
  PaletteDrag("imgRodActive1", {{500, 300}});
  EXPECT_EQ(run.dialogs.Shown, (std::vector<ShownMessage>{
                                   {MessageKind::Information, "Two or more power parts cannot be arranged."}}));
  EXPECT_EQ(run.Model().PartCount, 1);

  // Back over the palette, also when the canvas is scrolled so far that its
  // own left edge lies under the palette.
  auto& picture = Control<QWidget>(run.Main(), "imgRodPassive1");
  const QPoint onPalette = picture.mapToGlobal(picture.rect().center());
  for (const int scroll : {0, 300}) {
    Control<QScrollArea>(run.Main(), "ScrollBox1").horizontalScrollBar()->setValue(scroll);
    PaletteDrag("imgRodPassive1", {{scroll + 400, 300}, Canvas().mapFromGlobal(onPalette)});
    EXPECT_EQ(run.Model().PartCount, 1) << scroll;
    PaletteDrag("imgRodPassive1", {{scroll + 400, 500}});
    EXPECT_EQ(std::tuple(run.Model().PartCount, Part(1).X, Part(1).Y), std::tuple(2, scroll + 400.0, 500.0)) << scroll;
    Doc().Undo();
  }
  EXPECT_EQ(run.dialogs.Shown.size(), 1u);
}

// The popup acts on the part and the point it was opened at, and the canvas
// shows the outcome at once: a rod turned a quarter about its pin is found
// where it now stands, a pen goes after a question, the axle of a disk is
// refused with a warning and nothing asked, and the property window shows the
// part under the point.
TEST_F(CanvasEditingTest, PopupTurnsDeletesAndDescribesWhereItWasOpened) {
  examples::AddPart(Doc(), DiskActive1, 300, 400);
  examples::AddPart(Doc(), RodPassive1, 600, 200);
  examples::Drop(Doc(), KoteiPin, 680, 200);
  examples::Drop(Doc(), PenRed, 640, 200);
  Doc().DriveTo(40);
  run.program.View().Update();
  Popup({250, 400}, "menuKaitenL90");
  EXPECT_EQ(run.TrackBar().value(), 6340);
  Popup({250, 400}, "menuKaitenR90");
  Popup({620, 200}, "menuKaitenL90");
  Popup({680, 250}, "menuKaitenR90");
  EXPECT_EQ(std::tuple(run.TrackBar().value(), Part(1).X, Part(1).Angle), std::tuple(40, 600.0, 0.0));
  EXPECT_TRUE(run.dialogs.Shown.empty());

  const QImage withPen = Canvas().Picture();
  run.dialogs.ConfirmAnswers = {true};
  Popup({642, 201}, "menuDelete");
  EXPECT_EQ(run.dialogs.Shown.back().Text, "A pen is deleted." + QString(31, ' '));
  EXPECT_EQ(std::pair(Part(1).PenCount, Part(1).PinCount), std::pair(0, 1));
  EXPECT_NE(Canvas().Picture(), withPen) << "the canvas is redrawn";
  Popup({301, 399}, "menuDelete");
  EXPECT_EQ(run.dialogs.Shown.back(),
            (ShownMessage{MessageKind::Warning, "The pin of the center of a disc cannot be deleted."}));
  EXPECT_EQ(std::pair(run.dialogs.Shown.size(), Part(0).PinCount), std::pair(size_t{2}, 1));

  QStringList shown;
  QTimer::singleShot(0, [&] {
    app::TformPropaty& window = run.program.Propaty();
    EXPECT_TRUE(window.isVisible());
    for (const char* name : {"txtPartsName", "txtPartsPosition", "txtPartsAngle", "txtPinCount", "txtPatrsCount"}) {
      shown << Control<QLineEdit>(window, name).text();
    }
    shown << Control<QPlainTextEdit>(window, "txtMoveArea").toPlainText() << Control<QLabel>(window, "lblNumber").text();
    Control<QAbstractButton>(window, "btnClose").click();
  });
  Popup({302, 398}, "menuPropaty");
  EXPECT_EQ(shown, QStringList({"The fixed pin Disc(Small) / with power ", "（300，400）", "4 degree",
                                "Movable pin=0pieces / Fixed pin=1pieces", "0 pieces",
                                "The range of the circle centering on a fixed pin",
                                "Parts No.=0 / Pin No.=0 / Pin Index=0"}));
  EXPECT_FALSE(run.program.Propaty().isVisible());
}

// Shift on a power disk that carries only its axle turns it by the drive; the
// track bar follows without announcing a change, so no second step is run.
// Where the pointer grabs a piston decides: the head (its black marks too)
// strokes the piston, the cylinder moves it.
TEST_F(CanvasEditingTest, CanvasDragsTurnThePowerDiskWithShiftAndStrokeAPiston) {
  PaletteDrag("imgDiskActive1", {{300, 400}});
  int announced = 0;
  QObject::connect(&run.Main(), &app::TformMain::TrackBar1Change, [&] { ++announced; });
  std::vector<QPoint> path;
  for (int degrees = 0; degrees <= 90; degrees += 5) {
    path.emplace_back(300 + std::lround(60 * std::cos(degrees * kDegToRad)),
                      400 + std::lround(60 * std::sin(degrees * kDegToRad)));
  }
  Drag(Canvas(), Global(path.front()), path, Qt::ShiftModifier, false);
  EXPECT_EQ(std::pair(run.TrackBar().value(), Part(0).Angle), std::pair(900, 90.0));
  EXPECT_EQ(announced, 0);
  // A loose part is let go only by the left button.
  Send(Canvas(), QEvent::MouseButtonRelease, Global(path.back()), Qt::RightButton, Qt::LeftButton);
  EXPECT_EQ(Doc().Dragging(), DragMode::Loose);
  Send(Canvas(), QEvent::MouseButtonRelease, Global(path.back()), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Doc().Dragging(), DragMode::Idle);
  EXPECT_TRUE(run.Enabled("btnUndo"));

  PaletteDrag("imgPistonPassive", {{200, 700}});
  ASSERT_EQ(Canvas().Picture().pixel(300, 680), qRgb(204, 204, 204));
  CanvasDrag({{300, 680}, {315, 681}, {330, 683}});
  EXPECT_EQ(std::tuple(Part(1).X, Part(1).Y, Part(1).Size), std::tuple(200.0, 700.0, 120.0));
  CanvasDrag({{195, 700}, {225, 700}});
  EXPECT_EQ(std::tuple(Part(1).X, Part(1).Y, Part(1).Size), std::tuple(230.0, 700.0, 120.0));
  ASSERT_EQ(Canvas().Picture().pixel(370, 700), qRgb(0, 0, 0));
  CanvasDrag({{370, 700}, {380, 700}});
  EXPECT_EQ(std::tuple(Part(1).X, Part(1).Y, Part(1).Size), std::tuple(230.0, 700.0, 130.0));
}

// A drop outside the canvas on any side is discarded like one on the
// palette: beyond its right edge or below it on a large screen, above it, and
// beyond the part that can be seen when the window is small.
TEST_F(CanvasEditingTest, DropsOutsideTheCanvasAreDiscarded) {
  run.Main().resize(1920, 1080);
  for (const QPoint outside : {QPoint(1560, 300), QPoint(400, 1000), QPoint(400, -20)}) {
    PaletteDrag("imgDiskActive1", {{400, 300}, outside});
    EXPECT_EQ(run.Model().PartCount, 0) << outside.x() << "," << outside.y();
  }
  run.Main().resize(800, 600);
  QCoreApplication::processEvents();
  PaletteDrag("imgDiskActive1", {{400, 300}, {900, 300}});
  EXPECT_EQ(run.Model().PartCount, 0);
  EXPECT_FALSE(run.Enabled("TrackBar1"));
  PaletteDrag("imgDiskActive1", {{400, 300}});
  EXPECT_EQ(run.Model().PartCount, 1);
  EXPECT_TRUE(run.Enabled("TrackBar1"));
}

}  // namespace
}  // namespace morvane::testing
