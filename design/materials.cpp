#include "design/materials.h"

#include <iterator>

namespace vendrel::design {
namespace {

constexpr char kMoody[] = "Moody, Friction factors for pipe flow, Trans. ASME 66 (1944), Fig. 2";

// L. F. Moody, "Friction factors for pipe flow", Trans. ASME 66 (1944),
// Fig. 2, which prints ε in feet: drawn tubing 0.000005, commercial steel or
// wrought iron 0.00015, asphalted cast iron 0.0004, galvanized iron 0.0005,
// cast iron 0.00085. Below in mm as Binder (1973) reprints them in
// micrometres (1.5 for drawn brass and drawn copper, 45, 120, 150, 260), not
// converted afresh: 0.00015 ft is 0.0457 mm, but metric tables print 0.045.
// clang-format off
constexpr Material kMaterials[] = {
    {"steel-new",           "新钢管（商品钢管、熟铁管）", "0.045",  kMoody},
    {"galvanized",          "镀锌钢管",                   "0.15",   kMoody},
    {"cast-iron",           "铸铁管",                     "0.26",   kMoody},
    {"cast-iron-asphalted", "涂沥青铸铁管",               "0.12",   kMoody},
    {"copper",              "铜管（拉制管）",             "0.0015", kMoody},
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
