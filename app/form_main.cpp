#include "app/form_main.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

#include "app/app_texts.h"
#include "app/canvas_widget.h"
#include "app/palette_picture.h"
#include "app/ui_fonts.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

constexpr int kMinimumSide = 540;

}  // namespace

TformMain::TformMain(Language language, std::string modelArgument)
    : language_(language), modelArgument_(std::move(modelArgument)) {
  setObjectName(QStringLiteral("TformMain"));
  setWindowFlag(Qt::FramelessWindowHint);
  setMinimumSize(kMinimumSide, kMinimumSide);
  setFont(WindowFont(language));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(BuildLeftPanel());
  layout->addWidget(BuildCanvasSide(), 1);
  BuildPopupMenu();
  BuildKeys();

  ApplyTexts(*this, language);
  UpdateDebugHint(false);
  canvas_->Picture() = pictures_.imgClearDot;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    setGeometry(QRect(QPoint(0, 0), screen->size()));
  }
}

void TformMain::ReleaseDebugButton() { btnDebug_->setChecked(false); }

void TformMain::closeEvent(QCloseEvent* event) {
  // Releasing the play buttons ends automatic rotation before the program does.
  btnPlay_->setChecked(false);
  btnBack_->setChecked(false);
  event->accept();
  // exit, not quit: quit would close every window again and ask a second time.
  QCoreApplication::exit(0);
}

void TformMain::ConnectPicture(PalettePicture& picture) {
  connect(&picture, &PalettePicture::Pressed, this, [this](int32_t kind, Qt::MouseButton button, QPoint screen) {
    emit PartsMouseDown(kind, button, CanvasPointOf(screen));
  });
  connect(&picture, &PalettePicture::Moved, this, [this](int32_t kind, Qt::MouseButtons buttons, QPoint screen) {
    const QPoint point = CanvasPointOf(screen);
    if (point.x() >= 0) {
      ShowPointer(point);
    }
    emit PartsMouseMove(kind, buttons, point);
  });
  connect(&picture, &PalettePicture::Released, this, [this](int32_t kind, Qt::MouseButton button, QPoint screen) {
    emit PartsMouseUp(kind, button, CanvasPointOf(screen));
  });
}

QPoint TformMain::CanvasPointOf(QPoint screenPoint) const { return screenPoint - canvas_->mapToGlobal(QPoint(0, 0)); }

void TformMain::ShowPointer(QPoint canvasPoint) {
  pointer_ = canvasPoint;
  lblPositionX_->setText(QStringLiteral("X=%1").arg(canvasPoint.x()));
  lblPositionY_->setText(QStringLiteral("Y=%1").arg(canvasPoint.y()));
}

void TformMain::UpdateDebugHint(bool down) {
  const UiTexts& texts = TextsFor(language_);
  btnDebug_->setToolTip(ToQString(down ? texts.DebugCloseHint : texts.DebugShowHint));
}

}  // namespace morvane::app
