#pragma once

#include <cstdint>

#include "model/message.h"
#include "model/part_kind.h"

// The texts of placing from the palette, of the canvas's popup menu and of the
// property window. {0}, {1}, ... stand for the numbers inserted.
namespace morvane::session_texts {

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

// The property window. English kind names end in a blank, as the window has
// always shown them; a rod's length is {0}, and a plain rod's number {1}.
struct KindText {
  int32_t Kind;
  Message Name;
};
inline constexpr KindText KindNames[] = {
    {DiskActive1, {"円盤（小）／動力付き", "Disc(Small) / with power "}},
    {DiskActive2, {"円盤（中）／動力付き", "Disc(Middle) / with power "}},
    {DiskActive3, {"円盤（大）／動力付き", "Disc(Big) / with power "}},
    {RodActive1, {"ロッド１ ／動力付き（L={0}）", "Rod1 / with power (L={0}) "}},
    {RodActive2, {"ロッド２ ／動力付き（L={0}）", "Rod2 / with power (L={0}) "}},
    {DiskPassive1, {"円盤（小）", "Disc(Small) "}},
    {DiskPassive2, {"円盤（中）", "Disc(Middle) "}},
    {DiskPassive3, {"円盤（大）", "Disc(Big) "}},
    {Triangle1, {"三角形（小）", "Triangle(Small) "}},
    {Triangle2, {"三角形（大）", "Triangle(Big) "}},
    {Triangle3, {"三角形（大）", "Triangle(Big) "}},
    {Lgata1, {"Ｌ型（小）", "L Tppe(Small) "}},
    {Lgata2, {"Ｌ型（中）", "L Tppe(Middle) "}},
    {Lgata3, {"Ｌ型（大）", "L Tppe(Big) "}},
    {PistonActive, {"ピストン／動力付き", "Piston / with power "}},
    {PistonPassive, {"ピストン", "Piston "}},
};
inline constexpr Message PlainRodName{"ロッド（L={0}）", "Rod{1} (L={0}) "};
inline constexpr Message UnknownKindName{"不明", "unknown "};

// The pin under the pointer: after the kind's name in Japanese, before it in
// English.
inline constexpr Message FixedPinOnPart{" 上の固定ピン", "The fixed pin "};
inline constexpr Message MovablePinOnPart{" 上の可動ピン", "The movable pin "};
// The pen under the pointer, by pen colour.
inline constexpr Message PenOnPart[] = {
    {"　（黒ペンあり）", "(with black pen) "},
    {"　（赤ペンあり）", "(with red pen) "},
    {"　（青ペンあり）", "(with blue pen) "},
    {"　（緑ペンあり）", "(with green pen) "},
};

inline constexpr Message Position{"（{0}，{1}）", "（{0}，{1}）"};
inline constexpr Message Angle{"{0} 度", "{0} degree"};
inline constexpr Message PinCounts{"可動ピン={0}個 ／ 固定ピン={1}個", "Movable pin={0}pieces / Fixed pin={1}pieces"};
inline constexpr Message ConnectedParts{"{0} 個", "{0} pieces"};
inline constexpr Message PartNumber{"Parts No.={0}", "Parts No.={0}"};
inline constexpr Message PinNumber{" / Pin No.={0} / Pin Index={1}", " / Pin No.={0} / Pin Index={1}"};

// How the part can move, by the pins it carries.
inline constexpr Message HeldByTwoFixedPins{"移動できない", "It cannot move"};
inline constexpr Message TurnsAboutFixedPin{"固定ピンを中心とした円の範囲", "The range of the circle centering on a fixed pin"};
inline constexpr Message TurnsAboutMovablePin{"可動ピンを中心とした円の範囲",
                                              "The range of the circle centering on a movable pin"};
inline constexpr Message MovesFreely{"自由に移動できる", "It can move freely"};
inline constexpr Message TurnsAboutFixedPinWithinMovable{
    "固定ピンを中心にした円の範囲だが、可動ピンによって制限を受けることがある",
    "Although it is the range of the circle centering on a fixed pin, a movable pin may receive restriction"};
inline constexpr Message HeldByMovablePins{"接続されている複数の可動ピンにより制限を受けることがある",
                                           "Two or more movable pins connected may receive restriction"};

}  // namespace morvane::session_texts
