#pragma once

#include "model/message.h"

// Every text morvane-cli writes, in both languages: the help, the problems
// with a request, and the labels of info and check.
namespace morvane::cli_texts {

inline constexpr Message Usage{"使い方", "usage"};
inline constexpr Message UnknownCommand{"不明なコマンドです", "unknown command"};
inline constexpr Message UnknownOption{"不明なオプションです", "unknown option"};
inline constexpr Message MissingValue{"オプションの値がありません", "missing value for option"};
inline constexpr Message MissingModel{"モデルファイルを指定してください", "a model file is required"};
inline constexpr Message TooManyArguments{"引数が多すぎます", "too many arguments"};
inline constexpr Message Commands{"コマンド", "commands"};
inline constexpr Message Options{"オプション", "options"};
inline constexpr Message HelpOption{"この説明を表示する", "show this help"};
inline constexpr Message VersionOption{"版を表示する", "show the version"};
inline constexpr Message LangOption{"日本語で表示する (ja) / 英語で表示する (en)", "texts in Japanese (ja) or English (en)"};
inline constexpr Message ExitCodes{
    "終了コード: 0 完了, 2 読めない/壊れたモデル, 3 機構が動けない, 64 引数の誤り, 73 出力ファイルを書けない",
    "exit status: 0 done, 2 unreadable or broken model, 3 the mechanism refused a move, 64 bad arguments, "
    "73 the output file could not be written"};
inline constexpr Message Sound{"正常なモデルです", "sound model"};
inline constexpr Message PartsLabel{"部品", "parts"};
inline constexpr Message NextPinLabel{"次のピン番号", "next pin id"};
inline constexpr Message PowerPartLabel{"動力部品", "power part"};
inline constexpr Message NoPowerPart{"なし", "none"};
inline constexpr Message TrackLabel{"トラック位置", "track position"};
inline constexpr Message PowerPositionLabel{"動力位置", "power position"};
inline constexpr Message AngleStepLabel{"角度ステップ", "angle step"};
inline constexpr Message SpeedLabel{"速度", "speed index"};
inline constexpr Message PlacementLabel{"配置時", "at placement"};
inline constexpr Message PensLabel{"ペン", "pens"};
inline constexpr Message AngleLabel{"角度", "angle"};
inline constexpr Message SizeLabel{"サイズ", "size"};
inline constexpr Message PinLabel{"ピン", "pin"};
inline constexpr Message PenLabel{"ペン", "pen"};
inline constexpr Message Fixed{"固定", "fixed"};
inline constexpr Message Movable{"可動", "movable"};
inline constexpr Message Hidden{"非表示", "hidden"};
inline constexpr Message SelectedLabel{"選択中", "selected"};

// What each command does, in the help.
inline constexpr Message InfoHelp{"モデルの部品・ピン・ペン・カウンタを表示する",
                                  "print the parts, pins, pens and counters of a model"};
inline constexpr Message CheckHelp{"正常なモデルなら 0、読めない/壊れたモデルなら 2 で終了する",
                                   "exit 0 for a sound model file, 2 for an unreadable or broken one"};
inline constexpr Message RenderHelp{
    "キャンバスを画像にする（位置 P まで動かしてから、範囲を切り出し、大きさを変えて。SVG は図形のままで、格子点なし）",
    "draw the canvas as a picture (driven to track position P, cut to the area, scaled to the size; "
    "an SVG keeps the shapes, without the grid dots)"};
inline constexpr Message ExportHelp{
    "範囲をモデル名のキャプション付きのイメージファイルにする（--size 120x90 は小さい画像で、キャプションなし）",
    "save the area as a picture captioned with the model's name (--size 120x90: a small one, no caption)"};
inline constexpr Message SeriesHelp{"1 回転の 18 位置を 1620 x 700 の連続イメージにする",
                                    "save the mechanism in 18 positions over one turn on a 1620 x 700 sheet"};
inline constexpr Message PrintHelp{
    "印刷を PDF ファイルにする（横向き 1 枚、--series で縦向きに 18 枚）",
    "print into a PDF file: one landscape picture, or 18 on a portrait page with --series"};
inline constexpr Message MovieHelp{
    "2 回転を MPEG1 か AVI のムービーに、1 回転をくり返す GIF アニメーションにする"
    "（640x480 は MPEG1 と AVI、120x90 は GIF だけ）",
    "record two turns as an MPEG-1 or AVI movie, or one turn as a looping GIF animation "
    "(640x480 for MPEG-1 and AVI only, 120x90 for GIF only)"};
inline constexpr Message TraceHelp{
    "前向きに自動回転させ、各ステップのピンとペンの位置を書き出す（位置 0〜7200、ステップ 1〜80、"
    "--pens-only はペンだけ、--derivatives は動力部品の 1 ラジアンあたりの速度と加速度 vx, vy, ax, ay も）",
    "turn forward as automatic rotation does and write every pin and pen position per step "
    "(positions 0-7200, steps 1-80; --pens-only: the pens alone; --derivatives: each point's velocity and "
    "acceleration per radian of the power part, vx, vy, ax, ay)"};
inline constexpr Message DriveHelp{"位置 P まで動かしたモデルを保存する",
                                   "turn the mechanism to track position P and save the model there"};
inline constexpr Message AnalyzeHelp{
    "自由度、四節機構のグラスホフの分類、死点、伝達角、揺動と早戻り比、ピストンの行程、ピンとペンの速度と加速度を"
    "動力部品の動く範囲（ステップ N、既定 1 = 0.1°）にわたって調べる",
    "report the mobility, the four-bar loops and their Grashof class, the dead points, transmission angles, "
    "oscillating parts and time ratios, piston strokes and the speeds and accelerations of every pin and pen "
    "over the power part's range (step N, 1 = 0.1 degree by default)"};

// Problems with a request's values.
inline constexpr Message BadPosition{"位置は 0 から 7200 までの整数です", "a position is a whole number from 0 to 7200"};
inline constexpr Message BadStep{"ステップは 1 から 80 までの整数です", "a step is a whole number from 1 to 80"};
inline constexpr Message BadArea{"範囲は X,Y,W,H で、1280 x 960 のキャンバスの内側です",
                                 "the area is X,Y,W,H and lies inside the 1280 x 960 canvas"};
inline constexpr Message BadSize{"大きさは WxH で、それぞれ 1 から 10000 までです",
                                 "the size is WxH, each from 1 to 10000"};
inline constexpr Message BadFormat{"形式は csv か jsonl です", "the format is csv or jsonl"};
inline constexpr Message ModelWithoutPowerPart{"モデルに動力部品がありません", "the model has no power part"};
inline constexpr Message DriveMissingTarget{"--to で位置を指定してください", "--to P is required"};
inline constexpr Message DriveMissingOutput{"-o で保存先を指定してください", "-o OUT.mvd is required"};
inline constexpr Message RenderMissingOutput{"出力ファイルを -o で指定してください",
                                             "an output file is required (-o OUT.png)"};
inline constexpr Message NotARenderPicture{"画像ファイルの拡張子は .png, .jpg, .bmp, .gif, .svg のどれかです",
                                           "the image file must end in .png, .jpg, .bmp, .gif or .svg"};
inline constexpr Message ExportMissingOutput{"出力ファイルを -o で指定してください", "an output file is required (-o OUT)"};
inline constexpr Message NotAPicture{"画像ファイルの拡張子は .jpg, .bmp, .gif, .svg のどれかです",
                                     "the picture file must end in .jpg, .bmp, .gif or .svg"};
inline constexpr Message NotASheet{"連続イメージの拡張子は .jpg, .bmp, .gif のどれかです",
                                   "the sheet file must end in .jpg, .bmp or .gif"};
inline constexpr Message NotAPdf{"印刷の出力ファイルの拡張子は .pdf です", "the print output file must end in .pdf"};
inline constexpr Message OnlySmallSize{"指定できる大きさは 120x90 だけです", "the only size is 120x90"};
inline constexpr Message NotAMovie{"ムービーファイルの拡張子は .mpg, .avi, .gif のどれかです",
                                   "the movie file must end in .mpg, .avi or .gif"};
inline constexpr Message MovieSizes{"大きさは 320x240 か 640x480 (.mpg, .avi)、320x240 か 120x90 (.gif) です",
                                    "the size is 320x240 or 640x480 for .mpg and .avi, 320x240 or 120x90 for .gif"};


// The analysis report; the figures' own words come from the analysis.
inline constexpr Message BadAnalysisFormat{"形式は text か json です", "the format is text or json"};
inline constexpr Message MobilityLine{"自由度: {0}（固定節を含む節 {1}、関節 {2}）",
                                      "mobility: {0} ({1} links with the ground, {2} joints)"};
inline constexpr Message WhyLine{"  理由: {0}", "  why: {0}"};
inline constexpr Message JointsLabel{"関節", "joints"};
inline constexpr Message PartsOfJoint{"部品", "parts"};
inline constexpr Message TurnsFully{"駆動: 動力部品は１回転する", "drive: the power part turns fully"};
inline constexpr Message Rocks{"駆動: 動力部品は {0} と {1} の間を往復する",
                               "drive: the power part rocks between {0} and {1}"};
inline constexpr Message NoDrive{"駆動: 動力部品がない", "drive: no power part"};
inline constexpr Message DeadPointLine{"  死点 {0}（{1} で止まる: {2}）", "  dead point {0} (refused at {1}: {2})"};
inline constexpr Message FourBarLine{
    "四節機構 部品 {0}-{1}-{2}: 固定節 {3}、クランク {4}、連接棒 {5}、てこ {6}: {7}（{8}）",
    "four-bar of parts {0}-{1}-{2}: ground {3}, crank {4}, coupler {5}, rocker {6}: {7} ({8})"};
inline constexpr Message TransmissionLine{
    "伝達角 ピン {0}: 最小 {1}°（{2}）、最大 {3}°（{4}）、90° から最大 {5}°",
    "transmission angle at pin {0}: least {1}° at {2}, greatest {3}° at {4}, at most {5}° from 90°"};
inline constexpr Message OscillatorLine{"揺動 部品 {0}: 揺動角 {1}°、折り返し {2} と {3}",
                                        "oscillator part {0}: swing {1}°, reversing at {2} and {3}"};
inline constexpr Message TimeRatioPart{"、早戻り比 {0}", ", time ratio {0}"};
inline constexpr Message PistonLine{"ピストン 部品 {0}: 伸び {1}（{2}）から {3}（{4}）、行程 {5}",
                                    "piston part {0}: extension {1} at {2} to {3} at {4}, stroke {5}"};
inline constexpr Message SpeedsLine{"速度と加速度（角度ステップ {0}、毎秒 {1}°）:",
                                    "speeds and accelerations (angle step {0}, {1}° a second):"};
inline constexpr Message PointLine{
    "  {0}: 速さ最大 {1} px/rad = {2} px/s（{3}）、加速度最大 {4} px/rad² = {5} px/s²（{6}）",
    "  {0}: speed up to {1} px/rad = {2} px/s at {3}, acceleration up to {4} px/rad² = {5} px/s² at {6}"};

}  // namespace morvane::cli_texts
