#include "design/circuittexts.h"

#include "calc/numbertext.h"
#include "design/circuitbalance.h"
#include "design/sizing.h"

#include <cmath>

namespace vendrel::design {

std::string LimitText(double fraction)
{
    return ShortestText(std::round(fraction * 100 * 1e6) / 1e6);
}

std::string PascalsTenthsText(double pascals)
{
    return std::isnan(pascals) ? std::string() : FixedText(pascals, 1);
}

std::string SignificantText(double value, int digits)
{
    if (!(value > 0) || !std::isfinite(value))
        return {};
    if (value < 0.0000005)
        return "<0.000001"; // beyond the six decimals a figure is written with
    // power ≤ value < 10·power, and the decimals that leave digits of it.
    int decimals = digits - 1;
    double power = 1;
    while (value >= power * 10 && decimals > 0) {
        power *= 10;
        --decimals;
    }
    while (value < power && decimals < 6) {
        power /= 10;
        ++decimals;
    }
    double unit = 1; // beyond digits before the point, whole tens, hundreds…
    while (value >= power * 10 && unit < 1e300) {
        power *= 10;
        unit *= 10;
    }
    if (unit > 1)
        return FixedText(std::round(value / unit) * unit, 0);
    const std::string text = FixedText(value, decimals);
    // 9.996 to three digits is "10.0", not "10.00".
    return decimals > 0 && ParseNumber(text) >= power * 10 ? FixedText(value, decimals - 1) : text;
}

BalanceTexts BalanceTextsOf(const SectionResult& section)
{
    const SectionBalance& balance = section.balance;
    const Throttle throttle = ThrottleOf(section);
    BalanceTexts texts{
        KilopascalsText(balance.excess), PercentText(balance.level), SignificantText(throttle.kv, 3), {}, {}};
    if (!std::isnan(throttle.orifice)) {
        texts.orifice = FixedText(throttle.orifice, 1);
        texts.orificeMark = std::string(throttle.approximate ? "≈" : "") + (throttle.impractical ? "×" : "");
    }
    return texts;
}

std::string BalanceAdvice(const SectionResult& section, double maxImbalance)
{
    const SectionBalance& balance = section.balance;
    if (!balance.throttles)
        return {};
    const Throttle throttle = ThrottleOf(section);
    std::string text = "富余压头 " + KilopascalsText(balance.excess) + " kPa，节流比例 " + PercentText(balance.level)
        + "%" + (balance.needed ? " 超过限值 " + LimitText(maxImbalance) + "%" : "") + "：设平衡阀 Kv "
        + SignificantText(throttle.kv, 3);
    if (!std::isnan(throttle.orifice))
        text += "，或孔板孔径 " + FixedText(throttle.orifice, 1) + " mm";
    if (throttle.approximate)
        text += "（孔内 Re 低于 10⁵，孔径为近似值）";
    if (throttle.impractical)
        text += "（孔径小于 20 mm 或小于管内径的 30%，宜改用平衡阀）";
    return text;
}

std::string SectionsToBalanceText(const CircuitResult& result, double maxImbalance)
{
    if (result.sectionsToBalance == 0)
        return {};
    return std::to_string(result.sectionsToBalance) + " 个管段须调节平衡（节流比例超过 " + LimitText(maxImbalance)
        + "%）";
}

std::string KilopascalsText(double pascals)
{
    return std::isnan(pascals) ? std::string() : FixedText(pascals / 1000, 2);
}

std::string PercentText(double fraction)
{
    return std::isnan(fraction) ? std::string() : FixedText(fraction * 100, 1);
}

std::string ZetaText(double zeta)
{
    return std::isnan(zeta) ? std::string() : ShortestText(std::round(zeta * 1000) / 1000);
}

SectionTexts SectionTextsOf(const SectionResult& r)
{
    const bool done = r.problem.Empty();
    return {done ? r.fields.m_strVelocity : "", done ? r.fields.m_strFrictionRate : "",
        done ? PascalsText(r.pascalsPerMetre) : "", PascalsTenthsText(r.frictionLoss), ZetaText(r.zetaTotal),
        PascalsTenthsText(r.localLoss), PascalsTenthsText(r.deviceLoss), PascalsTenthsText(r.totalLoss)};
}

std::string PathText(const std::vector<int>& path, const std::vector<CircuitSection>& sections)
{
    std::string text;
    for (const int s : path)
        text += (text.empty() ? "" : " ") + sections[static_cast<std::size_t>(s)].id;
    return text;
}

namespace {

// The names of a run of sections, beyond shown its first and last halves.
std::string RunText(const int* begin, const int* end, const std::vector<CircuitSection>& sections, std::size_t shown)
{
    const auto count = static_cast<std::size_t>(end - begin);
    if (count <= shown)
        return PathText(std::vector<int>(begin, end), sections);
    // Its start and its end, where the sections leave the pump and come back.
    const auto half = static_cast<std::ptrdiff_t>(shown / 2);
    return PathText(std::vector<int>(begin, begin + half), sections) + " … "
        + PathText(std::vector<int>(end - half, end), sections);
}

} // namespace

std::string PathName(const CircuitPath& path, const CircuitResult& result, const std::vector<CircuitSection>& sections,
    std::size_t shownSections)
{
    const std::vector<int>& index = result.indexPath;
    if (path.index || path.leaves.empty()) {
        const std::vector<int> whole = SectionsOf(path, index);
        return RunText(whole.data(), whole.data() + whole.size(), sections, shownSections);
    }
    std::string text;
    if (path.before > 0)
        text = sections[static_cast<std::size_t>(index.front())].id + (path.before > 1 ? " … " : " ");
    text += RunText(path.own.data(), path.own.data() + path.own.size(), sections, shownSections);
    if (path.after > 0)
        text += (path.after > 1 ? " … " : " ") + sections[static_cast<std::size_t>(index.back())].id;
    return text;
}

std::string PathNote(const CircuitPath& path, double maxImbalance)
{
    return path.index ? "最不利环路" : path.unbalanced ? "超过 " + LimitText(maxImbalance) + "%" : "";
}

std::string IndexCircuitText(
    const CircuitResult& result, const std::vector<CircuitSection>& sections, std::size_t shownSections)
{
    if (std::isnan(result.indexTotal))
        return {};
    const std::vector<int>& index = result.indexPath;
    const std::string path = RunText(index.data(), index.data() + index.size(), sections, shownSections);
    return "最不利环路：" + path + "（" + result.start + " → " + result.end + "），总阻力 "
        + KilopascalsText(result.indexTotal) + " kPa";
}

std::string FlowAsTyped(double flow)
{
    std::string text;
    AppendFixed(text, flow);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string PumpHeadText(const CircuitResult& result, double headMargin)
{
    if (std::isnan(result.headPascals))
        return {};
    const std::string margin = "含 " + ShortestText(headMargin * 100) + "% 余量";
    // With a static lift both parts are named, the lift taking no margin.
    const std::string parts = result.staticHeadMetres > 0
        ? margin + "的管路阻力 " + KilopascalsText(result.frictionHeadPascals) + " kPa 加静水高差 "
            + ShortestText(result.staticHeadMetres) + " m"
        : margin;
    return "水泵扬程：" + KilopascalsText(result.headPascals) + " kPa（" + FixedText(result.headMetres, 2)
        + (result.water ? " m 水柱），" : " m 液柱），") + parts + "；水泵流量：" + FlowAsTyped(result.pumpFlow)
        + " m³/h";
}

} // namespace vendrel::design
