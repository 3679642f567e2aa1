#pragma once

// The words for what the analysis finds, in the user's language.

#include <string>

#include "analysis/four_bar.h"
#include "analysis/mobility.h"
#include "model/message.h"

namespace morvane::analysis {

const Message& ClassName(GrashofClass grashofClass);
// What the class means for the loop: which link is shortest and what turns.
const Message& ClassNote(const FourBarLoop& loop);
const Message& JointName(JointKind kind);

// Why the model does not have one degree of freedom; empty when it has.
std::string MobilityReasonText(const MobilityCount& mobility, Language language);

}  // namespace morvane::analysis
