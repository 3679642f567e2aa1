// Two thousand random events on the real main window from a fixed seed:
// palette drags, canvas presses, drags and releases, popup commands, play and
// back, the track bar, the keys, undo and redo and whole-model moves, with
// every message box answered by a button picked at random. After each event
// the window must answer, its controls must match the document and the
// rotation, and the model must pass the file reader's checks; every hundred
// events undo walks back as far as the history reaches and redo forward
// again through the states recorded on the way.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>
#include <random>
#include <vector>

#include "model/catalogue.h"
#include "model/model_consistency.h"
#include "model/part_frame.h"
#include "model/part_kind.h"
#include "session/popup_edits.h"
#include "tests/app_commands_support.h"
#include "tests/recorded_model.h"
#include "tests/test_support.h"
#include "tests/window_mouse.h"

namespace morvane::testing {
namespace {

constexpr int kEvents = 2000;
constexpr int kCheckEvery = 100;
constexpr qint64 kAnswerWithinMs = 2000;

// Opened from the open dialog, so that there are mechanisms joined by pins.
const char* const kModels[] = {"crank-rocker.mvd", "four-pens.mvd",    "klann-leg.mvd",
                               "quick-return.mvd", "slider-crank.mvd", "pantograph.mvd"};

const char* const kLockedDuringRotation[] = {"pnlLeft",      "btnOpen",  "btnUndo",  "btnExit",
                                             "PageControl1", "cmbSpeed", "TrackBar1"};

// Qt's own dialogs, answered by nobody but the random user.
struct QtDialogsAlone {
  QtDialogsAlone() : translations(Language::English), dialogs(Language::English) {}
  app::QtTranslations translations;
  app::QtDialogs dialogs;
};

struct RandomProgram : QtDialogsAlone, ProgramDriver {
  RandomProgram() : ProgramDriver(Language::English, dialogs, "") {}
};

bool Rotating(RandomProgram& run) { return run.Button("btnPlay").isChecked() || run.Button("btnBack").isChecked(); }

class RandomUser {
 public:
  explicit RandomUser(RandomProgram& run) : run_(run) {
    for (const char* pages : {"PageControl1", "PageControl2"}) {
      auto& tabs = Control<QTabWidget>(run.Main(), pages);
      for (int page = 0; page < tabs.count(); ++page) {
        if (!tabs.isTabVisible(page)) continue;
        for (QLabel* picture : tabs.widget(page)->findChildren<QLabel*>()) {
          if (picture->property("Tag").isValid()) pictures_.push_back(picture);
        }
      }
    }
    // Whatever the events open is answered at random, from inside its own loop.
    answer_.setInterval(1);
    QObject::connect(&answer_, &QTimer::timeout, [this] { AnswerModal(); });
    answer_.start();
  }

  void Act() {
    switch (Pick(0, 15)) {
      case 0:
      case 1:
      case 2:
        PaletteDrag();
        break;
      case 3:
      case 4:
      case 5:
        CanvasDrag();
        break;
      case 6:
      case 7:
        Popup();
        break;
      case 8:
        PlayOrBack();
        break;
      case 9:
        MoveTrackBar();
        break;
      case 10:
        Click(Pick(0, 1) ? "btnUndo" : "btnRedo");
        break;
      case 11:
        Click(Pick(0, 3) == 0 ? "btnUp" : Pick(0, 1) ? "btnLeft" : Pick(0, 1) ? "btnRight" : "btnDown");
        break;
      case 12:
        Key();
        break;
      case 13:
        Click(Pick(0, 11) == 0  ? "btnClear"
              : Pick(0, 2) == 0 ? "btnOpen"
              : Pick(0, 1)      ? "btnModoru"
                                : "btnPenDrawClear");
        break;
      default:
        QTest::qWait(Pick(0, 3) * kAutoStepInterval.count());
        break;
    }
  }

  int Pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

 private:
  // Mostly where a part stands, so that presses find something.
  QPoint SomePoint() {
    const ModelState& model = run_.Model();
    if (model.PartCount > 0 && Pick(0, 3) != 0) {
      const PartRecord& part = model.PartTable[Pick(0, model.PartCount - 1)];
      return QPoint(static_cast<int>(part.X) + Pick(-30, 30), static_cast<int>(part.Y) + Pick(-30, 30));
    }
    return QPoint(Pick(0, 640), Pick(0, 560));
  }

  // A hole of some part, where a pin or a pen can go.
  QPoint SomeHole() {
    const ModelState& model = run_.Model();
    const PartRecord& part = model.PartTable[Pick(0, model.PartCount - 1)];
    const HoleList holes = HolesOf(part);
    const Hole& hole = holes.Holes[Pick(0, holes.Count - 1)];
    const Point at = WorldPoint(part, hole.X, hole.Y);
    return QPoint(static_cast<int>(std::lround(at.X)), static_cast<int>(std::lround(at.Y)));
  }

  void PaletteDrag() {
    QLabel& picture = *pictures_[static_cast<size_t>(Pick(0, static_cast<int>(pictures_.size()) - 1))];
    const int kind = picture.property("Tag").toInt();
    const bool intoHole = (kind == Hatome || kind == KoteiPin || kind >= PenBlack) && run_.Model().PartCount > 0;
    if (intoHole && Pick(0, 3) != 0) {
      Drag(run_, picture, picture.mapToGlobal(picture.rect().center()), {SomeHole()});
      return;
    }
    std::vector<QPoint> path{QPoint(Pick(-60, 640), Pick(0, 560))};
    path.push_back(path.back() + QPoint(Pick(-20, 20), Pick(-20, 20)));
    Drag(run_, picture, picture.mapToGlobal(picture.rect().center()), path);
  }

  void CanvasDrag() {
    std::vector<QPoint> path{SomePoint()};
    for (int i = Pick(0, 3); i > 0; --i) path.push_back(path.back() + QPoint(Pick(-40, 40), Pick(-40, 40)));
    const Qt::KeyboardModifiers shift = Pick(0, 3) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    Drag(run_, run_.Main().Canvas(), Global(run_, path.front()), path, shift);
  }

  void Popup() {
    QWidget& canvas = run_.Main().Canvas();
    const QPoint at = Global(run_, SomePoint());
    Send(canvas, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    Send(canvas, QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    QMenu& menu = run_.Main().PopupMenu();
    if (!menu.isVisible()) return;
    const int item = Pick(0, static_cast<int>(std::size(kMenuTurns)) + 1);
    const std::string name = item == 0   ? "menuDelete"
                             : item == 1 ? "menuPropaty"
                                         : std::string(kMenuTurns[item - 2].Item);
    menu.hide();
    Control<QAction>(run_.Main(), name.c_str()).trigger();
  }

  void Click(const char* name) { run_.Button(name).click(); }

  // A rotation that runs is stopped by its own button.
  void PlayOrBack() {
    if (run_.Button("btnBack").isChecked()) {
      Click("btnBack");
    } else {
      Click(run_.Button("btnPlay").isChecked() || Pick(0, 1) ? "btnPlay" : "btnBack");
    }
  }

  void MoveTrackBar() {
    QSlider& track = run_.TrackBar();
    if (track.isEnabled()) track.setValue(Pick(0, 1) ? Pick(0, kTrackMax) : track.value() + Pick(-50, 50));
  }

  void Key() {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Space, Qt::NoModifier},  {Qt::Key_PageUp, Qt::NoModifier}, {Qt::Key_PageDown, Qt::NoModifier},
        {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_Delete, Qt::NoModifier},
    };
    const auto& [key, modifiers] = keys[Pick(0, std::size(keys) - 1)];
    if (key == Qt::Key_Delete) QTest::mouseMove(&run_.Main().Canvas(), SomePoint());
    QTest::keyClick(&run_.Main(), key, modifiers);
  }

  void AnswerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      const QList<QAbstractButton*> buttons = box->buttons();
      buttons[Pick(0, static_cast<int>(buttons.size()) - 1)]->click();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal);
               files && files->acceptMode() == QFileDialog::AcceptOpen) {
      files->selectFile(QString::fromStdString(kExamples + kModels[Pick(0, std::size(kModels) - 1)]));
      static_cast<QDialog*>(files)->accept();  // QFileDialog hides it
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    }
  }

  RandomProgram& run_;
  std::mt19937 random_{20261209};
  std::vector<QLabel*> pictures_;
  QTimer answer_;
};

// The controls as the document and the rotation allow them.
void ExpectControls(RandomProgram& run, int event) {
  const bool play = run.Button("btnPlay").isChecked(), back = run.Button("btnBack").isChecked();
  ASSERT_FALSE(play && back) << event;
  if (play || back) {
    for (const char* name : kLockedDuringRotation) EXPECT_FALSE(run.Enabled(name)) << name << " event " << event;
    EXPECT_TRUE(run.Enabled(play ? "btnPlay" : "btnBack")) << event;
    EXPECT_FALSE(run.Enabled(play ? "btnBack" : "btnPlay")) << event;
    EXPECT_TRUE(run.Doc().RotationEnabled()) << event;
    return;
  }
  const bool rotatable = run.Doc().RotationEnabled();
  EXPECT_TRUE(run.Enabled("pnlLeft")) << event;
  EXPECT_EQ(run.Enabled("btnUndo"), run.Doc().CanUndo()) << event;
  EXPECT_EQ(run.Enabled("btnRedo"), run.Doc().CanRedo()) << event;
  for (const char* name : {"btnPlay", "btnBack", "cmbSpeed", "TrackBar1"}) {
    EXPECT_EQ(run.Enabled(name), rotatable) << name << " event " << event;
  }
}

// Undo as far as the history reaches, then redo to its end: every slot shows
// the model recorded when it was made.
void ExpectHistoryWalk(RandomProgram& run, const std::map<int32_t, Recorded>& recorded, int event) {
  for (QAbstractButton* button : {&run.Button("btnPlay"), &run.Button("btnBack")}) button->setChecked(false);
  Session& session = run.Doc();
  const auto expectRecorded = [&](const char* way) {
    const auto found = recorded.find(session.History().HistoryCurrent());
    if (found != recorded.end()) {
      EXPECT_EQ(Record(session.Model()), found->second) << way << " to slot " << found->first << " at event " << event;
    }
    EXPECT_TRUE(IsConsistentModel(session.Model())) << way << " at event " << event;
  };
  while (session.CanUndo()) {
    session.Undo();
    expectRecorded("undo");
  }
  while (session.CanRedo()) {
    session.Redo();
    expectRecorded("redo");
  }
  run.program.View().Update();
}

TEST(RandomEventsTest, TwoThousandEventsKeepTheWindowAndTheModelSound) {
  RandomProgram run;
  app::TformMain& main = run.Main();
  main.show();
  QApplication::setActiveWindow(&main);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  RandomUser user(run);
  run.Press("btnOpen");
  ASSERT_GT(run.Model().PartCount, 0);
  std::map<int32_t, Recorded> recorded;
  QElapsedTimer clock;
  for (int event = 1; event <= kEvents; ++event) {
    const EditHistory& history = run.Doc().History();
    const int32_t current = history.HistoryCurrent();
    const bool rotating = Rotating(run);
    clock.start();
    user.Act();
    bool answered = false;
    QTimer::singleShot(0, &main, [&answered] { answered = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, kAnswerWithinMs)) << "no answer after event " << event;
    ASSERT_LT(clock.elapsed(), kAnswerWithinMs) << event;
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << event;
    ASSERT_EQ(run.Doc().Dragging(), DragMode::Idle) << event;

    // A slot made or redone is recorded as the model stands, unless the
    // drive may have turned it since; slots beyond the top were dropped or
    // cleared.
    recorded.erase(recorded.upper_bound(history.HistoryTop()), recorded.end());
    if (history.HistoryCurrent() > current) {
      if (rotating || Rotating(run)) {
        recorded.erase(history.HistoryCurrent());
      } else {
        recorded[history.HistoryCurrent()] = Record(run.Model());
      }
    }
    ExpectControls(run, event);
    ASSERT_TRUE(IsConsistentModel(run.Model())) << event;
    if (event % kCheckEvery == 0) ExpectHistoryWalk(run, recorded, event);
    if (::testing::Test::HasFailure()) FAIL() << "stopped at event " << event;
  }
}

}  // namespace
}  // namespace morvane::testing
