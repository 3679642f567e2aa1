#pragma once

// Every text of the analysis, in both languages. The English names of the
// Grashof classes and of the joints are also the keys of the JSON report.

#include "model/message.h"

namespace morvane::analysis_texts {

inline constexpr Message CrankRocker{"てこクランク", "crank-rocker"};
inline constexpr Message DoubleCrank{"両クランク", "double-crank"};
inline constexpr Message DoubleRocker{"両てこ", "double-rocker"};
inline constexpr Message ChangePoint{"変換点", "change point"};
inline constexpr Message TripleRocker{"三てこ", "triple rocker"};

inline constexpr Message CrankShortest{
    "s + l < p + q で、クランクが最短：クランクは１回転し、てこは往復する",
    "s + l < p + q and the crank is the shortest: the crank turns fully, the rocker swings"};
inline constexpr Message RockerShortest{
    "s + l < p + q で、てこが最短：てこは１回転できるが、動力部品は往復するだけ",
    "s + l < p + q and the rocker is the shortest: the rocker could turn fully, the power part only rocks"};
inline constexpr Message GroundShortest{
    "s + l < p + q で、固定節が最短：クランクもてこも１回転する",
    "s + l < p + q and the ground is the shortest: crank and rocker both turn fully"};
inline constexpr Message CouplerShortest{
    "s + l < p + q で、連接棒が最短：１回転するのは連接棒だけで、動力部品は死点の間を往復する",
    "s + l < p + q and the coupler is the shortest: only the coupler turns fully, the power part rocks "
    "between dead points"};
inline constexpr Message AtChangePoint{
    "s + l = p + q：１回転に一度４本が一直線に並び、そこで機構は別の組み方に移ることがある",
    "s + l = p + q: once a turn the four links lie in one line, where the mechanism can change its branch"};
inline constexpr Message NoLinkTurns{
    "s + l > p + q：１回転できる節はなく、動力部品は死点の間を往復する",
    "s + l > p + q: no link turns fully, the power part rocks between dead points"};

inline constexpr Message PinJoint{"ピン", "pin"};
inline constexpr Message FixedPinJoint{"固定ピン", "fixed pin"};
inline constexpr Message AxleJoint{"軸", "axle"};
inline constexpr Message SliderJoint{"すべり", "slider"};

// {0}: the number of degrees of freedom or of surplus constraints; {0} in
// the part texts: the part's number (from 1, as in the file).
inline constexpr Message Structure{"これは構造物です。動くことはできません",
                                   "this is a structure: it cannot move"};
inline constexpr Message Overconstrained{
    "これは拘束が {0} 個余分な構造物です。動くことはできません",
    "this is a structure with {0} more constraints than it needs: it cannot move"};
inline constexpr Message MovesAnyway{
    "ただし寸法が特別なので動きます（余分な部品があります）",
    "yet its proportions let it move: one of its parts is redundant"};
inline constexpr Message TooFree{
    "この機構の自由度は {0} です。動力部品だけではすべての部品の位置が決まりません。"
    "自由度が１つ余るごとに、部品をもう１つ固定するか、ピンをもう１本つないでください",
    "this mechanism has {0} degrees of freedom: the power part alone cannot decide where every part stands; "
    "for each degree beyond one, fix one more part or pin one more joint"};
inline constexpr Message LoosePart{"部品 {0} はどこにもつながっていません", "part {0} is joined to nothing"};
inline constexpr Message SwingingPart{"部品 {0} は関節１つだけで支えられ、自由に動きます",
                                      "part {0} is held by a single joint and moves freely"};
inline constexpr Message ReasonSeparator{"。", "; "};

}  // namespace morvane::analysis_texts
