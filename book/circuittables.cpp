#include "book/circuittables.h"

#include "calc/numbertext.h"
#include "calc/zonenames.h"
#include "design/circuitbalance.h"
#include "design/circuittexts.h"
#include "design/sizing.h"

#include <algorithm>
#include <string>
#include <utility>

namespace vendrel::book {
namespace {

BookCell Text(std::string text)
{
    return {std::move(text), {}, false};
}

BookCell Figure(std::string text, bool marked = false, const char* mark = "")
{
    return {std::move(text), marked ? mark : "", true};
}

} // namespace

BookTable SectionTable(const files::CircuitTable& table, const design::CircuitResult& result)
{
    // A column for the valves' losses where some section has a valve's Kv.
    const bool valves = std::any_of(table.sections.begin(), table.sections.end(),
        [](const design::CircuitSection& section) { return section.kv.has_value(); });
    BookTable book;
    book.headings = {"管段", "起点", "终点", "流量(m³/h)", "公称直径", "内径(mm)", "长度(m)", "流速(m/s)",
        design::FrictionRateTitle(result.water), "比摩阻(Pa/m)", "流区", "沿程阻力(Pa)", "Σζ", "局部阻力(Pa)",
        "设备阻力(Pa)", "总阻力(Pa)", "最不利环路"};
    if (valves)
        book.headings.insert(book.headings.end() - 2, "阀门阻力(Pa)");
    bool derived = false;
    bool ofLoads = false;
    bool sized = false;
    bool colebrook = false;
    bool over = false;
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        const design::SectionResult& r = result.sections[s];
        const design::CircuitSection& in = table.sections[s];
        derived = derived || r.flowDerived;
        ofLoads = ofLoads || r.flowFromLoad;
        sized = sized || r.sized;
        colebrook = colebrook || r.outcome.zone == CalculationOutcome::Zone::ColebrookWhite;
        over = over || r.OverLimits();
        design::SectionTexts t = design::SectionTextsOf(r);
        BookRow row;
        row.index = r.onIndex;
        row.cells = {Text(in.id), Text(in.from), Text(in.to),
            {r.fields.m_strFlow,
                r.flowDerived        ? "*"
                    : r.flowFromLoad ? "#"
                                     : "",
                true},
            {r.nominal, r.sized ? "*" : "", false}, Figure(r.fields.m_strDiameter), Figure(ShortestText(in.length)),
            Figure(std::move(t.velocity), r.overVelocity, "!"), Figure(std::move(t.frictionRate)),
            Figure(std::move(t.pascalsPerMetre), r.overRate, "!"),
            Text(r.problem.Empty() ? std::string(ZoneName(r.outcome.zone)) : ""), Figure(std::move(t.friction)),
            Figure(std::move(t.zeta)), Figure(std::move(t.local)), Figure(std::move(t.device)),
            Figure(std::move(t.total)), Text(r.onIndex ? "是" : "")};
        if (valves)
            row.cells.insert(row.cells.end() - 2, Figure(design::PascalsTenthsText(r.valveLoss)));
        book.rows.push_back(std::move(row));
    }
    const std::pair<bool, const char*> notes[] = {{derived, design::kDerivedFlowNote}, {ofLoads, design::kLoadFlowNote},
        {sized, design::kSizedNote}, {colebrook, kColebrookWhiteNote}, {over, design::kOverLimitsNote}};
    for (const auto& [wanted, note] : notes) {
        if (wanted)
            book.notes.emplace_back(note);
    }
    return book;
}

BookTable PathTable(const files::CircuitTable& table, const design::CircuitResult& result, double maxImbalance)
{
    BookTable book;
    book.headings = {"环路", "分流点", "汇流点", "总阻力(kPa)", "不平衡率(%)", ""};
    for (const design::CircuitPath& path : result.paths) {
        BookRow row;
        row.index = path.index;
        row.unbalanced = path.unbalanced;
        row.cells = {Text(design::PathName(path, result, table.sections)), Text(path.leaves), Text(path.rejoins),
            Figure(design::KilopascalsText(path.total)), Figure(design::PercentText(path.imbalance)),
            Text(design::PathNote(path, maxImbalance))};
        book.rows.push_back(std::move(row));
    }
    if (!result.allPathsListed)
        book.notes.push_back("（环路多于 " + std::to_string(design::kMaxListedPaths) + " 条，未全部列出）");
    return book;
}

BookTable BalanceTable(const files::CircuitTable& table, const design::CircuitResult& result, double maxImbalance)
{
    BookTable book;
    book.headings = {"管段", "流量(m³/h)", "公称直径", "内径(mm)", "富余压头(kPa)", "节流比例(%)", "所需Kv",
        "孔板孔径(mm)", "须调节"};
    for (std::size_t s = 0; s < result.sections.size(); ++s) {
        const design::SectionResult& r = result.sections[s];
        if (!r.balance.throttles)
            continue;
        design::BalanceTexts t = design::BalanceTextsOf(r);
        BookRow row;
        row.unbalanced = r.balance.needed;
        row.cells
            = {Text(table.sections[s].id), Figure(r.fields.m_strFlow), Text(r.nominal), Figure(r.fields.m_strDiameter),
                Figure(std::move(t.excess)), Figure(std::move(t.level)), Figure(std::move(t.kv)),
                {std::move(t.orifice), std::move(t.orificeMark), true}, Text(r.balance.needed ? "是" : "")};
        book.rows.push_back(std::move(row));
    }
    if (book.rows.empty()) {
        book.notes.emplace_back(design::kNothingToBalanceNote);
        return book;
    }
    if (std::string count = design::SectionsToBalanceText(result, maxImbalance); !count.empty())
        book.notes.push_back(std::move(count));
    book.notes.emplace_back(design::kBalanceNotes);
    return book;
}

} // namespace vendrel::book
