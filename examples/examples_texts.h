#pragma once

// The name of every example and one sentence on what it shows and what to
// look at, in both languages, in the order the gallery shows them.

#include <array>
#include <string_view>

#include "model/message.h"

namespace morvane::examples_texts {

struct ExampleText {
  std::string_view FileName;
  Message Name;
  Message About;
};

inline constexpr std::array kExampleTexts{
    ExampleText{"crank-rocker.mvd",
                {"てこクランク機構", "Crank-rocker"},
                {"クランクが一回転する間に、てこは二つの端で向きを変えながら往復します。てこが止まって戻る位置に注目してください。",
                 "The crank turns the whole way while the rocker swings to and fro; watch the rocker stop and turn "
                 "back at the two ends of its swing."}},
    ExampleText{"slider-crank.mvd",
                {"スライダクランク機構", "Slider-crank"},
                {"エンジンのように、回るクランクがピストンを一直線上で往復させます。ピストンの行程はクランクの長さの2倍です。",
                 "As in an engine, the turning crank drives the piston to and fro along a straight line; the "
                 "piston's stroke is twice the crank."}},
    ExampleText{"power-rod-drag-link.mvd",
                {"両クランク機構（動力棒）", "Drag link on a power rod"},
                {"固定リンクが最も短いので、動力棒も従動リンクも一回転します。従動リンクの速さがむらになる様子を見てください。",
                 "The ground is the shortest link, so both the power rod and the follower turn the whole way; "
                 "watch the follower speed up and slow down."}},
    ExampleText{"six-bar-triangle.mvd",
                {"三角板の六節機構", "Six-bar with a triangle"},
                {"てこクランク機構のてこを三角板にし、その三つ目の角でもう一組のリンクを動かします。二つ目のてこの振れを見てください。",
                 "The rocker of a crank-rocker is a triangle whose third corner drives a second pair of links; "
                 "watch how the second rocker swings."}},
    ExampleText{"four-pens.mvd",
                {"四本のペン", "Four pens"},
                {"一つのてこクランク機構の四つの点がそれぞれ違う曲線を描きます。中間節の点ごとに曲線の形を比べてください。",
                 "Four points of one crank-rocker draw four different curves; compare the curve of each point of "
                 "the coupler."}},
    ExampleText{"hoekens.mvd",
                {"ホーケンの直線運動機構", "Hoekens' straight-line linkage"},
                {"クランク1、固定リンク2、中間節と揺動リンク2.5の比で、延長した中間節の先のペンがクランク半回転の間ほぼ直線を描きます。",
                 "With crank 1, ground 2, coupler and rocker 2.5, the pen at the end of the extended coupler runs "
                 "almost straight while the crank makes half a turn."}},
    ExampleText{"chebyshev.mvd",
                {"チェビシェフの直線運動機構", "Chebyshev's straight-line linkage"},
                {"交差した二本のてこ（固定リンク4、てこ5、中間節2）の中間節の中点が直線を描きます。クランクが一本のてこを揺らします。",
                 "Two crossed rockers (ground 4, rockers 5, coupler 2) move the middle of the coupler along a "
                 "straight line; a crank rocks one rocker through a rod."}},
    ExampleText{"watt.mvd",
                {"ワットの直線運動機構", "Watt's linkage"},
                {"反対向きの二本の等しいてこを短い中間節でつなぐと、その中点が上下にほぼ直線を描きます。両端で8の字に曲がる所に注目してください。",
                 "Two equal rockers pointing opposite ways and joined by a short coupler move its middle up and "
                 "down an almost straight line; see where it bends into a figure eight."}},
    ExampleText{"roberts.mvd",
                {"ロバーツの直線運動機構", "Roberts' linkage"},
                {"三角形の中間節の頂点が、二つの固定ピンを結ぶ線に沿って動きます。クランクが一本のてこを揺らします。",
                 "The apex of the triangular coupler runs along the line through the two fixed pins; a crank rocks "
                 "one rocker through a rod."}},
    ExampleText{"hart-inversor.mvd",
                {"ハートの反転器", "Hart's inversor"},
                {"交差した平行四辺形の四本の棒の中点が一直線上に並び続け、円を描く点の反転として、ペンが厳密な直線を描きます。",
                 "The middles of the four bars of a crossed parallelogram stay on one line, and the pen, the "
                 "inverse of a point moving round a circle, draws an exact straight line."}},
    ExampleText{"quick-return.mvd",
                {"早戻り機構", "Quick-return crank-rocker"},
                {"てこは一方向へはクランク216度の間にゆっくり振れ、144度の間に速く戻ります（時間比1.5）。ペンの往きと戻りの速さを比べてください。",
                 "The rocker swings one way while the crank turns 216 degrees and comes back in 144 (time ratio "
                 "1.5); compare the pen's speed going and returning."}},
    ExampleText{"windscreen-wiper.mvd",
                {"ワイパー機構", "Windscreen wiper"},
                {"一つのクランクが一本のアームを揺らし、連結棒がもう一本を平行に保ちます。二本のアームの先が同じ形の弧を描くことを見てください。",
                 "One crank rocks one arm and a tie bar keeps the other parallel to it; see the two arm tips sweep "
                 "the same arc side by side."}},
    ExampleText{"drag-link.mvd",
                {"両クランク機構", "Drag link"},
                {"固定リンクが最も短いので、クランクも従動クランクも一回転します。クランクは一定の速さで回り、従動クランクは速くなったり遅くなったりします。",
                 "The ground is the shortest link, so crank and follower both turn the whole way; the crank turns "
                 "evenly while the follower speeds up and slows down."}},
    ExampleText{"change-point.mvd",
                {"変換点をもつ四節機構", "Change-point four-bar"},
                {"最短と最長のリンクの和が残りの二つの和に等しく、一回転に一度四本が一直線に並びます。そこで機構がどちらへ進むかを見てください。",
                 "The shortest and longest links add up to the other two, so once a turn all four lie on one line; "
                 "watch which way the mechanism goes on from there."}},
    ExampleText{"sewing-needle.mvd",
                {"ミシンの針の駆動", "Sewing-machine needle drive"},
                {"立てたスライダクランク機構で、クランクが針棒を上下させます。針の先が描く線の長さはクランクの長さの2倍です。",
                 "An upright slider-crank drives the needle bar up and down; the line the needle's point draws is "
                 "twice as long as the crank."}},
    ExampleText{"pantograph.mvd",
                {"パンタグラフ", "Pantograph"},
                {"四節機構の中間節の点が描く曲線を、パンタグラフが固定ピンを中心に2倍の大きさで写します。黒と赤の曲線を比べてください。",
                 "A pantograph copies the curve of a four-bar's coupler point at twice its size about its fixed "
                 "pin; compare the black curve with the red one."}},
    ExampleText{"klann-leg.mvd",
                {"クランの脚機構", "Klann's walking leg"},
                {"六節の脚機構で、足先はクランク半回転の間ほぼ平らに後ろへ進み、残りの半回転で持ち上がって前へ戻ります。",
                 "In this six-bar leg the foot moves back almost level for half a turn of the crank, then lifts "
                 "and comes forward again."}},
};

}  // namespace morvane::examples_texts
