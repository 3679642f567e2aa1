#pragma once

#include <string_view>

#include "model/message.h"

// The texts of the area dialog and of the progress window, and the lines the
// image, movie and print loops show in that window. A progress text carries
// %d where the percentage goes.
namespace morvane::export_texts {

inline constexpr Message AreaCaption{"範囲の指定", "Designating an area"};
inline constexpr Message AreaInstruction{"処理する範囲を指定してください。", "Please specify the range to process."};
inline constexpr Message AreaAll{"すべて", "All"};
inline constexpr Message AreaClear{"クリア", "Clear"};
inline constexpr Message AreaSeries{"連続イメージ", "Continuation image"};
inline constexpr Message AreaOk{"Oｋ", "Ok"};
inline constexpr Message AreaCancel{"キャンセル", "Cancel"};

inline constexpr Message ProgressCaption{"リンク機構アニメーションの保存",
                                         "Preservation of linkage mechanism animation"};
inline constexpr Message ProgressLabel{"ＡＶＩファイル出力中...", "Under an AVI file output..."};

inline constexpr Message SeriesImageCaption{"連続イメージの作成", "Creation of a continuation image"};
inline constexpr Message SeriesImageLabel{"連続イメージ作成中", "Under continuation image creation"};
inline constexpr Message SeriesImageProgress{"連続イメージ作成中...  [  %d ％ 完了 ]",
                                             "Under continuation image creation...  [  %d percent done ]"};

inline constexpr Message MovieCaption{"リンク機構ムービーの保存", "Preservation of a linkage mechanism movie"};
inline constexpr Message MpegLabel{"ＭＰＥＧムービーファイル出力中", "Under an MPEG movie file output"};
inline constexpr Message MpegProgress{"ＭＰＥＧムービーファイル出力中...  [  %d ％ 完了 ]",
                                      "Under an MPEG movie file output...  [  %d percent done ]"};
inline constexpr Message AviLabel{"ＡＶＩムービーファイル出力中", "Under an AVI movie file output"};
inline constexpr Message AviProgress{"ＡＶＩムービーファイル出力中...  [  %d ％ 完了 ]",
                                     "Under an AVI movie file output...  [  %d percent done ]"};
// The Japanese label before the first frame is the progress text itself.
inline constexpr Message GifLabel{"ＧＩＦアニメーションファイル出力中...  [  %d ％ 完了 ]",
                                  "Under an GIF animation file output"};
inline constexpr Message GifProgress{"ＧＩＦアニメーションファイル出力中...  [  %d ％ 完了 ]",
                                     "Under an GIF animation file output...  [  %d percent done ]"};

inline constexpr Message SeriesPrintCaption{"連続イメージの印刷", "Printing of a continuation image"};
inline constexpr Message SeriesPrintLabel{"連続イメージ印刷中", "Under continuation image printing"};
inline constexpr Message SeriesPrintProgress{"連続イメージ印刷中...  [  %d ％ 完了 ]",
                                             "Under continuation image printing...  [  %d percent done ]"};
inline constexpr Message SeriesPrintFinishing{"連続イメージ印刷中...  [  最終処理中 ]",
                                              "Under continuation image printing...  [  Under a final disposal ]"};

// A series stopped by a refused move; the drive's reason is shown first.
inline constexpr Message SeriesImageStopped{"連続イメージの作成を中止します。",
                                            "Creation of a continuation image is stopped."};
inline constexpr Message SeriesPrintStopped{"連続イメージの印刷を中止します。",
                                            "Printing of a continuation image is stopped."};

// The image save dialog. Filters 1 to 5: JPEG, BMP, GIF, the 120 x 90 GIF and
// SVG, the last after the others so that their numbers stay; a series offers
// the first three, as its sheet is a picture of pixels by its making.
inline constexpr Message ImageSaveTitle{"リンク機構イメージの保存", "Preservation of a linkage mechanism image"};
inline constexpr Message ImageFilters{
    "JPEG ファイル (*.jpg)|*.jpg|BMP ファイル (*.bmp)|*.bmp|GIF ファイル (*.gif)|*.gif|GIF ファイル(120x90) (*.gif)|*.gif"
    "|SVG ファイル (*.svg)|*.svg",
    "JPEG file (*.jpg)|*.jpg|BMP file (*.bmp)|*.bmp|GIF file (*.gif)|*.gif|GIF file(120x90) (*.gif)|*.gif"
    "|SVG file (*.svg)|*.svg"};
inline constexpr Message SeriesFilters{"JPEG ファイル (*.jpg)|*.jpg|BMP ファイル (*.bmp)|*.bmp|GIF ファイル (*.gif)|*.gif",
                                       "JPEG file (*.jpg)|*.jpg|BMP file (*.bmp)|*.bmp|GIF file (*.gif)|*.gif"};

// A caption names the model between these brackets, in both languages.
inline constexpr std::string_view CaptionOpen = "【";
inline constexpr std::string_view CaptionClose = "】";

}  // namespace morvane::export_texts
