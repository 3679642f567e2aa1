#include "analysis/report_words.h"

#include "analysis/analysis_texts.h"
#include "solver/log_line.h"

namespace morvane::analysis {

namespace text = analysis_texts;

const Message& ClassName(GrashofClass grashofClass) {
  switch (grashofClass) {
    case GrashofClass::CrankRocker: return text::CrankRocker;
    case GrashofClass::DoubleCrank: return text::DoubleCrank;
    case GrashofClass::DoubleRocker: return text::DoubleRocker;
    case GrashofClass::ChangePoint: return text::ChangePoint;
    case GrashofClass::TripleRocker: break;
  }
  return text::TripleRocker;
}

const Message& ClassNote(const FourBarLoop& loop) {
  switch (loop.Shortest) {
    case ShortestLink::Crank: return text::CrankShortest;
    case ShortestLink::Rocker: return text::RockerShortest;
    case ShortestLink::Ground: return text::GroundShortest;
    case ShortestLink::Coupler: return text::CouplerShortest;
    case ShortestLink::None: break;
  }
  return loop.Class == GrashofClass::ChangePoint ? text::AtChangePoint : text::NoLinkTurns;
}

const Message& JointName(JointKind kind) {
  switch (kind) {
    case JointKind::Pin: return text::PinJoint;
    case JointKind::FixedPin: return text::FixedPinJoint;
    case JointKind::Axle: return text::AxleJoint;
    case JointKind::Slider: break;
  }
  return text::SliderJoint;
}

std::string MobilityReasonText(const MobilityCount& mobility, Language language) {
  if (!mobility.HasReason) {
    return {};
  }
  const MobilityReason& reason = mobility.Reason;
  const std::string_view separator = TextFor(text::ReasonSeparator, language);
  const auto fill = [language](const Message& message, int value) {
    return FillPlaceholders(TextFor(message, language), {LogValue(value)});
  };
  std::string words;
  switch (reason.What) {
    case MobilityReason::Kind::Structure: words = TextFor(text::Structure, language); break;
    case MobilityReason::Kind::Overconstrained: words = fill(text::Overconstrained, -mobility.Degrees); break;
    case MobilityReason::Kind::TooFree: words = fill(text::TooFree, mobility.Degrees); break;
  }
  if (reason.MovesAnyway) {
    words += std::string(separator) + std::string(TextFor(text::MovesAnyway, language));
  }
  for (const int part : reason.LooseParts) {
    words += std::string(separator) + fill(text::LoosePart, part + 1);
  }
  for (const int part : reason.SwingingParts) {
    words += std::string(separator) + fill(text::SwingingPart, part + 1);
  }
  return words;
}

}  // namespace morvane::analysis
