#include "export/tform_area.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "export/area_shape.h"
#include "export/export_texts.h"
#include "view/qt_text.h"

namespace morvane::exporting {

namespace {

constexpr int kClientWidth = 339;
constexpr int kClientHeight = 325;
constexpr QRect kPreviewPlace{9, 22, kPreviewWidth, kPreviewHeight};

QPushButton* AddButton(QWidget* form, const char* name, const QString& text, const QRect& place) {
  auto* button = new QPushButton(text, form);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

Qt::CursorShape CursorOf(AreaZone zone) {
  switch (zone) {
    case AreaZone::TopLeft:
    case AreaZone::BottomRight:
      return Qt::SizeFDiagCursor;
    case AreaZone::TopRight:
    case AreaZone::BottomLeft:
      return Qt::SizeBDiagCursor;
    case AreaZone::LeftEdge:
    case AreaZone::RightEdge:
      return Qt::SizeHorCursor;
    case AreaZone::TopEdge:
    case AreaZone::BottomEdge:
      return Qt::SizeVerCursor;
    default:
      return Qt::SizeAllCursor;
  }
}

bool IsMouseEvent(const QEvent* event) {
  const QEvent::Type type = event->type();
  return type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
}

}  // namespace

TformArea::TformArea(Language language, QWidget* parent) : QDialog(parent) {
  setObjectName("formArea");
  Build(language);
}

void TformArea::Build(Language language) {
  setWindowTitle(TextOf(export_texts::AreaCaption, language));
  setFixedSize(kClientWidth, kClientHeight);

  auto* label = new QLabel(TextOf(export_texts::AreaInstruction, language), this);
  label->setObjectName("Label1");
  label->setGeometry(9, 4, kPreviewWidth, 16);

  imgArea_ = new QLabel(this);
  imgArea_->setObjectName("imgArea");
  imgArea_->setGeometry(kPreviewPlace);
  imgArea_->installEventFilter(this);

  shapeArea_ = new AreaShape(imgArea_);
  shapeArea_->setObjectName("shapeArea");
  shapeArea_->installEventFilter(this);

  connect(AddButton(this, "btnAll", TextOf(export_texts::AreaAll, language), {9, 268, 75, 24}), &QPushButton::clicked,
          this, &TformArea::SelectAll);
  connect(AddButton(this, "btnClr", TextOf(export_texts::AreaClear, language), {90, 268, 75, 24}),
          &QPushButton::clicked, this, &TformArea::ClearSelection);

  chkRenzoku_ = new QCheckBox(TextOf(export_texts::AreaSeries, language), this);
  chkRenzoku_->setObjectName("chkRenzoku");
  chkRenzoku_->setGeometry(176, 270, 154, 20);

  btnOK_ = AddButton(this, "btnOK", TextOf(export_texts::AreaOk, language), {173, 296, 75, 24});
  btnOK_->setDefault(true);
  btnOK_->setEnabled(false);
  connect(btnOK_, &QPushButton::clicked, this, &TformArea::Confirm);
  connect(AddButton(this, "btnCancel", TextOf(export_texts::AreaCancel, language), {254, 296, 75, 24}),
          &QPushButton::clicked, this, &TformArea::reject);
}

void TformArea::Prepare(const QImage& canvas, bool offerSeries) {
  // Smooth scaling keeps the one-pixel lines of the canvas visible at a quarter of its size.
  imgArea_->setPixmap(QPixmap::fromImage(
      canvas.scaled(kPreviewWidth, kPreviewHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  chkRenzoku_->setVisible(offerSeries);
}

bool TformArea::SeriesWanted() const { return chkRenzoku_->isChecked(); }

void TformArea::showEvent(QShowEvent* event) {
  CentreOverMainWindow();
  ClearSelection();
  chkRenzoku_->setChecked(false);
  dragMode_ = DragMode::None;
  SelectAll();
  QDialog::showEvent(event);
}

void TformArea::CentreOverMainWindow() {
  const QWidget* mainWindow = parentWidget() ? parentWidget()->window() : nullptr;
  const QRect over = mainWindow ? mainWindow->frameGeometry() : screen()->geometry();
  const QSize size = frameGeometry().size();
  move(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2);
}

void TformArea::SelectAll() {
  rectangle_ = WholePreview();
  ShowRectangle();
  shapeArea_->show();
  btnOK_->setEnabled(true);
}

void TformArea::ClearSelection() {
  shapeArea_->hide();
  btnOK_->setEnabled(false);
}

void TformArea::Confirm() {
  area_ = ToExportArea(rectangle_);
  accept();
}

void TformArea::ShowRectangle() {
  const AreaRect shown = Normalised(rectangle_);
  shapeArea_->setGeometry(shown.Left, shown.Top, shown.Width, shown.Height);
}

bool TformArea::eventFilter(QObject* watched, QEvent* event) {
  if (IsMouseEvent(event) && watched == imgArea_) {
    return PreviewMouse(event);
  }
  if (IsMouseEvent(event) && watched == shapeArea_) {
    return ShapeMouse(event);
  }
  return QDialog::eventFilter(watched, event);
}

bool TformArea::PreviewMouse(QEvent* event) {
  const auto* mouse = static_cast<const QMouseEvent*>(event);
  const QPoint at = mouse->position().toPoint();
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    rectangle_ = StartNewArea(at.x(), at.y());
    dragMode_ = DragMode::Drawing;
    ShowRectangle();
    shapeArea_->show();
  } else if (event->type() == QEvent::MouseMove && dragMode_ == DragMode::Drawing) {
    rectangle_ = DragNewArea(rectangle_, at.x(), at.y());
    ShowRectangle();
  } else if (event->type() == QEvent::MouseButtonRelease) {
    if (dragMode_ == DragMode::Drawing) {
      rectangle_ = Normalised(rectangle_);
      btnOK_->setEnabled(IsConfirmable(rectangle_));
    }
    dragMode_ = DragMode::None;
  }
  return true;
}

// Drags are measured in screen coordinates, because the shape moves under the
// pointer and its own coordinates move with it.
bool TformArea::ShapeMouse(QEvent* event) {
  const auto* mouse = static_cast<const QMouseEvent*>(event);
  const QPoint at = mouse->position().toPoint();
  const QPoint global = mouse->globalPosition().toPoint();
  if (event->type() == QEvent::MouseMove && dragMode_ == DragMode::Reshaping) {
    const QPoint step = global - lastGlobal_;
    rectangle_ = DragZone(zone_, rectangle_, step.x(), step.y());
    lastGlobal_ = global;
    ShowRectangle();
  } else if (event->type() == QEvent::MouseMove && mouse->buttons() == Qt::NoButton) {
    zone_ = ZoneAt(at.x(), at.y(), rectangle_.Width, rectangle_.Height);
    shapeArea_->setCursor(CursorOf(zone_));
  } else if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    // Also chosen here, for a press that no hover preceded (a touch screen).
    zone_ = ZoneAt(at.x(), at.y(), rectangle_.Width, rectangle_.Height);
    lastGlobal_ = global;
    dragMode_ = DragMode::Reshaping;
  } else if (event->type() == QEvent::MouseButtonRelease) {
    dragMode_ = DragMode::None;
  }
  return true;
}

}  // namespace morvane::exporting
