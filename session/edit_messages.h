#pragma once

#include "model/message.h"

// The texts of placing from the palette and of the canvas's popup menu.
namespace morvane::edit_messages {

inline constexpr Message TwoPowerParts{"複数の動力部品は配置できません。", "Two or more power parts cannot be arranged."};
// Only the black pen's text had a Japanese form; the others follow its pattern.
inline constexpr Message PenColourPlaced[] = {
    {"黒色ペンは既に配置されています。", "The black pen is already arranged."},
    {"赤色ペンは既に配置されています。", "The red pen is already arranged."},
    {"青色ペンは既に配置されています。", "The blue pen is already arranged."},
    {"緑色ペンは既に配置されています。", "The green pen is already arranged."},
};

// Each question is followed by blanks that widen the dialog.
inline constexpr Message DeletePen{"ペンを削除します。　　　　　　　　　　　　　　　",
                                   "A pen is deleted.                               "};
inline constexpr Message DeletePin{"ピンを削除します。　　　　　　　　　　　　　　　",
                                   "A pin is deleted.                               "};
inline constexpr Message DeletePart{"パーツを削除します。　　　　　　　　　　　　　　　",
                                    "A parts is deleted.                               "};
inline constexpr Message AxlePinStays{"円盤の中心のピンは、削除できません。",
                                      "The pin of the center of a disc cannot be deleted."};
inline constexpr Message PinsKeepPart{"ピンが接続されているので、削除できません。",
                                      "Since the pin is connected, it cannot delete."};
inline constexpr Message PinsBesideAxleKeepPart{
    "中心以外にピンが接続されているので、削除できません。",
    "Since the pin is connected in addition to the center, it cannot delete."};
inline constexpr Message PensKeepPart{"ペンが接続されているので、削除できません。",
                                      "Since the pen is connected, it cannot delete."};

inline constexpr Message TwoPinsKeepAngle{"ピンが２個以上接続されているので、回転できません。",
                                          "Since two or more pins are connected, it cannot rotate."};
inline constexpr Message PinKeepsDiskAngle{"ピンが接続されているので、回転できません。",
                                           "Since the pin is connected, it cannot rotate."};

}  // namespace morvane::edit_messages
