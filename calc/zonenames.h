#pragma once

#include "calc/calculationoutcome.h"

#include <array>
#include <string_view>

namespace vendrel {

// How Vendrel names a calculation's zone: a key for scripts (CSV) and
// the Chinese name for people, both indexed by CalculationOutcome::Zone.
inline constexpr std::array<std::string_view, 7> kZoneKeys
    = {"invalid", "laminar", "critical", "smooth", "transition", "rough", "failed"};
inline constexpr std::array<std::string_view, 7> kZoneNames
    = {"数据有误", "层流区", "临界区", "光滑区", "过渡区", "粗糙区", "迭代失败"};

inline std::string_view ZoneKey(CalculationOutcome::Zone zone)
{
    return kZoneKeys[static_cast<std::size_t>(zone)];
}

inline std::string_view ZoneName(CalculationOutcome::Zone zone)
{
    return kZoneNames[static_cast<std::size_t>(zone)];
}

} // namespace vendrel
