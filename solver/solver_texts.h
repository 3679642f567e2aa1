#pragma once

#include "model/message.h"

// The texts of the move solver and the power drive: the refusals the user
// sees, and the progress-log lines in which {0}, {1}, ... stand for the
// numbers inserted (the two languages put them in different orders).
namespace morvane::solver_texts {

// Refusals, shown to the user as MoveRefusalText.
inline constexpr Message Undecided{"位置が確定できない部品があるため移動できません。",
                                   "Since there are parts which cannot decide a position, it cannot move."};
inline constexpr Message HeldByFixedPin{"固定ピンの影響で移動できません。",
                                        "It cannot move under the influence of a fixed pin."};
inline constexpr Message RodLength{"ロッドの長さが合わないので移動できません。",
                                   "Since the length of a rod does not suit, it cannot move."};
inline constexpr Message PistonRodLength{"ピストンロッドの長さが合わないので移動できません。",
                                         "Since the length of a piston rod does not suit, it cannot move."};
inline constexpr Message CannotMove{"移動できません。", "It cannot move."};

// Entry of SolveMove.
inline constexpr Message FirstPart{"１つ目の部品の部品番号の取得 ⇒ 部品{0}",
                                   "The 1st acquisition of the part number of parts => Part{0}"};
inline constexpr Message NoConnectedPart{"接続部品はない（対象のピンは固定ピン）/ True",
                                         "There are no connection parts (the target pin is a fixed pin) / True"};
inline constexpr Message FirstPartMoved{"１つ目の部品{0}は、移動済み / True", "The 1st part{0}is move ending / True"};
inline constexpr Message FirstPartFixed{"１つ目の部品 {0} に固定ピン（Pin Index={1}）があるので移動できない / False",
                                        "Since a fixed pin (Pin Index={1}) is in the 1st part{0}, it cannot move / False"};

// The temporarily fixed pin and the piston cases.
inline constexpr Message TemporaryPinCase{"１つ目の部品 {0} に仮固定ピンがある場合の処理",
                                          "Processing in case a temporary fixed pin is in the 1st part {0}"};
inline constexpr Message TemporaryPinMissed{
    "部品{0}が仮固定位置に来ないので、移動できない",
    "Since part {0} do not come to a temporary fixed position, they cannot move"};
inline constexpr Message PistonCase{"１つ目の部品 {0} が動力なしのピストンの場合の処理",
                                    "Processing in case the 1st part {0} is a piston without power"};
inline constexpr Message PistonOutOfRange{"ピストンロッドの長さが合わないので移動できない / False",
                                          "Since the length of a piston rod does not suit, it cannot move / False"};

// The general case.
inline constexpr Message NoSecondPart{"２つ目の部品がないので移動できない / False",
                                      "Since the 2nd part cannot be found, it cannot move / False"};
inline constexpr Message PinsOfFirstPart{"１つ目の部品{0}の{1}個のピンについての処理",
                                         "Processing about {1} pins of the 1st part {0}"};
inline constexpr Message SecondPart{"２つ目の部品の部品番号の取得 ⇒ 部品{0}",
                                    "The 2nd acquisition of the part number of parts => Parts {0}"};
inline constexpr Message SecondIsPrevious{
    "２つ目の部品の部品番号の取得 ⇒ 部品{0}は、１つ前の部品なので、次の部品を検索",
    "The 2nd acquisition of the part number of parts => Since parts {0} are parts in front of one, they search the "
    "following parts"};
inline constexpr Message SecondImmovable{
    "２つ目の部品の部品番号の取得 ⇒ 部品{0}は、移動が不可能なので、次の部品を検索",
    "The 2nd acquisition of the part number of parts => Since movement is the impossible, parts {0} search the "
    "following parts"};
inline constexpr Message SecondIndefinite{
    "２つ目の部品の部品番号の取得 ⇒ 部品{0}は、位置が不確定なので、次の部品を検索",
    "The 2nd acquisition of the part number of parts => Since the position is indefinite, parts {0} search the "
    "following parts"};
inline constexpr Message SecondMoved{
    "２つ目の部品の部品番号の取得 ⇒ 部品{0}は、移動済みなので、次の部品を検索",
    "The 2nd acquisition of the part number of parts => Since parts {0} are move ending, they search the following "
    "parts"};
inline constexpr Message MoveCompleted{"移動完了", "The completion of a move"};
inline constexpr Message MoveImpossible{"移動不能", "Movement is impossible"};

// A joint of two parts.
inline constexpr Message NoIntersection{"部品{0}と部品{1}の交点がないので、移動できない",
                                        "Since there is no intersection of parts {0} and parts {1}, it cannot move"};
inline constexpr Message Circles{" (x1={0} y1={1} r1={2}) (x2={3} y2={4} r2={5})",
                                 " (x1={0} y1={1} r1={2}) (x2={3} y2={4} r2={5})"};
inline constexpr Message FirstPlacementFailed{
    "部品{0}と部品{1}の交点がないので、移動できない（no1）",
    "Since there is no intersection of parts {0} and parts {1}, it cannot move (no1)"};
inline constexpr Message SecondPlacementFailed{
    "部品{0}と部品{1}の交点がないので、移動できない（no2）",
    "Since there is no intersection of parts {0} and parts {1}, it cannot move (no2)"};
inline constexpr Message PairMoved{"部品{0}と部品{1}の移動", "Movement of parts {0} and parts {1}"};

// Committing a moved part and propagating from it.
inline constexpr Message TemporaryPins{"部品{0}のピン{1}を仮固定ピンとする",
                                       "Let the pin {1} of parts {0} be a temporary fixed pin"};
inline constexpr Message FixedPins{"部品{0}のピン{1}を固定ピンとする", "Let the pin {1} of parts {0} be a fixed pin"};
inline constexpr Message PartMoved{"部品{0}の移動", "Movement of parts {0}"};
inline constexpr Message ConnectedParts{"●部品{0}のピン{1}への接続部品の処理",
                                        "* Processing of the connection parts to the pin {1} of parts {0}"};

// The power drive.
inline constexpr Message DriveStart{"== 動力部品の移動処理開始 ==", "== The move processing start of power parts =="};
inline constexpr Message DrivenPinStart{"-- 動力部品のピン{0}の移動処理を開始 --",
                                        "-- Move processing of the pin {0} of power parts is started --"};
inline constexpr Message DrivenPinDone{"-- 動力部品のピン{0}の移動処理を完了 --",
                                       "-- Move processing of the pin {0} of power parts is completed --"};
inline constexpr Message LeftBehindCheck{"== 移動し残した部品の有無を調べる ==",
                                         "== The existence of the parts which it moved and left is investigated =="};
inline constexpr Message DriveEndPartLeft{"== 動力部品の移動処理終了（部品{0}が移動していない） ==",
                                          "== The move processing end of power parts (The part{0} is not moving.) =="};
inline constexpr Message DriveEndAllMoved{"== 動力部品の移動処理終了（すべての部品が移動している） ==",
                                          "== The move processing end of power parts (all parts are moving) =="};
inline constexpr Message DriveEndPinStuck{"== 動力部品の移動処理終了（動力部品のピン{0}は移動できない） ==",
                                          "== The move processing end of power parts (The pin{0} is unmovable.) =="};
inline constexpr Message BlankLine{" ", " "};

}  // namespace morvane::solver_texts
