#include "ui/form/circuitform.h"

#include <charconv>

namespace vendrel::form {

const std::array<CircuitColumnInfo, kCircuitColumnCount>& CircuitColumns()
{
    using C = CircuitColumn;
    static const std::array<CircuitColumnInfo, kCircuitColumnCount> columns = {{
        {C::Section, "管段", 6, false},
        {C::From, "起点", 6, false},
        {C::To, "终点", 6, false},
        {C::Flow, "流量(m³/h)", 9, true},
        {C::Load, "负荷(kW)", 8, true},
        {C::Length, "长度(m)", 7, true},
        {C::Nominal, "公称直径", 8, false},
        {C::Diameter, "管径(mm)", 8, true},
        {C::Fittings, "管件", 30, false},
        {C::Zeta, "局部阻力系数", 10, true},
        {C::Device, "设备阻力(kPa)", 11, true},
        {C::Remark, "备注", 24, false},
        {C::Velocity, "流速(m/s)", 9, true},
        {C::FrictionRate, "比摩阻(mm水柱/m)", 14, true},
        {C::PascalsPerMetre, "比摩阻(Pa/m)", 11, true},
        {C::Zone, "流区", 7, false},
        {C::FrictionLoss, "沿程阻力(Pa)", 11, true},
        {C::ZetaTotal, "Σζ", 6, true},
        {C::LocalLoss, "局部阻力(Pa)", 11, true},
        {C::DeviceLoss, "设备阻力(Pa)", 11, true},
        {C::ValveLoss, "阀门阻力(Pa)", 11, true},
        {C::TotalLoss, "总阻力(Pa)", 10, true},
        {C::OnIndex, "最不利环路", 9, false},
        {C::Excess, "富余压头(kPa)", 11, true},
        {C::BalanceLevel, "节流比例(%)", 10, true},
        {C::KvRequired, "所需Kv", 7, true},
        {C::Orifice, "孔板孔径(mm)", 11, true},
    }};
    return columns;
}

const std::array<CircuitSettingInfo, files::kCircuitSettingCount>& CircuitSettings()
{
    using K = files::CircuitSettingKey;
    static const std::array<CircuitSettingInfo, files::kCircuitSettingCount> settings = {{
        {K::Series, "管道系列：", 30, 0},
        {K::Material, "管材：", 24, 0},
        {K::Roughness, "粗糙度(mm)：", 6, 1},
        {K::Fluid, "介质：", 6, 0},
        {K::Concentration, "浓度(%)：", 4, 0},
        {K::Temperature, "水温(°C)：", 5, 1},
        {K::Viscosity, "运动粘滞系数(10^-6 m²/s)：", 7, 1}, // "^-", as the calculator writes it, is in every font
        {K::DeltaT, "供回水温差(°C)：", 4, 1},
        {K::MaxRate, "比摩阻限值(Pa/m)：", 5, 2},
        {K::MaxVelocity, "流速限值(m/s)：", 5, 2},
        {K::HeadMargin, "扬程余量(%)：", 4, 2},
        {K::StaticHead, "静水高差(m)：", 4, 2},
        {K::MaxImbalance, "不平衡率限值(%)：", 4, 2},
    }};
    return settings;
}

const std::array<CircuitCommandInfo, kCircuitCommandCount>& CircuitCommands()
{
    using C = CircuitCommand;
    static const std::array<CircuitCommandInfo, kCircuitCommandCount> commands = {{
        {C::New, 0, "新建(&N)", "Ctrl+N", false},
        {C::Open, 0, "打开(&O)…", "Ctrl+O", false},
        {C::Save, 0, "保存(&S)", "Ctrl+S", false},
        {C::SaveAs, 0, "另存为(&A)…", "", false},
        {C::ExportWorkbook, 0, "导出 Excel 工作簿(&E)…", "", true},
        {C::ExportBook, 0, "导出计算书(PDF)(&B)…", "", false},
        {C::Print, 0, "打印(&P)…", "Ctrl+P", true},
        {C::Close, 0, "关闭(&C)", "", true},
        {C::Undo, 1, "撤销(&U)", "Ctrl+Z", false},
        {C::Redo, 1, "重做(&R)", "Ctrl+Y", false},
        {C::Copy, 1, "复制(&C)", "Ctrl+C", true},
        {C::Paste, 1, "粘贴(&P)", "Ctrl+V", false},
        {C::InsertRow, 1, "插入行(&I)", "Ins", true},
        {C::DeleteRows, 1, "删除行(&D)", "Del", false},
        {C::SelectAll, 1, "全选(&A)", "Ctrl+A", true},
    }};
    return commands;
}

int TypedColumnOf(int field)
{
    using C = CircuitColumn;
    using F = files::CircuitField;
    const std::pair<F, C> columns[] = {{F::Section, C::Section}, {F::From, C::From}, {F::To, C::To}, {F::Flow, C::Flow},
        {F::Load, C::Load}, {F::Length, C::Length}, {F::Diameter, C::Diameter}, {F::Nominal, C::Nominal},
        {F::Zeta, C::Zeta}, {F::Fittings, C::Fittings}, {F::Device, C::Device}};
    for (const auto& [f, c] : columns) {
        if (field == static_cast<int>(f))
            return static_cast<int>(c);
    }
    return -1;
}

std::string NumbersText(const std::vector<int>& numbers)
{
    std::string text;
    for (const int number : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

std::vector<int> NumbersFrom(const std::string& text)
{
    std::vector<int> numbers;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (at < end) {
        while (at < end && *at == ' ')
            ++at;
        if (at == end)
            break;
        int number = 0;
        const auto [next, failure] = std::from_chars(at, end, number);
        if (failure != std::errc() || (next < end && *next != ' '))
            return {};
        numbers.push_back(number);
        at = next;
    }
    return numbers;
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithName(std::string_view message, std::string_view text)
{
    std::string result(message);
    if (const std::size_t at = result.find("%1"); at != std::string::npos)
        result.replace(at, 2, text);
    return result;
}

std::string CircuitCaption(const std::string& path, bool modified)
{
    return std::string(kCircuitCaption) + " - " + (path.empty() ? std::string(kUntitled) : FileNameOf(path))
        + (modified ? "*" : "");
}

} // namespace vendrel::form
