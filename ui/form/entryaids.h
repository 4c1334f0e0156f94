#pragma once

#include "calc/frictionfields.h"
#include "design/fluids.h"
#include "ui/form/controlid.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::design {
class MaterialCatalog;
struct PipeSeries;
} // namespace vendrel::design

// What an entry's context menu offers besides the editing commands, written
// once for both front ends: the viscosity of a fluid at a temperature, the
// roughness of a pipe material and the choice of a standard size. A front
// end renders these texts and hands back what the user chose.
namespace vendrel::form {

inline constexpr char kFluidItem[] = "按介质和温度计算…";
inline constexpr char kMaterialMenu[] = "按管材选取";
inline constexpr char kStandardSizeItem[] = "选择标准管径…";

inline constexpr char kFluidCaption[] = "按介质和温度计算运动粘滞系数";
inline constexpr char kFluidPrompt[] = "介质：";
inline constexpr char kConcentrationPrompt[] = "浓度(%，质量)：";
inline constexpr char kTemperaturePrompt[] = "温度(℃)：";
// The fluids to choose from, in the order of design::FluidKind.
inline constexpr std::array<const char*, 3> kFluidChoices = {"水", "乙二醇水溶液", "丙二醇水溶液"};
inline constexpr char kOkButton[] = "确定";
inline constexpr char kCancelButton[] = "取消";

inline constexpr char kSizeCaption[] = "选择标准管径";
inline constexpr char kSeriesPrompt[] = "管道系列：";
inline constexpr char kSizeHint[] = "回车或双击：填入内径并计算；Esc：不作改动";
// Shown when the user's files could not all be read; each file follows.
inline constexpr char kLibraryWarning[] = "以下自定义管道系列或管材文件未能载入，已略去：";
inline constexpr char kLibraryCaption[] = "自定义数据";

// Which aid an entry's menu adds.
enum class EntryAid { None, Fluid, Materials, StandardSize };
EntryAid AidFor(ControlId entry);

// The menu item for a material: its name and K, "镀锌钢管  K=0.15 mm".
std::string MaterialItemText(const design::MaterialCatalog& materials, int material);

// A fluid at a temperature, as the aid took it.
struct FluidAt {
    design::Fluid fluid;
    double celsius = design::kDefaultCelsius;
};

// The aid for a fluid (of kFluidChoices), its glycol % by mass (for a
// brine) and its temperature as typed: the viscosity text to write, what
// the prompt shows of the fluid (density, specific heat, freezing point, a
// warning near it), or, in error, why the texts cannot be used.
struct FluidAid {
    std::string viscosity;
    std::string properties;
    std::string error;
    ControlId wrong = IDC_TEMPERATURE; // the entry at fault
    FluidAt at;
};
FluidAid FluidAidFor(int fluid, std::string_view concentration, std::string_view celsius);

// The sizes of a series for the flow, roughness and viscosity of the entries,
// as the size window lists them, with the smallest within 300 Pa/m and the
// velocity limit of its size recommended; or, in error, why the entries
// cannot be sized. Pa/m takes the density of the fluid the aid chose, or of
// water at 10 °C, said so, where the fluid of a viscosity typed by hand is
// not known.
// The window names the series' material; the roughness typed holds, but
// where it is the K of no pipe of that kind, the window says so and offers
// the material's K.
struct SizeTable {
    std::string inputs; // the flow, roughness, water and limits the list is for
    std::string error;
    std::vector<std::array<std::string, 6>> rows; // under SizeColumnTitles(water)
    bool water = true;                            // else a brine, whose Rf is in mm of its own column
    std::vector<std::string> diameters;           // each row's inner diameter text
    int recommended = -1;
    std::string notes;           // the recommendation and the footnotes the rows need
    std::string materialNote;    // the series' material, and whether K is one of its kind
    std::string seriesRoughness; // where it is not, that material's K, which the button offers
    std::string roughnessButton; // the button's text
};
SizeTable SizeTableFor(const FrictionFields& inputs, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, const std::optional<FluidAt>& fluid);

} // namespace vendrel::form
