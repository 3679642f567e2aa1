// The property window's description of a part: its kind, where it stands,
// its pins and how it can move.

#include "session/part_properties.h"

#include <optional>
#include <string>

#include "model/catalogue.h"
#include "model/number_format.h"
#include "model/part_kind.h"
#include "model/slot_range.h"
#include "session/canvas_drag.h"

namespace morvane {

namespace {

// English kind names end in a blank, as the window has always shown them.
std::string KindName(const PartRecord& part, Language language) {
  const bool ja = language == Language::Japanese;
  const std::string length = std::to_string(RoundHalfEven(part.Size));
  const auto pick = [&](const char* japanese, const char* english) { return std::string(ja ? japanese : english); };
  switch (part.Kind) {
    case DiskActive1: return pick("円盤（小）／動力付き", "Disc(Small) / with power ");
    case DiskActive2: return pick("円盤（中）／動力付き", "Disc(Middle) / with power ");
    case DiskActive3: return pick("円盤（大）／動力付き", "Disc(Big) / with power ");
    case RodActive1: return ja ? "ロッド１ ／動力付き（L=" + length + "）" : "Rod1 / with power (L=" + length + ") ";
    case RodActive2: return ja ? "ロッド２ ／動力付き（L=" + length + "）" : "Rod2 / with power (L=" + length + ") ";
    case DiskPassive1: return pick("円盤（小）", "Disc(Small) ");
    case DiskPassive2: return pick("円盤（中）", "Disc(Middle) ");
    case DiskPassive3: return pick("円盤（大）", "Disc(Big) ");
    case Triangle1: return pick("三角形（小）", "Triangle(Small) ");
    case Triangle2: case Triangle3: return pick("三角形（大）", "Triangle(Big) ");
    case Lgata1: return pick("Ｌ型（小）", "L Tppe(Small) ");
    case Lgata2: return pick("Ｌ型（中）", "L Tppe(Middle) ");
    case Lgata3: return pick("Ｌ型（大）", "L Tppe(Big) ");
    case PistonActive: return pick("ピストン／動力付き", "Piston / with power ");
    case PistonPassive: return pick("ピストン", "Piston ");
    default: break;
  }
  if (part.Kind >= RodPassive1 && part.Kind <= RodPassive6) {
    return ja ? "ロッド（L=" + length + "）"
              : "Rod" + std::to_string(part.Kind - RodPassive1 + 1) + " (L=" + length + ") ";
  }
  return pick("不明", "unknown ");
}

std::string PinText(std::optional<PinStatus> pin, Language language) {
  if (!pin) {
    return "";
  }
  const bool fixed = *pin != PinStatus::Movable;
  if (language == Language::Japanese) {
    return fixed ? " 上の固定ピン" : " 上の可動ピン";
  }
  return fixed ? "The fixed pin " : "The movable pin ";
}

std::string PenText(std::optional<int32_t> pen, Language language) {
  if (!pen || !IsPenColour(*pen)) {
    return "";
  }
  static const char* const japanese[] = {"　（黒ペンあり）", "　（赤ペンあり）", "　（青ペンあり）", "　（緑ペンあり）"};
  static const char* const english[] = {"(with black pen) ", "(with red pen) ", "(with blue pen) ", "(with green pen) "};
  const int colour = PenColourIndex(*pen);
  return language == Language::Japanese ? japanese[colour] : english[colour];
}

std::string RangeText(int fixed, int movable, Language language) {
  const auto pick = [&](const char* japanese, const char* english) {
    return std::string(language == Language::Japanese ? japanese : english);
  };
  if (fixed >= 2) {
    return pick("移動できない", "It cannot move");
  }
  if (fixed == 1 && movable == 0) {
    return pick("固定ピンを中心とした円の範囲", "The range of the circle centering on a fixed pin");
  }
  if (fixed == 0 && movable == 1) {
    return pick("可動ピンを中心とした円の範囲", "The range of the circle centering on a movable pin");
  }
  if (fixed == 0 && movable == 0) {
    return pick("自由に移動できる", "It can move freely");
  }
  if (fixed == 1) {
    return pick("固定ピンを中心にした円の範囲だが、可動ピンによって制限を受けることがある",
                "Although it is the range of the circle centering on a fixed pin, a movable pin may receive "
                "restriction");
  }
  return pick("接続されている複数の可動ピンにより制限を受けることがある",
              "Two or more movable pins connected may receive restriction");
}

// Over the part's pins: how many other pin slots stand at each.
int ConnectedParts(const ModelState& model, const PartRecord& part) {
  int connected = 0;
  for (int s = 0; s < part.PinCount; ++s) {
    const Point p = PinWorld(part, s);
    connected += CountPinsAt(model, p.X, p.Y) - 1;
  }
  return connected;
}

}  // namespace

PartProperties DescribePart(const ModelState& model, int index, double x, double y, Language language) {
  const PartRecord& part = model.PartTable[index];
  const bool ja = language == Language::Japanese;
  const Point at = SnapToHole(part, x, y, 5);
  const std::optional<PinStatus> pin = PinStateAt(model, at.X, at.Y);
  const std::string pinText = PinText(pin, language);
  const std::string penText = PenText(PenColourAt(model, at.X, at.Y), language);
  const std::string kind = KindName(part, language);
  int fixed = 0;
  int movable = 0;
  for (int s = 0; s < part.PinCount; ++s) {
    (part.PinState[s] == PinStatus::Movable ? movable : fixed) += 1;
  }
  const Point shown = pin ? at : Point{part.X, part.Y};
  PartProperties p;
  p.Name = ja ? kind + pinText + penText : pinText + kind + penText;
  p.Position = "（" + std::to_string(RoundHalfEven(shown.X)) + "，" + std::to_string(RoundHalfEven(shown.Y)) + "）";
  p.Angle = FormatGeneral(part.Angle) + (ja ? " 度" : " degree");
  p.Pins = ja ? "可動ピン=" + std::to_string(movable) + "個 ／ 固定ピン=" + std::to_string(fixed) + "個"
              : "Movable pin=" + std::to_string(movable) + "pieces / Fixed pin=" + std::to_string(fixed) + "pieces";
  p.Parts = std::to_string(ConnectedParts(model, part)) + (ja ? " 個" : " pieces");
  p.Range = RangeText(fixed, movable, language);
  p.Number = "Parts No.=" + std::to_string(index);
  if (const int slot = PinSlotAt(part, at.X, at.Y); slot >= 0) {
    p.Number += " / Pin No.=" + std::to_string(slot) + " / Pin Index=" + std::to_string(part.PinId[slot]);
  }
  return p;
}

}  // namespace morvane
