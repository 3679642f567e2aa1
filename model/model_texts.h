#pragma once

#include "model/message.h"

namespace morvane::model_texts {

inline constexpr Message PartsFull{"これ以上の部品は配置できません。", "Parts cannot be arranged."};
inline constexpr Message PinAlreadyThere{"すでにピンが配置されています。", "The pin is already arranged."};
inline constexpr Message ThreeOrMoreParts{"３つ以上の部品を接続することはできません。",
                                          "Three or more parts are not connectable."};
inline constexpr Message MovablePinNeedsTwo{"可動ピンは２つ以上の部品を接続します。",
                                            "A movable pin connects two or more parts."};
inline constexpr Message PenAlreadyThere{"すでにペンが配置されています。", "The pen is already arranged."};
inline constexpr Message ReadFailed{"ファイルの読み込みに失敗しました。", "Reading of a file went wrong."};
inline constexpr Message FileBroken{"データファイルが壊れています。", "The data file has broken."};
inline constexpr Message WriteFailed{"ファイルの書込みに失敗しました。", "The writing of a file went wrong."};
inline constexpr Message ConfirmClearAll{"すべて消去しますか？", "Are all eliminated?"};
inline constexpr Message ConfirmExit{"終了しますか？", "Does it exit?"};
// The name offered for a document that has none yet.
inline constexpr Message NewName{"新規", "NewData"};

}  // namespace morvane::model_texts
