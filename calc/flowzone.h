#pragma once

namespace vendrel {

// Which friction law governs a turbulent flow. The values are shown to nobody
// but are stable codes: the status line is chosen from them.
enum class FlowZone : int {
    None = -1,      // not turbulent: laminar or critical flow
    Failed = 0,     // no law's root fits its own zone
    Smooth = 1,     // hydraulically smooth pipe
    Transition = 2, // Colebrook–White
    Rough = 3,      // fully rough pipe
};

} // namespace vendrel
