#include "files/userlibrary.h"

#include "design/usertables.h"
#include "files/columns.h"
#include "files/csvreader.h"
#include "files/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

namespace vendrel::files {
namespace {

using messages::Message;
using messages::MessageId;
using messages::UserText;

struct Record {
    long line;
    std::vector<std::string> cells;
};

// A small file, whole: its records, or false with error.
bool ReadRecords(const std::string& path, std::vector<Record>& records, Message& error)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenForReading(path), &std::fclose);
    if (!file) {
        error = Message(MessageId::CannotOpen, {{"file", path}, {"reason", std::strerror(errno)}});
        return false;
    }
    CsvReader reader(file.get());
    std::vector<std::string> cells;
    for (;;) {
        switch (reader.Next(cells)) {
        case CsvReader::Result::End:
            return true;
        case CsvReader::Result::Error:
            error = Message(MessageId::InFileAt,
                {{"file", path}, {"problem", messages::AtLine(reader.ErrorLine(), reader.Error())}});
            return false;
        case CsvReader::Result::Record:
            for (std::string& cell : cells) {
                const std::size_t first = cell.find_first_not_of(" \t");
                cell = first == std::string::npos ? std::string()
                                                  : cell.substr(first, cell.find_last_not_of(" \t") + 1 - first);
            }
            records.push_back({reader.RecordLine(), cells});
            break;
        }
    }
}

// The problem at a line and a column of a file, or at a line, or in the file.
bool Fail(Message& error, const std::string& path, long line, int column, Message problem)
{
    if (line <= 0) {
        error = Message(MessageId::InFile, {{"file", path}, {"problem", std::move(problem)}});
        return false;
    }
    Message at = column > 0
        ? Message(MessageId::AtLineColumn, {{"line", line}, {"column", column}, {"problem", std::move(problem)}})
        : messages::AtLine(line, std::move(problem));
    error = Message(MessageId::InFileAt, {{"file", path}, {"problem", std::move(at)}});
    return false;
}

bool Fail(Message& error, const std::string& path, long line, int column, MessageId problem)
{
    return Fail(error, path, line, column, Message(problem));
}

std::string Cell(const Record& record, int cell)
{
    return cell >= 0 && static_cast<std::size_t>(cell) < record.cells.size()
        ? record.cells[static_cast<std::size_t>(cell)]
        : std::string();
}

std::string FileStem(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > 4 && design::SameIgnoringCase(name.substr(name.size() - 4), ".csv"))
        name.resize(name.size() - 4);
    return name;
}

enum SeriesColumn { kNominal, kOutside, kWall, kInside, kMaxVelocity, kTitle, kSource, kMaterial, kKey };
const std::vector<KnownColumn> kSeriesColumns = {
    {"nominal", {"公称直径", "公称尺寸", "DN", "nominal_size"}},
    {"outside", {"外径", "outside_diameter", "OD"}},
    {"wall", {"壁厚", "wall_thickness"}},
    {"inside", {"内径", "inner_diameter", "inside_diameter", "ID"}},
    {"max_velocity", {"最大流速", "流速上限", "限速", "velocity_limit"}},
    {"title", {"标题", "名称", "系列"}},
    {"source", {"来源", "出处"}},
    {"material", {"管材"}},
    {"key", {"代号"}},
};

enum MaterialColumn { kMaterialKey, kMaterialName, kRoughness, kMaterialSource, kPlastic, kFamily };
const std::vector<KnownColumn> kMaterialColumns = {
    {"key", {"代号"}},
    {"name", {"名称"}},
    {"roughness", {"粗糙度", "绝对粗糙度", "K"}},
    {"source", {"来源", "出处"}},
    {"plastic", {"塑料"}},
    {"family", {"类别"}},
};

// The value a heading line or a column gives a series' title, source,
// material or key: the same wherever it is given.
bool TakeValue(std::optional<std::string>& value, const std::string& text, const std::string& path, long line,
    int column, MessageId what, Message& error)
{
    if (text.empty())
        return true;
    if (value && *value != text)
        return Fail(error, path, line, column,
            messages::Named(
                what, Message(MessageId::ValueDiffers, {{"text", UserText(text)}, {"before", UserText(*value)}})));
    value = text;
    return true;
}

} // namespace

bool ReadSeriesFile(
    const std::string& path, const design::MaterialCatalog& materials, design::PipeSeries& result, Message& error)
{
    std::vector<Record> records;
    if (!ReadRecords(path, records, error))
        return false;
    std::optional<std::string> heading[4]; // title, source, material, key
    const MessageId headingNames[]
        = {MessageId::TitleName, MessageId::SourceName, MessageId::MaterialName, MessageId::KeyName};
    std::size_t row = 0;
    // Heading lines, a heading word and its value, up to the header, which
    // names the nominal sizes' column.
    for (; row < records.size(); ++row) {
        const Record& record = records[row];
        HeaderMatch match;
        Message ignored;
        if (!MatchHeader(record.cells, kSeriesColumns, match, ignored) || match.cellOf[kNominal] >= 0
            || match.known[0] < kTitle || record.cells.size() < 2)
            break;
        const int which = match.known[0] - kTitle;
        if (!TakeValue(heading[which], record.cells[1], path, record.line, 2, headingNames[which], error))
            return false;
    }
    if (row == records.size())
        return Fail(error, path, 0, 0, MessageId::SeriesNoHeader);
    const Record& header = records[row];
    HeaderMatch match;
    Message problem;
    if (!MatchHeader(header.cells, kSeriesColumns, match, problem))
        return Fail(error, path, header.line, 0, std::move(problem));
    const auto column = [&](SeriesColumn c) { return match.cellOf[c]; };
    if (column(kNominal) < 0 || (column(kInside) < 0 && (column(kOutside) < 0 || column(kWall) < 0)))
        return Fail(error, path, header.line, 0, MessageId::SeriesHeaderNeeds);

    std::vector<design::SizeText> sizes;
    for (++row; row < records.size(); ++row) {
        const Record& record = records[row];
        for (int which = 0; which < 4; ++which) {
            const int cell = column(static_cast<SeriesColumn>(kTitle + which));
            if (!TakeValue(heading[which], Cell(record, cell), path, record.line, cell + 1, headingNames[which], error))
                return false;
        }
        sizes.push_back({record.line, Cell(record, column(kNominal)), Cell(record, column(kOutside)),
            Cell(record, column(kWall)), Cell(record, column(kInside)), Cell(record, column(kMaxVelocity))});
    }
    if (!heading[0])
        return Fail(error, path, 0, 0, MessageId::SeriesNoTitle);
    design::PipeSeries named;
    named.key = heading[3].value_or(FileStem(path));
    named.name = *heading[0];
    named.source = heading[1].value_or("");
    named.material = heading[2].value_or("");
    named.file = path;
    const design::SizeColumns columns{
        column(kNominal) + 1, column(kOutside) + 1, column(kWall) + 1, column(kInside) + 1, column(kMaxVelocity) + 1};
    design::TableProblem found;
    std::optional<design::PipeSeries> series
        = design::SeriesFromText(std::move(named), sizes, columns, materials, found);
    if (!series)
        return Fail(error, path, found.line, found.column, std::move(found.message));
    result = std::move(*series);
    return true;
}

bool AddSeriesFile(const std::string& path, UserLibrary& library, Message& error)
{
    design::PipeSeries series;
    if (!ReadSeriesFile(path, library.materials, series, error))
        return false;
    const std::string key = series.key;
    if (!library.series.Add(std::move(series)))
        return Fail(error, path, 0, 0, Message(MessageId::SeriesKeyTaken, {{"key", UserText(key)}}));
    return true;
}

bool AddMaterialsFile(const std::string& path, UserLibrary& library, Message& error)
{
    std::vector<Record> records;
    if (!ReadRecords(path, records, error))
        return false;
    if (records.empty())
        return Fail(error, path, 0, 0, MessageId::MaterialsNoHeader);
    HeaderMatch match;
    Message problem;
    if (!MatchHeader(records[0].cells, kMaterialColumns, match, problem))
        return Fail(error, path, records[0].line, 0, std::move(problem));
    const auto column = [&](MaterialColumn c) { return match.cellOf[c]; };
    if (column(kMaterialKey) < 0 || column(kMaterialName) < 0 || column(kRoughness) < 0)
        return Fail(error, path, records[0].line, 0, MessageId::MaterialsHeaderNeeds);
    std::vector<design::MaterialText> rows;
    for (std::size_t row = 1; row < records.size(); ++row) {
        const Record& record = records[row];
        rows.push_back({record.line, Cell(record, column(kMaterialKey)), Cell(record, column(kMaterialName)),
            Cell(record, column(kRoughness)), Cell(record, column(kMaterialSource)), Cell(record, column(kPlastic)),
            Cell(record, column(kFamily))});
    }
    const design::MaterialColumns columns{column(kMaterialKey) + 1, column(kMaterialName) + 1, column(kRoughness) + 1,
        column(kMaterialSource) + 1, column(kPlastic) + 1, column(kFamily) + 1};
    design::TableProblem found;
    std::optional<std::vector<design::Material>> materials
        = design::MaterialsFromText(rows, columns, library.materials, found);
    if (!materials)
        return Fail(error, path, found.line, found.column, std::move(found.message));
    for (design::Material& material : *materials)
        library.materials.Add(std::move(material));
    return true;
}

std::string SeriesFolder(const std::string& dataFolder)
{
    return dataFolder + "/series";
}

std::string MaterialsFile(const std::string& dataFolder)
{
    return dataFolder + "/materials.csv";
}

UserLibrary LoadUserLibrary(const std::string& dataFolder)
{
    UserLibrary library;
    if (dataFolder.empty())
        return library;
    Message error;
    const std::string materials = MaterialsFile(dataFolder);
    if (const std::unique_ptr<std::FILE, int (*)(std::FILE*)> probe(OpenForReading(materials), &std::fclose); probe) {
        if (!AddMaterialsFile(materials, library, error))
            library.warnings.push_back(error);
    }
    const std::string folder = SeriesFolder(dataFolder);
    for (const std::string& name : CsvFilesIn(folder)) {
        if (!AddSeriesFile(folder + "/" + name, library, error))
            library.warnings.push_back(error);
    }
    return library;
}

} // namespace vendrel::files
