#pragma once

// The labels of the calculator form, shared by the dialog and the command-line
// front end so both name the results identically.
namespace vendrel::labels {

inline constexpr char kFlow[] = "水流量(W:立方米/小时)";
inline constexpr char kDiameter[] = "管径(净空D:mm)";
inline constexpr char kRoughness[] = "绝对粗糙度(K:mm)";
inline constexpr char kViscosity[] = "运动粘滞系数υ(10^-6m^2/s)"; // upsilon, not nu
inline constexpr char kVelocity[] = "实际流速(V:m/s)";
inline constexpr char kLambda[] = "摩擦阻力系数(λ)";
inline constexpr char kFrictionRate[] = "比摩阻(Rf:mm水柱/m)";
inline constexpr char kReynolds[] = "雷诺数(Re)";
inline constexpr char kRoughReynolds[] = "粗糙雷诺数(Re*)";

// Inputs the form starts with: the usual steel-pipe roughness and water at 10 °C.
inline constexpr char kDefaultRoughness[] = "0.2";
inline constexpr char kDefaultViscosity[] = "1.306";

} // namespace vendrel::labels
