// The real windows, found by their designed names: what start-up creates, the
// texts of both languages, the palette pictures and the question before the
// program ends.

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

#include "app/analysis_window.h"
#include "app/app_texts.h"
#include "app/canvas_widget.h"
#include "app/examples_gallery.h"
#include "app/form_propaty.h"
#include "app/solver_log_window.h"
#include "tests/app_commands_support.h"
#include "tests/test_support.h"
#include "view/qt_text.h"

namespace morvane::testing {
namespace {

using app::MessageKind;
using app::ShownMessage;

TEST(AppWindowsTest, StartUpCreatesTheWindowsInTheirFirstState) {
  RunningProgram run(Language::English, "/home/k/four-bar.mvd");
  app::TformMain& main = run.Main();
  app::Program& program = run.program;
  EXPECT_EQ(QStringList({main.objectName(), program.Propaty().objectName(), program.LogWindow().objectName()}),
            QStringList({"TformMain", "TformPropaty", "TformDebug"}));
  EXPECT_EQ(main.ModelArgument(), "/home/k/four-bar.mvd");
  EXPECT_TRUE(main.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(program.LogWindow().windowFlags() & (Qt::WindowStaysOnTopHint | Qt::Tool), Qt::WindowStaysOnTopHint | Qt::Tool);
  EXPECT_EQ(std::tuple(main.geometry(), main.minimumSize(), program.Propaty().size()),
            std::tuple(QRect(QPoint(0, 0), QGuiApplication::primaryScreen()->size()), QSize(540, 540), QSize(463, 255)));

  for (const char* name : {"btnUndo", "btnRedo", "btnPlay", "btnBack", "cmbSpeed", "TrackBar1"}) {
    EXPECT_FALSE(run.Enabled(name)) << name;
  }
  EXPECT_TRUE(run.Enabled("btnModoru"));
  EXPECT_TRUE(run.Button("btnPlay").isCheckable() && run.Button("btnDebug").isCheckable());
  const auto& speed = Control<QComboBox>(main, "cmbSpeed");
  const QSlider& track = run.TrackBar();
  EXPECT_EQ(std::tuple(speed.count(), speed.currentText(), track.minimum(), track.maximum(), track.tickInterval(),
                       track.pageStep()),
            std::tuple(5, QString("Middle"), 0, 7200, 40, 0));
  const auto position = [&] {
    return Control<QLabel>(main, "lblPositionX").text() + Control<QLabel>(main, "lblPositionY").text();
  };
  EXPECT_EQ(position(), "X=0Y=0");
  QMouseEvent move(QEvent::MouseMove, QPointF(123, 45), QPointF(123, 45), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&main.Canvas(), &move);
  EXPECT_EQ(position(), "X=123Y=45");
  auto& palette = Control<QTabWidget>(main, "PageControl1");
  EXPECT_FALSE(palette.isTabVisible(palette.indexOf(&Control<QWidget>(main, "TabEtc"))));
  EXPECT_TRUE(palette.isTabVisible(palette.indexOf(&Control<QWidget>(main, "TabEtc2"))));

  // The empty canvas is dotted: grey every 10 pixels, white between.
  EXPECT_EQ(main.Canvas().size(), QSize(1280, 960));
  const QImage shown = main.Canvas().grab().toImage();
  const QRgb grey = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
  EXPECT_EQ(std::tuple(shown.pixel(0, 0), shown.pixel(1270, 950), shown.pixel(15, 20)), std::tuple(grey, grey, white));
  // Drawing the palette left the back buffer empty for the first redraw.
  EXPECT_EQ(main.Pictures().imgTemp, main.Pictures().imgClearDot);
}

QWidget& WindowNamed(app::Program& program, std::string_view name) {
  if (name == "TformPropaty") return program.Propaty();
  if (name == "TformDebug") return program.LogWindow();
  if (name == "TformExamples") return program.Gallery();
  if (name == "TformAnalysis") return program.Analysis();
  return program.Main();
}

// A caption or a hint (or both) as the windows show them.
struct ExpectedText {
  const char* Window;
  const char* Control;
  const char* Caption;
  const char* Hint;
};

constexpr ExpectedText kJapanese[] = {
    {"TformMain", "TabDisk", "円盤", nullptr},
    {"TformMain", "imgDiskActive3", nullptr, "動力円盤（大）を配置します"},
    {"TformMain", "btnPenDrawClear", "　軌跡の消去", "軌跡を消去します"},
    {"TformMain", "btnMakeMovie", "　ムービーの作成", "リンク動作のムービー（アニメーション）を作成します"},
    {"TformMain", "TrackBar1", nullptr, "動力部品を回転します（PageUp・PageDown で10度ずつ）"},
    {"TformMain", "btnRedo", "進む", "１つ先に進みます（Ctrl+Y、Ctrl+Shift+Z）"},
    {"TformMain", "menuKaitenL05", "左に +0.5度", nullptr},
    {"TformPropaty", "TformPropaty", "プロパティ", nullptr},
    {"TformDebug", "TformDebug", "処理経過の表示", nullptr},
    {"TformDebug", "btnClear", "クリア", nullptr},
    {"TformMain", "btnExamples", "例題", nullptr},
    {"TformExamples", "TformExamples", "例題", nullptr},
};

constexpr ExpectedText kEnglish[] = {
    {"TformMain", "TformMain", "Morvane", nullptr},
    {"TformMain", "imgRodActive1", nullptr, "Power rod(Short)"},
    {"TformMain", "btnClear", " Erase All", "All parts are eraseed"},
    {"TformMain", "btnPlay", nullptr, "Power parts are rotated rightward automatically (Space: start and stop)"},
    {"TformMain", "btnOpen", " Open a model", "A link model file is opened (Ctrl+O)"},
    {"TformMain", "menuDelete", "Delete", nullptr},
    {"TformMain", "menuKaitenR01", "On the right +0.1 degrees", nullptr},
    {"TformPropaty", "lblRange", "Movable range:", nullptr},
    {"TformDebug", "TformDebug", "The display of processing progress", nullptr},
    {"TformDebug", "btnSave", "Save", nullptr},
    {"TformMain", "btnExamples", "Examples", nullptr},
    {"TformExamples", "TformExamples", "Examples", nullptr},
};

// Every control the language's table names exists under that name and shows
// the table's texts (a hint followed by its keys, if any), whatever kind of
// control it is; the chosen few show them as written here.
void ExpectTexts(app::Program& program, Language language, std::span<const ExpectedText> expected) {
  for (const app::WindowTexts& texts : app::TextsFor(language).Windows) {
    QWidget& window = WindowNamed(program, texts.Window);
    EXPECT_EQ(window.windowTitle(), ToQString(texts.Caption));
    for (const app::ControlText& text : texts.Controls) {
      QObject* control = window.findChild<QObject*>(ToQString(text.Name));
      ASSERT_NE(control, nullptr) << texts.Window << " " << text.Name;
      EXPECT_TRUE(text.Caption.empty() || CaptionOf(*control) == ToQString(text.Caption)) << text.Name;
      EXPECT_TRUE(text.Hint.empty() || HintOf(*control).startsWith(ToQString(text.Hint))) << text.Name;
    }
  }
  for (const ExpectedText& text : expected) {
    QWidget& window = WindowNamed(program, text.Window);
    QObject& control = text.Control == window.objectName() ? window : Control(window, text.Control);
    EXPECT_TRUE(!text.Caption || CaptionOf(control) == QString::fromUtf8(text.Caption)) << text.Control;
    EXPECT_TRUE(!text.Hint || HintOf(control) == QString::fromUtf8(text.Hint)) << text.Control;
  }
}

TEST(AppWindowsTest, TextsAndFontsOfBothLanguages) {
  {
    RunningProgram run(Language::Japanese);
    ExpectTexts(run.program, Language::Japanese, kJapanese);
    auto& speed = Control<QComboBox>(run.Main(), "cmbSpeed");
    EXPECT_EQ(std::tuple(speed.itemText(0), speed.itemText(4), speed.currentText()),
              std::tuple(QString("最速"), QString("最遅"), QString("普通")));
    // The fonts are named explicitly and installed, so no glyph falls back.
    EXPECT_EQ(QFontInfo(run.Main().font()).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(run.program.LogWindow().font()).family(), "IPAPGothic");
  }
  RunningProgram run;
  ExpectTexts(run.program, Language::English, kEnglish);
  EXPECT_EQ(Control<QComboBox>(run.Main(), "cmbSpeed").itemText(0), "Highest");
  EXPECT_EQ(QFontInfo(run.Main().font()).family(), "DejaVu Serif");
  EXPECT_EQ(std::pair(run.Main().font().pointSize(), Control<QWidget>(run.Main(), "PageControl2").font().pointSize()),
            std::pair(9, 8));
  EXPECT_EQ(app::NameFilters("リンク機構データ (*.mvd)|*.mvd|Pictures|*.jpg;*.bmp"),
            QStringList({"リンク機構データ (*.mvd) (*.mvd)", "Pictures (*.jpg *.bmp)"}));
}

bool PictureHas(const QWidget& window, const char* name, QRgb colour) {
  const QImage picture = Control<QLabel>(window, name).pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  const auto* pixels = reinterpret_cast<const QRgb*>(picture.constBits());
  return std::count(pixels, pixels + picture.width() * picture.height(), colour) > 0;
}

TEST(AppWindowsTest, PalettePicturesCarryTheirKindAndShowThePart) {
  RunningProgram run;
  const app::TformMain& main = run.Main();
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

  const QRgb powerMark = qRgb(255, 143, 128), red = qRgb(255, 0, 0);
  const std::tuple<const char*, QRgb, bool> colours[] = {
      {"imgDiskActive1", powerMark, true},  {"imgDiskpassive1", powerMark, false},
      {"imgDiskpassive1", qRgb(128, 128, 255), true}, {"imgPistonActive", powerMark, true},
      {"imgRed", red, true}, {"imgGreen", qRgb(0, 128, 0), true}, {"imgGreen", red, false}};
  for (const auto& [name, colour, shown] : colours) {
    EXPECT_EQ(PictureHas(main, name, colour), shown) << name << " " << std::hex << colour;
  }
  // One scale per page: the long rod is drawn longer than the short one.
  EXPECT_GT(Control<QLabel>(main, "imgRodPassive4").pixmap().width(),
            Control<QLabel>(main, "imgRodPassive1").pixmap().width() * 2);
}

// The left panel's own controls (the pages and the command buttons) where
// they stand in the panel.
std::vector<std::pair<QWidget*, QRect>> PanelControls(QWidget& panel) {
  std::vector<std::pair<QWidget*, QRect>> controls;
  for (QWidget* control : panel.findChildren<QWidget*>()) {
    if (qobject_cast<QTabWidget*>(control) || qobject_cast<QPushButton*>(control)) {
      controls.emplace_back(control, QRect(control->mapTo(&panel, QPoint(0, 0)), control->size()));
    }
  }
  return controls;
}

// On a 1024 x 600 screen the left panel scrolls beside the canvas: every page
// and button keeps its height, none covers another and each can be scrolled
// into sight; on a 1366 x 768 screen all of it is seen at once.
TEST(AppWindowsTest, LeftPanelScrollsOnLowScreens) {
  for (const Language language : {Language::Japanese, Language::English}) {
    RunningProgram run(language);
    app::TformMain& main = run.Main();
    main.show();
    auto& scroll = Control<QScrollArea>(main, "ScrollLeft");
    for (const QSize screen : {QSize(1024, 600), QSize(1366, 768)}) {
      main.resize(screen);
      QApplication::processEvents();
      const auto controls = PanelControls(Control<QWidget>(main, "pnlLeft"));
      ASSERT_EQ(controls.size(), 17U);
      for (auto a = controls.begin(); a != controls.end(); ++a) {
        EXPECT_EQ(a->second.height(), a->first->minimumHeight()) << a->first->objectName().toStdString();
        for (auto b = std::next(a); b != controls.end(); ++b) {
          EXPECT_FALSE(a->second.intersects(b->second))
              << a->first->objectName().toStdString() << " " << b->first->objectName().toStdString();
        }
        scroll.ensureWidgetVisible(a->first, 0, 0);
        const QRect seen(a->first->mapTo(scroll.viewport(), QPoint(0, 0)), a->first->size());
        EXPECT_TRUE(scroll.viewport()->rect().contains(seen)) << a->first->objectName().toStdString();
      }
      EXPECT_EQ(scroll.verticalScrollBar()->maximum() > 0, screen.height() == 600);
      EXPECT_EQ(Control<QWidget>(main, "ScrollBox1").mapTo(&main, QPoint(0, 0)).x(), scroll.width());
    }
  }
}

TEST(AppWindowsTest, ExitAsksAndNoKeepsRunning) {
  RealProgram run(Language::Japanese);
  app::TformMain& main = run.Main();
  main.show();
  ASSERT_EQ(run.Doc().Open(kExamples + "crank-rocker.mvd"), std::nullopt);
  run.program.View().Update();
  QStringList asked;
  run.answers.Then(Press(QMessageBox::No, &asked)).Then(Press(QMessageBox::No, &asked));
  run.Press("btnExit");
  run.Press("btnPlay");
  EXPECT_FALSE(main.close());  // the window manager's close asks too, also while the mechanism turns
  EXPECT_EQ(asked, QStringList({"終了しますか？", "はい(&Y)", "いいえ(&N)", "終了しますか？", "はい(&Y)", "いいえ(&N)"}));
  EXPECT_TRUE(main.isVisible() && run.Button("btnPlay").isChecked());

  // Yes releases the play button and ends the message loop; should it not,
  // the loop is ended with a failing status. btnExit is locked while the
  // mechanism turns.
  run.answers.Then(Press(QMessageBox::Yes));
  QTimer::singleShot(0, &main, [&main] { main.close(); });
  QTimer::singleShot(20000, &main, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(run.Button("btnPlay").isChecked());
}

}  // namespace
}  // namespace morvane::testing
