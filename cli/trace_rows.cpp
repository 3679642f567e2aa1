#include "cli/trace_rows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

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

void WritePart(const PartRecord& part, int index, std::ostream& out) {
  out << "{\"index\":" << index << ",\"kind\":" << part.Kind << ",\"x\":" << Json(part.X) << ",\"y\":" << Json(part.Y)
      << ",\"angle\":" << Json(part.Angle) << ",\"size\":" << Json(part.Size) << ",\"pins\":[";
  for (int s = 0; s < part.PinCount; ++s) {
    const Point p = PinWorld(part, s);
    out << (s ? "," : "") << "{\"id\":" << part.PinId[s] << ",\"state\":" << static_cast<int32_t>(part.PinState[s])
        << ",\"x\":" << Json(p.X) << ",\"y\":" << Json(p.Y) << '}';
  }
  out << "],\"pens\":[";
  for (int s = 0; s < part.PenCount; ++s) {
    const Point p = PenWorld(part, s);
    out << (s ? "," : "") << "{\"color\":" << part.PenColor[s] << ",\"x\":" << Json(p.X) << ",\"y\":" << Json(p.Y)
        << '}';
  }
  out << "]}";
}

}  // namespace

TraceColumns ColumnsOf(const ModelState& model) {
  TraceColumns columns;
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
  out << "position";
  for (const int32_t pin : columns.Pins) {
    out << ",pin" << pin << "_x,pin" << pin << "_y";
  }
  for (const int c : columns.PenColours) {
    out << ",pen_" << kColourNames[c] << "_x,pen_" << kColourNames[c] << "_y";
  }
  out << '\n';
}

void WriteCsvRow(const TraceColumns& columns, const ModelState& model, const PenLoci& loci, std::ostream& out) {
  out << model.PowerPosition;
  for (const int32_t pin : columns.Pins) {
    const std::optional<Point> p = PinPosition(model, pin);
    out << ',' << (p ? Shortest(p->X) : "") << ',' << (p ? Shortest(p->Y) : "");
  }
  for (const int c : columns.PenColours) {
    const PenTrail& trail = loci.Trails[c];
    const bool traced = !trail.X.empty();
    out << ',' << (traced ? Shortest(trail.X.back()) : "") << ',' << (traced ? Shortest(trail.Y.back()) : "");
  }
  out << '\n';
}

void WriteJsonPens(const TraceColumns& columns, const PenLoci& loci, int32_t position, std::ostream& out) {
  out << "{\"position\":" << position << ",\"pens\":[";
  const char* separator = "";
  for (const int c : columns.PenColours) {
    const PenTrail& trail = loci.Trails[c];
    if (!trail.X.empty()) {
      out << separator << "{\"color\":\"" << kColourNames[c] << "\",\"x\":" << Json(trail.X.back())
          << ",\"y\":" << Json(trail.Y.back()) << '}';
      separator = ",";
    }
  }
  out << "]}\n";
}

void WriteJsonRow(const ModelState& model, std::ostream& out) {
  out << "{\"position\":" << model.PowerPosition << ",\"parts\":[";
  for (int i = 0; i < model.PartCount; ++i) {
    out << (i ? "," : "");
    WritePart(model.PartTable[i], i, out);
  }
  out << "]}\n";
}

}  // namespace morvane::cli
