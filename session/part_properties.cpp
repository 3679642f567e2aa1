// The property window's description of a part: its kind, where it stands,
// its pins and how it can move.

#include "session/part_properties.h"

#include <optional>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/number_format.h"
#include "model/part_kind.h"
#include "model/slot_range.h"
#include "session/canvas_drag.h"
#include "session/session_texts.h"
#include "solver/log_line.h"

namespace morvane {

namespace {

namespace texts = session_texts;

std::string Filled(const Message& text, Language language, const std::vector<std::string>& values) {
  return FillPlaceholders(TextFor(text, language), values);
}

std::string KindName(const PartRecord& part, Language language) {
  const std::string length = std::to_string(RoundHalfEven(part.Size));
  for (const texts::KindText& kind : texts::KindNames) {
    if (kind.Kind == part.Kind) {
      return Filled(kind.Name, language, {length});
    }
  }
  if (part.Kind >= RodPassive1 && part.Kind <= RodPassive6) {
    return Filled(texts::PlainRodName, language, {length, std::to_string(part.Kind - RodPassive1 + 1)});
  }
  return std::string(TextFor(texts::UnknownKindName, language));
}

std::string PinText(std::optional<PinStatus> pin, Language language) {
  if (!pin) {
    return "";
  }
  return std::string(TextFor(*pin != PinStatus::Movable ? texts::FixedPinOnPart : texts::MovablePinOnPart, language));
}

std::string PenText(std::optional<int32_t> pen, Language language) {
  if (!pen || !IsPenColour(*pen)) {
    return "";
  }
  return std::string(TextFor(texts::PenOnPart[PenColourIndex(*pen)], language));
}

const Message& RangeText(int fixed, int movable) {
  if (fixed >= 2) {
    return texts::HeldByTwoFixedPins;
  }
  if (fixed == 1 && movable == 0) {
    return texts::TurnsAboutFixedPin;
  }
  if (fixed == 0 && movable == 1) {
    return texts::TurnsAboutMovablePin;
  }
  if (fixed == 0 && movable == 0) {
    return texts::MovesFreely;
  }
  if (fixed == 1) {
    return texts::TurnsAboutFixedPinWithinMovable;
  }
  return texts::HeldByMovablePins;
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
  const Point at = SnapToHole(part, x, y, kClickSnap);
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
  p.Position = Filled(texts::Position, language,
                      {std::to_string(RoundHalfEven(shown.X)), std::to_string(RoundHalfEven(shown.Y))});
  p.Angle = Filled(texts::Angle, language, {FormatGeneral(part.Angle)});
  p.Pins = Filled(texts::PinCounts, language, {std::to_string(movable), std::to_string(fixed)});
  p.Parts = Filled(texts::ConnectedParts, language, {std::to_string(ConnectedParts(model, part))});
  p.Range = TextFor(RangeText(fixed, movable), language);
  p.Number = Filled(texts::PartNumber, language, {std::to_string(index)});
  if (const int slot = PinSlotAt(part, at.X, at.Y); slot >= 0) {
    p.Number += Filled(texts::PinNumber, language, {std::to_string(slot), std::to_string(part.PinId[slot])});
  }
  return p;
}

}  // namespace morvane
