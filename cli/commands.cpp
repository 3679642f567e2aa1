#include "cli/commands.h"

namespace morvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"info", "info MODEL.mvd", {"モデルの部品・ピン・ペン・カウンタを表示する", "print the parts, pins, pens and counters of a model"}, RunInfo},
      {"check", "check MODEL.mvd", {"正常なモデルなら 0、読めない/壊れたモデルなら 2 で終了する",
       "exit 0 for a sound model file, 2 for an unreadable or broken one"}, RunCheck},
      {"render", "render MODEL.mvd -o OUT.(png|jpg|bmp|gif|svg) [--position P] [--area X,Y,W,H] [--size WxH]",
       {"キャンバスを画像にする（位置 P まで動かしてから、範囲を切り出し、大きさを変えて。SVG は図形のままで、格子点なし）",
        "draw the canvas as a picture (driven to track position P, cut to the area, scaled to the size; "
        "an SVG keeps the shapes, without the grid dots)"},
       RunRender},
      {"export", "export MODEL.mvd -o OUT.(jpg|bmp|gif|svg) [--area X,Y,W,H] [--position P] [--size 120x90]",
       {"範囲をモデル名のキャプション付きのイメージファイルにする（--size 120x90 は小さい画像で、キャプションなし）",
        "save the area as a picture captioned with the model's name (--size 120x90: a small one, no caption)"},
       RunExport},
      {"series", "series MODEL.mvd -o SHEET.(jpg|bmp|gif) [--area X,Y,W,H]",
       {"1 回転の 18 位置を 1620 x 700 の連続イメージにする",
        "save the mechanism in 18 positions over one turn on a 1620 x 700 sheet"},
       RunSeries},
      {"print", "print MODEL.mvd -o OUT.pdf [--series] [--area X,Y,W,H]",
       {"印刷を PDF ファイルにする（横向き 1 枚、--series で縦向きに 18 枚）",
        "print into a PDF file: one landscape picture, or 18 on a portrait page with --series"},
       RunPrint},
      {"movie", "movie MODEL.mvd -o OUT.(mpg|avi|gif) [--size 320x240|640x480|120x90] [--area X,Y,W,H]",
       {"2 回転を MPEG1 か AVI のムービーに、1 回転をくり返す GIF アニメーションにする"
        "（640x480 は MPEG1 と AVI、120x90 は GIF だけ）",
        "record two turns as an MPEG-1 or AVI movie, or one turn as a looping GIF animation "
        "(640x480 for MPEG-1 and AVI only, 120x90 for GIF only)"},
       RunMovie},
      {"trace", "trace MODEL.mvd [--from P] [--to P] [--step N] [--format csv|jsonl] [--pens-only]",
       {"前向きに自動回転させ、各ステップのピンとペンの位置を書き出す（位置 0〜7200、ステップ 1〜80、"
        "--pens-only はペンだけ）",
        "turn forward as automatic rotation does and write every pin and pen position per step "
        "(positions 0-7200, steps 1-80; --pens-only: the pens alone)"},
       RunTrace},
      {"drive", "drive MODEL.mvd --to P [--step N] -o OUT.mvd",
       {"位置 P まで動かしたモデルを保存する", "turn the mechanism to track position P and save the model there"},
       RunDrive},
  };
  return commands;
}

}  // namespace morvane::cli
