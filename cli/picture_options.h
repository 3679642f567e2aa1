#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <string>

#include "model/message.h"

namespace morvane::cli {

namespace picture_texts {
inline constexpr Message BadArea{"範囲は X,Y,W,H で、1280 x 960 のキャンバスの内側です",
                                 "the area is X,Y,W,H and lies inside the 1280 x 960 canvas"};
inline constexpr Message BadSize{"大きさは WxH で、それぞれ 1 から 10000 までです",
                                 "the size is WxH, each from 1 to 10000"};
}  // namespace picture_texts

// "X,Y,W,H": a rectangle of at least 1 x 1 inside the 1280 x 960 canvas.
std::optional<QRect> ParseArea(const std::string& text);

// "WxH": each side 1 to 10000.
std::optional<QSize> ParseSize(const std::string& text);

}  // namespace morvane::cli
