#pragma once

// Every text the calculation writes besides numbers, in one place.
namespace vendrel::messages {

inline constexpr char kInvalidData[] = "数据有误";
inline constexpr char kLaminar[] = "层流区";
inline constexpr char kCritical[] = "临界区";
inline constexpr char kNotTurbulent[] = "非紊流区";
inline constexpr char kIterationFailed[] = "迭代失败";
// The smooth and transition prefixes take a full-width colon, the rough one an
// ASCII colon; engineers know the texts this way.
inline constexpr char kSmoothPrefix[] = "光滑区：λ误差为";
inline constexpr char kTransitionPrefix[] = "过渡区：λ误差为";
inline constexpr char kRoughPrefix[] = "粗糙区:λ误差为";
inline constexpr char kResidualSuffix[] = "^-6";

} // namespace vendrel::messages
