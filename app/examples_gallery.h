#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "model/message.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace morvane::app {

// The gallery of the sample mechanisms (btnExamples): a list of thumbnails
// drawn by the renderer, each beside the example's name and a sentence on
// what it shows and what to look at. A double click on one, or Open, chooses
// it. The list is made when the gallery is first shown: each model is read
// from the examples folder and turned once, so that its pens have drawn their
// loci in the thumbnail.
class ExamplesGallery final : public QDialog {
  Q_OBJECT

 public:
  // `folder` holds the models; the installed examples folder by default.
  ExamplesGallery(Language language, QWidget* parent, QString folder);

  // Shows the gallery modally; the chosen model's path, or nothing when the
  // user closed it.
  std::optional<std::string> Choose();

 private:
  void Fill();

  Language language_;
  QString folder_;
  QListWidget* list_;
  QPushButton* open_;
  // Says so when the folder holds none of the examples.
  QLabel* none_;
  bool filled_ = false;
};

}  // namespace morvane::app
