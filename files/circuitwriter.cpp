#include "files/circuitwriter.h"

#include "files/csvcells.h"

namespace vendrel::files {
namespace {

void AppendRow(std::string& text, const std::vector<std::string_view>& cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::string_view cell = cells[c];
        if (c > 0)
            text += ',';
        const std::size_t at = text.size();
        text.resize(at + 2 * cell.size() + 2);
        text.resize(static_cast<std::size_t>(WriteCsvCell(text.data() + at, cell) - text.data()));
    }
    text += "\r\n";
}

} // namespace

std::string CircuitFileText(const std::vector<ProjectLine>& project, const std::vector<CircuitSetting>& settings,
    const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows)
{
    std::string text = "\xEF\xBB\xBF";
    for (const ProjectLine& line : project)
        AppendRow(text, {ProjectFieldTitle(line.field), line.value});
    for (const CircuitSetting& setting : settings)
        AppendRow(text, {CircuitSettingTitle(setting.key), setting.value});
    AppendRow(text, {header.begin(), header.end()});
    for (const std::vector<std::string>& row : rows)
        AppendRow(text, {row.begin(), row.end()});
    return text;
}

} // namespace vendrel::files
