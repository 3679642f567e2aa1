#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <string>

#include "model/message.h"

namespace morvane::cli {

// "X,Y,W,H": a rectangle of at least 1 x 1 inside the 1280 x 960 canvas.
std::optional<QRect> ParseArea(const std::string& text);

// "WxH": each side 1 to 10000.
std::optional<QSize> ParseSize(const std::string& text);

}  // namespace morvane::cli
