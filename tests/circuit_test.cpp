#include "design/circuit.h"
#include "design/circuitbalance.h"
#include "design/circuittexts.h"
#include "tests/messagetext.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "design/fittings.h"
#include "design/pipeseries.h"
#include "design/sizing.h"
#include "design/water.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace vendrel::design {
namespace {

// K as the HVAC Pump Handbook's Tables 3.8–3.12 print them, Crane's exit,
// Crane's n·f_T where the Handbook has no figure, and the Borda–Carnot
// expansion, for bores of schedule 40 pipe.
TEST(Fittings, GiveThePrintedK)
{
    struct Printed {
        const char* fittings;
        double inside; // mm
        double zeta;
    };
    const Printed printed[] = {
        {"elbow90", 15.76, 2.10},             // ½ in, regular screwed
        {"elbow90", 154.08, 0.29},            // 6 in, regular flanged
        {"elbow90-long", 202.74, 0.15},       // 8 in, long-radius flanged
        {"elbow45", 52.48, 0.30},             // 2 in, regular screwed
        {"tee-run", 26.64, 0.90},             // screwed line flow, any size
        {"tee-branch", 102.26, 0.70},         // 4 in, flanged branch
        {"gate", 62.68, 0.15},                // 2½ in: only screwed is printed
        {"globe", 303.18, 5.6},               // 12 in, flanged
        {"butterfly", 77.92, 3.0},            // 3 in
        {"butterfly", 52.48, 45 * 0.019},     // 2 in: Crane's 45 f_T
        {"蝶阀", 575.04, 25 * 0.012},         // 24 in: 25 f_T
        {"ball", 40.94, 0.09},                // 1½ in
        {"check", 254.46, 2.0},               // flanged, any size
        {"exit entrance", 50, 1.5},           // 1.0 and square-edged 0.5
        {"expansion:0.5", 50, 0.5625},        // (1 − ¼)²
        {"contraction:0.5", 50, 0.375},       // 0.5·(1 − ¼)
        {"elbow90*4 gate*2", 52.48, 4.34},    // 4 × 1.00 + 2 × 0.17
        {"截止阀 标准弯头90°*2", 52.48, 8.9}, // Chinese names: 6.9 + 2 × 1.00
        // As engineers write them: 2 × 1.00 + 0.17, then 2 × 1.00 + 2.3 + 0.5 + 1.0 + 0.30
        {"弯头*2、闸阀", 52.48, 2.17}, {"90°弯头×2，逆止阀+入口;出口；45°弯头", 52.48, 6.1},
        {"elbow90x2 exit 三通(直流) 突然扩大：0.5", 52.48, 4.4625}, // 2 × 1.00 + 1.0 + 0.90 + 0.5625
    };
    for (const Printed& p : printed) {
        std::vector<FittingUse> uses;
        messages::Message error;
        ASSERT_TRUE(ParseFittings(p.fittings, uses, error)) << p.fittings << ": " << error;
        double zeta = 0;
        ASSERT_TRUE(FittingsZeta(uses, p.inside, zeta, error)) << p.fittings << ": " << error;
        EXPECT_NEAR(zeta, p.zeta, 1e-12) << p.fittings << " at " << p.inside << " mm";
    }
    // What the tables do not print is refused, not guessed; what cannot be read, named.
    std::vector<FittingUse> uses;
    messages::Message error;
    ASSERT_TRUE(ParseFittings("ball", uses, error));
    double zeta = 0;
    EXPECT_FALSE(FittingsZeta(uses, 15.76, zeta, error));
    EXPECT_EQ(English(error),
        "ball: no K at DN15: the tables have it at DN20–DN400; type its ζ in zeta (局部阻力系数) instead");
    EXPECT_EQ(Chinese(error),
        "管件“ball”在 DN15 时无局部阻力系数（表中只有 DN20–DN400 的数据），请在“局部阻力系数”栏填写其 ζ");
    // Crane's K is cited where it is taken.
    ASSERT_TRUE(ParseFittings("butterfly", uses, error));
    std::vector<messages::Message> notes;
    ASSERT_TRUE(FittingsZeta(uses, 52.48, zeta, error, {}, &notes));
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(Chinese(notes[0]), "butterfly：DN50 时按 Crane TP-410 取 K = 45 f_T = 0.855（表中无此规格的数据）");
    const std::tuple<const char*, const char*, const char*> bad[] = {
        {"elbow", "\"elbow\": unknown fitting (one of elbow90 标准弯头90°, elbow90-long 长半径弯头90°, ",
            "没有管件“elbow”（可选：elbow90 标准弯头90°, elbow90-long 长半径弯头90°, "},
        {"弯头*2、阀门", "\"阀门\": unknown fitting", "没有管件“阀门”（可选："},
        {"gate*0", "\"gate*0\": the count after \"*\" must be a whole number from 1 to 1000",
            "“gate*0”：“*”后的个数须为 1～1000 的整数"},
        {"gate:0.5", "\"gate:0.5\": only expansion and contraction take a ratio",
            "“gate:0.5”：只有突然扩大和突然缩小才需给出管径之比"},
        {"contraction:1.2", "\"contraction:1.2\": the ratio of the smaller diameter to the larger is a number",
            "“contraction:1.2”：小管径与大管径之比须在 0 与 1 之间"},
    };
    for (const auto& [text, english, chinese] : bad) {
        EXPECT_FALSE(ParseFittings(text, uses, error)) << text;
        EXPECT_EQ(English(error).rfind(english, 0), 0u) << error;
        EXPECT_EQ(Chinese(error).rfind(chinese, 0), 0u) << Chinese(error);
    }
}

SeriesCatalog& Catalog()
{
    static SeriesCatalog catalog;
    return catalog;
}

CircuitSection Loaded(CircuitSection section, double kilowatts)
{
    section.load = kilowatts;
    return section;
}

CircuitSettings Settings()
{
    CircuitSettings settings;
    settings.series = &Catalog().Default();
    return settings;
}

CircuitSection Section(std::string id, std::string from, std::string to, std::string flow,
    std::string diameter = "52.48", double device = 0)
{
    CircuitSection section;
    section.id = std::move(id);
    section.from = std::move(from);
    section.to = std::move(to);
    section.flow = std::move(flow);
    section.length = 10;
    section.diameter = std::move(diameter);
    section.device = device;
    return section;
}

std::string Ids(const std::vector<CircuitSection>& sections, const std::vector<int>& path)
{
    std::string text;
    for (const int s : path)
        text += (text.empty() ? "" : " ") + sections[static_cast<std::size_t>(s)].id;
    return text;
}

struct Network {
    const char* name;
    std::vector<CircuitSection> sections;
    std::vector<std::string> paths; // in the order listed
    std::string index;
    std::map<std::string, std::string> flows; // derived ones
    // Each other path: the index's sections between where it leaves the
    // index and where it rejoins it for good, and the path as the path table
    // names it, with those nodes.
    std::map<std::string, std::pair<std::string, std::string>> between;
};

// Hand-made networks: a chain, a tree, direct and reverse return, a branch
// off a branch; flows derived at the nodes, every path listed, the index the
// path of the largest total.
TEST(Circuit, FindsPathsIndexAndFlows)
{
    const Network networks[] = {
        {"chain", {Section("a", "P", "X", "5"), Section("b", "X", "Y", ""), Section("c", "Y", "Q", "")}, {"a b c"},
            "a b c", {{"b", "5"}, {"c", "5"}}, {}},
        {"direct_return",
            {Section("g", "P", "N1", "10"), Section("s", "N1", "N2", ""), Section("t1", "N1", "M1", "5", "52.48", 40),
                Section("t2", "N2", "M2", "5", "52.48", 40), Section("r", "M2", "M1", ""), Section("h", "M1", "Q", "")},
            {"g s t2 r h", "g t1 h"}, "g s t2 r h", {{"s", "5"}, {"r", "5"}, {"h", "10"}},
            {{"g t1 h", {"s t2 r", "g t1 h N1 → M1"}}}},
        {"three_floors",
            {Section("g", "P", "N1", "15"), Section("s1", "N1", "N2", ""), Section("s2", "N2", "N3", ""),
                Section("t1", "N1", "M1", "5", "52.48", 40), Section("t2", "N2", "M2", "5", "52.48", 40),
                Section("t3", "N3", "M3", "5", "52.48", 40), Section("r2", "M3", "M2", ""),
                Section("r1", "M2", "M1", ""), Section("h", "M1", "Q", "")},
            {"g s1 s2 t3 r2 r1 h", "g s1 t2 r1 h", "g t1 h"}, "g s1 s2 t3 r2 r1 h",
            {{"s1", "10"}, {"s2", "5"}, {"r2", "5"}, {"r1", "10"}, {"h", "15"}},
            {{"g s1 t2 r1 h", {"s2 t3 r2", "g … t2 … h N2 → M2"}}, {"g t1 h", {"s1 s2 t3 r2 r1", "g t1 h N1 → M1"}}}},
        // Reverse return: the first terminal supplied is the last returned.
        {"reverse_return",
            {Section("g", "P", "N1", "10"), Section("s", "N1", "N2", "5"), Section("t1", "N1", "M1", "5", "52.48", 40),
                Section("t2", "N2", "M2", "", "52.48", 40), Section("r", "M1", "M2", "5"), Section("h", "M2", "Q", "")},
            {"g s t2 h", "g t1 r h"}, "g s t2 h", {{"t2", "5"}, {"h", "10"}},
            {{"g t1 r h", {"s t2", "g t1 r h N1 → M2"}}}},
        // A branch off a branch; the larger device on the shorter path makes it the index.
        {"branch_of_a_branch",
            {Section("g", "P", "A", "9"), Section("b1", "A", "B", "6"), Section("t1", "A", "M", "3", "52.48", 90),
                Section("t2", "B", "M", "2.5"), Section("t3", "B", "C", "3.5"), Section("t4", "C", "M", ""),
                Section("h", "M", "Q", "")},
            {"g b1 t2 h", "g b1 t3 t4 h", "g t1 h"}, "g t1 h", {{"t4", "3.5"}, {"h", "9"}},
            {{"g b1 t2 h", {"t1", "g b1 t2 h A → M"}}, {"g b1 t3 t4 h", {"t1", "g b1 t3 t4 h A → M"}}}},
    };
    for (const Network& n : networks) {
        const CircuitResult result = CalculateCircuit(n.sections, Settings());
        ASSERT_TRUE(result.errors.empty()) << n.name << ": " << result.errors.front().message;
        std::vector<std::string> paths;
        for (const CircuitPath& path : result.paths)
            paths.push_back(Ids(n.sections, SectionsOf(path, result.indexPath)));
        std::sort(paths.begin(), paths.end());
        EXPECT_EQ(paths, n.paths) << n.name;
        ASSERT_GE(result.index, 0) << n.name;
        EXPECT_EQ(Ids(n.sections, SectionsOf(result.paths[static_cast<std::size_t>(result.index)], result.indexPath)),
            n.index)
            << n.name;
        for (const auto& [id, flow] : n.flows) {
            for (std::size_t s = 0; s < n.sections.size(); ++s) {
                if (n.sections[s].id == id) {
                    EXPECT_EQ(result.sections[s].fields.m_strFlow, flow) << n.name << " " << id;
                    EXPECT_TRUE(result.sections[s].flowDerived) << n.name << " " << id;
                }
            }
        }
        // Imbalance: (the index's part − the path's own part) ÷ the index's part.
        std::map<std::string, double> totals;
        for (std::size_t s = 0; s < n.sections.size(); ++s)
            totals[n.sections[s].id] = result.sections[s].totalLoss;
        // The sections of ids, those on the index circuit too or not.
        const auto sum = [&](const std::string& ids, bool offIndexOnly) {
            double total = 0;
            std::istringstream words(ids);
            for (std::string id; words >> id;) {
                if (!offIndexOnly || (" " + n.index + " ").find(" " + id + " ") == std::string::npos)
                    total += totals[id];
            }
            return total;
        };
        for (const CircuitPath& path : result.paths) {
            const std::string ids = Ids(n.sections, SectionsOf(path, result.indexPath));
            if (path.index)
                continue;
            const auto& [indexBetween, named] = n.between.at(ids);
            const double indexPart = sum(indexBetween, false);
            EXPECT_DOUBLE_EQ(path.imbalance, (indexPart - sum(ids, true)) / indexPart) << n.name << ": " << ids;
            EXPECT_EQ(PathName(path, result, n.sections) + " " + path.leaves + " → " + path.rejoins, named);
        }
        // The head: the index total with 10 %, in metres of the circuit's water.
        EXPECT_DOUBLE_EQ(result.headPascals, result.indexTotal * 1.1) << n.name;
        EXPECT_DOUBLE_EQ(result.headMetres, result.headPascals / (999.6996 * 9.807)) << n.name;
    }
}

// A sudden expansion or contraction sits where the bore changes: written
// on the smaller pipe or on the larger, it is one loss, referred to the
// section's own velocity; its ratio the bores', unless given.
TEST(Fittings, ChangesOfBoreSitWhereTheBoreChanges)
{
    constexpr double X = std::numeric_limits<double>::quiet_NaN();
    struct Placed {
        const char* fittings;
        double inside, upstream, downstream; // mm
        double zeta;
        const char* place; // as the window says it
    };
    const Placed placed[] = {
        {"expansion", 50, X, 100, 0.5625, "突然扩大：K 0.563，在小管末端，按本管段流速"},     // (1 − ¼)²
        {"expansion", 100, 50, X, 9, "突然扩大：K 9，在大管始端，按本管段流速"},              // (4 − 1)²
        {"contraction", 50, 100, X, 0.375, "突然缩小：K 0.375，在小管始端，按本管段流速"},    // 0.5·(1 − ¼)
        {"contraction", 100, X, 50, 6, "突然缩小：K 6，在大管末端，按本管段流速"},            // 0.375 × 16
        {"expansion:0.4", 50, X, 100, 0.7056, "突然扩大：K 0.706，在小管末端，按本管段流速"}, // a ratio given is taken
        {"突然缩小:0.5", 100, 100, 50, 6, "突然缩小：K 6，在大管末端，按本管段流速"},         // placed by the bores
        {"expansion:0.5", 50, X, X, 0.5625, "突然扩大：K 0.563，在小管末端，按本管段流速"},   // no bores: the smaller
        {"expansion:0.5 elbow90", 52.48, 52.48, 52.48, 1.5625, "突然扩大：K 0.563，在小管末端，按本管段流速"},
    };
    for (const Placed& p : placed) {
        std::vector<FittingUse> uses;
        messages::Message error;
        ASSERT_TRUE(ParseFittings(p.fittings, uses, error)) << p.fittings << ": " << error;
        double zeta = 0;
        std::vector<messages::Message> where;
        ASSERT_TRUE(FittingsZeta(uses, p.inside, zeta, error, {p.upstream, p.downstream}, &where))
            << p.fittings << ": " << error;
        EXPECT_NEAR(zeta, p.zeta, 1e-12) << p.fittings << " in " << p.inside << " mm";
        ASSERT_EQ(where.size(), 1u) << p.fittings;
        EXPECT_EQ(Chinese(where[0]), p.place);
    }
    const std::pair<double, double> untold[] = {{X, X}, {50, 50}, {100, X}};
    for (const auto& [upstream, downstream] : untold) {
        std::vector<FittingUse> uses;
        messages::Message error;
        ASSERT_TRUE(ParseFittings("expansion", uses, error));
        double zeta = 0;
        EXPECT_FALSE(FittingsZeta(uses, 50, zeta, error, {upstream, downstream}));
        EXPECT_EQ(English(error).rfind("\"expansion\": the bores on either side do not tell the ratio", 0), 0u)
            << error;
        EXPECT_EQ(Chinese(error),
            "“expansion”：两侧管径定不出管径之比（须在一进一出、管径不同的节点处），请给出，如 expansion:0.5");
    }
    // In a circuit the bores across the node place it: the loss in Pa is the
    // same whichever of the two pipes carries it.
    double loss[2] = {};
    for (int onLarger = 0; onLarger < 2; ++onLarger) {
        std::vector<CircuitSection> sections
            = {Section("a", "P", "X", "10", "40.94"), Section("b", "X", "Q", "10", "102.26")};
        messages::Message error;
        ASSERT_TRUE(ParseFittings("expansion", sections[static_cast<std::size_t>(onLarger)].fittings, error));
        const CircuitResult result = CalculateCircuit(sections, Settings());
        ASSERT_TRUE(result.sections[static_cast<std::size_t>(onLarger)].problem.Empty());
        loss[onLarger] = result.sections[static_cast<std::size_t>(onLarger)].localLoss;
    }
    EXPECT_NEAR(loss[1], loss[0], loss[0] * 1e-5); // the two velocities as rounded by the calculator
    EXPECT_GT(loss[0], 0);
    // At a tee the bore after it is not one: the ratio must be given.
    std::vector<CircuitSection> tee = {Section("a", "P", "X", "10", "40.94"), Section("b", "X", "Q", "5", "102.26"),
        Section("c", "X", "Q", "5", "102.26")};
    messages::Message error;
    ASSERT_TRUE(ParseFittings("expansion", tee[0].fittings, error));
    EXPECT_EQ(CalculateCircuit(tee, Settings()).sections[0].problem.Id(), messages::MessageId::FittingNeedsRatio);
}

// A section's losses from the calculator's texts: ρ·g·Rf/1000 Pa/m over its
// length, Σζ·ρ·V²/2 with the fittings' K at its bore, its device in kPa; a
// nominal size the series' bore; no size, the one --size recommends; a row's
// own water its own density.
TEST(Circuit, SectionLossesComeFromTheCalculatorsTexts)
{
    struct Row {
        const char* name;
        CircuitSection section;
        const char* diameter; // as calculated
    };
    const auto section = [](const char* flow, const char* diameter, const char* nominal, const char* fittings,
                             double zeta, double device, std::optional<double> celsius) {
        CircuitSection s = Section("a", "P", "Q", flow, diameter, device);
        s.nominal = nominal;
        s.zeta = zeta;
        messages::Message error;
        if (celsius)
            s.fluid = PropertiesAt(Fluid(), *celsius, error);
        EXPECT_TRUE(ParseFittings(fittings, s.fittings, error)) << error;
        s.viscosity = celsius ? *KinematicViscosityText(*celsius) : "";
        return s;
    };
    const Row rows[] = {
        {"bore", section("25", "77.92", "", "elbow90*4 gate*2", 0.5, 60, std::nullopt), "77.92"},
        {"nominal", section("25", "", "DN80", "tee-branch", 0, 0, std::nullopt), "77.92"},
        {"sized", section("40", "", "", "", 0, 0, std::nullopt), "102.26"},
        {"warm_water", section("25", "77.92", "", "", 1, 0, 60.0), "77.92"},
    };
    for (const Row& row : rows) {
        const CircuitResult result = CalculateCircuit({row.section}, Settings());
        ASSERT_TRUE(result.errors.empty()) << row.name;
        const SectionResult& r = result.sections[0];
        ASSERT_TRUE(r.problem.Empty()) << row.name << ": " << r.problem;
        EXPECT_EQ(r.fields.m_strDiameter, row.diameter) << row.name;
        const double density = row.section.fluid ? WaterDensity(60) : 999.6996;
        const double perMetre = density * 9.807 * ParseNumber(r.fields.m_strFrictionRate) / 1000;
        double fittings = 0;
        messages::Message error;
        FittingsZeta(row.section.fittings, ParseNumber(row.diameter), fittings, error);
        const double velocity = ParseNumber(r.fields.m_strVelocity);
        EXPECT_DOUBLE_EQ(r.frictionLoss, perMetre * 10) << row.name;
        EXPECT_DOUBLE_EQ(r.localLoss, (row.section.zeta + fittings) * density * velocity * velocity / 2) << row.name;
        EXPECT_DOUBLE_EQ(r.totalLoss, r.frictionLoss + r.localLoss + row.section.device * 1000) << row.name;
    }
}

// What makes a network no circuit is named: its section or node.
TEST(Circuit, RefusesWhatIsNoCircuit)
{
    struct Broken {
        std::vector<CircuitSection> sections;
        const char* english;
        const char* chinese;
    };
    const Broken broken[] = {
        {{Section("a", "P", "P", "1")}, "goes from node \"P\" to itself", "起点和终点都是节点“P”"},
        {{Section("a", "P", "X", "1"), Section("b", "R", "X", "1"), Section("c", "X", "Q", "2")},
            "more than one node where the circuit starts (no section enters them): \"P\", \"R\"; the pump's outlet "
            "is one node",
            "无管段流入的节点不止一个：“P”、“R”；管路只能有一个起点（水泵出口）"},
        {{Section("a", "P", "X", "1"), Section("b", "X", "Q", "1"), Section("c", "X", "R", "1")},
            "more than one node where the circuit ends (no section leaves them): \"Q\", \"R\"; the pump's inlet is "
            "one node",
            "无管段流出的节点不止一个：“Q”、“R”；管路只能有一个终点（水泵入口）"},
        {{Section("a", "P", "X", "1"), Section("b", "X", "Y", "1"), Section("c", "Y", "X", "1"),
             Section("d", "Y", "Q", "1")},
            "the sections form a cycle: b \"X\"→\"Y\", c \"Y\"→\"X\"",
            "管段首尾相接形成闭环：b（“X”→“Y”）、c（“Y”→“X”）"},
        {{Section("a", "P", "X", "3"), Section("b", "X", "Q", "1"), Section("c", "X", "Q", "1")},
            "node \"X\" does not balance: 3 m³/h enter it (a 3) and 2 m³/h leave it (b 1, c 1)",
            "节点“X”流量不平衡：流入 3 m³/h（a 3），流出 2 m³/h（b 1、c 1）"},
        {{Section("a", "P", "X", "3"), Section("b", "X", "Q", ""), Section("c", "X", "Q", "")},
            "at node \"X\" more than one flow is missing (entering: a 3; leaving: b ?, c ?): give all but one",
            "节点“X”有不止一个管段未给流量（流入：a 3；流出：b ?、c ?），最多只能有一个管段不填流量"},
        {{Section("a", "P", "X", "1"), Section("b", "X", "Q", ""), Section("c", "X", "Q", "2")},
            "its flow, from the others at node \"X\", would be -1 m³/h: the flows given there do not add up",
            "按节点“X”处其余管段的流量推算，本管段流量应为 -1 m³/h，该节点给定的流量不平衡"},
        {{Section("a", "P", "Q", "")}, "no flow given, and none to derive it from", "未给流量，也无从推算"},
        {{}, "no sections", "没有管段"},
        {{Loaded(Section("a", "P", "Q", ""), 100)},
            "its load needs a supply–return temperature difference: in its 温差 column, the 供回水温差(°C) setting "
            "or --delta-t",
            "负荷须有供回水温差：在“温差(°C)”列、设置“供回水温差(°C)”或 --delta-t 中给出"},
    };
    for (const Broken& b : broken) {
        const CircuitResult result = CalculateCircuit(b.sections, Settings());
        ASSERT_FALSE(result.errors.empty()) << b.english;
        EXPECT_EQ(English(result.errors.front().message), b.english);
        EXPECT_EQ(Chinese(result.errors.front().message), b.chinese);
    }
}

// A terminal's flow from its load, G = 3600·Q/(ρ·c_p·Δt) to 0.001 m³/h, at
// its own Δt or the circuit's, and of its own water where it has one; the
// mains then balance at the nodes. A flow typed beside a load must agree
// with it to 0.5 %.
TEST(Circuit, FlowsComeFromLoads)
{
    messages::Message unused;
    const std::optional<FluidProperties> warm = PropertiesAt(Fluid(), 60, unused);
    struct Row {
        const char* name;
        const char* flow;
        std::optional<double> deltaT; // the section's; the circuit's is 5 K
        std::optional<FluidProperties> fluid;
        const char* shown;   // the terminal's flow
        const char* pump;    // with the other terminal's 5 m³/h
        const char* problem; // of the terminal, English
    };
    const Row rows[] = {
        // 3600·100/(999.6996·4.1955·5), the handbooks' 0.86·100/5 = 17.2
        {"circuits_delta_t", "", std::nullopt, std::nullopt, "17.166", "22.166", ""},
        {"own_delta_t", "", 10.0, std::nullopt, "8.583", "13.583", ""},
        {"own_warm_water", "", std::nullopt, warm, "17.498", "22.498", ""},
        {"typed_and_agreeing", "17.2", std::nullopt, std::nullopt, "17.2", "22.2", ""},
        {"typed_and_disagreeing", "17.3", std::nullopt, std::nullopt, "17.3", "22.3",
            "its flow of 17.3 m³/h and the 17.166 m³/h that carries its load of 100 kW at 5 K differ by more than "
            "0.5 %"},
    };
    CircuitSettings settings = Settings();
    settings.deltaT = 5;
    for (const Row& row : rows) {
        CircuitSection terminal = Section("t1", "N", "M", row.flow, "102.26");
        terminal.load = 100;
        terminal.deltaT = row.deltaT;
        terminal.fluid = row.fluid;
        const std::vector<CircuitSection> sections = {Section("g", "P", "N", "", "102.26"), terminal,
            Section("t2", "N", "M", "5"), Section("h", "M", "Q", "", "102.26")};
        const CircuitResult result = CalculateCircuit(sections, settings);
        ASSERT_TRUE(result.errors.empty()) << row.name << ": " << result.errors.front().message;
        const SectionResult& t1 = result.sections[1];
        EXPECT_EQ(t1.fields.m_strFlow, row.shown) << row.name;
        EXPECT_EQ(t1.flowFromLoad, *row.flow == '\0') << row.name;
        EXPECT_EQ(English(t1.problem), row.problem) << row.name;
        EXPECT_EQ(result.sections[0].fields.m_strFlow, row.pump) << row.name;
        EXPECT_TRUE(result.sections[0].flowDerived && !result.sections[0].flowFromLoad) << row.name;
    }
}

// Random supply and return trees of terminals: every section shows the
// calculator's digits, every path total is the sum of its sections, the
// index total is the largest, every imbalance is at least 0, and the
// derived flows balance at every node.
// A direct-return system's paths share all but their terminal with the
// index circuit: each keeps that one section, not its mains.
TEST(Circuit, PathsKeepOnlyTheirOwnPart)
{
    constexpr int kTerminals = 3000;
    std::vector<CircuitSection> sections = {Section("g", "P", "S0", "")};
    for (int k = 0; k < kTerminals; ++k) {
        const std::string n = std::to_string(k);
        if (k > 0) {
            const std::string before = std::to_string(k - 1);
            sections.push_back(Section("s" + n, "S" + before, "S" + n, "", "154.08"));
            sections.push_back(Section("r" + n, "R" + n, "R" + before, "", "154.08"));
        }
        sections.push_back(Section("t" + n, "S" + n, "R" + n, "1"));
    }
    sections.push_back(Section("h", "R0", "Q", ""));
    const CircuitResult result = CalculateCircuit(sections, Settings());
    ASSERT_EQ(result.paths.size(), static_cast<std::size_t>(kTerminals));
    std::size_t kept = 0;
    for (const CircuitPath& path : result.paths)
        kept += path.own.size();
    EXPECT_EQ(kept, static_cast<std::size_t>(kTerminals - 1));
    EXPECT_EQ(result.paths[1].leaves + " " + result.paths[1].rejoins, "S1 R1");
}

// Balancing: each path with its sections' excesses added loses the index
// circuit's total; the circuit calculated with them as equipment losses
// keeps its index total and head, and has nothing left to balance.
void ExpectBalancingBalances(std::vector<CircuitSection> sections, const CircuitResult& result, int round)
{
    const double rounding = 1e-9 * result.indexTotal;
    for (const CircuitPath& path : result.paths) {
        double total = 0;
        for (const int s : SectionsOf(path, result.indexPath)) {
            const SectionResult& r = result.sections[static_cast<std::size_t>(s)];
            total += r.totalLoss + r.balance.excess;
        }
        ASSERT_NEAR(total, result.indexTotal, rounding) << round;
    }
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const SectionBalance& balance = result.sections[s].balance;
        ASSERT_GE(balance.excess, 0) << round;
        ASSERT_TRUE(!result.sections[s].onIndex || balance.excess == 0) << round << " " << sections[s].id;
        sections[s].device += balance.excess / 1000;
    }
    const CircuitResult balanced = CalculateCircuit(sections, Settings());
    ASSERT_NEAR(balanced.indexTotal, result.indexTotal, rounding) << round;
    ASSERT_NEAR(balanced.headPascals, result.headPascals, 2 * rounding) << round;
    for (const CircuitPath& path : balanced.paths)
        ASSERT_NEAR(path.total, result.indexTotal, rounding) << round;
    ASSERT_EQ(balanced.sectionsToBalance, 0u) << round;
}

TEST(Circuit, RandomTreesKeepTheirInvariants)
{
    std::mt19937 random(15);
    const std::vector<std::string> bores = {"26.64", "40.94", "52.48", "77.92", "102.26"};
    for (int round = 0; round < 30; ++round) {
        std::vector<CircuitSection> sections;
        sections.push_back(Section("g", "P", "S0", ""));
        const int terminals = 2 + static_cast<int>(random() % 12);
        std::vector<int> supplyParent;
        for (int t = 0; t < terminals; ++t) {
            // Supply node t hangs below an earlier one; its return node likewise.
            const int parent = t == 0 ? -1 : static_cast<int>(random() % static_cast<unsigned>(t));
            if (parent >= 0) {
                sections.push_back(Section("s" + std::to_string(t), "S" + std::to_string(parent),
                    "S" + std::to_string(t), "", bores[random() % bores.size()]));
                sections.push_back(Section("r" + std::to_string(t), "R" + std::to_string(t),
                    "R" + std::to_string(parent), "", bores[random() % bores.size()]));
            }
            sections.push_back(Section("t" + std::to_string(t), "S" + std::to_string(t), "R" + std::to_string(t),
                ShortestText(1 + static_cast<double>(random() % 200) / 10), bores[random() % bores.size()],
                static_cast<double>(random() % 50)));
        }
        sections.push_back(Section("h", "R0", "Q", ""));
        const CircuitResult result = CalculateCircuit(sections, Settings());
        ASSERT_TRUE(result.errors.empty()) << round << ": " << result.errors.front().message;
        ASSERT_EQ(result.paths.size(), static_cast<std::size_t>(terminals));
        std::map<std::string, double> balance;
        for (std::size_t s = 0; s < sections.size(); ++s) {
            const SectionResult& r = result.sections[s];
            FrictionFields single;
            SetInputs(single, r.fields.m_strFlow, sections[s].diameter, "0.2", "1.306");
            CalculateColebrookWhite(
                single, {ParseNumber(r.fields.m_strFlow), ParseNumber(sections[s].diameter), 0.2, 1.306});
            ASSERT_EQ(r.fields.m_strVelocity, single.m_strVelocity) << sections[s].id;
            ASSERT_EQ(r.fields.m_strFrictionRate, single.m_strFrictionRate) << sections[s].id;
            balance[sections[s].from] -= ParseNumber(r.fields.m_strFlow);
            balance[sections[s].to] += ParseNumber(r.fields.m_strFlow);
        }
        for (const auto& [node, net] : balance) {
            if (node != "P" && node != "Q") {
                ASSERT_NEAR(net, 0, 1e-6) << round << " at " << node;
            }
        }
        double largest = 0;
        for (const CircuitPath& path : result.paths) {
            double sum = 0;
            for (const int s : SectionsOf(path, result.indexPath))
                sum += result.sections[static_cast<std::size_t>(s)].totalLoss;
            ASSERT_DOUBLE_EQ(path.total, sum);
            largest = std::max(largest, path.total);
            if (!path.index) {
                ASSERT_GE(path.imbalance, 0) << Ids(sections, SectionsOf(path, result.indexPath));
            }
        }
        ASSERT_DOUBLE_EQ(result.indexTotal, largest) << round;
        ExpectBalancingBalances(sections, result, round);
    }
    // Reverse return: the first terminal off the supply is the last onto the return.
    for (int round = 0; round < 10; ++round) {
        const int terminals = 2 + static_cast<int>(random() % 10);
        std::vector<CircuitSection> sections = {Section("g", "P", "S0", "")};
        for (int t = 0; t < terminals; ++t) {
            const std::string n = std::to_string(t);
            if (t > 0) {
                sections.push_back(Section("s" + n, "S" + std::to_string(t - 1), "S" + n, "", bores[random() % 3 + 2]));
                sections.push_back(Section("r" + n, "R" + std::to_string(t - 1), "R" + n, "", bores[random() % 3 + 2]));
            }
            sections.push_back(
                Section("t" + n, "S" + n, "R" + n, ShortestText(1 + static_cast<double>(random() % 100) / 10),
                    bores[random() % bores.size()], static_cast<double>(random() % 50)));
        }
        sections.push_back(Section("h", "R" + std::to_string(terminals - 1), "Q", ""));
        const CircuitResult result = CalculateCircuit(sections, Settings());
        ASSERT_TRUE(result.errors.empty()) << round << ": " << result.errors.front().message;
        ExpectBalancingBalances(sections, result, 100 + round);
    }
}

// A balancing valve's Kv and an orifice plate's bore, from hand-worked
// values: Kv = Q·√(ρ/1000 ÷ (Δp/100 kPa)); Idelchik's ζ of a thin orifice.
TEST(Circuit, ValvesAndOrificesThrottleTheExcess)
{
    const struct {
        double flow, pascals, density, kv;
    } valves[] = {
        {10, 100000, 1000, 10},
        {10, 25000, 1000, 20},
        {10, 100000, 1040, 10.198039027185569},
        {25, 23175.31, 999.6996, 51.923264},
    };
    for (const auto& v : valves) {
        EXPECT_NEAR(KvFor(v.flow, v.pascals, v.density), v.kv, 1e-6) << v.kv;
        EXPECT_NEAR(ValveLoss(v.flow, v.kv, v.density), v.pascals, 1e-6 * v.pascals) << v.kv;
    }
    // [(1 − n) + 0.707·(1 − n)^0.375]² / n²
    const struct {
        double n, zeta;
    } orifices[] = {{0.001, 2909531.18}, {0.1, 249.517069}, {0.25, 30.678234}, {0.5, 4.369534}, {0.8, 0.537727},
        {0.99, 0.0187951233}, {0.999, 0.00292373708}};
    for (const auto& o : orifices) {
        EXPECT_NEAR(OrificeZeta(o.n), o.zeta, 1e-6 * std::max(o.zeta, 1.0)) << o.n;
        EXPECT_NEAR(OrificeRatio(OrificeZeta(o.n)), o.n, 1e-12) << o.n;
    }
    EXPECT_TRUE(std::isnan(OrificeRatio(0)));

    // A valve's Kv on a section is its loss; the excess then shows what is
    // left to throttle. The example's T1 throttles 23.18 kPa with Kv 51.9,
    // or an orifice of 41.7 mm in its 77.92 mm bore.
    const auto network = [](std::optional<double> kv) {
        CircuitSection near = Section("t1", "N", "M", "25", "77.92", 60);
        near.kv = kv;
        return std::vector<CircuitSection>{Section("g", "P", "N", "", "102.26"), near,
            Section("t2", "N", "M", "25", "77.92", 80), Section("h", "M", "Q", "", "102.26")};
    };
    const CircuitResult open = CalculateCircuit(network(std::nullopt), Settings());
    const SectionBalance& t1 = open.sections[1].balance;
    EXPECT_NEAR(t1.excess, 20000, 1e-6);
    EXPECT_TRUE(t1.needed);
    EXPECT_EQ(open.sectionsToBalance, 1u);
    const BalanceTexts texts = BalanceTextsOf(open.sections[1]);
    EXPECT_EQ(texts.excess, "20.00");
    EXPECT_EQ(texts.kv, "55.9");
    EXPECT_EQ(texts.orifice, "42.9");
    const double kv = ThrottleOf(open.sections[1]).kv;
    const CircuitResult valved = CalculateCircuit(network(kv), Settings());
    EXPECT_NEAR(valved.sections[1].valveLoss, 20000, 1e-6);
    EXPECT_NEAR(valved.sections[1].balance.excess, 0, 1e-6);
    EXPECT_NEAR(valved.indexTotal, open.indexTotal, 1e-6);
    // Small, or slow in the bore, an orifice is marked.
    CircuitSection slow = Section("t1", "N", "M", "2", "26.64", 60);
    const CircuitResult marked
        = CalculateCircuit({Section("g", "P", "N", "", "102.26"), slow, Section("t2", "N", "M", "25", "77.92", 80),
                               Section("h", "M", "Q", "", "102.26")},
            Settings());
    EXPECT_TRUE(ThrottleOf(marked.sections[1]).impractical);
    EXPECT_TRUE(ThrottleOf(marked.sections[1]).approximate);
    EXPECT_FALSE(ThrottleOf(open.sections[1]).impractical || ThrottleOf(open.sections[1]).approximate);
    const CircuitResult narrow
        = CalculateCircuit({Section("g", "P", "N", "", "154.08"), Section("t1", "N", "M", "38", "154.08"),
                               Section("t2", "N", "M", "38", "154.08", 120), Section("h", "M", "Q", "", "154.08")},
            Settings());
    const Throttle plate = ThrottleOf(narrow.sections[1]);
    EXPECT_TRUE(plate.orifice > 20 && plate.orifice < 0.3 * 154.08 && plate.impractical && !plate.approximate)
        << plate.orifice;
    // Beside a large head a branch may throttle little and still need its valve.
    const CircuitResult small
        = CalculateCircuit({Section("g", "P", "N", "", "102.26", 1000), Section("t1", "N", "M", "1", "52.48", 1),
                               Section("t2", "N", "M", "1", "52.48", 1.5), Section("h", "M", "Q", "", "102.26")},
            Settings());
    const SectionBalance& little = small.sections[1].balance;
    EXPECT_TRUE(little.needed && little.excess < 0.01 * small.headPascals && little.throttles) << little.excess;
    EXPECT_FALSE(small.sections[0].balance.throttles);
}

// Kv and the like to three significant digits.
TEST(Circuit, SignificantDigits)
{
    const std::pair<double, const char*> cases[] = {{51.923, "51.9"}, {0.045678, "0.0457"}, {1234.5, "1230"},
        {9.996, "10.0"}, {99.96, "100"}, {5, "5.00"}, {0, ""}, {2.5e-7, "<0.000001"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(SignificantText(value, 3), text) << value;
}

} // namespace
} // namespace vendrel::design
