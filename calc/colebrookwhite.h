#pragma once

namespace vendrel {

// λ from the Colebrook–White law alone, 1/√λ = −2·log10(2.51/(Re·√λ) +
// K/(3.71·D)), in double precision throughout and bisected until the bracket
// is two neighbouring doubles: the design aids' answer where the zone solver
// finds no law whose root fits its own zone. K and D in the same unit.
// Returns NaN where the law has no root between 1e-9 and 1 (K/D above about
// 1.2, or Re not a positive number).
double SolveColebrookWhite(double reynolds, double roughness, double diameter);

// The Colebrook–White residual 2·log10(2.51 ÷ Re ÷ √λ + K·(1/3.71) ÷ D) + 1/√λ,
// grouped as the status line's, zero at the root.
double ColebrookWhiteResidual(double lambda, double reynolds, double roughness, double diameter);

} // namespace vendrel
