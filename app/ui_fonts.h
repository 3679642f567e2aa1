#pragma once

#include <QFont>

#include "model/message.h"

namespace morvane::app {

// The designed look used "MS P Gothic" at 12 pixels and, for English,
// "Century" at 9 points (8 on the page controls). Neither exists on Linux, so
// the nearest installed fonts are named explicitly: the proportional IPA
// Gothic (fonts-ipafont-gothic) and DejaVu Serif (fonts-dejavu-core).
QFont WindowFont(Language language);
QFont PageControlFont(Language language);

}  // namespace morvane::app
