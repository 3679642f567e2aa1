#include "app/document_commands.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QSlider>
#include <filesystem>
#include <optional>

#include "app/app_texts.h"
#include "app/document_view.h"
#include "app/form_main.h"
#include "app/user_dialogs.h"
#include "model/model_texts.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

constexpr char kModelExtensionWithoutDot[] = "mvd";
constexpr double kGridStep = 10;

bool FileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

}  // namespace

DocumentCommands::DocumentCommands(DocumentView& view) : view_(view) {
  TformMain& main = view.Main();
  Session& session = view.Document();
  const auto updating = [this](auto command) {
    return [this, command] {
      command();
      view_.Update();
    };
  };
  connect(&main, &TformMain::btnOpenClick, this, &DocumentCommands::Open);
  connect(&main, &TformMain::btnSaveClick, this, [this] { Save(); });
  connect(&main, &TformMain::btnClearClick, this, &DocumentCommands::ClearAll);
  connect(&main, &TformMain::btnUndoClick, this, updating([&session] { session.Undo(); }));
  connect(&main, &TformMain::btnRedoClick, this, updating([&session] { session.Redo(); }));
  connect(&main, &TformMain::btnModoruClick, this, updating([&session] { session.ReturnToPlacement(); }));
  connect(&main, &TformMain::btnPenDrawClearClick, this, updating([&session] { session.EraseLoci(); }));
  connect(&main, &TformMain::btnUpClick, this, [this] { MoveAll(0, -1); });
  connect(&main, &TformMain::btnDownClick, this, [this] { MoveAll(0, 1); });
  connect(&main, &TformMain::btnLeftClick, this, [this] { MoveAll(-1, 0); });
  connect(&main, &TformMain::btnRightClick, this, [this] { MoveAll(1, 0); });
  main.installEventFilter(this);
}

bool DocumentCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close && watched == &view_.Main() && !MayClose()) {
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::Show && watched == &view_.Main() && !shownOnce_) {
    shownOnce_ = true;
    // After the showing has run its course: a message about a bad file is a
    // window of its own, shown over the main window.
    QMetaObject::invokeMethod(this, &DocumentCommands::OpenStartModel, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

void DocumentCommands::OpenStartModel() {
  if (!view_.Main().ModelArgument().empty()) {
    OpenFile(view_.Main().ModelArgument());
  }
}

bool DocumentCommands::ChangesSettled() {
  Session& session = view_.Document();
  if (!session.Modified()) {
    return true;
  }
  const QString question = ToQString(TextsFor(session.UiLanguage()).SaveChangesQuestion);
  switch (view_.Dialogs().AskToSave(&view_.Main(), question)) {
    case SaveChoice::Save: return Save();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
  }
  return false;
}

// Both btnExit and the window manager's close come here.
bool DocumentCommands::MayClose() {
  if (view_.Document().Modified()) {
    return ChangesSettled();
  }
  return view_.Dialogs().Confirm(&view_.Main(), TextOf(model_texts::ConfirmExit, view_.Document().UiLanguage()));
}

void DocumentCommands::Open() {
  if (!ChangesSettled()) {
    return;
  }
  Session& session = view_.Document();
  const Language language = session.UiLanguage();
  const FileRequest request{
      ToQString(TextsFor(language).ModelOpenTitle),
      QString::fromStdString(session.StartFolder(DocumentsFolder())),
      QString(),
      ToQString(TextsFor(language).ModelFilter),
      QString::fromLatin1(kModelExtensionWithoutDot),
  };
  if (const std::optional<FileChoice> choice = view_.Dialogs().ChooseOpenFile(&view_.Main(), request)) {
    OpenFile(choice->Path.toStdString());
  }
}

bool DocumentCommands::OpenFile(const std::string& path) {
  if (const Reply failure = view_.Document().Open(path)) {
    view_.Show(failure);
    return false;
  }
  view_.Update();
  if (view_.Document().RotationEnabled()) {
    view_.TrackBar().setFocus();
  }
  return true;
}

void DocumentCommands::OpenExample(const std::string& path) {
  if (!ChangesSettled() || !OpenFile(path)) {
    return;
  }
  const std::string name = std::filesystem::path(path).filename().string();
  view_.Document().RememberFile((std::filesystem::path(DocumentsFolder()) / name).string());
}

bool DocumentCommands::Save() {
  Session& session = view_.Document();
  // The loci go before the question, whatever the answer.
  session.EraseLoci();
  view_.Redraw();
  const Language language = session.UiLanguage();
  const FileRequest request{
      ToQString(TextsFor(language).ModelSaveTitle),
      QString::fromStdString(session.StartFolder(DocumentsFolder())),
      QString::fromStdString(session.ProposeModelName(FileExists)),
      ToQString(TextsFor(language).ModelFilter),
      QString(),
  };
  const std::optional<FileChoice> choice = view_.Dialogs().ChooseSaveFile(&view_.Main(), request);
  if (!choice) {
    return false;
  }
  const Reply failure = session.Save(choice->Path.toStdString());
  view_.Show(failure);
  return !failure;
}

void DocumentCommands::ClearAll() {
  Session& session = view_.Document();
  // A changed model's question stands for the usual one: Discard erases.
  const bool erase = session.Modified() ? ChangesSettled()
                                        : view_.Dialogs().Confirm(&view_.Main(), TextOf(model_texts::ConfirmClearAll,
                                                                                        session.UiLanguage()));
  if (!erase) {
    return;
  }
  session.ClearAll();
  view_.Update();
}

void DocumentCommands::MoveAll(int right, int down) {
  view_.Document().MoveAll(right * kGridStep, down * kGridStep);
  view_.Update();
}

}  // namespace morvane::app
