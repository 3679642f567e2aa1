// The real windows, found by their designed names: what start-up creates, the
// texts of both languages as the program's text tables give them, the palette
// pictures and the question before the program ends.

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QMouseEvent>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/canvas_widget.h"
#include "app/form_debug.h"
#include "app/form_main.h"
#include "app/form_propaty.h"
#include "app/program.h"
#include "app/scripted_dialogs.h"
#include "app/ui_texts.h"
#include "app/user_dialogs.h"
#include "tests/app_support.h"
#include "tests/test_support.h"

namespace morvane::app {
namespace {

using testing::CaptionOf;
using testing::Control;
using testing::HintOf;

class AppWindowsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
};

TEST_F(AppWindowsTest, StartUpCreatesTheWindowsInTheirFirstState) {
  Program program(Language::English, dialogs, "/home/k/four-bar.mvd");
  TformMain& main = program.Main();
  EXPECT_EQ(main.objectName(), "TformMain");
  EXPECT_EQ(program.Propaty().objectName(), "TformPropaty");
  EXPECT_EQ(program.Debug().objectName(), "TformDebug");
  EXPECT_EQ(main.ModelArgument(), "/home/k/four-bar.mvd");

  EXPECT_TRUE(main.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(main.geometry(), QRect(QPoint(0, 0), QGuiApplication::primaryScreen()->size()));
  EXPECT_EQ(main.minimumSize(), QSize(540, 540));
  EXPECT_TRUE(program.Debug().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(program.Debug().windowFlags() & Qt::Tool, Qt::Tool);
  EXPECT_EQ(program.Propaty().size(), QSize(463, 255));

  for (const char* name : {"btnUndo", "btnRedo", "btnPlay", "btnBack", "cmbSpeed", "TrackBar1"}) {
    EXPECT_FALSE(Control<QWidget>(main, name).isEnabled()) << name;
  }
  EXPECT_TRUE(Control<QWidget>(main, "btnModoru").isEnabled());
  EXPECT_TRUE(Control<QAbstractButton>(main, "btnPlay").isCheckable());
  EXPECT_TRUE(Control<QAbstractButton>(main, "btnDebug").isCheckable());
  auto& speed = Control<QComboBox>(main, "cmbSpeed");
  EXPECT_EQ(speed.count(), 5);
  EXPECT_EQ(speed.currentText(), "Middle");
  auto& track = Control<QSlider>(main, "TrackBar1");
  EXPECT_EQ(std::tuple(track.minimum(), track.maximum(), track.tickInterval(), track.pageStep()),
            std::tuple(0, 7200, 40, 0));
  EXPECT_EQ(Control<QLabel>(main, "lblPositionX").text(), "X=0");
  EXPECT_EQ(Control<QLabel>(main, "lblPositionY").text(), "Y=0");
  QMouseEvent move(QEvent::MouseMove, QPointF(123, 45), QPointF(123, 45), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Control(main, "imgDisplay"), &move);
  EXPECT_EQ(Control<QLabel>(main, "lblPositionX").text(), "X=123");
  EXPECT_EQ(Control<QLabel>(main, "lblPositionY").text(), "Y=45");
  auto& palette = Control<QTabWidget>(main, "PageControl1");
  EXPECT_FALSE(palette.isTabVisible(palette.indexOf(&Control<QWidget>(main, "TabEtc"))));
  EXPECT_TRUE(palette.isTabVisible(palette.indexOf(&Control<QWidget>(main, "TabEtc2"))));

  // The canvas shows the empty dotted canvas: grey every 10 pixels, white between.
  auto& canvas = Control<CanvasWidget>(main, "imgDisplay");
  EXPECT_EQ(canvas.size(), QSize(1280, 960));
  const QImage shown = canvas.grab().toImage();
  EXPECT_EQ(shown.pixel(0, 0), qRgb(128, 128, 128));
  EXPECT_EQ(shown.pixel(1270, 950), qRgb(128, 128, 128));
  EXPECT_EQ(shown.pixel(15, 20), qRgb(255, 255, 255));
  // Drawing the palette left the back buffer empty for the first redraw.
  EXPECT_EQ(main.Pictures().imgTemp, main.Pictures().imgClearDot);
}

struct ExpectedText {
  const char* Window;
  const char* Control;
  const char* Caption;
  const char* Hint;
};

// Strings as the designed windows and their English table show them.
constexpr ExpectedText kJapanese[] = {
    {"TformMain", "TabDisk", "円盤", nullptr},
    {"TformMain", "imgDiskActive3", nullptr, "動力円盤（大）を配置します"},
    {"TformMain", "imgRodPassive3", nullptr, "ロッドを配置します"},
    {"TformMain", "imgTriangle1", nullptr, "三角（小）を配置しま"},
    {"TformMain", "TabPen", "ペン", nullptr},
    {"TformMain", "imgGreen", nullptr, "緑色の軌跡描画ペンを配置します"},
    {"TformMain", "btnRight", nullptr, "配置されている部品等のすべてを右に移動します"},
    {"TformMain", "btnPenDrawClear", "　軌跡の消去", "軌跡を消去します"},
    {"TformMain", "btnUndo", "戻る", "１つ前に戻ります"},
    {"TformMain", "btnMakeMovie", "　ムービーの作成", "リンク動作のムービー（アニメーション）を作成します"},
    {"TformMain", "btnDebug", "　処理経過の表示", "処理経過ウィンドウを表示します"},
    {"TformMain", "btnExit", "　　終　　　了", "終了します"},
    {"TformMain", "btnBack", nullptr, "動力部品を左方向に自動回転します"},
    {"TformMain", "TrackBar1", nullptr, "動力部品を回転します"},
    {"TformMain", "menuKaiten", "回転", nullptr},
    {"TformMain", "menuKaitenL05", "左に +0.5度", nullptr},
    {"TformMain", "menuKaitenR90", "右に +90度", nullptr},
    {"TformMain", "menuPropaty", "プロパティ...", nullptr},
    {"TformPropaty", "TformPropaty", "プロパティ", nullptr},
    {"TformPropaty", "lblParts", "接続されている可動パーツ数：", nullptr},
    {"TformPropaty", "btnClose", "閉じる", nullptr},
    {"TformDebug", "TformDebug", "処理経過の表示", nullptr},
    {"TformDebug", "btnClear", "クリア", nullptr},
};

constexpr ExpectedText kEnglish[] = {
    {"TformMain", "TformMain", "Morvane", nullptr},
    {"TformMain", "TabRod", "Rod", nullptr},
    {"TformMain", "imgDiskpassive2", nullptr, "Disc(Middle)"},
    {"TformMain", "imgRodActive1", nullptr, "Power rod(Short)"},
    {"TformMain", "TabEtc2", "Others", nullptr},
    {"TformMain", "imgKoteiPin", nullptr, "Fixed pin"},
    {"TformMain", "TabMove", "Move", nullptr},
    {"TformMain", "btnDown", nullptr, "All parts are moved downward"},
    {"TformMain", "btnPenDrawClear", "Erase Locus", "A locus is eraseed"},
    {"TformMain", "btnClear", " Erase All", "All parts are eraseed"},
    {"TformMain", "btnRedo", " Redo", "It progresses previously one"},
    {"TformMain", "btnImageSave", " Save an image", "The image file of a linkage mechanism is created"},
    {"TformMain", "btnDebug", " Process display", "A processing progress window is displayed"},
    {"TformMain", "btnPlay", nullptr, "Power parts are rotated rightward automatically"},
    {"TformMain", "cmbSpeed", nullptr, "The speed of automatic rotation is specified"},
    {"TformMain", "menuDelete", "Delete", nullptr},
    {"TformMain", "menuKaitenInit", "Initial state", nullptr},
    {"TformMain", "menuKaitenL90", "On the left +90 degrees", nullptr},
    {"TformMain", "menuKaitenR01", "On the right +0.1 degrees", nullptr},
    {"TformPropaty", "lblKind", "The kind of parts:", nullptr},
    {"TformPropaty", "lblRange", "Movable range:", nullptr},
    {"TformDebug", "TformDebug", "The display of processing progress", nullptr},
    {"TformDebug", "btnSave", "Save", nullptr},
};

QWidget& WindowNamed(Program& program, const QString& name) {
  if (name == "TformPropaty") return program.Propaty();
  if (name == "TformDebug") return program.Debug();
  return program.Main();
}

void ExpectTexts(Program& program, std::span<const ExpectedText> expected) {
  for (const ExpectedText& text : expected) {
    QWidget& window = WindowNamed(program, text.Window);
    QObject& control = text.Control == window.objectName() ? window : Control(window, text.Control);
    EXPECT_EQ(CaptionOf(control), QString::fromUtf8(text.Caption ? text.Caption : "")) << text.Control;
    // A menu item without a hint shows its caption as one.
    if (text.Hint != nullptr || qobject_cast<QAction*>(&control) == nullptr) {
      EXPECT_EQ(HintOf(control), QString::fromUtf8(text.Hint ? text.Hint : "")) << text.Control;
    }
  }
}

TEST_F(AppWindowsTest, TextsAndFontsOfBothLanguages) {
  {
    Program program(Language::Japanese, dialogs, "");
    ExpectTexts(program, kJapanese);
    auto& speed = Control<QComboBox>(program.Main(), "cmbSpeed");
    EXPECT_EQ(std::tuple(speed.itemText(0), speed.itemText(4), speed.currentText()),
              std::tuple(QString("最速"), QString("最遅"), QString("普通")));
    // The fonts are named explicitly and installed, so no glyph falls back.
    EXPECT_EQ(QFontInfo(program.Main().font()).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(program.Debug().font()).family(), "IPAPGothic");
  }
  Program program(Language::English, dialogs, "");
  ExpectTexts(program, kEnglish);
  EXPECT_EQ(Control<QComboBox>(program.Main(), "cmbSpeed").itemText(0), "Highest");
  EXPECT_EQ(QFontInfo(program.Main().font()).family(), "DejaVu Serif");
  EXPECT_EQ(program.Main().font().pointSize(), 9);
  EXPECT_EQ(Control<QWidget>(program.Main(), "PageControl2").font().pointSize(), 8);

  // Every control the tables name for these windows exists under that name.
  for (const char* window : {"TformMain", "TformPropaty", "TformDebug"}) {
    for (const ControlText& text : FindWindowTexts(EnglishTexts(), window)->Controls) {
      EXPECT_NE(WindowNamed(program, window).findChild<QObject*>(QString::fromUtf8(text.Name)), nullptr)
          << window << " " << text.Name;
    }
  }
  EXPECT_EQ(NameFilters("リンク機構データ (*.mvd)|*.mvd|Pictures|*.jpg;*.bmp"),
            QStringList({"リンク機構データ (*.mvd) (*.mvd)", "Pictures (*.jpg *.bmp)"}));
}

bool PictureHas(const QWidget& window, const char* name, QRgb colour) {
  const QImage picture = Control<QLabel>(window, name).pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixel(x, y) == colour) return true;
    }
  }
  return false;
}

TEST_F(AppWindowsTest, PalettePicturesCarryTheirKindAndShowThePart) {
  Program program(Language::English, dialogs, "");
  const TformMain& main = program.Main();
  const std::pair<const char*, int> tags[] = {
      {"imgDiskActive1", 11}, {"imgDiskpassive3", 23}, {"imgRodActive2", 16}, {"imgRodPassive4", 34},
      {"imgTriangle2", 42},   {"imgSankaku3", 43},     {"imgLgata1", 51},     {"imgPistonActive", 91},
      {"imgHatome", 61},      {"imgKoteiPin", 62},     {"imgBlue", 103},      {"menuKaitenL10", 3500},
      {"menuKaitenR5", 50},   {"menuKaitenInit", 0},
  };
  for (const auto& [name, tag] : tags) {
    EXPECT_EQ(Control(main, name).property("Tag"), tag) << name;
  }
  EXPECT_EQ(Control<QMenu>(main, "menuKaiten").actions().size(), 15);

  const QRgb powerMark = qRgb(255, 143, 128);
  const QRgb plainBody = qRgb(128, 128, 255);
  EXPECT_TRUE(PictureHas(main, "imgDiskActive1", powerMark));
  EXPECT_FALSE(PictureHas(main, "imgDiskpassive1", powerMark));
  EXPECT_TRUE(PictureHas(main, "imgDiskpassive1", plainBody));
  EXPECT_TRUE(PictureHas(main, "imgPistonActive", powerMark));
  EXPECT_TRUE(PictureHas(main, "imgRed", qRgb(255, 0, 0)));
  EXPECT_TRUE(PictureHas(main, "imgGreen", qRgb(0, 128, 0)));
  EXPECT_FALSE(PictureHas(main, "imgGreen", qRgb(255, 0, 0)));
  // One scale per page: the long rod is drawn longer than the short one.
  EXPECT_GT(Control<QLabel>(main, "imgRodPassive4").pixmap().width(),
            Control<QLabel>(main, "imgRodPassive1").pixmap().width() * 2);
}

TEST_F(AppWindowsTest, ExitAsksAndNoKeepsRunning) {
  Program program(Language::Japanese, dialogs, testing::kExamples + "crank-rocker.mvd");
  TformMain& main = program.Main();
  main.show();
  QCoreApplication::processEvents();
  auto& play = Control<QAbstractButton>(main, "btnPlay");

  dialogs.ConfirmAnswers = {false, false};
  Control<QAbstractButton>(main, "btnExit").click();
  play.click();
  EXPECT_FALSE(main.close());  // the window manager's close asks too, also while the mechanism turns
  const ShownMessage question{MessageKind::Confirmation, "終了しますか？"};
  EXPECT_EQ(dialogs.Shown, std::vector<ShownMessage>(2, question));
  EXPECT_TRUE(main.isVisible());
  EXPECT_TRUE(play.isChecked());

  // Yes releases the play button and ends the message loop; should it not,
  // the loop is ended with a failing status.
  dialogs.ConfirmAnswers = {true};
  // btnExit is locked while the mechanism turns.
  QTimer::singleShot(0, &main, [&main] { main.close(); });
  QTimer failsafe;
  failsafe.setSingleShot(true);
  QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  failsafe.start(20000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(play.isChecked());
  EXPECT_EQ(dialogs.Shown.size(), 3u);
}

}  // namespace
}  // namespace morvane::app
