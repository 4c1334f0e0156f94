#include "design/materials.h"

#include <iterator>

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
// clang-format off
constexpr Material kMaterials[] = {
    {"steel-closed",        "钢管（闭式水系统）",         "0.2",    kIdelchik},
    {"steel-open",          "钢管（开式水系统、冷却水）", "0.5",    kIdelchik},
    {"steel-new",           "新钢管（商品钢管、熟铁管）", "0.045",  kMoody},
    {"galvanized",          "镀锌钢管",                   "0.15",   kMoody},
    {"cast-iron",           "铸铁管",                     "0.26",   kMoody},
    {"cast-iron-asphalted", "涂沥青铸铁管",               "0.12",   kMoody},
    {"copper",              "铜管（拉制管）",             "0.0015", kMoody},
    {"stainless",           "不锈钢管",                   "0.015",  kNanSteel},
    {"plastic",             "塑料管（PP-R、PE-X、PVC-U）", "0.0015", kToolbox},
};
// clang-format on

} // namespace

MaterialList Materials()
{
    return {kMaterials, static_cast<int>(std::size(kMaterials))};
}

const Material* FindMaterial(std::string_view key)
{
    return FindByKey(Materials(), key);
}

} // namespace vendrel::design
