// The circuit window's files: the circuit file vendrel-calc --circuit reads,
// opened in any encoding and saved for Excel.
#include "book/bookpdf.h"
#include "book/circuitbook.h"
#include "book/circuitworkbook.h"
#include "calc/numbertext.h"
#include "files/circuitwriter.h"
#include "files/platform.h"
#include "ui/form/circuitdocument.h"
#include "ui/form/windowtext.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>

namespace vendrel::form {
namespace {

using messages::Message;
using messages::MessageId;
using Key = files::CircuitSettingKey;

// Why a file cannot be opened or saved, each problem on a line of its own.
std::string FileFailed(MessageId failed, const std::string& path, const std::vector<Message>& reasons)
{
    std::string text;
    for (const Message& reason : reasons)
        text += (text.empty() ? "" : "\n") + WindowText(reason);
    return WindowText(Message(failed, {{"file", FileNameOf(path)}, {"reason", text}}));
}

std::string FileFailed(MessageId failed, const std::string& path, const std::string& reason)
{
    return FileFailed(failed, path, {Message(MessageId::Verbatim, {{"text", reason}})});
}

} // namespace

void CircuitDocument::New()
{
    m_path.clear();
    m_version = m_savedVersion = ++m_lastVersion;
    m_extraTitles.clear();
    m_project.clear();
    m_rows.clear();
    m_undo.clear();
    m_redo.clear();
    // What vendrel-calc --circuit takes for a file that says nothing.
    m_settings = {};
    const design::PipeSeries& series = m_library.series.Default();
    m_settings[At(Key::Series)] = series.key;
    m_settings[At(Key::Material)] = series.material;
    m_settings[At(Key::Temperature)] = "10";
    m_settings[At(Key::MaxRate)] = "300";
    m_settings[At(Key::HeadMargin)] = "10";
    m_settings[At(Key::MaxImbalance)] = "15";
    Calculate();
}

bool CircuitDocument::Open(const std::string& path, std::string& error)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(files::OpenForReading(path), &std::fclose);
    if (!in) {
        error = FileFailed(MessageId::OpenFailed, path, std::strerror(errno));
        return false;
    }
    files::CircuitTable table;
    std::vector<Message> problems;
    files::HeaderMatch match;
    if (!files::ReadCircuitText(in.get(), table, problems)
        || !files::CheckCircuitHeader(table.header, table.headerLine, match, problems)) {
        error = FileFailed(MessageId::OpenFailed, path, problems);
        return false;
    }
    New();
    // The file's columns: the window's own where it knows them, the rest kept as they are.
    std::vector<int> columnOf(table.header.size());
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        const int field = match.known[c];
        columnOf[c] = TypedColumnOf(field);
        if (field < 0
            && files::ColumnName(table.header[c]) == CircuitColumns()[static_cast<int>(CircuitColumn::Remark)].title)
            columnOf[c] = static_cast<int>(CircuitColumn::Remark);
        if (columnOf[c] < 0) {
            columnOf[c] = kTypedColumnCount + ExtraColumns();
            m_extraTitles.push_back(table.header[c]);
        }
    }
    for (const std::vector<std::string>& cells : table.cells) {
        std::vector<std::string>& row
            = m_rows.emplace_back(static_cast<std::size_t>(kTypedColumnCount + ExtraColumns()));
        for (std::size_t c = 0; c < cells.size(); ++c)
            row[static_cast<std::size_t>(columnOf[c])] = cells[c];
    }
    m_project = table.project;
    for (const files::CircuitSetting& setting : table.settings) {
        Put(setting.key, setting.value); // a roughness or a viscosity stands for the default material or water
    }
    Calculate();
    m_path = path;
    return true;
}

bool CircuitDocument::Save(const std::string& path, std::string& error)
{
    std::vector<files::CircuitSetting> settings;
    for (int k = 0; k < files::kCircuitSettingCount; ++k) {
        const auto key = static_cast<Key>(k);
        const std::string& value = m_settings[static_cast<std::size_t>(k)];
        // Of a pair, the one that was typed or chosen.
        const bool other = (key == Key::Roughness || key == Key::Viscosity) ? value.empty()
            : key == Key::Material                                          ? !m_settings[At(Key::Roughness)].empty()
            : key == Key::Temperature                                       ? !m_settings[At(Key::Viscosity)].empty()
                                                                            : false;
        if (!other)
            settings.push_back({key, value, 0});
    }
    std::vector<std::string> header;
    for (int c = 0; c < kTypedColumnCount + ExtraColumns(); ++c)
        header.push_back(ColumnTitle(c));
    std::vector<std::vector<std::string>> rows;
    for (const std::vector<std::string>& row : m_rows) {
        if (!files::BlankRow(row))
            rows.push_back(row);
    }
    std::string reason;
    if (!files::WriteFileReplacing(path, files::CircuitFileText(m_project, settings, header, rows), reason)) {
        error = FileFailed(MessageId::SaveFailed, path, reason);
        return false;
    }
    m_path = path;
    m_savedVersion = m_version;
    return true;
}

book::CalculationBook CircuitDocument::Book() const
{
    files::CircuitTable table;
    table.project = m_project;
    table.sections = m_sections;
    book::BookSettings more;
    // The material and the temperature where they, not typed figures, gave the roughness and viscosity.
    if (m_settings[At(Key::Roughness)].empty())
        more.material = m_library.materials.Find(m_settings[At(Key::Material)]);
    const double celsius = ParseNumber(m_settings[At(Key::Temperature)]);
    if (m_settings[At(Key::Viscosity)].empty() && !std::isnan(celsius))
        more.celsius = celsius;
    return book::CircuitBook(table, m_result, m_resolved, more);
}

bool CircuitDocument::ExportWorkbook(const std::string& path, std::string& error) const
{
    std::string bytes;
    std::string reason;
    if (book::CircuitWorkbookBytes(Book(), bytes, reason) && files::WriteFileReplacing(path, bytes, reason))
        return true;
    error = WindowText(Message(MessageId::WorkbookNotWritten, {{"file", FileNameOf(path)}, {"reason", reason}}));
    return false;
}

bool CircuitDocument::ExportBook(const std::string& path, std::string& error) const
{
    std::string bytes;
    Message problem;
    std::string reason;
    if (book::BookPdfBytes(Book(), files::BookFontFiles(), bytes, problem)) {
        if (files::WriteFileReplacing(path, bytes, reason))
            return true;
        problem = Message(MessageId::BookNotWritten, {{"file", FileNameOf(path)}, {"reason", reason}});
    } else {
        problem = Message(MessageId::BookNotWritten, {{"file", FileNameOf(path)}, {"reason", problem}});
    }
    error = WindowText(problem);
    return false;
}

bool CircuitDocument::BookPages(std::vector<book::BookPage>& pages, std::string& error) const
{
    Message problem;
    if (book::BookPagesInFont(Book(), files::BookFontFiles(), pages, problem))
        return true;
    error = WindowText(problem);
    return false;
}

} // namespace vendrel::form
