// The settings a circuit file gives on lines before its header.
#include "files/circuitsettinglines.h"

#include "design/materials.h"
#include "files/columns.h"

namespace vendrel::files {
namespace {

const std::vector<KnownColumn> kSettings = {
    {"series", {"管道系列"}},
    {"material", {"管材"}},
    {"roughness", {"粗糙度"}},
    {"temperature", {"水温"}},
    {"viscosity", {"运动粘滞系数"}},
    {"max_rate", {"比摩阻限值"}},
    {"max_velocity", {"流速限值"}},
    {"head_margin", {"扬程余量"}},
    {"max_imbalance", {"不平衡率限值"}},
};
constexpr std::string_view kSettingTitles[kCircuitSettingCount] = {"管道系列", "管材", "粗糙度(mm)", "水温(°C)",
    "运动粘滞系数(10⁻⁶ m²/s)", "比摩阻限值(Pa/m)", "流速限值(m/s)", "扬程余量(%)", "不平衡率限值(%)"};

} // namespace

int CircuitSettingOf(const std::vector<std::string>& cells)
{
    for (std::size_t c = 2; c < cells.size(); ++c) {
        if (cells[c].find_first_not_of(" \t") != std::string::npos)
            return -1;
    }
    const std::string_view name = ColumnName(cells.empty() ? std::string_view() : std::string_view(cells[0]));
    for (std::size_t s = 0; s < kSettings.size(); ++s) {
        if (design::SameIgnoringCase(name, kSettings[s].name) || name == kSettings[s].aliases[0])
            return static_cast<int>(s);
    }
    return -1;
}

CircuitSettingKey OtherWayOf(CircuitSettingKey key)
{
    using K = CircuitSettingKey;
    return key == K::Material   ? K::Roughness
        : key == K::Roughness   ? K::Material
        : key == K::Temperature ? K::Viscosity
        : key == K::Viscosity   ? K::Temperature
                                : key;
}

std::string_view CircuitSettingTitle(CircuitSettingKey key)
{
    return kSettingTitles[static_cast<int>(key)];
}

void AddCircuitSetting(
    CircuitTable& table, const std::vector<std::string>& cells, long line, std::vector<messages::Message>& problems)
{
    const auto key = static_cast<CircuitSettingKey>(CircuitSettingOf(cells));
    for (const CircuitSetting& setting : table.settings) {
        if (setting.key == key || setting.key == OtherWayOf(key)) {
            using messages::Message;
            using messages::MessageId;
            const Message problem = setting.key == key
                ? Message(MessageId::SettingGivenTwice, {{"setting", CircuitSettingTitle(key)}, {"line", setting.line}})
                : Message(MessageId::SettingPairTwice,
                    {{"setting", CircuitSettingTitle(key)}, {"other", CircuitSettingTitle(setting.key)},
                        {"line", setting.line}});
            problems.push_back(messages::AtLine(line, problem));
            return;
        }
    }
    table.settings.push_back({key, cells.size() > 1 ? std::string(Trimmed(cells[1])) : std::string(), line});
}

} // namespace vendrel::files
