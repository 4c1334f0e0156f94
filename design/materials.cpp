#include "design/materials.h"

#include "calc/numbertext.h"

#include <cassert>
#include <iterator>
#include <utility>

namespace vendrel::design {
namespace {

constexpr char kMoody[] = "Moody, Friction factors for pipe flow, Trans. ASME 66 (1944), Fig. 2";
constexpr char kIdelchik[] = "Idelchik, Handbook of Hydraulic Resistance, 4th ed. (2007), Diagram 2-5";
constexpr char kToolbox[] = "The Engineering ToolBox, Surface roughness (mm), smooth plastics";
constexpr char kNanSteel[] = "Nan Steel, Pipe roughness (absolute roughness, mm)";

// L. F. Moody, "Friction factors for pipe flow", Trans. ASME 66 (1944),
// Fig. 2, which prints ε in feet: drawn tubing 0.000005, commercial steel or
// wrought iron 0.00015, asphalted cast iron 0.0004, galvanized iron 0.0005,
// cast iron 0.00085. Below in mm as Binder (1973) reprints them in
// micrometres (1.5 for drawn brass and drawn copper, 45, 120, 150, 260), not
// converted afresh: 0.00015 ft is 0.0457 mm, but metric tables print 0.045.
//
// Steel in service, as HVAC practice sizes it, from I. E. Idelchik, Handbook
// of Hydraulic Resistance, 4th ed. (Begell House, 2007), Diagram 2-5,
// seamless steel pipes in service, in mm: water-heating pipelines 0.2, the
// figure for closed chilled and hot water; condensate pipes in open systems
// 0.5, for open and condenser water, which take in air.
//
// Plastics from The Engineering ToolBox's table of surface roughness, in mm:
// PVC, PE and other smooth plastics 0.0015–0.007; we take 0.0015, which
// other tables print alone. Stainless steel from Nan Steel's table of pipe
// roughness: 0.015 mm. Tables disagree on stainless steel: the ToolBox gives
// 0.0001–0.006 by surface finish (electro-polished to bead-blasted), others
// 0.002; we take 0.015, the figure for pipe as delivered and the safer for
// sizing.
struct Preset {
    const char* key;
    const char* name;
    const char* roughness;
    const char* source;
    bool plastic;
    const char* family;
};

// clang-format off
constexpr Preset kMaterials[] = {
    {"steel-closed",        "钢管（闭式水系统）",         "0.2",    kIdelchik, false, "steel"},
    {"steel-open",          "钢管（开式水系统、冷却水）", "0.5",    kIdelchik, false, "steel"},
    {"steel-new",           "新钢管（商品钢管、熟铁管）", "0.045",  kMoody,    false, "steel"},
    {"galvanized",          "镀锌钢管",                   "0.15",   kMoody,    false, "steel"},
    {"cast-iron",           "铸铁管",                     "0.26",   kMoody,    false, "cast-iron"},
    {"cast-iron-asphalted", "涂沥青铸铁管",               "0.12",   kMoody,    false, "cast-iron"},
    {"copper",              "铜管（拉制管）",             "0.0015", kMoody,    false, "copper"},
    {"stainless",           "不锈钢管",                   "0.015",  kNanSteel, false, "stainless"},
    {"plastic",             "塑料管（PP-R、PE-X、PVC-U）", "0.0015", kToolbox,  true, "plastic"},
};
// clang-format on

} // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

MaterialCatalog::MaterialCatalog()
{
    for (const Preset& preset : kMaterials)
        m_materials.push_back(
            {preset.key, preset.name, preset.roughness, preset.source, preset.plastic, preset.family});
}

const Material& MaterialCatalog::operator[](int index) const
{
    assert(index >= 0 && index < size());
    return m_materials[static_cast<std::size_t>(index)];
}

const Material* MaterialCatalog::Find(std::string_view text) const
{
    for (const Material& material : m_materials) {
        if (SameIgnoringCase(material.key, text) || material.name == text)
            return &material;
    }
    return nullptr;
}

bool MaterialCatalog::Add(Material material)
{
    if (Find(material.key) != nullptr || Find(material.name) != nullptr)
        return false;
    m_materials.push_back(std::move(material));
    return true;
}

bool MaterialCatalog::FamilyHasRoughness(std::string_view family, double roughness) const
{
    for (const Material& material : m_materials) {
        if (material.family == family && ParseNumber(material.roughness) == roughness)
            return true;
    }
    return false;
}

std::string MaterialCatalog::Keys() const
{
    std::string keys;
    for (const Material& material : m_materials)
        keys += (keys.empty() ? "" : ", ") + material.key;
    return keys;
}

} // namespace vendrel::design
