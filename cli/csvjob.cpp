#include "cli/csvjob.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "calc/zonenames.h"
#include "cli/exitcodes.h"
#include "cli/messageout.h"
#include "cli/rowbuffer.h"
#include "cli/schedulefluids.h"
#include "cli/schedulesizes.h"
#include "cli/strictcalculation.h"
#include "design/fluids.h"
#include "design/materials.h"
#include "files/columns.h"
#include "files/csvcells.h"
#include "files/csvreader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::cli {
namespace {

using messages::Message;
using messages::MessageId;

enum Input {
    kFlow,
    kDiameter,
    kRoughness,
    kViscosity,
    kTemperature,
    kMaterial,
    kFluid,
    kConcentration,
    kLoad,
    kDeltaT,
    kColumnCount
};
// Columns read and also carried through, as the row's own: what flows and how much.
constexpr Input kFirstCarried = kFluid;
constexpr InputNames kInputNames = {"flow", "diameter", "roughness", "viscosity"};
// The names Vendrel writes, and those a spreadsheet's header may use; the
// calculator's own labels read as their names without the unit ("管径(净空D:mm)").
const std::vector<files::KnownColumn> kColumns = {
    {"flow", {"流量", "水流量"}},
    {"diameter", {"管径", "内径"}},
    {"roughness", {"粗糙度", "绝对粗糙度"}},
    {"viscosity", {"运动粘滞系数", "运动粘滞系数υ", "运动粘度"}},
    {"temperature", {"水温", "温度"}},
    {"material", {"管材", "材质"}},
    {"fluid", {"介质"}},
    {"concentration", {"浓度"}},
    {"load", {"负荷", "冷负荷", "热负荷"}},
    {"delta_t", {"温差", "供回水温差"}},
};
// A row's cells from the four inputs on, and the names of their columns.
using ResultCells = std::array<std::string_view, 12>;
constexpr ResultCells kResultColumns = {"flow", "diameter", "roughness", "viscosity", "velocity", "reynolds", "lambda",
    "friction_rate", "rough_reynolds", "status", "zone", "residual"};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kWriteBlock = 64 * 1024;
// Rows reported one by one; beyond this, only their number.
constexpr long kMaxRowReports = 20;

using files::Trimmed;

class CsvJob {
public:
    CsvJob(const char* inputName, std::FILE* out, std::FILE* err, const CsvJobSettings& settings)
        : m_inputName(inputName)
        , m_out(out)
        , m_err(err)
        , m_rowByRow(settings.rowByRow)
        , m_language(settings.language)
        , m_lineEnd(settings.bom ? "\r\n" : "\n")
        , m_materials(settings.materials != nullptr ? *settings.materials : m_builtIn)
        , m_series(settings.series)
        , m_defaults{settings.fluid, settings.concentration, settings.temperature, settings.deltaT}
        , m_defaultKind(design::FluidOfName(settings.fluid))
        , m_rows(out, settings.rowByRow)
    {
        if (settings.bom) {
            char* room = m_rows.Room(kByteOrderMark.size());
            std::memcpy(room, kByteOrderMark.data(), kByteOrderMark.size());
            m_rows.Hold(room + kByteOrderMark.size());
        }
    }

    int Run(std::FILE* in)
    {
        files::CsvReader reader(in, m_rowByRow);
        std::vector<std::string> header;
        switch (reader.Next(header)) {
        case files::CsvReader::Result::End:
            return Report(reader.Line(), Message(MessageId::ScheduleNoHeader));
        case files::CsvReader::Result::Error:
            return ReportReader(reader);
        case files::CsvReader::Result::Record:
            break;
        }
        if (const int status = ReadHeader(header, reader.RecordLine()); status != kExitSuccess)
            return status;
        std::vector<std::string_view> cells(header.begin(), header.end());
        AppendRow(cells, kResultColumns);
        if (m_rowByRow && !m_rows.Write())
            return WriteFailed();

        // The rows' cells are views of the reader's text, never copied.
        for (;;) {
            switch (reader.Next(cells)) {
            case files::CsvReader::Result::End:
                return Finish();
            case files::CsvReader::Result::Error:
                return ReportReader(reader);
            case files::CsvReader::Result::Record:
                break;
            }
            if (cells.size() != m_columnCount) {
                return Report(reader.RecordLine(),
                    Message(MessageId::FieldCount, {{"expected", m_columnCount}, {"found", cells.size()}}));
            }
            WriteRow(cells, reader.RecordLine());
            // Stop at the first failed write: the rest would go nowhere.
            if ((m_rowByRow || m_rows.Size() >= kWriteBlock) && !m_rows.Write())
                return WriteFailed();
        }
    }

private:
    int ReadHeader(const std::vector<std::string>& cells, long line)
    {
        m_columnCount = cells.size();
        files::HeaderMatch match;
        Message error;
        if (!files::MatchHeader(cells, kColumns, match, error))
            return Report(line, error);
        for (std::size_t input = 0; input < kColumnCount; ++input)
            m_column[input] = match.cellOf[input];
        // A flow, or a load that gives it.
        for (const Input required : {kFlow, kDiameter}) {
            if (m_column[required] < 0 && !(required == kFlow && m_column[kLoad] >= 0))
                return Report(line, Message(MessageId::ScheduleLacksColumn, {{"column", kColumns[required].name}}));
        }
        m_fluidColumns = !m_defaults.fluid.empty() || !m_defaults.temperature.empty();
        for (const Input input : {kTemperature, kFluid, kConcentration, kLoad, kDeltaT})
            m_fluidColumns = m_fluidColumns || m_column[input] >= 0;
        for (const auto& [a, b] : {std::pair{kViscosity, kTemperature}, std::pair{kRoughness, kMaterial}}) {
            if (m_column[a] >= 0 && m_column[b] >= 0)
                return Report(line,
                    Message(MessageId::ColumnsExclusive, {{"first", kColumns[a].name}, {"second", kColumns[b].name}}));
        }
        // The user's own columns keep their place: those before the first of
        // ours before the results, the others after them.
        m_leading.clear();
        m_trailing.clear();
        bool oursSeen = false;
        for (std::size_t cell = 0; cell < cells.size(); ++cell) {
            if (match.known[cell] >= 0 && match.known[cell] < kFirstCarried)
                oursSeen = true;
            else
                (oursSeen ? m_trailing : m_leading).push_back(cell);
        }
        return kExitSuccess;
    }

    // Appends a row: the user's cells before ours, ours, the user's after
    // them, each quoted where it must be. Filled in place in room for every
    // cell quoted: a row is written at the speed of a copy.
    void AppendRow(const std::vector<std::string_view>& cells, const ResultCells& ours)
    {
        std::size_t room = 2;
        for (const std::size_t cell : m_leading)
            room += 2 * cells[cell].size() + 3;
        for (const std::string_view cell : ours)
            room += 2 * cell.size() + 3;
        for (const std::size_t cell : m_trailing)
            room += 2 * cells[cell].size() + 3;
        char* out = m_rows.Room(room);
        for (const std::size_t cell : m_leading) {
            out = files::WriteCsvCell(out, cells[cell]);
            *out++ = ',';
        }
        out = files::WriteCsvCells(out, ours.data(), ours.size());
        for (const std::size_t cell : m_trailing) {
            *out++ = ',';
            out = files::WriteCsvCell(out, cells[cell]);
        }
        for (const char c : m_lineEnd)
            *out++ = c;
        m_rows.Hold(out);
    }

    // An input's cell, or fallback where the row has none or leaves it blank
    // (an optional column's default); a required cell is taken as it is.
    std::string_view InputText(const std::vector<std::string_view>& cells, Input input, std::string_view fallback) const
    {
        if (m_column[input] < 0)
            return fallback;
        const std::string_view cell = cells[static_cast<std::size_t>(m_column[input])];
        if (input == kFlow || input == kDiameter)
            return cell;
        // Most cells start with their number: the blank test ends at once.
        for (const char c : cell) {
            if (c != ' ' && c != '\t')
                return cell;
        }
        return fallback;
    }

    void WriteRow(const std::vector<std::string_view>& cells, long line)
    {
        FrictionFields& f = m_fields;
        m_problems.clear();
        // A temperature or material that gives no value is reported once,
        // and the other inputs are still checked.
        InputNames names = kInputNames;
        std::string_view viscosity = InputText(cells, kViscosity, labels::kDefaultViscosity);
        std::string_view flow = InputText(cells, kFlow, {});
        // Water at its temperature, a brine, a flow from a load: only where the columns are.
        RowFluid fluid;
        if (m_fluidColumns) {
            // The command line's fluid for the cells a row leaves blank, its
            // concentration only for a row of that fluid. A row's own viscosity
            // stands over them, but a load it carries takes their ρ·c_p.
            const bool typed = !InputText(cells, kViscosity, {}).empty();
            const std::string_view load = InputText(cells, kLoad, {});
            const bool defaults = !typed || !Trimmed(load).empty();
            const std::string_view ownFluid = Trimmed(InputText(cells, kFluid, {}));
            const bool sameFluid = ownFluid.empty() || design::FluidOfName(ownFluid) == m_defaultKind;
            const auto given = [&](Input input, const std::string& fallback, bool applies = true) {
                return InputText(cells, input, defaults && applies ? std::string_view(fallback) : std::string_view());
            };
            fluid = m_fluids.Of(
                {given(kFluid, m_defaults.fluid), given(kConcentration, m_defaults.concentration, sameFluid),
                    given(kTemperature, m_defaults.temperature), load,
                    InputText(cells, kDeltaT, load.empty() ? std::string_view() : m_defaults.deltaT)},
                m_problems);
            if (!fluid.warning.Empty())
                WarnRow(line, fluid.warning);
            if (fluid.viscosity && !typed)
                viscosity = *fluid.viscosity;
            if (fluid.viscosityFailed) {
                viscosity = {};
                names[kViscosity] = "";
            }
            const bool byLoad = fluid.flow || fluid.flowFailed;
            if (byLoad && flow.find_first_not_of(" \t") != std::string_view::npos) {
                m_problems.push_back(Message(MessageId::LoadOrFlowCell));
                names[kFlow] = "";
            } else if (fluid.flow) {
                flow = *fluid.flow;
            } else if (fluid.flowFailed) {
                names[kFlow] = "";
            }
        }
        std::string_view roughness = InputText(cells, kRoughness, labels::kDefaultRoughness);
        if (const std::string_view key = Trimmed(InputText(cells, kMaterial, {})); !key.empty()) {
            const design::Material* material = m_materials.Find(key);
            roughness = material != nullptr ? std::string_view(material->roughness) : std::string_view();
            if (material == nullptr) {
                m_problems.push_back(messages::Named(
                    "material", Message(MessageId::UnknownMaterialSchedule, {{"text", messages::UserText(key)}})));
                names[kRoughness] = "";
            }
        }
        // A size as drawings write it, D219×6, or a nominal size of the
        // series, DN50, is calculated, and written, as its bore.
        bool unusable = false;
        const std::string_view diameter
            = DiameterOfCell(InputText(cells, kDiameter, {}), m_series, m_bore, m_problems, unusable);
        if (unusable)
            names[kDiameter] = "";
        // The texts are calculated and written where they are, not copied into f.
        const InputTexts inputs = {flow, diameter, roughness, viscosity};
        // Past the rows reported one by one, a row's problems are only counted.
        const bool shown = m_rowsNotCalculated < kMaxRowReports;
        const CalculationOutcome outcome = CalculateStrictly(f, inputs, names, m_problems, shown);
        if (!m_problems.empty())
            ReportRow(line);

        const std::string_view zone = ZoneKey(outcome.zone);
        const std::string_view residual = StatusResidual(f.m_strStatus);
        const ResultCells ours = {inputs[kFlow], inputs[kDiameter], inputs[kRoughness], inputs[kViscosity],
            f.m_strVelocity, f.m_strReynolds, f.m_strLambda, f.m_strFrictionRate, f.m_strRoughReynolds, f.m_strStatus,
            zone, residual};
        AppendRow(cells, ours);
    }

    // What the user is told of a row calculated all the same, as the single
    // calculation tells it; the first few.
    void WarnRow(long line, const Message& warning)
    {
        if (++m_rowsWarned > kMaxRowReports)
            return;
        Say(m_err,
            Message(MessageId::InFileAt,
                {{"file", m_inputName},
                    {"problem", Message(MessageId::AtLine, {{"line", line}, {"problem", warning}})}}),
            m_language);
    }

    void ReportRow(long line)
    {
        if (++m_rowsNotCalculated > kMaxRowReports)
            return;
        Say(m_err,
            Message(MessageId::InFileAt,
                {{"file", m_inputName},
                    {"problem",
                        Message(MessageId::AtLine,
                            {{"line", line}, {"problem", std::move(m_problems), MessageId::ListSeparator}})}}),
            m_language);
    }

    int WriteFailed()
    {
        Say(m_err, Message(MessageId::CannotWriteResults, {{"reason", std::strerror(errno)}}), m_language);
        return kExitIncomplete;
    }

    int Finish()
    {
        if (!m_rows.Write() || std::fflush(m_out) != 0 || std::ferror(m_out))
            return WriteFailed();
        ReportCount();
        return m_rowsNotCalculated == 0 ? kExitSuccess : kExitDataError;
    }

    void ReportCount()
    {
        if (m_rowsNotCalculated == 0)
            return;
        const MessageId id = m_rowsNotCalculated == 1 ? MessageId::OneRowNotCalculated
            : m_rowsNotCalculated > kMaxRowReports    ? MessageId::RowsNotCalculatedListed
                                                      : MessageId::RowsNotCalculated;
        Say(m_err,
            Message(MessageId::InFile,
                {{"file", m_inputName},
                    {"problem", Message(id, {{"count", m_rowsNotCalculated}, {"listed", kMaxRowReports}})}}),
            m_language);
    }

    int Report(long line, const Message& problem)
    {
        return Stop([&] {
            Say(m_err,
                Message(MessageId::InFileAt, {{"file", m_inputName}, {"problem", messages::AtLine(line, problem)}}),
                m_language);
        });
    }

    int ReportReader(const files::CsvReader& reader)
    {
        if (reader.ReadError() == 0)
            return Report(reader.ErrorLine(), reader.Error());
        return Stop([&] {
            const long lines = reader.LinesBeforeReadError();
            Say(m_err,
                lines == 0 ? Message(MessageId::CannotRead, {{"file", m_inputName}, {"reason", reader.Error()}})
                           : Message(MessageId::CannotReadAfterLine,
                               {{"file", m_inputName}, {"line", lines}, {"reason", reader.Error()}}),
                m_language);
        });
    }

    // Ends the run early: writes the rows calculated so far, then says why it
    // stopped, and also when those rows could not be written.
    template <typename Say> int Stop(const Say& say)
    {
        const bool written = m_rows.Write() && std::fflush(m_out) == 0;
        const int writeError = errno;
        say();
        // The rows before the stop are written; what of them is missing too.
        ReportCount();
        if (!written) {
            errno = writeError;
            WriteFailed();
        }
        return kExitIncomplete;
    }

    const char* m_inputName;
    std::FILE* m_out;
    std::FILE* m_err;
    bool m_rowByRow;
    messages::Language m_language;
    std::string_view m_lineEnd;
    design::MaterialCatalog m_builtIn;
    const design::MaterialCatalog& m_materials;
    const design::PipeSeries* m_series;
    std::array<int, kColumnCount> m_column{};
    bool m_fluidColumns = false; // a column of temperature, fluid or load, or the command line's fluid
    // What blank fluid cells take.
    struct {
        std::string fluid;
        std::string concentration;
        std::string temperature;
        std::string deltaT;
    } m_defaults;
    std::optional<design::FluidKind> m_defaultKind;
    ScheduleFluids m_fluids;
    std::vector<std::size_t> m_leading; // the user's columns before ours, by cell
    std::vector<std::size_t> m_trailing;
    std::size_t m_columnCount = 0;
    FrictionFields m_fields;
    std::string m_bore; // of a size text, for the row being written
    std::vector<Message> m_problems;
    long m_rowsNotCalculated = 0;
    long m_rowsWarned = 0;
    RowBuffer m_rows;
};

} // namespace

int RunCsvJob(std::FILE* in, const char* inputName, std::FILE* out, std::FILE* err, const CsvJobSettings& settings)
{
    return CsvJob(inputName, out, err, settings).Run(in);
}

} // namespace vendrel::cli
