// Every text of the windows: the designed Japanese ones, and the English ones
// that replace them when the language is English.

#include "app/app_texts.h"

namespace morvane::app {

namespace {

namespace japanese {

constexpr ControlText kMain[] = {
    {"TabDisk", "円盤", ""},
    {"imgDiskActive3", "", "動力円盤（大）を配置します"},
    {"imgDiskpassive3", "", "円盤（大）を配置します"},
    {"imgDiskActive2", "", "動力円盤（中）を配置します"},
    {"imgDiskpassive2", "", "円盤（中）を配置します"},
    {"imgDiskActive1", "", "動力円盤（小）を配置します"},
    {"imgDiskpassive1", "", "円盤（小）を配置します"},
    {"TabRod", "ロッド", ""},
    {"imgRodActive2", "", "動力ロッドを配置します"},
    {"imgRodActive1", "", "動力ロッドを配置します"},
    {"imgRodPassive1", "", "ロッドを配置します"},
    {"imgRodPassive2", "", "ロッドを配置します"},
    {"imgRodPassive3", "", "ロッドを配置します"},
    {"imgRodPassive4", "", "ロッドを配置します"},
    {"TabEtc2", "その他", ""},
    {"imgPistonActive", "", "動力ピストンを配置します"},
    {"imgPistonPassive", "", "ピストンを配置します"},
    {"imgTriangle1", "", "三角（小）を配置しま"},
    {"imgTriangle2", "", "三角（大）を配置しま"},
    {"TabPin", "ピン", ""},
    {"imgHatome", "", "可動ピンを配置します"},
    {"imgKoteiPin", "", "固定ピンを配置します"},
    {"TabPen", "ペン", ""},
    {"imgBlack", "", "黒色の軌跡描画ペンを配置します"},
    {"imgRed", "", "赤色の軌跡描画ペンを配置します"},
    {"imgBlue", "", "青色の軌跡描画ペンを配置します"},
    {"imgGreen", "", "緑色の軌跡描画ペンを配置します"},
    {"TabMove", "全体移動", ""},
    {"btnUp", "", "配置されている部品等のすべてを上に移動します"},
    {"btnDown", "", "配置されている部品等のすべてを下に移動します"},
    {"btnLeft", "", "配置されている部品等のすべてを左に移動します"},
    {"btnRight", "", "配置されている部品等のすべてを右に移動します"},
    {"btnPenDrawClear", "　軌跡の消去", "軌跡を消去します"},
    {"btnClear", "　すべて消去", "現在の部品等の配置をすべて消去します"},
    {"btnModoru", "　配置時に戻る", "配置時の状態に戻します"},
    {"btnUndo", "戻る", "１つ前に戻ります"},
    {"btnRedo", "進む", "１つ先に進みます"},
    {"btnOpen", "　モデルを開く", "リンクモデルファイルを開きます"},
    {"btnExamples", "例題", "例題のリンク機構を一覧から開きます"},
    {"btnSave", "　モデルの保存", "リンクモデルファイルを保存します"},
    {"btnImageSave", "　イメージの保存", "リンク機構のイメージファイルを作成します"},
    {"btnPrint", "　イメージの印刷", "リンク機構のイメージを印刷します"},
    {"btnMakeMovie", "　ムービーの作成", "リンク動作のムービー（アニメーション）を作成します"},
    {"btnDebug", "　処理経過の表示", ""},
    {"btnAnalysis", "解析", "機構の自由度、死点、伝達角、揺動、速度と加速度を調べます"},
    {"btnExit", "　　終　　　了", "終了します"},
    {"btnBack", "", "動力部品を左方向に自動回転します"},
    {"btnPlay", "", "動力部品を右方向に自動回転します"},
    {"cmbSpeed", "", "自動回転の速度を指定します"},
    {"TrackBar1", "", "動力部品を回転します"},
    {"menuDelete", "削除", ""},
    {"menuKaiten", "回転", ""},
    {"menuKaitenInit", "初期状態", ""},
    {"menuKaitenL90", "左に +90度", ""},
    {"menuKaitenL45", "左に +45度", ""},
    {"menuKaitenL10", "左に +10度", ""},
    {"menuKaitenL5", "左に +5度", ""},
    {"menuKaitenL1", "左に +1度", ""},
    {"menuKaitenL05", "左に +0.5度", ""},
    {"menuKaitenL01", "左に +0.1度", ""},
    {"menuKaitenR01", "右に +0.1度", ""},
    {"menuKaitenR05", "右に +0.5度", ""},
    {"menuKaitenR1", "右に +1度", ""},
    {"menuKaitenR5", "右に +5度", ""},
    {"menuKaitenR10", "右に +10度", ""},
    {"menuKaitenR45", "右に +45度", ""},
    {"menuKaitenR90", "右に +90度", ""},
    {"menuPropaty", "プロパティ...", ""},
};

constexpr ControlText kPropaty[] = {
    {"lblKind", "部品の種類：", ""},
    {"lblCoordinates", "座標：", ""},
    {"lblAngle", "角度：", ""},
    {"lblPin", "セットされているピン数：", ""},
    {"lblParts", "接続されている可動パーツ数：", ""},
    {"lblRange", "可動範囲：", ""},
    {"btnClose", "閉じる", ""},
};

constexpr ControlText kDebug[] = {
    {"btnClear", "クリア", ""},
    {"btnClose", "閉じる", ""},
    {"btnSave", "保存", ""},
};

constexpr ControlText kExamples[] = {
    {"lstExamples", "", "ダブルクリックで例題を開きます"},
    {"lblNoExamples", "例題のモデルが見つかりません。", ""},
    {"btnOpen", "開く", ""},
    {"btnClose", "閉じる", ""},
};

constexpr ControlText kAnalysis[] = {
    {"lblPlot", "グラフ：", ""},
    {"chkPerSecond", "毎秒の値", "速度と加速度を自動回転の速さでの毎秒の値で表示します"},
    {"btnSavePlot", "保存...", "グラフを PNG か SVG の画像、または CSV のデータとして保存します"},
    {"chkOverlay", "キャンバスにペンの速度と死点を表示", "ペンの速度の矢印（0.5 ラジアン分）と死点でのクランクを描きます"},
    {"btnClose", "閉じる", ""},
};

constexpr KeyText kMainKeys[] = {
    {"btnOpen", "Ctrl+O"},
    {"btnSave", "Ctrl+S"},
    {"btnUndo", "Ctrl+Z"},
    {"btnRedo", "Ctrl+Y、Ctrl+Shift+Z"},
    {"btnPlay", "スペースキーで開始・停止"},
    {"btnBack", "スペースキーで停止"},
    {"TrackBar1", "PageUp・PageDown で10度ずつ"},
};

constexpr WindowTexts kWindows[] = {
    {"TformMain", "Morvane", kMain, kMainKeys},
    {"TformPropaty", "プロパティ", kPropaty},
    {"TformDebug", "処理経過の表示", kDebug},
    {"TformExamples", "例題", kExamples},
    {"TformAnalysis", "解析", kAnalysis},
};

constexpr UiTexts kTexts{
    kWindows,
    {"最速", "早い", "普通", "遅い", "最遅"},
    "処理経過ウィンドウを表示します",
    "処理経過ウィンドウを閉じます",
    "処理経過ログの保存",
    "処理経過ログ (*.txt)|*.txt",
    "リンク機構データを開く",
    "リンク機構データの保存",
    "リンク機構データ (*.mvd)|*.mvd",
    "%1 は既に存在します。\n置き換えますか？",
    "モデルが変更されています。保存しますか？",
    "%1（%2）",
};

}  // namespace japanese

namespace english {

constexpr ControlText kMain[] = {
    {"TabDisk", "Disc", ""},
    {"imgDiskActive3", "", "Power disc(Big)"},
    {"imgDiskpassive3", "", "Disc(Big)"},
    {"imgDiskActive2", "", "Power disc(Middle)"},
    {"imgDiskpassive2", "", "Disc(Middle)"},
    {"imgDiskActive1", "", "Power disc(Small)"},
    {"imgDiskpassive1", "", "Disc(Small)"},
    {"TabRod", "Rod", ""},
    {"imgRodActive2", "", "Power rod(Long)"},
    {"imgRodActive1", "", "Power rod(Short)"},
    {"imgRodPassive1", "", "Rod"},
    {"imgRodPassive2", "", "Rod"},
    {"imgRodPassive3", "", "Rod"},
    {"imgRodPassive4", "", "Rod"},
    {"TabEtc2", "Others", ""},
    {"imgPistonActive", "", "Power piston"},
    {"imgPistonPassive", "", "Piston"},
    {"imgTriangle1", "", "Triangle(Small)"},
    {"imgTriangle2", "", "Triangle(Big)"},
    {"TabPin", "Pin", ""},
    {"imgHatome", "", "Movable pin"},
    {"imgKoteiPin", "", "Fixed pin"},
    {"TabPen", "Pen", ""},
    {"imgBlack", "", "Black pen"},
    {"imgRed", "", "Red pen"},
    {"imgBlue", "", "Blue pen"},
    {"imgGreen", "", "Green pen"},
    {"TabMove", "Move", ""},
    {"btnUp", "", "All parts are moved upwards"},
    {"btnDown", "", "All parts are moved downward"},
    {"btnLeft", "", "All parts are moved to the left"},
    {"btnRight", "", "All parts are moved to the right"},
    {"btnPenDrawClear", "Erase Locus", "A locus is eraseed"},
    {"btnClear", " Erase All", "All parts are eraseed"},
    {"btnModoru", " Return", "It returns to the state at the time of arrangement"},
    {"btnUndo", " Undo", "It returns before one"},
    {"btnRedo", " Redo", "It progresses previously one"},
    {"btnOpen", " Open a model", "A link model file is opened"},
    {"btnExamples", "Examples", "An example of a linkage mechanism is opened from the gallery"},
    {"btnSave", " Save a model", "A link model file is saved"},
    {"btnImageSave", " Save an image", "The image file of a linkage mechanism is created"},
    {"btnPrint", " Print an image", "The image of a linkage mechanism is printed"},
    {"btnMakeMovie", " Create a movie", "The movie(animation) of link motion is created"},
    {"btnDebug", " Process display", ""},
    {"btnAnalysis", "Analysis", "The mobility, dead points, transmission angles, swings, speeds and accelerations"},
    {"btnExit", " Exit", "A program is ended"},
    {"btnBack", "", "Power parts are rotated leftward automatically"},
    {"btnPlay", "", "Power parts are rotated rightward automatically"},
    {"cmbSpeed", "", "The speed of automatic rotation is specified"},
    {"TrackBar1", "", "Power parts are rotated"},
    {"menuDelete", "Delete", ""},
    {"menuKaiten", "Rotation", ""},
    {"menuKaitenInit", "Initial state", ""},
    {"menuKaitenL90", "On the left +90 degrees", ""},
    {"menuKaitenL45", "On the left +45 degrees", ""},
    {"menuKaitenL10", "On the left +10 degrees", ""},
    {"menuKaitenL5", "On the left +5 degrees", ""},
    {"menuKaitenL1", "On the left +1 degrees", ""},
    {"menuKaitenL05", "On the left +0.5 degrees", ""},
    {"menuKaitenL01", "On the left +0.1 degrees", ""},
    {"menuKaitenR01", "On the right +0.1 degrees", ""},
    {"menuKaitenR05", "On the right +0.5 degrees", ""},
    {"menuKaitenR1", "On the right +1 degrees", ""},
    {"menuKaitenR5", "On the right +5 degrees", ""},
    {"menuKaitenR10", "On the right +10 degrees", ""},
    {"menuKaitenR45", "On the right +45 degrees", ""},
    {"menuKaitenR90", "On the right +90 degrees", ""},
    {"menuPropaty", "Propaty...", ""},
};

constexpr ControlText kPropaty[] = {
    {"lblKind", "The kind of parts:", ""},
    {"lblCoordinates", "Coordinates:", ""},
    {"lblAngle", "Angle:", ""},
    {"lblPin", "The number of pins:", ""},
    {"lblParts", "The number of movable parts:", ""},
    {"lblRange", "Movable range:", ""},
    {"btnClose", "Close", ""},
};

constexpr ControlText kDebug[] = {
    {"btnClear", "Clear", ""},
    {"btnClose", "Close", ""},
    {"btnSave", "Save", ""},
};

constexpr ControlText kExamples[] = {
    {"lstExamples", "", "Double-click an example to open it"},
    {"lblNoExamples", "No example models were found.", ""},
    {"btnOpen", "Open", ""},
    {"btnClose", "Close", ""},
};

constexpr ControlText kAnalysis[] = {
    {"lblPlot", "Plot:", ""},
    {"chkPerSecond", "Per second", "Speeds and accelerations per second at the speed of automatic rotation"},
    {"btnSavePlot", "Save...", "The plot is saved as a PNG or SVG picture or as CSV data"},
    {"chkOverlay", "Pen velocities and dead points on the canvas",
     "Arrows of the pens' velocities (half a radian's travel) and the crank at its dead points"},
    {"btnClose", "Close", ""},
};

constexpr KeyText kMainKeys[] = {
    {"btnOpen", "Ctrl+O"},
    {"btnSave", "Ctrl+S"},
    {"btnUndo", "Ctrl+Z"},
    {"btnRedo", "Ctrl+Y, Ctrl+Shift+Z"},
    {"btnPlay", "Space: start and stop"},
    {"btnBack", "Space: stop"},
    {"TrackBar1", "PageUp, PageDown: 10 degrees"},
};

constexpr WindowTexts kWindows[] = {
    {"TformMain", "Morvane", kMain, kMainKeys},
    {"TformPropaty", "Propaty", kPropaty},
    {"TformDebug", "The display of processing progress", kDebug},
    {"TformExamples", "Examples", kExamples},
    {"TformAnalysis", "Analysis", kAnalysis},
};

constexpr UiTexts kTexts{
    kWindows,
    {"Highest", "High", "Middle", "Low", "Lowest"},
    "A processing progress window is displayed",
    "A processing progress window is closed",
    "Preservation of a processing progress log",
    // Only the Japanese filter was designed; this one follows the model file's.
    "Processing progress log (*.txt)|*.txt",
    "Linkage mechanism data is opened",
    "Preservation of data of linkage mechanism",
    "Linkage mechanism data (*.mvd)|*.mvd",
    "%1 already exists.\nDo you want to replace it?",
    "The model has been changed. Do you want to save it?",
    "%1 (%2)",
};

}  // namespace english

}  // namespace

const UiTexts& JapaneseTexts() { return japanese::kTexts; }
const UiTexts& EnglishTexts() { return english::kTexts; }

}  // namespace morvane::app
