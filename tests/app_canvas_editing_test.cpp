// Editing on the real windows with simulated mouse events: the palette
// pictures, the canvas, the popup menu and the property window, found by their
// designed names, with every message answered and recorded by a script.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

#include "app/canvas_widget.h"
#include "app/form_main.h"
#include "app/form_propaty.h"
#include "app/program.h"
#include "app/scripted_dialogs.h"
#include "examples/model_building.h"
#include "model/part_kind.h"
#include "tests/app_support.h"
#include "tests/test_support.h"

namespace morvane::app {
namespace {

using testing::Control;

void Send(QWidget& target, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, target.mapFromGlobal(QPointF(global)), QPointF(global), button, held, modifiers);
  QCoreApplication::sendEvent(&target, &event);
}

class CanvasEditingTest : public ::testing::Test {
 protected:
  void Start(Language language = Language::English) {
    program = std::make_unique<Program>(language, dialogs, "");
    Main().show();
    QCoreApplication::processEvents();
  }
  TformMain& Main() { return program->Main(); }
  Session& Doc() { return program->Document(); }
  CanvasWidget& Canvas() { return Main().Canvas(); }
  const PartRecord& Part(int i) { return Doc().Model().PartTable[i]; }
  QPoint Global(QPoint canvasPoint) { return Canvas().mapToGlobal(canvasPoint); }

  // Pressed on the picture, the pointer goes through the canvas points and is
  // released at the last; the picture keeps the mouse all the way, as Qt's
  // grab on a pressed widget does.
  void PaletteDrag(const char* picture, std::initializer_list<QPoint> path) {
    auto& source = Control<QWidget>(Main(), picture);
    Send(source, QEvent::MouseButtonPress, source.mapToGlobal(source.rect().center()), Qt::LeftButton, Qt::LeftButton);
    for (const QPoint point : path) {
      Send(source, QEvent::MouseMove, Global(point), Qt::NoButton, Qt::LeftButton);
    }
    Send(source, QEvent::MouseButtonRelease, Global(*(path.end() - 1)), Qt::LeftButton, Qt::NoButton);
  }

  void CanvasDrag(std::initializer_list<QPoint> path, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Send(Canvas(), QEvent::MouseButtonPress, Global(*path.begin()), Qt::LeftButton, Qt::LeftButton, modifiers);
    for (const QPoint point : path) {
      Send(Canvas(), QEvent::MouseMove, Global(point), Qt::NoButton, Qt::LeftButton, modifiers);
    }
    Send(Canvas(), QEvent::MouseButtonRelease, Global(*(path.end() - 1)), Qt::LeftButton, Qt::NoButton, modifiers);
  }

  void Popup(QPoint at, const char* item) {
    Send(Canvas(), QEvent::MouseButtonPress, Global(at), Qt::RightButton, Qt::RightButton);
    ASSERT_TRUE(Main().PopupMenu().isVisible());
    Control<QAction>(Main(), item).trigger();
    Main().PopupMenu().hide();
  }

  // Pixels of a colour in the square of side 2r + 1 about a canvas point.
  int CountColour(QPoint centre, QRgb colour, int r = 10) {
    int n = 0;
    for (int y = centre.y() - r; y <= centre.y() + r; ++y) {
      for (int x = centre.x() - r; x <= centre.x() + r; ++x) {
        n += Canvas().Picture().pixel(x, y) == colour ? 1 : 0;
      }
    }
    return n;
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<Program> program;
};

void ExpectSameMechanism(const ModelState& built, const ModelState& example) {
  ASSERT_EQ(built.PartCount, example.PartCount);
  EXPECT_EQ(built.PowerPartIndex, example.PowerPartIndex);
  for (int i = 0; i < example.PartCount; ++i) {
    const PartRecord& a = built.PartTable[i];
    const PartRecord& b = example.PartTable[i];
    EXPECT_EQ(std::tuple(a.Kind, a.Size, a.PinCount, a.PenCount), std::tuple(b.Kind, b.Size, b.PinCount, b.PenCount));
    EXPECT_NEAR(a.X, b.X, 0.5) << i;
    EXPECT_NEAR(a.Y, b.Y, 0.5) << i;
    EXPECT_NEAR(std::remainder(a.Angle - b.Angle, 360), 0, 1e-6) << i;
    for (int s = 0; s < b.PinCount; ++s) {
      EXPECT_EQ(std::tuple(a.PinId[s], a.PinState[s], a.PinX[s], a.PinY[s]),
                std::tuple(b.PinId[s], b.PinState[s], b.PinX[s], b.PinY[s]))
          << i << " " << s;
    }
  }
}

TEST_F(CanvasEditingTest, BuildsTheCrankRockerWithTheMouseSavesAndTurnsIt) {
  Start();
  PaletteDrag("imgDiskActive1", {{20, 30}, {150, 200}, {300, 400}});
  PaletteDrag("imgRodPassive3", {{200, 300}, {338, 403}});
  PaletteDrag("imgRodPassive2", {{900, 200}});
  Popup({1000, 200}, "menuKaitenR90");
  CanvasDrag({{902, 197}, {800, 300}, {583, 405}});
  PaletteDrag("imgHatome", {{500, 500}, {343, 398}});
  PaletteDrag("imgHatome", {{577, 404}});
  PaletteDrag("imgKoteiPin", {{583, 597}});
  EXPECT_EQ(Control<QLabel>(Main(), "lblPositionX").text(), "X=583");
  EXPECT_TRUE(dialogs.Shown.empty());
  EXPECT_TRUE(Control<QSlider>(Main(), "TrackBar1").isEnabled());

  morvane::testing::TempFolder folder;
  ASSERT_EQ(Doc().Save(folder / "built"), std::nullopt);
  const auto example = morvane::testing::LoadModel(morvane::testing::kExamples + "crank-rocker.mvd");
  ExpectSameMechanism(*morvane::testing::LoadModel(folder / "built.mvd"), *example);

  for (int32_t position = 40; position <= 3600; position += 40) {
    ASSERT_EQ(Doc().DriveTo(position).Status, DriveStatus::Moved) << position;
  }
  ExpectSameMechanism(Doc().Model(), *example);
}

TEST_F(CanvasEditingTest, PressRefusalsAndDropsBackOnThePalette) {
  Start();
  PaletteDrag("imgDiskActive1", {{300, 300}});
  PaletteDrag("imgRodActive1", {{500, 300}});
  EXPECT_EQ(dialogs.Shown, (std::vector<ShownMessage>{
                               {MessageKind::Information, "Two or more power parts cannot be arranged."}}));
  EXPECT_EQ(Doc().Model().PartCount, 1);

  // Back over the palette, also when the canvas is scrolled so far that its
  // own left edge lies under the palette.
  auto& picture = Control<QWidget>(Main(), "imgRodPassive1");
  const QPoint onPalette = picture.mapToGlobal(picture.rect().center());
  for (const int scroll : {0, 300}) {
    Control<QScrollArea>(Main(), "ScrollBox1").horizontalScrollBar()->setValue(scroll);
    PaletteDrag("imgRodPassive1", {{scroll + 400, 300}, Canvas().mapFromGlobal(onPalette)});
    EXPECT_EQ(Doc().Model().PartCount, 1) << scroll;
    PaletteDrag("imgRodPassive1", {{scroll + 400, 500}});
    EXPECT_EQ(std::pair(Part(1).X, Part(1).Y), std::pair(scroll + 400.0, 500.0)) << scroll;
    EXPECT_EQ(Doc().Model().PartCount, 2) << scroll;
    Doc().Undo();
  }
  EXPECT_EQ(dialogs.Shown.size(), 1u);
}

// Deleting where a pen stands on a pin takes the pen, asked first; the axle
// of a disk is refused with a warning and nothing asked.
TEST_F(CanvasEditingTest, PopupDeletesThePenOverAPinAndWarnsForTheAxle) {
  Start();
  examples::AddPart(Doc(), DiskPassive1, 300, 400);
  examples::AddPart(Doc(), RodPassive1, 340, 400);
  examples::Drop(Doc(), Hatome, 340, 400);
  examples::Drop(Doc(), PenRed, 340, 400);
  program->View().Update();
  const QRgb red = qRgb(255, 0, 0);
  EXPECT_GT(CountColour({340, 400}, red), 0);

  dialogs.ConfirmAnswers = {true};
  Popup({342, 401}, "menuDelete");
  EXPECT_EQ(dialogs.Shown.back().Text, "A pen is deleted." + QString(31, ' '));
  EXPECT_EQ(Part(0).PenCount + Part(1).PenCount, 0);
  EXPECT_EQ(Part(1).PinCount, 1);
  EXPECT_EQ(CountColour({340, 400}, red), 0) << "the canvas is redrawn";

  Popup({301, 399}, "menuDelete");
  const ShownMessage warning{MessageKind::Warning, "The pin of the center of a disc cannot be deleted."};
  EXPECT_EQ(dialogs.Shown.back(), warning);
  EXPECT_EQ(dialogs.Shown.size(), 2u);
  EXPECT_EQ(Part(0).PinCount, 2);
}

TEST_F(CanvasEditingTest, LeftAndRightQuarterTurnsThroughTheMenu) {
  Start();
  examples::AddPart(Doc(), DiskActive1, 300, 400);
  examples::AddPart(Doc(), RodPassive1, 600, 200);
  examples::Drop(Doc(), KoteiPin, 680, 200);
  Doc().DriveTo(40);
  program->View().Update();
  const Table before = Doc().Model().PartTable;
  auto& track = Control<QSlider>(Main(), "TrackBar1");
  Popup({250, 400}, "menuKaitenL90");
  EXPECT_EQ(track.value(), 6340);
  EXPECT_NEAR(Part(0).Angle, 274, 1e-9);
  Popup({250, 400}, "menuKaitenR90");
  // The rod turns about its pin, so after the left turn it stands upright.
  Popup({640, 200}, "menuKaitenL90");
  Popup({680, 250}, "menuKaitenR90");
  EXPECT_EQ(track.value(), 40);
  for (int i : {0, 1}) {
    EXPECT_NEAR(Part(i).X, before[i].X, 1e-9);
    EXPECT_NEAR(Part(i).Y, before[i].Y, 1e-9);
    EXPECT_NEAR(Part(i).Angle, before[i].Angle, 1e-9);
  }
  EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(CanvasEditingTest, PropertyWindowOfADiskOnItsAxleInJapanese) {
  Start(Language::Japanese);
  PaletteDrag("imgDiskpassive1", {{300, 400}});
  std::vector<QString> shown;
  QTimer::singleShot(0, [&] {
    TformPropaty& window = program->Propaty();
    EXPECT_TRUE(window.isVisible());
    for (const char* name : {"txtPartsName", "txtPartsPosition", "txtPartsAngle", "txtPinCount", "txtPatrsCount"}) {
      shown.push_back(Control<QLineEdit>(window, name).text());
    }
    shown.push_back(Control<QPlainTextEdit>(window, "txtMoveArea").toPlainText());
    shown.push_back(Control<QLabel>(window, "lblNumber").text());
    Control<QAbstractButton>(window, "btnClose").click();
  });
  Popup({302, 398}, "menuPropaty");
  EXPECT_EQ(shown, (std::vector<QString>{"円盤（小） 上の固定ピン", "（300，400）", "0 度", "可動ピン=0個 ／ 固定ピン=1個",
                                         "0 個", "固定ピンを中心とした円の範囲",
                                         "Parts No.=0 / Pin No.=0 / Pin Index=0"}));
  EXPECT_FALSE(program->Propaty().isVisible());
}

// The colour under the pointer tells the head from the cylinder: the head
// strokes the piston, the cylinder moves it.
TEST_F(CanvasEditingTest, PistonHeadDragStrokesAndCylinderDragMoves) {
  Start();
  PaletteDrag("imgPistonPassive", {{200, 700}});
  ASSERT_EQ(Canvas().Picture().pixel(300, 680), qRgb(204, 204, 204));
  CanvasDrag({{300, 680}, {315, 681}, {330, 683}});
  EXPECT_EQ(std::tuple(Part(0).X, Part(0).Y, Part(0).Size), std::tuple(200.0, 700.0, 120.0));
  CanvasDrag({{195, 700}, {225, 700}});
  EXPECT_EQ(std::tuple(Part(0).X, Part(0).Y, Part(0).Size), std::tuple(230.0, 700.0, 120.0));
}

// Shift on a power disk that carries only its axle turns it by the drive; the
// track bar follows without announcing a change, so no second step is run.
TEST_F(CanvasEditingTest, ShiftTurnOfThePowerDiskMovesTheTrackBarQuietly) {
  Start();
  PaletteDrag("imgDiskActive1", {{300, 400}});
  int announced = 0;
  QObject::connect(&Main(), &TformMain::TrackBar1Change, [&] { ++announced; });
  std::vector<QPoint> path;
  for (int degrees = 0; degrees <= 90; degrees += 5) {
    path.emplace_back(300 + std::lround(60 * std::cos(degrees * kDegToRad)),
                      400 + std::lround(60 * std::sin(degrees * kDegToRad)));
  }
  Send(Canvas(), QEvent::MouseButtonPress, Global(path.front()), Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  for (const QPoint point : path) {
    Send(Canvas(), QEvent::MouseMove, Global(point), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
  }
  EXPECT_EQ(Control<QSlider>(Main(), "TrackBar1").value(), 900);
  EXPECT_EQ(Part(0).Angle, 90);
  EXPECT_EQ(announced, 0);
  // A loose part is let go only by the left button.
  Send(Canvas(), QEvent::MouseButtonRelease, Global(path.back()), Qt::RightButton, Qt::LeftButton);
  EXPECT_EQ(Doc().Dragging(), DragMode::Loose);
  Send(Canvas(), QEvent::MouseButtonRelease, Global(path.back()), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Doc().Dragging(), DragMode::Idle);
  EXPECT_TRUE(Control<QWidget>(Main(), "btnUndo").isEnabled());
}

}  // namespace
}  // namespace morvane::app
