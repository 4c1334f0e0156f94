#pragma once

#include "calc/flowzone.h"

namespace vendrel {

// Darcy friction factor λ of a turbulent pipe flow. K (roughness) and D (bore)
// in m, V in m/s, nu in m²/s, all single precision; the arithmetic is double.
// Tries the rough law first, then Colebrook–White, then the smooth law, each
// accepted only where its roughness Reynolds number Re* = √(λ/8)·V·K/ν fits
// its zone. Writes the zone; returns λ, or -1.0 with FlowZone::Failed.
double SolveTurbulentFriction(float K, float D, float V, float nu, FlowZone& zone);

// The solver's first test: whether the rough law's own Re* is above 60, so
// that it returns the rough law's λ.
bool IsFullyRough(float K, float D, float V, float nu);

} // namespace vendrel
