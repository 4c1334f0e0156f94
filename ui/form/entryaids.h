#pragma once

#include "calc/frictionfields.h"
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
// once for both front ends: the viscosity from a water temperature, the
// roughness of a pipe material and the choice of a standard size. A front
// end renders these texts and hands back what the user chose.
namespace vendrel::form {

inline constexpr char kWaterTemperatureItem[] = "按水温计算…";
inline constexpr char kMaterialMenu[] = "按管材选取";
inline constexpr char kStandardSizeItem[] = "选择标准管径…";

inline constexpr char kTemperatureCaption[] = "按水温计算运动粘滞系数";
inline constexpr char kTemperaturePrompt[] = "水温(℃，0～100)：";
inline constexpr char kOkButton[] = "确定";
inline constexpr char kCancelButton[] = "取消";

inline constexpr char kSizeCaption[] = "选择标准管径";
inline constexpr char kSeriesPrompt[] = "管道系列：";
inline constexpr char kSizeHint[] = "回车或双击：填入内径并计算；Esc：不作改动";
// Shown when the user's files could not all be read; each file follows.
inline constexpr char kLibraryWarning[] = "以下自定义管道系列或管材文件未能载入，已略去：";
inline constexpr char kLibraryCaption[] = "自定义数据";

// Which aid an entry's menu adds.
enum class EntryAid { None, WaterTemperature, Materials, StandardSize };
EntryAid AidFor(ControlId entry);

// The menu item for a material: its name and K, "镀锌钢管  K=0.15 mm".
std::string MaterialItemText(const design::MaterialCatalog& materials, int material);

// The viscosity text for water at the temperature typed, or, in error, why
// the text cannot be used; celsius is the temperature read.
struct WaterTemperature {
    std::string viscosity;
    std::string error;
    double celsius = 0;
};
WaterTemperature ViscosityForTemperature(std::string_view celsiusText);

// The sizes of a series for the flow, roughness and viscosity of the entries,
// as the size window lists them, with the smallest within 300 Pa/m and the
// velocity limit of its size recommended; or, in error, why the entries
// cannot be sized. Pa/m takes the density of water at celsius, or at 10 °C,
// said so, where the temperature of a viscosity typed by hand is not known.
// The window names the series' material; the roughness typed holds, but
// where it is the K of no pipe of that kind, the window says so and offers
// the material's K.
struct SizeTable {
    std::string inputs; // the flow, roughness, water and limits the list is for
    std::string error;
    std::vector<std::array<std::string, 6>> rows; // under kSizeColumnTitles
    std::vector<std::string> diameters;           // each row's inner diameter text
    int recommended = -1;
    std::string notes;           // the recommendation and the footnotes the rows need
    std::string materialNote;    // the series' material, and whether K is one of its kind
    std::string seriesRoughness; // where it is not, that material's K, which the button offers
    std::string roughnessButton; // the button's text
};
SizeTable SizeTableFor(const FrictionFields& inputs, const design::PipeSeries& series,
    const design::MaterialCatalog& materials, std::optional<double> celsius);

} // namespace vendrel::form
