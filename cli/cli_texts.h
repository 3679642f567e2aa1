#pragma once

#include "model/message.h"

namespace morvane::cli::texts {

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

}  // namespace morvane::cli::texts
