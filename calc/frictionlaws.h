#pragma once

// The constants of the three turbulent friction laws, shared by the solver and
// by the residuals shown in the status line. Each formula keeps its own order
// of operations where it is written; only the numbers live here.
//   rough:      λ = 0.11·(K/D)^0.25
//   transition: 1/√λ = −2·log10(2.51/(Re·√λ) + K/(3.71·D))   (Colebrook–White)
//   smooth:     1/√λ = 2·log10(Re·√λ) − 0.8
//   zones by    Re* = √(λ/8)·V·K/ν
namespace vendrel::laws {

inline constexpr double kRoughFactor = 0.11; // times the fourth root of K/D
inline constexpr double kColebrookViscous = 2.51;
inline constexpr double kInverse371 = 0.2695417789757412; // 1/3.71, applied as a multiplier
inline constexpr double kSmoothOffset = 0.8;
inline constexpr double kEighth = 0.125; // λ/8 is taken as λ × 0.125

} // namespace vendrel::laws
