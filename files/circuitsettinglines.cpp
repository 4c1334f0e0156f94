// The project lines and settings a circuit file gives before its header.
#include "files/circuitsettinglines.h"

#include "design/materials.h"
#include "files/columns.h"

#include <algorithm>
#include <utility>

namespace vendrel::files {
namespace {

const std::vector<KnownColumn> kSettings = {
    {"series", {"管道系列"}},
    {"material", {"管材"}},
    {"roughness", {"粗糙度"}},
    {"fluid", {"介质"}},
    {"concentration", {"浓度", "质量浓度"}},
    {"temperature", {"水温", "温度"}},
    {"viscosity", {"运动粘滞系数"}},
    {"delta_t", {"供回水温差", "温差"}},
    {"max_rate", {"比摩阻限值"}},
    {"max_velocity", {"流速限值"}},
    {"head_margin", {"扬程余量"}},
    {"static_head", {"静水高差"}},
    {"max_imbalance", {"不平衡率限值"}},
};
constexpr std::string_view kSettingTitles[kCircuitSettingCount]
    = {"管道系列", "管材", "粗糙度(mm)", "介质", "浓度(%)", "水温(°C)", "运动粘滞系数(10⁻⁶ m²/s)", "供回水温差(°C)",
        "比摩阻限值(Pa/m)", "流速限值(m/s)", "扬程余量(%)", "静水高差(m)", "不平衡率限值(%)"};
// The title first, written back; 项目名称 is what many institutes call 工程名称.
const std::vector<KnownColumn> kProjectFields = {
    {"project", {"工程名称", "项目名称"}},
    {"system", {"系统名称"}},
    {"designer", {"设计", "设计人"}},
    {"checker", {"校对", "校对人"}},
    {"approver", {"审核", "审核人"}},
    {"date", {"日期"}},
};

std::string_view LineName(const std::vector<std::string>& cells)
{
    return ColumnName(cells.empty() ? std::string_view() : std::string_view(cells[0]));
}

// The entry of known that names the line, or -1.
int KnownIndex(const std::vector<KnownColumn>& known, std::string_view name)
{
    for (std::size_t k = 0; k < known.size(); ++k) {
        const auto& aliases = known[k].aliases;
        if (design::SameIgnoringCase(name, known[k].name)
            || std::find(aliases.begin(), aliases.end(), name) != aliases.end())
            return static_cast<int>(k);
    }
    return -1;
}

messages::Message GivenTwice(std::string_view title, long line)
{
    return messages::Message(messages::MessageId::SettingGivenTwice, {{"setting", title}, {"line", line}});
}

// The names a line before the header may have, for a message.
std::string KnownNames()
{
    std::string names;
    for (const std::string_view title : kSettingTitles)
        names += (names.empty() ? "" : ", ") + std::string(ColumnName(title));
    for (const KnownColumn& field : kProjectFields)
        names += ", " + std::string(field.aliases[0]);
    return names;
}

void AddCircuitSetting(
    CircuitTable& table, CircuitSettingKey key, std::string value, long line, std::vector<messages::Message>& problems)
{
    for (const CircuitSetting& setting : table.settings) {
        if (setting.key == key || setting.key == OtherWayOf(key)) {
            using messages::Message;
            using messages::MessageId;
            const Message problem = setting.key == key
                ? GivenTwice(CircuitSettingTitle(key), setting.line)
                : Message(MessageId::SettingPairTwice,
                    {{"setting", CircuitSettingTitle(key)}, {"other", CircuitSettingTitle(setting.key)},
                        {"line", setting.line}});
            problems.push_back(messages::AtLine(line, problem));
            return;
        }
    }
    table.settings.push_back({key, std::move(value), line});
}

} // namespace

bool IsNameValueLine(const std::vector<std::string>& cells)
{
    for (std::size_t c = 2; c < cells.size(); ++c) {
        if (cells[c].find_first_not_of(" \t") != std::string::npos)
            return false;
    }
    // 水温 and 管材 name settings and columns alike: a line of two is a setting.
    const std::string_view name = LineName(cells);
    return KnownIndex(kSettings, name) >= 0 || KnownIndex(kProjectFields, name) >= 0
        || CircuitFieldOf(std::string(name)) < 0;
}

std::string_view ProjectFieldTitle(ProjectField field)
{
    return kProjectFields[static_cast<std::size_t>(field)].aliases[0];
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

void AddNameValueLine(
    CircuitTable& table, const std::vector<std::string>& cells, long line, std::vector<messages::Message>& problems)
{
    const std::string_view name = LineName(cells);
    std::string value = cells.size() > 1 ? std::string(Trimmed(cells[1])) : std::string();
    if (const int field = KnownIndex(kProjectFields, name); field >= 0) {
        const auto which = static_cast<ProjectField>(field);
        for (const ProjectLine& given : table.project) {
            if (given.field == which) {
                problems.push_back(messages::AtLine(line, GivenTwice(ProjectFieldTitle(which), given.line)));
                return;
            }
        }
        table.project.push_back({which, std::move(value), line});
        return;
    }
    const int setting = KnownIndex(kSettings, name);
    if (setting < 0) {
        problems.push_back(messages::AtLine(line,
            messages::Message(messages::MessageId::UnknownLineName,
                {{"name", messages::UserText(cells.empty() ? std::string() : cells[0])}, {"names", KnownNames()}})));
        return;
    }
    AddCircuitSetting(table, static_cast<CircuitSettingKey>(setting), std::move(value), line, problems);
}

} // namespace vendrel::files
