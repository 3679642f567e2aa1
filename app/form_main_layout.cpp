// The controls of the main window and where they stand. Texts come from the
// tables afterwards (ApplyTexts); here every control gets its designed name.

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/canvas_widget.h"
#include "app/form_main.h"
#include "app/palette_layout.h"
#include "app/palette_picture.h"
#include "app/ui_fonts.h"
#include "model/model_state.h"
#include "session/popup_edits.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

constexpr int kPanelWidth = 138;
constexpr int kPaletteHeight = 220;
constexpr int kPinsAndPensHeight = 70;
constexpr int kMovePageHeight = 117;
constexpr int kCommandHeight = 24;
constexpr int kHalfCommandWidth = 68;
constexpr int kStripHeight = 32;
constexpr int kArrowSide = 28;
constexpr int kPositionLabelWidth = 64;
constexpr int kSpeedWidth = 80;
// TrackBar1 counts tenths of a degree; a tick every 4 degrees.
constexpr int kTrackTickInterval = 40;

// The panel is as narrow as designed; with the style's wide tab padding the
// last tab of the palette would not fit.
class NarrowTabs final : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    constexpr int kTabPadding = 10;
    return metric == PM_TabBarTabHSpace ? kTabPadding : QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QString Name(const char* name) { return QString::fromLatin1(name); }

QToolButton* ArrowButton(const char* name, Qt::ArrowType arrow) {
  auto* button = new QToolButton;
  button->setObjectName(Name(name));
  button->setArrowType(arrow);
  button->setFixedSize(kArrowSide, kArrowSide);
  return button;
}

QTabWidget* PageControl(const char* name, int height, Language language) {
  auto* pages = new QTabWidget;
  pages->setObjectName(Name(name));
  pages->setFixedHeight(height);
  pages->setFont(PageControlFont(language));
  pages->setUsesScrollButtons(false);
  auto* tabStyle = new NarrowTabs;
  tabStyle->setParent(pages);
  pages->tabBar()->setStyle(tabStyle);
  return pages;
}

}  // namespace

// On a low screen the panel scrolls instead of squeezing its pages and
// buttons into each other; the scroll bar is added beside it, not taken from
// its designed width.
QWidget* TformMain::BuildLeftPanel() {
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("ScrollLeft"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  scroll->setWidget(BuildPanelColumn());
  scroll->setFixedWidth(kPanelWidth);
  const int barWidth = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
  connect(scroll->verticalScrollBar(), &QScrollBar::rangeChanged, scroll,
          [scroll, barWidth](int, int maximum) { scroll->setFixedWidth(kPanelWidth + (maximum > 0 ? barWidth : 0)); });
  return scroll;
}

QWidget* TformMain::BuildPanelColumn() {
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("pnlLeft"));
  panel->setFixedWidth(kPanelWidth);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(BuildPalette());
  column->addWidget(BuildPinsAndPens());
  column->addWidget(BuildMovePage());
  column->addWidget(BuildCommandButtons());
  column->addStretch(1);
  auto* exitButton = CommandButton("btnExit", nullptr);
  connect(exitButton, &QAbstractButton::clicked, this, &QWidget::close);
  column->addWidget(exitButton);
  return panel;
}

QWidget* TformMain::BuildPalette() {
  QTabWidget* pages = PageControl("PageControl1", kPaletteHeight, language_);
  for (const PalettePage& page : PartPages()) {
    pages->addTab(BuildPalettePage(page, pictures_), QString());
  }
  // The plates of TabEtc come only from model files; the page stays, unseen.
  pages->setTabVisible(pages->indexOf(pages->findChild<QWidget*>(QStringLiteral("TabEtc"))), false);
  for (PalettePicture* picture : pages->findChildren<PalettePicture*>()) {
    ConnectPicture(*picture);
  }
  return pages;
}

QWidget* TformMain::BuildPinsAndPens() {
  QTabWidget* pages = PageControl("PageControl2", kPinsAndPensHeight, language_);
  for (const PalettePage& page : PinAndPenPages()) {
    pages->addTab(BuildPalettePage(page, pictures_), QString());
  }
  for (PalettePicture* picture : pages->findChildren<PalettePicture*>()) {
    ConnectPicture(*picture);
  }
  return pages;
}

QWidget* TformMain::BuildMovePage() {
  QTabWidget* pages = PageControl("PageControl3", kMovePageHeight, language_);
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabMove"));
  auto* grid = new QGridLayout(page);
  grid->setSpacing(0);
  const struct {
    const char* Name;
    Qt::ArrowType Arrow;
    int Row;
    int Column;
    void (TformMain::*Signal)();
  } arrows[] = {
      {"btnUp", Qt::UpArrow, 0, 1, &TformMain::btnUpClick},
      {"btnLeft", Qt::LeftArrow, 1, 0, &TformMain::btnLeftClick},
      {"btnRight", Qt::RightArrow, 1, 2, &TformMain::btnRightClick},
      {"btnDown", Qt::DownArrow, 2, 1, &TformMain::btnDownClick},
  };
  for (const auto& arrow : arrows) {
    QToolButton* button = ArrowButton(arrow.Name, arrow.Arrow);
    connect(button, &QAbstractButton::clicked, this, arrow.Signal);
    grid->addWidget(button, arrow.Row, arrow.Column, Qt::AlignCenter);
  }
  pages->addTab(page, QString());
  return pages;
}

QAbstractButton* TformMain::CommandButton(const char* name, void (TformMain::*signal)()) {
  auto* button = new QPushButton;
  button->setObjectName(Name(name));
  button->setFixedHeight(kCommandHeight);
  if (signal != nullptr) {
    connect(button, &QAbstractButton::clicked, this, signal);
  }
  return button;
}

QWidget* TformMain::BuildCommandButtons() {
  auto* commands = new QWidget;
  auto* column = new QVBoxLayout(commands);
  column->setContentsMargins(0, 2, 0, 0);
  column->setSpacing(0);
  column->addWidget(CommandButton("btnPenDrawClear", &TformMain::btnPenDrawClearClick));
  column->addWidget(CommandButton("btnClear", &TformMain::btnClearClick));
  column->addWidget(CommandButton("btnModoru", &TformMain::btnModoruClick));

  auto* history = new QHBoxLayout;
  history->setSpacing(0);
  for (auto [name, signal] : {std::pair{"btnUndo", &TformMain::btnUndoClick}, {"btnRedo", &TformMain::btnRedoClick}}) {
    QAbstractButton* button = CommandButton(name, signal);
    button->setFixedWidth(kHalfCommandWidth);
    button->setEnabled(false);
    history->addWidget(button);
  }
  history->addStretch(1);
  column->addLayout(history);

  column->addWidget(CommandButton("btnOpen", &TformMain::btnOpenClick));
  column->addWidget(CommandButton("btnExamples", &TformMain::btnExamplesClick));
  column->addWidget(CommandButton("btnSave", &TformMain::btnSaveClick));
  column->addWidget(CommandButton("btnImageSave", &TformMain::btnImageSaveClick));
  column->addWidget(CommandButton("btnPrint", &TformMain::btnPrintClick));
  column->addWidget(CommandButton("btnMakeMovie", &TformMain::btnMakeMovieClick));
  btnDebug_ = CommandButton("btnDebug", nullptr);
  btnDebug_->setCheckable(true);
  connect(btnDebug_, &QAbstractButton::toggled, this, [this](bool down) {
    UpdateDebugHint(down);
    emit btnDebugClick(down);
  });
  column->addWidget(btnDebug_);
  column->addWidget(CommandButton("btnAnalysis", &TformMain::btnAnalysisClick));
  return commands;
}

QWidget* TformMain::BuildCanvasSide() {
  auto* side = new QWidget;
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("ScrollBox1"));
  canvas_ = new CanvasWidget(scroll);
  scroll->setWidget(canvas_);
  connect(canvas_, &CanvasWidget::MousePressed, this, &TformMain::imgDisplayMouseDown);
  connect(canvas_, &CanvasWidget::MouseMoved, this,
          [this](Qt::MouseButtons buttons, QPoint point, Qt::KeyboardModifiers modifiers) {
            ShowPointer(point);
            emit imgDisplayMouseMove(buttons, point, modifiers);
          });
  connect(canvas_, &CanvasWidget::MouseReleased, this, &TformMain::imgDisplayMouseUp);
  column->addWidget(scroll, 1);
  column->addWidget(BuildRotationStrip());
  return side;
}

QWidget* TformMain::BuildRotationStrip() {
  auto* strip = new QWidget;
  strip->setFixedHeight(kStripHeight);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(2, 0, 2, 0);

  // Toggles of one group that may both be up.
  QToolButton* back = ArrowButton("btnBack", Qt::LeftArrow);
  QToolButton* play = ArrowButton("btnPlay", Qt::RightArrow);
  for (QToolButton* button : {back, play}) {
    button->setCheckable(true);
    button->setEnabled(false);
    row->addWidget(button);
  }
  connect(back, &QAbstractButton::toggled, this, &TformMain::btnBackClick);
  connect(play, &QAbstractButton::toggled, this, &TformMain::btnPlayClick);
  btnBack_ = back;
  btnPlay_ = play;

  auto* speed = new QComboBox;
  speed->setObjectName(QStringLiteral("cmbSpeed"));
  speed->setFixedWidth(kSpeedWidth);
  speed->addItems(QStringList(kSpeedItems, QString()));
  speed->setCurrentIndex(kDefaultSpeedIndex);
  speed->setEnabled(false);
  connect(speed, &QComboBox::currentIndexChanged, this, &TformMain::cmbSpeedChange);
  row->addWidget(speed);

  auto* track = new QSlider(Qt::Horizontal);
  track->setObjectName(QStringLiteral("TrackBar1"));
  track->setRange(0, kTrackMax);
  track->setTickInterval(kTrackTickInterval);
  track->setTickPosition(QSlider::TicksBelow);
  track->setPageStep(0);
  track->setEnabled(false);
  connect(track, &QSlider::valueChanged, this, &TformMain::TrackBar1Change);
  row->addWidget(track, 1);

  lblPositionX_ = new QLabel(QStringLiteral("X=0"));
  lblPositionX_->setObjectName(QStringLiteral("lblPositionX"));
  lblPositionY_ = new QLabel(QStringLiteral("Y=0"));
  lblPositionY_->setObjectName(QStringLiteral("lblPositionY"));
  for (QLabel* label : {lblPositionX_, lblPositionY_}) {
    label->setFixedWidth(kPositionLabelWidth);
    row->addWidget(label);
  }
  return strip;
}

void TformMain::BuildPopupMenu() {
  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName(QStringLiteral("PopupMenu"));
  popupMenu_->setFont(WindowFont(language_));

  QAction* remove = popupMenu_->addAction(QString());
  remove->setObjectName(QStringLiteral("menuDelete"));
  // Shown in the menu, and acting there only: over the canvas the window's
  // own Delete key acts on the part under the pointer.
  remove->setShortcut(QKeySequence(Qt::Key_Delete));
  remove->setShortcutContext(Qt::WidgetShortcut);
  remove->setShortcutVisibleInContextMenu(true);
  connect(remove, &QAction::triggered, this, &TformMain::PopUpDeleteOnClick);

  auto* rotation = new QMenu(popupMenu_);
  rotation->setObjectName(QStringLiteral("menuKaiten"));
  popupMenu_->addMenu(rotation);
  for (const MenuTurn& item : kMenuTurns) {
    QAction* action = rotation->addAction(QString());
    action->setObjectName(ToQString(item.Item));
    action->setProperty("Tag", item.Tag);
    connect(action, &QAction::triggered, this, [this, tag = item.Tag] { emit PopUpKaitenOnClick(tag); });
  }

  QAction* properties = popupMenu_->addAction(QString());
  properties->setObjectName(QStringLiteral("menuPropaty"));
  connect(properties, &QAction::triggered, this, &TformMain::PopUpPropatyOnClick);
}

}  // namespace morvane::app
