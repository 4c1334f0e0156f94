#pragma once

#include "calc/calculationoutcome.h"

#include <array>
#include <string_view>

namespace vendrel {

// How Vendrel names a calculation's zone: a key for scripts (CSV) and
// the Chinese name for people, both indexed by CalculationOutcome::Zone.
// The design aids mark a Colebrook–White answer with "*" and explain it in a
// footnote (kColebrookWhiteNote).
inline constexpr std::array<std::string_view, 8> kZoneKeys
    = {"invalid", "laminar", "critical", "smooth", "transition", "rough", "failed", "transition*"};
inline constexpr std::array<std::string_view, 8> kZoneNames
    = {"数据有误", "层流区", "临界区", "光滑区", "过渡区", "粗糙区", "迭代失败", "过渡区*"};
inline constexpr char kColebrookWhiteNote[] = "* 计算器对此显示迭代失败；λ 按 Colebrook–White 公式";

inline std::string_view ZoneKey(CalculationOutcome::Zone zone)
{
    return kZoneKeys[static_cast<std::size_t>(zone)];
}

inline std::string_view ZoneName(CalculationOutcome::Zone zone)
{
    return kZoneNames[static_cast<std::size_t>(zone)];
}

} // namespace vendrel
