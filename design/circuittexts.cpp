#include "design/circuittexts.h"

#include "calc/numbertext.h"
#include "design/sizing.h"

#include <cmath>

namespace vendrel::design {

std::string PascalsTenthsText(double pascals)
{
    return std::isnan(pascals) ? std::string() : FixedText(pascals, 1);
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

std::string PathNote(const CircuitPath& path, double maxImbalance)
{
    return path.index ? "最不利环路" : path.unbalanced ? "超过 " + ShortestText(maxImbalance * 100) + "%" : "";
}

std::string IndexCircuitText(
    const CircuitResult& result, const std::vector<CircuitSection>& sections, std::size_t shownSections)
{
    if (std::isnan(result.indexTotal))
        return {};
    std::string path;
    const std::vector<int>& index = result.indexPath;
    if (index.size() > shownSections) {
        // Its start and its end, where the sections leave the pump and come back.
        const auto half = static_cast<std::ptrdiff_t>(shownSections / 2);
        path = PathText(std::vector<int>(index.begin(), index.begin() + half), sections) + " … "
            + PathText(std::vector<int>(index.end() - half, index.end()), sections);
    } else {
        path = PathText(index, sections);
    }
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
        + " m 水柱），" + parts + "；水泵流量：" + FlowAsTyped(result.pumpFlow) + " m³/h";
}

} // namespace vendrel::design
