#pragma once

#include <emscripten/val.h>

#include <string>

#include "engine/SimulationState.h"

// The printed page of the diffusion and the free path for a state (null in other modes): the
// vessel, its particles, the tracked particle's path and the status lines in the language of
// the code, for print/index.ts (VesselPage). Bound as vesselPage(session, vmax, language); a
// binding of another object that holds a run can give its state here too.
emscripten::val VesselPageOf(const SimulationState& s, int vmax, const std::string& code);
