#pragma once

namespace vendrel {

// What one calculation came to, for callers that act on it (exit statuses,
// CSV columns) rather than only show the texts.
struct CalculationOutcome {
    enum class Zone {
        Invalid,    // an input was refused: only the Reynolds text changed
        Laminar,    // Re < 2000
        Critical,   // 2000 ≤ Re ≤ 4000
        Smooth,     // turbulent, hydraulically smooth
        Transition, // turbulent, Colebrook–White
        Rough,      // turbulent, fully rough
        Failed,     // turbulent, but no law's root fits its own zone
        // The design aids' answer where the calculator's is Failed: λ from
        // the Colebrook–White law alone (CalculateColebrookWhite).
        ColebrookWhite,
    };
    Zone zone = Zone::Invalid;
    // False when a number shown is infinite or not a number, which only inputs
    // far outside any pipe produce (a value in the wrong unit, typically).
    bool finite = true;
};

} // namespace vendrel
