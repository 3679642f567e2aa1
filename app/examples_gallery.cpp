#include "app/examples_gallery.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "examples/examples_texts.h"
#include "session/session.h"
#include "view/qt_text.h"
#include "view/thumbnail.h"

namespace morvane::app {

namespace {

constexpr QSize kThumbnailSize{160, 120};
constexpr QSize kGallerySize{720, 600};
// One turn of the power part in track units.
constexpr int32_t kOneTurn = kTrackMax / 2;

// The model turned once forward as automatic rotation turns it, so that its
// pens draw their loci; a mechanism that cannot turn the whole way stops at
// its first refused step, its loci drawn so far.
void TurnOnce(Session& session) {
  session.MarkPens();
  for (int32_t turned = 0; turned < kOneTurn;) {
    const int32_t from = session.Model().PowerPosition;
    const int32_t next = session.NextAutoPosition(Rotation::Forward);
    if (session.DriveTo(next).Status != DriveStatus::Moved) {
      return;
    }
    turned += (next - from + kTrackMax) % kTrackMax;
  }
}

// The thumbnail of the model in the file, or nothing when it cannot be read.
std::optional<QImage> ExampleThumbnail(const std::string& path) {
  Session session;
  if (session.Open(path)) {
    return std::nullopt;
  }
  TurnOnce(session);
  return view::Thumbnail(session.Model(), session.Loci(), kThumbnailSize);
}

}  // namespace

ExamplesGallery::ExamplesGallery(Language language, QWidget* parent, QString folder)
    : QDialog(parent),
      language_(language),
      folder_(std::move(folder)),
      list_(new QListWidget),
      open_(new QPushButton),
      none_(new QLabel) {
  setObjectName(QStringLiteral("TformExamples"));
  resize(kGallerySize);
  list_->setObjectName(QStringLiteral("lstExamples"));
  list_->setIconSize(kThumbnailSize);
  list_->setWordWrap(true);
  list_->setSpacing(4);
  open_->setObjectName(QStringLiteral("btnOpen"));
  open_->setEnabled(false);
  auto* close = new QPushButton;
  close->setObjectName(QStringLiteral("btnClose"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(open_);
  buttons->addWidget(close);
  none_->setObjectName(QStringLiteral("lblNoExamples"));
  none_->hide();
  auto* column = new QVBoxLayout(this);
  column->addWidget(none_);
  column->addWidget(list_);
  column->addLayout(buttons);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(list_, &QListWidget::currentItemChanged, this,
          [this](const QListWidgetItem* item) { open_->setEnabled(item != nullptr); });
  connect(open_, &QPushButton::clicked, this, &QDialog::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ApplyTexts(*this, language);
}

void ExamplesGallery::Fill() {
  if (filled_) {
    return;
  }
  filled_ = true;
  const QDir folder(folder_);
  for (const examples_texts::ExampleText& text : examples_texts::kExampleTexts) {
    const QString path = folder.filePath(ToQString(text.FileName));
    const std::optional<QImage> thumbnail = folder_.isEmpty() ? std::nullopt : ExampleThumbnail(path.toStdString());
    if (!thumbnail) {
      continue;
    }
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(*thumbnail)),
                                     TextOf(text.Name, language_) + QLatin1Char('\n') + TextOf(text.About, language_),
                                     list_);
    item->setData(Qt::UserRole, path);
  }
  none_->setVisible(list_->count() == 0);
}

std::optional<std::string> ExamplesGallery::Choose() {
  Fill();
  if (exec() != QDialog::Accepted || list_->currentItem() == nullptr) {
    return std::nullopt;
  }
  return list_->currentItem()->data(Qt::UserRole).toString().toStdString();
}

}  // namespace morvane::app
