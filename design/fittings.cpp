#include "design/fittings.h"

#include "calc/numbertext.h"
#include "design/circuittexts.h"
#include "design/materials.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>
#include <utility>

namespace vendrel::design {
namespace {

constexpr double X = std::numeric_limits<double>::quiet_NaN(); // not in the table
constexpr std::size_t kSizes = 18;

// The sizes of the tables below, ½ to 24 in, and the schedule 40 bore
// (ASME B36.10M, as the sch40 series has them) by which a section's bore
// finds its size.
constexpr const char* kNominal[kSizes] = {"DN15", "DN20", "DN25", "DN32", "DN40", "DN50", "DN65", "DN80", "DN100",
    "DN150", "DN200", "DN250", "DN300", "DN350", "DN400", "DN450", "DN500", "DN600"};
constexpr double kBore[kSizes] = {15.76, 20.96, 26.64, 35.08, 40.94, 52.48, 62.68, 77.92, 102.26, 154.08, 202.74,
    254.46, 303.18, 333.34, 381.0, 428.46, 477.82, 575.04};

// K by size from Rishel, Beaty & Kincaid, HVAC Pump Handbook, 2nd ed.
// (McGraw-Hill, 2006), ch. 3, Tables 3.8 to 3.12, the Hydraulic Institute's
// and Cameron's figures for fittings and valves fully open, by nominal size
// in inches (½, ¾, 1, 1¼, 1½, 2, 2½, 3, 4, 6, 8, 10, 12, 14, 16, 18, 20, 24).
// The tables give screwed fittings for the small sizes and flanged ones for
// the large, overlapping from 1 to 4 in; we take screwed up to 2 in and
// flanged from 2½ in, as HVAC water pipe is threaded up to DN50 and welded or
// flanged above, and screwed where no flanged figure is printed. Table 3.10's
// note gives screwed line-flow tees 0.90 at all sizes; Table 3.12's, flanged
// check valves 2.0. Crane's TP-410 (K = n·f_T) gives other figures (its tee
// branch 60 f_T is 1.14 at 2 in, against 1.40 here): the Handbook's are the
// HVAC figures and are printed size by size, so we take them.
// clang-format off
struct SizedKind {
    FittingKind kind;
    double k[kSizes];
};
const SizedKind kSized[] = {
    // Table 3.8: regular screwed ½–2, regular flanged 2½–24.
    {{"elbow90", "标准弯头90°", "HVAC Pump Handbook, 2nd ed., Table 3.8"},
        {2.10, 1.70, 1.50, 1.30, 1.20, 1.00, 0.35, 0.33, 0.32, 0.29, 0.27, 0.25, 0.24, 0.23, 0.23, 0.22, 0.22, 0.21}},
    // Table 3.8: long-radius screwed ¾–2, long-radius flanged 2½–20.
    {{"elbow90-long", "长半径弯头90°", "HVAC Pump Handbook, 2nd ed., Table 3.8"},
        {X,    0.85, 0.76, 0.65, 0.53, 0.43, 0.27, 0.25, 0.22, 0.18, 0.15, 0.14, 0.13, 0.12, 0.11, 0.10, 0.09, X}},
    // Table 3.9: regular screwed ½–2, long-radius flanged 2½–16.
    {{"elbow45", "弯头45°", "HVAC Pump Handbook, 2nd ed., Table 3.9"},
        {0.36, 0.35, 0.33, 0.32, 0.31, 0.30, 0.15, 0.14, 0.14, 0.13, 0.12, 0.11, 0.10, 0.09, 0.08, X,    X,    X}},
    // Table 3.10: line flow, screwed 0.90 (its note) ½–2, flanged 2½–20.
    {{"tee-run", "三通（直流）", "HVAC Pump Handbook, 2nd ed., Table 3.10"},
        {0.90, 0.90, 0.90, 0.90, 0.90, 0.90, 0.18, 0.17, 0.15, 0.12, 0.10, 0.09, 0.09, 0.08, 0.08, 0.07, 0.07, X}},
    // Table 3.10: branch flow, screwed ½–2, flanged 2½–20.
    {{"tee-branch", "三通（旁流）", "HVAC Pump Handbook, 2nd ed., Table 3.10"},
        {2.40, 2.10, 1.90, 1.70, 1.60, 1.40, 0.80, 0.75, 0.70, 0.61, 0.58, 0.54, 0.52, 0.51, 0.47, 0.44, 0.42, X}},
    // Table 3.11: gate, screwed ½–2½ (no flanged figure at 2½), flanged 3–20.
    {{"gate", "闸阀", "HVAC Pump Handbook, 2nd ed., Table 3.11"},
        {0.32, 0.28, 0.24, 0.22, 0.20, 0.17, 0.15, 0.22, 0.16, 0.11, 0.08, 0.06, 0.05, 0.05, 0.05, 0.04, 0.03, X}},
    // Table 3.11: globe, screwed ½–2, flanged 2½–20.
    {{"globe", "截止阀", "HVAC Pump Handbook, 2nd ed., Table 3.11"},
        {14.0, 10.0, 8.7,  8.0,  7.5,  6.9,  7.9,  7.0,  6.4,  5.9,  5.7,  5.7,  5.6,  5.6,  5.6,  5.6,  5.6,  X}},
    // Table 3.12: butterfly, 2½–16 only; Crane's n·f_T below, at 2 in and from 18 in.
    {{"butterfly", "蝶阀", "HVAC Pump Handbook, 2nd ed., Table 3.12; DN50 and DN450–DN600 Crane TP-410, K = n·f_T"},
        {X,    X,    X,    X,    X,    X,    3.5,  3.0,  1.5,  1.0,  0.8,  0.7,  0.7,  0.6,  0.6,  X,    X,    X}},
    // Table 3.12: ball, ¾–16.
    {{"ball", "球阀", "HVAC Pump Handbook, 2nd ed., Table 3.12"},
        {X,    0.11, 0.10, 0.09, 0.09, 0.08, 0.07, 0.07, 0.06, 0.05, 0.05, 0.05, 0.04, 0.04, 0.04, X,    X,    X}},
    // Table 3.12: check, screwed ½–2, flanged 2.0 (its note) from 2½.
    {{"check", "止回阀", "HVAC Pump Handbook, 2nd ed., Table 3.12"},
        {5.6,  3.7,  3.0,  2.7,  2.5,  2.3,  2.0,  2.0,  2.0,  2.0,  2.0,  2.0,  2.0,  2.0,  2.0,  2.0,  2.0,  2.0}},
    // Table 3.12: angle, screwed ¾–2, flanged 2½–20.
    {{"angle", "角阀", "HVAC Pump Handbook, 2nd ed., Table 3.12"},
        {X,    5.5,  4.7,  3.8,  3.0,  2.2,  2.3,  2.2,  2.2,  2.1,  2.1,  2.1,  2.1,  2.1,  2.1,  2.1,  2.1,  X}},
};
// clang-format on

// Where the Handbook prints no figure, Crane's TP-410 gives some fittings as
// K = n·f_T, f_T the friction factor of clean commercial steel pipe in full
// turbulence, by size (½ to 24 in as above), from its page A-26 as the
// editions before 2009 print it (the 2009 edition recomputed them).
constexpr double kCraneFt[kSizes] = {0.027, 0.025, 0.023, 0.022, 0.021, 0.019, 0.018, 0.018, 0.017, 0.015, 0.014, 0.014,
    0.013, 0.013, 0.013, 0.012, 0.012, 0.012};
// n by size, from Crane's K factor table: butterfly valves 2–8 in 45 f_T,
// 10–14 in 35 f_T, 16–24 in 25 f_T.
struct CraneKind {
    std::string_view key;
    double n[kSizes];
};
// clang-format off
const CraneKind kCrane[] = {
    {"butterfly", {X, X, X, X, X, 45, 45, 45, 45, 45, 45, 35, 35, 35, 25, 25, 25, 25}},
};
// clang-format on

// K whatever the size. The entrances from Table 3.7 of the Handbook,
// "K factors for inlets from open tanks": square-edged 0.50, bell-mouth
// 0.05. The exit as Crane's TP-410 gives it for any pipe end, K = 1.0 (its
// "K factor table", sheet 4, as Ludwig's Applied Process Design, vol. 1, 3rd
// ed., reprints it).
struct FixedKind {
    FittingKind kind;
    double k;
};
const FixedKind kFixed[] = {
    {{"entrance", "进口（直角）", "HVAC Pump Handbook, 2nd ed., Table 3.7"}, 0.50},
    {{"entrance-bellmouth", "进口（喇叭口）", "HVAC Pump Handbook, 2nd ed., Table 3.7"}, 0.05},
    {{"exit", "出口", "Crane TP-410, K factor table"}, 1.0},
};

// By the ratio β of the smaller diameter to the larger, referred to the
// smaller pipe's velocity: a sudden expansion loses (1 − β²)² (Borda–Carnot;
// Crane TP-410's enlargement at θ = 180°), a sudden contraction 0.5·(1 − β²)
// (Crane's contraction at θ = 180°). Written on the larger pipe, the same
// losses are referred to its velocity, V² smaller by β⁴: (1/β² − 1)² and
// 0.5·(1 − β²)/β⁴.
const FittingKind kExpansion = {"expansion", "突然扩大", "Borda–Carnot; Crane TP-410, θ = 180°"};
const FittingKind kContraction = {"contraction", "突然缩小", "Crane TP-410, θ = 180°"};

std::size_t NearestSize(double inside)
{
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < kSizes; ++i) {
        if (std::fabs(std::log(inside / kBore[i])) < std::fabs(std::log(inside / kBore[nearest])))
            nearest = i;
    }
    return nearest;
}

// The names engineers write besides the tables' own, and the key each is.
const std::pair<std::string_view, std::string_view> kSynonyms[] = {
    {"弯头", "elbow90"},
    {"90°弯头", "elbow90"},
    {"90度弯头", "elbow90"},
    {"45°弯头", "elbow45"},
    {"45度弯头", "elbow45"},
    {"长半径弯头", "elbow90-long"},
    {"逆止阀", "check"},
    {"进口", "entrance"},
    {"入口", "entrance"},
    {"三通直流", "tee-run"},
    {"三通(直流)", "tee-run"},
    {"三通旁流", "tee-branch"},
    {"三通(旁流)", "tee-branch"},
};

bool Matches(const FittingKind& kind, std::string_view text)
{
    if (SameIgnoringCase(kind.key, text) || text == kind.name)
        return true;
    for (const auto& [synonym, key] : kSynonyms) {
        if (text == synonym && key == kind.key)
            return true;
    }
    return false;
}

// What separates the items of a list as engineers type them.
constexpr std::string_view kSeparators[] = {" ", "\t", ",", "，", "、", ";", "；", "+"};

// The next item of a list from at, and at moved past it; "" at the end.
std::string_view NextItem(std::string_view text, std::size_t& at)
{
    const auto separatorAt = [&](std::size_t i) -> std::size_t {
        for (const std::string_view separator : kSeparators) {
            if (text.substr(i, separator.size()) == separator)
                return separator.size();
        }
        return 0;
    };
    while (at < text.size()) {
        const std::size_t width = separatorAt(at);
        if (width == 0)
            break;
        at += width;
    }
    const std::size_t start = at;
    while (at < text.size() && separatorAt(at) == 0)
        ++at;
    return text.substr(start, at - start);
}

// Where an item's count starts ("闸阀*2", "弯头×4", "elbow90x2"), and the
// multiplier's width; npos where it has none. An "x" counts only before a
// number, for "exit".
std::size_t CountAt(std::string_view item, std::size_t& width)
{
    for (const std::string_view times : {"*", "×"}) {
        if (const std::size_t at = item.find(times); at != std::string_view::npos) {
            width = times.size();
            return at;
        }
    }
    const std::size_t x = item.find_last_of("xX");
    double count = 0;
    if (x != std::string_view::npos && x > 0 && ParseWholeNumber(item.substr(x + 1), count)) {
        width = 1;
        return x;
    }
    return std::string_view::npos;
}

// The K of a sudden expansion or contraction in a bore, referred to its
// velocity; NaN where neither its ratio nor the bores next to it tell it.
double ChangeOfBoreK(const FittingUse& use, double inside, const NeighbourBores& neighbours, bool& onLarger)
{
    onLarger = false;
    const bool expansion = use.key == kExpansion.key;
    // An expansion's larger pipe follows it, a contraction's comes before.
    const double larger = expansion ? neighbours.downstream : neighbours.upstream;
    const double smaller = expansion ? neighbours.upstream : neighbours.downstream;
    const auto smallPipeK = [expansion](double beta) {
        const double area = beta * beta;
        return expansion ? (1 - area) * (1 - area) : 0.5 * (1 - area);
    };
    if (larger > inside) // the section is the smaller pipe
        return smallPipeK(use.ratio > 0 ? use.ratio : inside / larger);
    if (smaller < inside) { // the larger: the same loss at its own velocity
        onLarger = true;
        const double beta = use.ratio > 0 ? use.ratio : smaller / inside;
        return smallPipeK(beta) / (beta * beta * beta * beta);
    }
    // Where the bores do not tell, a ratio given is taken on the section as the smaller pipe.
    return use.ratio > 0 ? smallPipeK(use.ratio) : X;
}

// Crane's n at a size for a fitting, NaN where it gives none.
double CraneMultiple(std::string_view key, std::size_t size)
{
    for (const CraneKind& crane : kCrane) {
        if (crane.key == key)
            return crane.n[size];
    }
    return X;
}

// The K of one fitting in a bore, NaN where the tables give none; crane,
// Crane's n where its K is n·f_T.
double KOf(
    const FittingUse& use, double inside, const NeighbourBores& neighbours, bool& known, bool& onLarger, double& crane)
{
    known = true;
    crane = X;
    for (const SizedKind& sized : kSized) {
        if (use.key != sized.kind.key)
            continue;
        const std::size_t size = NearestSize(inside);
        if (!std::isnan(sized.k[size]))
            return sized.k[size];
        crane = CraneMultiple(use.key, size);
        return crane * kCraneFt[size];
    }
    for (const FixedKind& fixed : kFixed) {
        if (use.key == fixed.kind.key)
            return fixed.k;
    }
    if (ChangesBore(use.key))
        return ChangeOfBoreK(use, inside, neighbours, onLarger);
    known = false;
    return X;
}

// The sizes a fitting has a K at, as runs: "DN20–DN400".
std::string SizesWithK(std::string_view key)
{
    std::string runs;
    for (std::size_t i = 0; i < kSizes;) {
        bool known = false;
        bool onLarger = false;
        double crane = X;
        const auto has = [&](std::size_t size) {
            return !std::isnan(KOf({std::string(key), 1, 0}, kBore[size], {}, known, onLarger, crane));
        };
        if (!has(i)) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 < kSizes && has(last + 1))
            ++last;
        runs += (runs.empty() ? "" : "、") + std::string(kNominal[i])
            + (last > i ? "–" + std::string(kNominal[last]) : "");
        i = last + 1;
    }
    return runs;
}

} // namespace

const std::vector<FittingKind>& FittingKinds()
{
    static const std::vector<FittingKind> kinds = [] {
        std::vector<FittingKind> all;
        for (const SizedKind& sized : kSized)
            all.push_back(sized.kind);
        for (const FixedKind& fixed : kFixed)
            all.push_back(fixed.kind);
        all.push_back(kExpansion);
        all.push_back(kContraction);
        return all;
    }();
    return kinds;
}

bool ParseFittings(std::string_view text, std::vector<FittingUse>& uses, messages::Message& error)
{
    using messages::Message;
    using messages::MessageId;
    uses.clear();
    std::size_t at = 0;
    for (std::string_view item = NextItem(text, at); !item.empty(); item = NextItem(text, at)) {
        const messages::Argument shown("item", messages::UserText(item));
        FittingUse use;
        std::size_t width = 0;
        if (const std::size_t star = CountAt(item, width); star != std::string_view::npos) {
            double count = 0;
            if (!ParseWholeNumber(item.substr(star + width), count) || count < 1 || count > 1000
                || count != std::floor(count)) {
                error = Message(MessageId::FittingCount, {shown});
                return false;
            }
            use.count = static_cast<int>(count);
            item = item.substr(0, star);
        }
        std::string_view ratio;
        for (const std::string_view colon : {":", "："}) {
            if (const std::size_t at = item.find(colon); at != std::string_view::npos) {
                ratio = item.substr(at + colon.size());
                item = item.substr(0, at);
                break;
            }
        }
        const FittingKind* kind = nullptr;
        for (const FittingKind& known : FittingKinds()) {
            if (Matches(known, item))
                kind = &known;
        }
        if (kind == nullptr) {
            std::string keys;
            for (const FittingKind& known : FittingKinds())
                keys += (keys.empty() ? "" : ", ") + std::string(known.key) + " " + known.name;
            error = Message(MessageId::UnknownFitting, {shown, {"keys", keys}});
            return false;
        }
        use.key = kind->key;
        const bool byRatio = ChangesBore(use.key);
        if (!byRatio && !ratio.empty()) {
            error = Message(MessageId::FittingTakesNoRatio, {shown});
            return false;
        }
        if (!ratio.empty() && (!ParseWholeNumber(ratio, use.ratio) || !(use.ratio > 0 && use.ratio < 1))) {
            error = Message(MessageId::FittingRatioRange, {shown});
            return false;
        }
        uses.push_back(std::move(use));
    }
    return true;
}

bool ChangesBore(std::string_view key)
{
    return key == kExpansion.key || key == kContraction.key;
}

std::vector<std::string_view> FittingSynonyms(std::string_view key)
{
    std::vector<std::string_view> names;
    for (const auto& [synonym, of] : kSynonyms) {
        if (of == key)
            names.push_back(synonym);
    }
    return names;
}

std::vector<FittingSize> FittingSizes()
{
    std::vector<FittingSize> sizes;
    for (std::size_t i = 0; i < kSizes; ++i)
        sizes.push_back({kNominal[i], kBore[i]});
    return sizes;
}

std::string FittingSizeFor(double insideMillimetres)
{
    return kNominal[NearestSize(insideMillimetres)];
}

bool FittingsZeta(const std::vector<FittingUse>& uses, double insideMillimetres, double& zeta, messages::Message& error,
    const NeighbourBores& neighbours, std::vector<messages::Message>* placed)
{
    using messages::MessageId;
    zeta = 0;
    for (const FittingUse& use : uses) {
        bool known = false;
        bool onLarger = false;
        double crane = X;
        const double k = KOf(use, insideMillimetres, neighbours, known, onLarger, crane);
        const bool expansion = use.key == kExpansion.key;
        if (std::isnan(k) && ChangesBore(use.key)) {
            error = messages::Message(MessageId::FittingNeedsRatio, {{"item", use.key}, {"example", use.key + ":0.5"}});
            return false;
        }
        if (placed != nullptr && ChangesBore(use.key)) {
            const MessageId place = expansion ? (onLarger ? MessageId::AtLargePipesStart : MessageId::AtSmallPipesEnd)
                                              : (onLarger ? MessageId::AtLargePipesEnd : MessageId::AtSmallPipesStart);
            placed->push_back(messages::Message(MessageId::ChangeOfBorePlaced,
                {{"fitting", expansion ? kExpansion.name : kContraction.name}, {"k", ZetaText(k)},
                    {"place", messages::Message(place)}}));
        }
        if (std::isnan(k)) {
            error = known
                ? messages::Message(MessageId::NoKAtSize,
                    {{"fitting", use.key}, {"size", FittingSizeFor(insideMillimetres)}, {"sizes", SizesWithK(use.key)}})
                : messages::Message(MessageId::UnknownFittingKey, {{"fitting", use.key}});
            return false;
        }
        if (placed != nullptr && !std::isnan(crane)) {
            placed->push_back(messages::Message(MessageId::CraneKTaken,
                {{"fitting", use.key}, {"size", FittingSizeFor(insideMillimetres)}, {"n", ShortestText(crane)},
                    {"k", ZetaText(k)}}));
        }
        zeta += use.count * k;
    }
    return true;
}

} // namespace vendrel::design
