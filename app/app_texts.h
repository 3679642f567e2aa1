#pragma once

#include <array>
#include <span>
#include <string_view>

#include "model/message.h"

class QWidget;

namespace morvane::app {

// The caption and hint of one control, found by its objectName inside its
// window. An empty text means the control has none of that kind.
struct ControlText {
  std::string_view Name;
  std::string_view Caption;
  std::string_view Hint;
};

// The keys that do what a control does, added to its hint.
struct KeyText {
  std::string_view Name;
  std::string_view Keys;
};

// The texts of one window, found by the window's objectName.
struct WindowTexts {
  std::string_view Window;
  std::string_view Caption;
  std::span<const ControlText> Controls;
  std::span<const KeyText> Keys = {};
};

constexpr int kSpeedItems = 5;

// Every text of the windows in one language. The Japanese ones are the
// designed texts; the English ones replace them when the language is English.
struct UiTexts {
  std::span<const WindowTexts> Windows;
  std::array<std::string_view, kSpeedItems> SpeedItems;
  // btnDebug's hint while the progress window is hidden and while it is open.
  std::string_view DebugShowHint;
  std::string_view DebugCloseHint;
  // The save dialog of the progress log.
  std::string_view LogSaveTitle;
  std::string_view LogSaveFilter;
  // The open and save dialogs of model files.
  std::string_view ModelOpenTitle;
  std::string_view ModelSaveTitle;
  std::string_view ModelFilter;
  // Asked before a save dialog's answer replaces a file; %1 is its name.
  std::string_view ReplaceQuestion;
  // Asked, with Save, Discard and Cancel, before a changed model is lost.
  std::string_view SaveChangesQuestion;
  // How a window's keys follow a hint: %1 the hint, %2 the keys.
  std::string_view KeyHintFormat;
};

// The analysis window's texts that carry figures ({0}, {1}, ...) or change
// with what it shows.
namespace analysis_window {
inline constexpr Message Mobility{"自由度 {0}（固定節を含む節 {1}、関節 {2}）",
                                  "Mobility {0} ({1} links with the ground, {2} joints)"};
inline constexpr Message TurnsFully{"動力部品は１回転する", "The power part turns fully"};
inline constexpr Message Rocks{"動力部品は死点 {0}° と {1}° の間を往復する",
                               "The power part rocks between its dead points at {0}° and {1}°"};
inline constexpr Message DeadPoint{"死点 {0}°：{1}", "Dead point at {0}°: {1}"};
inline constexpr Message NoPowerPart{"動力部品がありません", "There is no power part"};
inline constexpr Message FourBar{
    "四節機構 {0}-{1}-{2}：固定節 {3}、クランク {4}、連接棒 {5}、てこ {6} → {7}",
    "Four-bar {0}-{1}-{2}: ground {3}, crank {4}, coupler {5}, rocker {6}: {7}"};
inline constexpr Message Swing{"部品 {0} の揺動角 {1}°", "Part {0} swings {1}°"};
inline constexpr Message TimeRatio{"、早戻り比 {0}", ", time ratio {0}"};
inline constexpr Message Stroke{"ピストン 部品 {0}：行程 {1}（{2} 〜 {3}）",
                                "Piston part {0}: stroke {1} ({2} to {3})"};
inline constexpr Message CrankAngle{"クランク角 {0}°", "Crank angle {0}°"};
inline constexpr Message Transmission{"伝達角 ピン {0}：{1}°（{2}° 〜 {3}°）",
                                      "Transmission angle at pin {0}: {1}° ({2}° to {3}°)"};
inline constexpr Message PointSpeed{
    "速さ最大 {0} px/rad = {1} px/s（{2}°）\n加速度最大 {3} px/rad² = {4} px/s²（{5}°）",
    "Speed up to {0} px/rad = {1} px/s at {2}°\nAcceleration up to {3} px/rad² = {4} px/s² at {5}°"};
inline constexpr Message Position{"位置", "Position"};
inline constexpr Message Velocity{"速度", "Velocity"};
inline constexpr Message Acceleration{"加速度", "Acceleration"};
inline constexpr Message TransmissionAngle{"伝達角", "Transmission angle"};
inline constexpr Message OscillatorAngle{"揺動角", "Oscillator angle"};
inline constexpr Message Pin{"ピン {0}", "Pin {0}"};
inline constexpr Message Part{"部品 {0}", "Part {0}"};
inline constexpr Message Pens[] = {
    {"黒のペン", "Black pen"}, {"赤のペン", "Red pen"}, {"青のペン", "Blue pen"}, {"緑のペン", "Green pen"}};
inline constexpr Message CrankAxis{"クランク角 [°]", "Crank angle [°]"};
inline constexpr Message PositionAxis{"位置 [px]", "Position [px]"};
inline constexpr Message VelocityAxis{"速度 [px/rad]", "Velocity [px/rad]"};
inline constexpr Message VelocityPerSecondAxis{"速度 [px/s]", "Velocity [px/s]"};
inline constexpr Message AccelerationAxis{"加速度 [px/rad²]", "Acceleration [px/rad²]"};
inline constexpr Message AccelerationPerSecondAxis{"加速度 [px/s²]", "Acceleration [px/s²]"};
inline constexpr Message AngleAxis{"角度 [°]", "Angle [°]"};
inline constexpr Message Band{"40° 〜 140°", "40° to 140°"};
inline constexpr Message SaveTitle{"グラフの保存", "Save the plot"};
inline constexpr Message SaveFilters{"PNG 画像 (*.png)|*.png|SVG 画像 (*.svg)|*.svg|CSV データ (*.csv)|*.csv",
                                     "PNG picture (*.png)|*.png|SVG picture (*.svg)|*.svg|CSV data (*.csv)|*.csv"};
}  // namespace analysis_window

const UiTexts& JapaneseTexts();
const UiTexts& EnglishTexts();
const UiTexts& TextsFor(Language language);

// The texts of a window, or null when the tables have none for it.
const WindowTexts* FindWindowTexts(const UiTexts& texts, std::string_view window);

// Sets the caption of the window and the captions, hints and items of its
// controls from the table of that language. Controls the window does not hold
// are passed over, so a window can be filled before all its parts exist.
void ApplyTexts(QWidget& window, Language language);

}  // namespace morvane::app
