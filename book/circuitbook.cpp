#include "book/circuitbook.h"

#include "book/circuittables.h"
#include "calc/numbertext.h"
#include "design/circuittexts.h"
#include "design/fittings.h"
#include "design/velocitylimits.h"
#include "messages/language.h"

#include <vendrel/version.h>

#include <cmath>
#include <utility>

namespace vendrel::book {
namespace {

using messages::Language;
using messages::Message;
using messages::MessageId;

// Where every formula and table the circuit used comes from.
std::vector<std::string> SourcesOf(const files::CircuitTable& table, const design::CircuitResult& result,
    const design::CircuitSettings& settings, const BookSettings& more)
{
    std::vector<std::string> lines;
    if (settings.series != nullptr)
        lines.push_back("管道规格：" + settings.series->name + "，" + settings.series->source);
    if (more.material != nullptr)
        lines.push_back("管壁当量粗糙度：" + more.material->name + " K = " + more.material->roughness + " mm，"
            + more.material->source);
    lines.emplace_back(settings.fluid.kind == design::FluidKind::Water
            ? "水的密度：Kell, J. Chem. Eng. Data 20 (1975) 97–105，式 (16)；水的粘度：IAPWS R12-08（2008）；"
              "水的比热：IAPWS-95，按 NIST Chemistry WebBook（SRD 69）"
            : "乙二醇、丙二醇水溶液的密度、粘度、比热和冰点：Å. Melinder, Properties of Secondary Working Fluids for "
              "Indirect Systems, 2nd ed. (IIR, 2010)");
    lines.emplace_back(
        "沿程阻力系数 λ：按流区，层流 64/Re，临界区 0.0025·Re^(1/3)，紊流光滑区、过渡区（Colebrook–White）"
        "和粗糙区公式，按粗糙雷诺数 Re* 分区");
    // Each fitting once, as the fittings list cites it.
    for (const design::FittingKind& kind : design::FittingKinds()) {
        bool used = false;
        for (const design::CircuitSection& section : table.sections) {
            for (const design::FittingUse& use : section.fittings)
                used = used || use.key == kind.key;
        }
        if (used)
            lines.push_back(std::string("局部阻力系数 ") + kind.name + "：" + kind.source);
    }
    lines.emplace_back(
        "流速限值：常引自 ASHRAE Handbook—Fundamentals 管道计算一章的推荐值（据 Silverglance Blowpipe UV "
        "帮助 Pipe sizing (SI units)）；HVAC Pump Handbook, 2nd ed. (2006) 表 3.1 在 DN50 与之相符");
    if (!std::isnan(result.indexTotal))
        lines.emplace_back(
            "平衡阀 Kv 按定义；孔板：Idelchik, Handbook of Hydraulic Resistance, 3rd ed. (1994)，图 4-14");
    return lines;
}

std::vector<std::string> ParametersOf(const design::CircuitSettings& settings, const BookSettings& more)
{
    std::vector<std::string> lines;
    if (settings.series != nullptr)
        lines.push_back("管道系列：" + settings.series->name + "（" + settings.series->key + "）");
    lines.push_back("管壁当量粗糙度 K：" + settings.roughness + " mm"
        + (more.material != nullptr ? "（" + more.material->name + "）" : ""));
    if (more.celsius) {
        std::string fluid = design::FluidTitle(settings.fluid) + " " + ShortestText(*more.celsius) + " °C";
        if (settings.fluid.kind != design::FluidKind::Water)
            fluid += "，冰点 " + FixedText(design::FreezingPoint(settings.fluid), 1) + " °C";
        lines.push_back("介质：" + fluid);
    }
    lines.push_back("运动粘滞系数 ν：" + settings.viscosity + " ×10⁻⁶ m²/s");
    lines.push_back("密度 ρ：" + FixedText(settings.density, 1) + " kg/m³");
    if (settings.deltaT)
        lines.push_back("供回水温差：" + ShortestText(*settings.deltaT) + " °C");
    lines.push_back("比摩阻限值：" + ShortestText(settings.maxPascalsPerMetre) + " Pa/m");
    if (settings.series != nullptr)
        lines.push_back(design::VelocityLimitsText(*settings.series, settings.plastic, settings.maxVelocity));
    lines.push_back("水泵扬程余量：" + design::LimitText(settings.headMargin) + "%");
    lines.push_back("静水高差：" + ShortestText(settings.staticHead) + " m");
    lines.push_back("不平衡率限值：" + design::LimitText(settings.maxImbalance) + "%");
    return lines;
}

// The formulas with their symbols and units, as the calculation applies them.
const std::vector<std::string>& Formulas()
{
    static const std::vector<std::string> formulas = {
        "流速 V = W / 3600 / (π/4 · D²)，W 流量 m³/h，D 内径 m，V m/s",
        "雷诺数 Re = V·D/ν，ν 运动粘滞系数 m²/s",
        "层流 Re < 2000：λ = 64/Re；临界区 2000 ≤ Re ≤ 4000：λ = 0.0025·Re^(1/3)",
        "紊流 Re > 4000，按粗糙雷诺数 Re* = √(λ/8)·V·K/ν 分区，K 当量粗糙度 m：",
        "　光滑区 Re* < 0.3：1/√λ = 2·lg(Re·√λ) − 0.8",
        "　过渡区 0.3 ≤ Re* ≤ 60：1/√λ = −2·lg(2.51/(Re·√λ) + K/(3.71·D))（Colebrook–White）",
        "　粗糙区 Re* > 60：λ = 0.11·(K/D)^0.25",
        "比摩阻 Rf = λ/D · V²/(2g) · 1000，mm 液柱/m，g = 9.807 m/s²；R = ρ·g·Rf/1000，Pa/m",
        "沿程阻力 ΔPy = R·L，L 长度 m；局部阻力 ΔPj = Σζ·ρ·V²/2，Pa",
        "阀门阻力 ΔPv = (W/Kv)² · 100 kPa · ρ/1000；管段总阻力 ΔP = ΔPy + ΔPj + 设备阻力 + ΔPv",
        "不平衡率 = (ΔP最不利 − ΔP环路)/ΔP最不利，取两环路分流点与汇流点之间的并联部分",
        "水泵扬程 H = ΔP最不利环路 · (1 + 余量) + ρ·g·静水高差",
    };
    return formulas;
}

// Every problem and warning of the sections, and every path out of balance.
std::vector<std::string> WarningsOf(
    const files::CircuitTable& table, const design::CircuitResult& result, const design::CircuitSettings& settings)
{
    std::vector<std::string> lines;
    const auto ofSection = [&](std::size_t s, const Message& problem) {
        lines.push_back(
            Message(MessageId::OfSection, {{"section", messages::UserText(table.sections[s].id)}, {"problem", problem}})
                .Text(Language::Chinese));
    };
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        if (!result.sections[s].problem.Empty())
            ofSection(s, result.sections[s].problem);
        for (const Message& warning : result.sections[s].Warnings())
            ofSection(s, warning);
    }
    for (const design::CircuitPath& path : result.paths) {
        if (path.unbalanced)
            lines.push_back(Message(MessageId::PathOutOfBalance,
                {{"path", design::PathName(path, result, table.sections)},
                    {"imbalance", design::PercentText(path.imbalance)},
                    {"limit", design::LimitText(settings.maxImbalance)}})
                                .Text(Language::Chinese));
    }
    for (const design::NetworkProblem& problem : result.errors)
        lines.push_back(problem.message.Text(Language::Chinese));
    return lines;
}

} // namespace

CalculationBook CircuitBook(const files::CircuitTable& table, const design::CircuitResult& result,
    const design::CircuitSettings& settings, const BookSettings& more)
{
    CalculationBook book;
    book.title = "水力计算书";
    book.program = std::string("Vendrel ") + VENDREL_VERSION;
    for (int f = 0; f < files::kProjectFieldCount; ++f) {
        const auto field = static_cast<files::ProjectField>(f);
        TitleLine& line = book.titleBlock.emplace_back();
        line.title = files::ProjectFieldTitle(field);
        for (const files::ProjectLine& given : table.project) {
            if (given.field == field)
                line.value = given.value;
        }
        if (field == files::ProjectField::Project)
            book.project = line.value;
    }
    book.parts.push_back({"设计依据", SourcesOf(table, result, settings, more), {}});
    book.parts.push_back({"计算参数", ParametersOf(settings, more), {}});
    book.parts.push_back({"计算公式", Formulas(), {}});
    book.parts.push_back({"管段计算表", {}, {SectionTable(table, result)}});
    book.parts.push_back({"环路", {}, {PathTable(table, result, settings.maxImbalance)}});
    if (std::isnan(result.indexTotal)) {
        book.parts.push_back({"最不利环路与水泵", {design::kNoIndexNote}, {}});
    } else {
        book.parts.push_back({"最不利环路与水泵",
            {design::IndexCircuitText(result, table.sections), design::PumpHeadText(result, settings.headMargin)}, {}});
        BookTable balance = BalanceTable(table, result, settings.maxImbalance);
        if (balance.rows.empty())
            book.parts.push_back({"平衡", std::move(balance.notes), {}});
        else
            book.parts.push_back({"平衡", {}, {std::move(balance)}});
    }
    std::vector<std::string> warnings = WarningsOf(table, result, settings);
    if (!warnings.empty())
        book.parts.push_back({"说明与警告", std::move(warnings), {}});
    return book;
}

} // namespace vendrel::book
