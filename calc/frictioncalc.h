#pragma once

#include "calc/frictionfields.h"

// How one calculation flows: the four input texts of FrictionFields are read
// as classic-locale decimal numbers (numbertext.h) → checked (each at least
// 0.000001 and finite, else only the Reynolds text changes, to "数据有误") →
// converted to SI → velocity V and Reynolds number Re → regime: laminar
// (Re < 2000, λ = 64/Re), critical (2000 ≤ Re ≤ 4000, λ = 0.0025·Re^⅓) or
// turbulent (SolveTurbulentFriction picks the zone and λ) → specific friction
// loss Rf = λ/D · V²/2g in mm of water column per m, roughness Reynolds number
// Re*, and a status line naming the zone with the residual of its law → all
// six result texts written back. Input texts are never rewritten.

namespace vendrel {

void Calculate(FrictionFields& fields);

} // namespace vendrel
