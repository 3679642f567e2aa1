#pragma once

#include "session/session.h"

namespace morvane::examples {

// The builders of the classic mechanisms, one per example file.
void Hoekens(Session& session);
void Chebyshev(Session& session);
void Watt(Session& session);
void Roberts(Session& session);
void HartInversor(Session& session);
void QuickReturn(Session& session);
void WindscreenWiper(Session& session);
void DragLink(Session& session);
void ChangePoint(Session& session);
void SewingNeedle(Session& session);
void Pantograph(Session& session);
void KlannLeg(Session& session);

}  // namespace morvane::examples
