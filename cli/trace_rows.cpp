#include "cli/trace_rows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "analysis/point_motion.h"
#include "model/part_kind.h"
#include "model/part_frame.h"

namespace morvane::cli {

namespace {

constexpr const char* kColourNames[kPenColours] = {"black", "red", "blue", "green"};

std::string Shortest(double value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// JSON has no NaN or infinity; a model read from a file holds neither, but
// a value that is not a number must not break the line.
std::string Json(double value) {
  if (!std::isfinite(value)) {
    return "null";
  }
  char buffer[32];
  return std::string(buffer,
                     std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17).ptr);
}

std::optional<Point> PinPosition(const ModelState& model, int32_t pin) {
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& part = model.PartTable[i];
    for (int s = 0; s < part.PinCount; ++s) {
      if (part.PinId[s] == pin) {
        return PinWorld(part, s);
      }
    }
  }
  return std::nullopt;
}

using Motions = std::optional<std::vector<analysis::Motion>>;

// The motion of the k-th point, or nothing when it is unknown.
const analysis::Motion* MotionOf(const Motions& motions, int k) {
  return motions && k >= 0 ? &(*motions)[static_cast<size_t>(k)] : nullptr;
}

Motions RowMotions(const TraceColumns& columns, const ModelState& model) {
  return columns.Derivatives ? analysis::MotionAt(model, columns.Points) : std::nullopt;
}

void WriteCsvMotion(const analysis::Motion* motion, std::ostream& out) {
  if (motion == nullptr) {
    out << ",,,,";
    return;
  }
  out << ',' << Shortest(motion->Vx) << ',' << Shortest(motion->Vy) << ',' << Shortest(motion->Ax) << ','
      << Shortest(motion->Ay);
}

void WriteJsonMotion(const analysis::Motion* motion, std::ostream& out) {
  if (motion != nullptr) {
    out << ",\"vx\":" << Json(motion->Vx) << ",\"vy\":" << Json(motion->Vy) << ",\"ax\":" << Json(motion->Ax)
        << ",\"ay\":" << Json(motion->Ay);
  }
}

// Every pin slot, then every pen slot, of every part in table order.
std::vector<analysis::TrackedPoint> EverySlot(const ModelState& model) {
  std::vector<analysis::TrackedPoint> points;
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    points.push_back({analysis::TrackedPoint::Kind::Pin, model.PartTable[at.Part].PinId[at.Slot], at});
  }
  for (const SlotRef at : PenSlots(model.PartTable, model.PartCount)) {
    points.push_back({analysis::TrackedPoint::Kind::Pen, model.PartTable[at.Part].PenColor[at.Slot], at});
  }
  return points;
}

// `pin` and `pen` count the slots written so far, to find their motions.
void WritePart(const PartRecord& part, int index, const Motions& motions, int& pin, int& pen, std::ostream& out) {
  out << "{\"index\":" << index << ",\"kind\":" << part.Kind << ",\"x\":" << Json(part.X) << ",\"y\":" << Json(part.Y)
      << ",\"angle\":" << Json(part.Angle) << ",\"size\":" << Json(part.Size) << ",\"pins\":[";
  for (int s = 0; s < part.PinCount; ++s) {
    const Point p = PinWorld(part, s);
    out << (s ? "," : "") << "{\"id\":" << part.PinId[s] << ",\"state\":" << static_cast<int32_t>(part.PinState[s])
        << ",\"x\":" << Json(p.X) << ",\"y\":" << Json(p.Y);
    WriteJsonMotion(MotionOf(motions, pin++), out);
    out << '}';
  }
  out << "],\"pens\":[";
  for (int s = 0; s < part.PenCount; ++s) {
    const Point p = PenWorld(part, s);
    out << (s ? "," : "") << "{\"color\":" << part.PenColor[s] << ",\"x\":" << Json(p.X) << ",\"y\":" << Json(p.Y);
    WriteJsonMotion(MotionOf(motions, pen++), out);
    out << '}';
  }
  out << "]}";
}

}  // namespace

TraceColumns ColumnsOf(const ModelState& model, bool derivatives) {
  TraceColumns columns;
  columns.Derivatives = derivatives;
  columns.Points = analysis::TrackedPoints(model);
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& part = model.PartTable[i];
    columns.Pins.insert(columns.Pins.end(), part.PinId.begin(), part.PinId.begin() + part.PinCount);
  }
  std::sort(columns.Pins.begin(), columns.Pins.end());
  columns.Pins.erase(std::unique(columns.Pins.begin(), columns.Pins.end()), columns.Pins.end());
  for (int c = 0; c < kPenColours; ++c) {
    if (model.PenPlaced[c]) {
      columns.PenColours.push_back(c);
    }
  }
  return columns;
}

void WriteCsvHeader(const TraceColumns& columns, std::ostream& out) {
  const auto fields = [&](const std::string& name) {
    out << ',' << name << "_x," << name << "_y";
    if (columns.Derivatives) {
      out << ',' << name << "_vx," << name << "_vy," << name << "_ax," << name << "_ay";
    }
  };
  out << "position";
  for (const int32_t pin : columns.Pins) {
    fields("pin" + std::to_string(pin));
  }
  for (const int c : columns.PenColours) {
    fields(std::string("pen_") + kColourNames[c]);
  }
  out << '\n';
}

void WriteCsvRow(const TraceColumns& columns, const ModelState& model, const PenLoci& loci, std::ostream& out) {
  const Motions motions = RowMotions(columns, model);
  out << model.PowerPosition;
  for (const int32_t pin : columns.Pins) {
    const std::optional<Point> p = PinPosition(model, pin);
    out << ',' << (p ? Shortest(p->X) : "") << ',' << (p ? Shortest(p->Y) : "");
    if (columns.Derivatives) {
      WriteCsvMotion(MotionOf(motions, analysis::PointOfPin(columns.Points, pin)), out);
    }
  }
  for (const int c : columns.PenColours) {
    const PenTrail& trail = loci.Trails[c];
    const bool traced = !trail.X.empty();
    out << ',' << (traced ? Shortest(trail.X.back()) : "") << ',' << (traced ? Shortest(trail.Y.back()) : "");
    if (columns.Derivatives) {
      WriteCsvMotion(MotionOf(motions, analysis::PointOfPen(columns.Points, PenBlack + c)), out);
    }
  }
  out << '\n';
}

void WriteJsonPens(const TraceColumns& columns, const PenLoci& loci, const ModelState& model, std::ostream& out) {
  const Motions motions = RowMotions(columns, model);
  out << "{\"position\":" << model.PowerPosition << ",\"pens\":[";
  const char* separator = "";
  for (const int c : columns.PenColours) {
    const PenTrail& trail = loci.Trails[c];
    if (!trail.X.empty()) {
      out << separator << "{\"color\":\"" << kColourNames[c] << "\",\"x\":" << Json(trail.X.back())
          << ",\"y\":" << Json(trail.Y.back());
      WriteJsonMotion(MotionOf(motions, analysis::PointOfPen(columns.Points, PenBlack + c)), out);
      out << '}';
      separator = ",";
    }
  }
  out << "]}\n";
}

void WriteJsonRow(const ModelState& model, bool derivatives, std::ostream& out) {
  const std::vector<analysis::TrackedPoint> slots =
      derivatives ? EverySlot(model) : std::vector<analysis::TrackedPoint>{};
  const Motions motions = derivatives ? analysis::MotionAt(model, slots) : std::nullopt;
  int pin = 0;
  // Pen slots follow every pin slot among the points.
  int pen = static_cast<int>(std::count_if(slots.begin(), slots.end(), [](const analysis::TrackedPoint& p) {
    return p.What == analysis::TrackedPoint::Kind::Pin;
  }));
  out << "{\"position\":" << model.PowerPosition << ",\"parts\":[";
  for (int i = 0; i < model.PartCount; ++i) {
    out << (i ? "," : "");
    WritePart(model.PartTable[i], i, motions, pin, pen, out);
  }
  out << "]}\n";
}

}  // namespace morvane::cli
