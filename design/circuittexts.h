#pragma once

#include "design/circuit.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

// A circuit's results as text, the same in vendrel-calc's tables and the
// circuit window: losses in Pa to 0.1, path totals in kPa to 0.01,
// imbalances in % to 0.1; blank where there is no value.
namespace vendrel::design {

// A section's numbers; blank where it was not calculated.
struct SectionTexts {
    std::string velocity;
    std::string frictionRate;
    std::string pascalsPerMetre;
    std::string friction;
    std::string zeta;
    std::string local;
    std::string device;
    std::string total;
};
SectionTexts SectionTextsOf(const SectionResult& result);

std::string PascalsTenthsText(double pascals);
// A positive value to that many significant digits, "12.3", "0.0456", "1230"; blank for none.
std::string SignificantText(double value, int digits);
// A flow as it would be typed, to six decimals without trailing zeros: a
// flow derived at the nodes, the pump's.
std::string FlowAsTyped(double flow);
std::string ZetaText(double zeta); // Σζ to 0.001, as short as it goes
std::string KilopascalsText(double pascals);
std::string PercentText(double fraction);
// A limit given in %, as typed: 0.07 is "7", not "7.000000000000001".
std::string LimitText(double fraction);

// A section's balance as the 平衡 table and the windows show it: its
// excess in kPa to 0.01, its level in % to 0.1, Kv to three significant
// digits, the orifice's bore in mm to 0.1, with its mark "≈" where
// approximate and "×" where impractical; blank where there is none.
struct BalanceTexts {
    std::string excess;
    std::string level;
    std::string kv;
    std::string orifice;
    std::string orificeMark;
};
BalanceTexts BalanceTextsOf(const SectionResult& section);
// What the 平衡 table's columns mean, and where their formulas come from.
inline constexpr char kBalanceNotes[]
    = "富余压头：设计流量下本管段须另行消耗的压力，使每一环路的阻力都等于最不利环路；节流比例：富余压头占本管段起止节点"
      "间压差"
      "的比例，超过不平衡率限值者须调节\n"
      "Kv = Q·√(ρ/1000 ÷ (Δp/100 kPa))；孔板：薄壁锐缘孔板 ζ = [(1−n) + 0.707(1−n)^0.375]² / n²，n = (d/D)²，"
      "按管内流速（Idelchik《Handbook of Hydraulic Resistance》第 3 版，图 4-14，孔内 Re ≥ 10⁵）\n"
      "孔径带 ≈ 者孔内 Re 低于 10⁵，为近似值；带 × 者小于 20 mm 或小于管内径的 30%，宜改用平衡阀";
// What a throttling section's balancing cells say: "富余压头 23.18 kPa，节流比例
// 25.1% 超过限值 15%：设平衡阀 Kv 51.9，或孔板孔径 41.7 mm", with the orifice's marks explained.
std::string BalanceAdvice(const SectionResult& section, double maxImbalance);
// "2 个管段须调节平衡（节流比例超过 15%）"; empty where none needs it.
std::string SectionsToBalanceText(const CircuitResult& result, double maxImbalance);
inline constexpr char kNothingToBalanceNote[] = "各管段富余压头均小于水泵扬程的 1%，无须调节";

// As many sections as a path table's cell shows of a run.
inline constexpr std::size_t kShownPathSections = 16;

// A path as its sections' names in flow order: "G1 S1 T1 R0".
std::string PathText(const std::vector<int>& path, const std::vector<CircuitSection>& sections);
// A path as the path table names it: its own part, the sections it does
// not share with the index circuit, between the circuit's first and last
// sections, "G1 … T1 … R0"; the index circuit, and every path where there is
// none, as its sections. Beyond shownSections sections a run shows its first
// and last halves of them, "G1 S1 … R1 R0".
std::string PathName(const CircuitPath& path, const CircuitResult& result, const std::vector<CircuitSection>& sections,
    std::size_t shownSections = kShownPathSections);
// What the path table says beside a path: "最不利环路", "超过 15%" or nothing.
std::string PathNote(const CircuitPath& path, double maxImbalance);

// "最不利环路：G1 … R0（P → Q），总阻力 161.76 kPa" and "水泵扬程：177.93 kPa
// （18.15 m 水柱），含 10% 余量；水泵流量：100 m³/h", with a static lift "…含 10%
// 余量的管路阻力 177.93 kPa 加静水高差 3 m；…"; empty where some section was
// not calculated. Beyond shownSections sections the path shows its first
// and last halves of them, "G1 S1 … R1 R0".
std::string IndexCircuitText(const CircuitResult& result, const std::vector<CircuitSection>& sections,
    std::size_t shownSections = std::numeric_limits<std::size_t>::max());
std::string PumpHeadText(const CircuitResult& result, double headMargin);

// The notes a table needs under it, for what its cells mark with "*", "#" and "!".
inline constexpr char kDerivedFlowNote[] = "流量带 * 者按节点流量平衡推算";
inline constexpr char kLoadFlowNote[] = "流量带 # 者按负荷和供回水温差求得";
inline constexpr char kSizedNote[] = "公称直径带 * 者按比摩阻和流速限值选定";
inline constexpr char kOverLimitsNote[] = "流速或比摩阻带 ! 者超过限值";
inline constexpr char kNoIndexNote[] = "有管段未能计算，最不利环路和水泵扬程无从确定";

} // namespace vendrel::design
