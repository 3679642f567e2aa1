#pragma once

#include <QDialog>

#include "model/message.h"

namespace morvane::app {

// The property window: what a part on the canvas is, where it stands, its
// pins and how it can move. It is shown modally with every field read-only;
// filling the fields is the job of the popup menu's handler.
class TformPropaty final : public QDialog {
  Q_OBJECT

 public:
  explicit TformPropaty(Language language);
};

}  // namespace morvane::app
