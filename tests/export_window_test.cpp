// The area dialog and the progress window, driven like a user does with
// simulated mouse events; controls are found by their designed names.

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "export/export_progress_window.h"
#include "export/export_texts.h"
#include "export/tform_area.h"

namespace morvane::exporting {
namespace {

template <typename Control = QWidget>
Control* Find(const QWidget& form, const char* name) {
  auto* control = form.findChild<Control*>(name);
  EXPECT_NE(control, nullptr) << name;
  return control;
}

QString Text(const QWidget& form, const char* name) { return Find(form, name)->property("text").toString(); }

class AreaDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    mainWindow.setGeometry(0, 0, 1000, 800);
    canvas.fill(Qt::white);
    dialog.Prepare(canvas, true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }

  void Click(const char* name, QPoint at = {}) { QTest::mouseClick(Find(dialog, name), Qt::LeftButton, {}, at); }

  // Press, move and release, ending `by` screen pixels from the press however
  // the widget moves meanwhile.
  void Drag(QWidget* widget, QPoint from, QPoint by) {
    const QPoint end = widget->mapToGlobal(from) + by;
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, widget->mapFromGlobal(end));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->mapFromGlobal(end));
  }

  ExportArea Confirm() {
    Click("btnOK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    return dialog.Area();
  }

  QWidget mainWindow;
  QImage canvas{1280, 960, QImage::Format_RGB32};
  TformArea dialog{Language::English, &mainWindow};
  QWidget* preview = Find(dialog, "imgArea");
  QWidget* shape = Find(dialog, "shapeArea");
  QWidget* ok = Find(dialog, "btnOK");
  QWidget* series = Find(dialog, "chkRenzoku");
};

TEST_F(AreaDialog, EveryShowingStartsFromTheWholeCanvas) {
  const QSize size = dialog.frameGeometry().size();
  EXPECT_EQ(dialog.pos(), QPoint((1000 - size.width()) / 2, (800 - size.height()) / 2));
  EXPECT_EQ(shape->geometry(), QRect(1, 1, 319, 239));
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_TRUE(series->isVisible());
  Click("chkRenzoku");
  Click("btnClr");
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_FALSE(shape->isVisible());
  dialog.hide();
  dialog.Prepare(canvas, false);
  dialog.show();
  EXPECT_FALSE(series->isVisible());
  EXPECT_FALSE(dialog.SeriesWanted());
  EXPECT_TRUE(shape->isVisible());
  EXPECT_EQ(Confirm(), (ExportArea{0, 0, 1280, 960}));
}

TEST_F(AreaDialog, DrawingMovingAndResizingTheRectangle) {
  Click("btnClr");
  Click("imgArea", {100, 100});
  EXPECT_TRUE(shape->isVisible());
  EXPECT_EQ(shape->size(), QSize(0, 0));
  EXPECT_FALSE(ok->isEnabled()) << "a click is no rectangle";
  Drag(preview, {100, 100}, {2, 0});
  EXPECT_TRUE(ok->isEnabled());
  Drag(preview, {200, 100}, {200, 150});
  EXPECT_EQ(shape->geometry(), QRect(200, 100, 120, 90)) << "stopped at the right edge, still 4:3";
  Drag(preview, {200, 150}, {-80, -60});
  EXPECT_EQ(shape->geometry(), QRect(120, 90, 80, 60)) << "normalised, its top-left where the drag ended";

  for (const auto& [at, cursor] : {std::pair{QPoint(78, 58), Qt::SizeFDiagCursor},
                                   {{78, 2}, Qt::SizeBDiagCursor},
                                   {{2, 30}, Qt::SizeHorCursor},
                                   {{40, 58}, Qt::SizeVerCursor}}) {
    QTest::mouseMove(shape, at);
    EXPECT_EQ(shape->cursor().shape(), cursor) << at.x() << ", " << at.y();
  }
  Drag(shape, {78, 58}, {40, 10});
  EXPECT_EQ(shape->geometry(), QRect(120, 90, 120, 90)) << "the corner keeps 4:3";
  QTest::mouseMove(shape, {60, 45});
  EXPECT_EQ(shape->cursor().shape(), Qt::SizeAllCursor);
  Drag(shape, {60, 45}, {10, 5});
  EXPECT_EQ(shape->geometry(), QRect(130, 95, 120, 90));
  EXPECT_EQ(Confirm(), (ExportArea{516, 376, 484, 364}));
}

TEST(ExportWindows, TextsInBothLanguages) {
  const TformArea inJapanese(Language::Japanese), inEnglish(Language::English);
  EXPECT_EQ(inJapanese.windowTitle(), "範囲の指定");
  EXPECT_EQ(inEnglish.windowTitle(), "Designating an area");
  for (const auto& [name, japanese, english] :
       {std::tuple{"Label1", "処理する範囲を指定してください。", "Please specify the range to process."},
        {"btnAll", "すべて", "All"}, {"btnClr", "クリア", "Clear"}, {"chkRenzoku", "連続イメージ", "Continuation image"},
        {"btnOK", "Oｋ", "Ok"}, {"btnCancel", "キャンセル", "Cancel"}}) {
    EXPECT_EQ(std::pair(Text(inJapanese, name), Text(inEnglish, name)), std::pair(QString(japanese), QString(english)));
  }
  const ExportProgressWindow progressJapanese(Language::Japanese), progressEnglish(Language::English);
  EXPECT_EQ(progressJapanese.windowTitle(), "リンク機構アニメーションの保存");
  EXPECT_EQ(Text(progressJapanese, "lblAVI"), "ＡＶＩファイル出力中...");
  EXPECT_EQ(progressEnglish.windowTitle(), "Preservation of linkage mechanism animation");
  EXPECT_EQ(Text(progressEnglish, "lblAVI"), "Under an AVI file output...");
}

struct PaintCounter : QObject {
  int Paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    Paints += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }
};

TEST(ExportWindows, ProgressRepaintsEachPercentageAtOnce) {
  ExportProgressWindow window(Language::English);
  EXPECT_EQ(window.size(), QSize(402, 74));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
  window.ShowAtTopLeft();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.pos(), window.screen()->geometry().topLeft());
  auto* bar = Find<QProgressBar>(window, "ProgressAVI");
  PaintCounter barPaints, labelPaints;
  bar->installEventFilter(&barPaints);
  Find(window, "lblAVI")->installEventFilter(&labelPaints);
  window.SetProgress(export_texts::MpegProgress, 42);
  EXPECT_EQ(Text(window, "lblAVI"), "Under an MPEG movie file output...  [  42 percent done ]");
  EXPECT_EQ(bar->value(), 42);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_GT(barPaints.Paints, 0) << "painted before the event loop ran again";
  EXPECT_GT(labelPaints.Paints, 0);
}

}  // namespace
}  // namespace morvane::exporting
