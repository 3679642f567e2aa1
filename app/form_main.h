#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "model/message.h"
#include "view/canvas_pictures.h"

class QAbstractButton;
class QKeySequence;
class QLabel;
class QMenu;
class QTabWidget;

namespace morvane::app {

class CanvasWidget;
class PalettePicture;

// The main window: the palette and command buttons on the left, the canvas
// with the rotation strip on the right. It has no border and fills the
// screen. Every control carries its designed objectName.
//
// The window does not change the model. What the buttons, the palette, the
// canvas and the popup menu ask for is announced by the signals below, named
// after the designed handlers; whoever owns the document connects them. Its
// own work is the look: texts, the pointer position and the progress
// window's button.
class TformMain final : public QWidget {
  Q_OBJECT

 public:
  // `modelArgument` is the model file the program was started with (as a file
  // manager opens a .mvd), empty when there is none; opening it is left to the
  // owner of the document.
  TformMain(Language language, std::string modelArgument);

  Language UiLanguage() const { return language_; }
  const std::string& ModelArgument() const { return modelArgument_; }
  // The hidden pictures behind the canvas (the back buffer, the empty canvas
  // and the part-index picture).
  view::CanvasPictures& Pictures() { return pictures_; }
  CanvasWidget& Canvas() { return *canvas_; }
  QMenu& PopupMenu() { return *popupMenu_; }

 public slots:
  // The progress window was closed by the user: its button comes up.
  void ReleaseDebugButton();

 signals:
  void btnPenDrawClearClick();
  void btnClearClick();
  void btnModoruClick();
  void btnUndoClick();
  void btnRedoClick();
  void btnOpenClick();
  void btnExamplesClick();
  void btnSaveClick();
  void btnImageSaveClick();
  void btnPrintClick();
  void btnMakeMovieClick();
  void btnUpClick();
  void btnDownClick();
  void btnLeftClick();
  void btnRightClick();
  // The play buttons are toggles; automatic rotation runs while one is down.
  void btnPlayClick(bool down);
  void btnBackClick(bool down);
  void cmbSpeedChange(int index);
  void TrackBar1Change(int position);
  // btnDebug went down (true) or up.
  void btnDebugClick(bool down);
  void btnAnalysisClick();

  // The palette: the picture's kind and the pointer in canvas pixels (left of
  // the canvas, x is negative).
  void PartsMouseDown(int32_t kind, Qt::MouseButton button, QPoint canvasPoint);
  void PartsMouseMove(int32_t kind, Qt::MouseButtons buttons, QPoint canvasPoint);
  void PartsMouseUp(int32_t kind, Qt::MouseButton button, QPoint canvasPoint);

  void imgDisplayMouseDown(Qt::MouseButton button, QPoint canvasPoint, Qt::KeyboardModifiers modifiers);
  void imgDisplayMouseMove(Qt::MouseButtons buttons, QPoint canvasPoint, Qt::KeyboardModifiers modifiers);
  void imgDisplayMouseUp(Qt::MouseButton button, QPoint canvasPoint, Qt::KeyboardModifiers modifiers);

  void PopUpDeleteOnClick();
  // The Tag of the rotation item: the turn in tenths of a degree.
  void PopUpKaitenOnClick(int tag);
  void PopUpPropatyOnClick();
  // Delete was pressed with the pointer over the canvas, at this point.
  void imgDisplayDeleteKey(QPoint canvasPoint);

 protected:
  // Both btnExit and the window manager close the window, once the owner of
  // the document let the close event through.
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildLeftPanel();
  QWidget* BuildPanelColumn();
  QWidget* BuildPalette();
  QWidget* BuildPinsAndPens();
  QWidget* BuildMovePage();
  QWidget* BuildCommandButtons();
  QWidget* BuildCanvasSide();
  QWidget* BuildRotationStrip();
  void BuildPopupMenu();
  void BuildKeys();
  void AddKey(const QKeySequence& keys, std::function<void()> command);
  QAbstractButton* CommandButton(const char* name, void (TformMain::*signal)());
  void ConnectPicture(PalettePicture& picture);
  QPoint CanvasPointOf(QPoint screenPoint) const;
  void ShowPointer(QPoint canvasPoint);
  void UpdateDebugHint(bool down);

  Language language_;
  std::string modelArgument_;
  view::CanvasPictures pictures_;
  CanvasWidget* canvas_ = nullptr;
  QMenu* popupMenu_ = nullptr;
  QAbstractButton* btnDebug_ = nullptr;
  QAbstractButton* btnPlay_ = nullptr;
  QAbstractButton* btnBack_ = nullptr;
  QLabel* lblPositionX_ = nullptr;
  QLabel* lblPositionY_ = nullptr;
  // Where the pointer last was on the canvas.
  QPoint pointer_;
};

}  // namespace morvane::app
